#pragma once

#include <QStringList>

namespace lorvane::app {

// lorvane --sheet OUT.pdf PRODUCT [OPTIONS]: the data sheet of one calculation without a
// window on screen, with lorvane-calc's product words and options. Exit status 0 when the sheet
// was written; 1 and the form's message on standard error when an input was refused (nothing
// is written then); 2 for a wrong call; 3 when the file cannot be written. A QApplication must
// exist.
int RunSheetCommand(const QStringList& arguments);

}  // namespace lorvane::app
