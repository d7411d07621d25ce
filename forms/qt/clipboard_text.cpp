#include "forms/qt/clipboard_text.h"

#include <QRegularExpression>
#include <QStringList>

namespace lorvane::forms::qt {

QString WithLocaleNumbers(const QString& tabSeparated, const QLocale& locale) {
    static const QRegularExpression plainNumber(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    QStringList lines = tabSeparated.split(u'\n');
    for (QString& line : lines) {
        QStringList cells = line.split(u'\t');
        for (QString& cell : cells) {
            if (plainNumber.match(cell).hasMatch()) {
                cell.replace(u'.', locale.decimalPoint()).replace(u'-', locale.negativeSign());
            }
        }
        line = cells.join(u'\t');
    }
    return lines.join(u'\n');
}

}  // namespace lorvane::forms::qt
