#pragma once

#include <QIcon>

namespace lorvane::forms::qt {

// The program's icon, in every size it is drawn in: the window icon of the main window and of
// every form.
QIcon ApplicationIcon();

}  // namespace lorvane::forms::qt
