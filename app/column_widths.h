#pragma once

#include <QFont>
#include <QString>
#include <vector>

class QPaintDevice;

namespace lorvane::app {

// Column widths of a table on a page, so that words are never broken and numbers stay on one
// line: measured with the font the table is set in, on the device that sets it where it is
// given (a PDF's metrics at its resolution), else on the screen.
class ColumnMeasure {
  public:
    explicit ColumnMeasure(const QFont& font, const QPaintDevice* device = nullptr);

    // The width a text needs: whole where it must stay on one line, else its widest word (line
    // breaks and blanks separate words); a little room for the page's rendering included.
    double Least(const QString& text, bool whole) const;
    // The width of the text of an A4 page less its margins, 186 mm.
    double PageWidth() const;
    // The widths in per cent of the page: each column its least width, and what is left shared
    // alike among the growing columns (every column where none is); wider than the page, in
    // proportion.
    std::vector<double> Percent(const std::vector<double>& least,
                                const std::vector<bool>& growing = {}) const;

  private:
    QFont font_;
    const QPaintDevice* device_;
};

}  // namespace lorvane::app
