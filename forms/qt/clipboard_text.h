#pragma once

#include <QLocale>
#include <QString>

namespace lorvane::forms::qt {

// Tab-separated text for a spreadsheet on this machine: every cell that is a plain number
// ("3.5", "-26") takes the locale's decimal separator and minus sign, so that the spreadsheet
// reads it as a number; every other cell ("2.00m", a label) stays as it is.
QString WithLocaleNumbers(const QString& tabSeparated, const QLocale& locale);

}  // namespace lorvane::forms::qt
