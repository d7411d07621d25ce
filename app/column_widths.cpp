#include "app/column_widths.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRegularExpression>
#include <algorithm>

namespace lorvane::app {
namespace {

constexpr double kTextWidthPoints = 186 / 25.4 * 72;

}  // namespace

ColumnMeasure::ColumnMeasure(const QFont& font, const QPaintDevice* device)
    : font_(font), device_(device) {}

double ColumnMeasure::Least(const QString& text, bool whole) const {
    const QFontMetricsF metrics =
        device_ != nullptr ? QFontMetricsF(font_, device_) : QFontMetricsF(font_);
    // Measured on the screen, set on the page: a little room for the difference, and a blank's
    // width either side.
    const auto width = [&metrics](const QString& part) {
        return 1.15 * metrics.horizontalAdvance(part);
    };
    const double padding = width(QStringLiteral("  "));
    double need = 0;
    static const QRegularExpression breaks(QStringLiteral("[ \n]"));
    for (const QString& line : whole ? text.split(u'\n') : text.split(breaks)) {
        need = std::max(need, width(line));
    }
    return need + padding;
}

double ColumnMeasure::PageWidth() const {
    const double dpi = device_ != nullptr ? device_->logicalDpiX() : QFontMetricsF(font_).fontDpi();
    return kTextWidthPoints * dpi / 72;
}

std::vector<double> ColumnMeasure::Percent(const std::vector<double>& least,
                                           const std::vector<bool>& growing) const {
    const double page = PageWidth();
    double used = 0;
    for (double column : least) {
        used += column;
    }
    const auto grows = [&growing](std::size_t column) {
        return growing.empty() || (column < growing.size() && growing[column]);
    };
    std::size_t growers = 0;
    for (std::size_t column = 0; column < least.size(); ++column) {
        growers += grows(column) ? 1 : 0;
    }
    const double spare =
        growers == 0 ? 0 : std::max(0.0, page - used) / static_cast<double>(growers);
    std::vector<double> percent;
    for (std::size_t column = 0; column < least.size(); ++column) {
        const double width = least[column] + (grows(column) ? spare : 0);
        percent.push_back(100 * width / std::max(page, used));
    }
    return percent;
}

}  // namespace lorvane::app
