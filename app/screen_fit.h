#pragma once

#include <QSize>

class QWidget;

namespace lorvane::app {

// Gives a window the size it asks for where its screen has room for it, and less where it has
// not, and centres it over its parent (or on its screen); a window manager's frame is allowed
// for, so the whole window, title bar included, opens on the screen.
void FitToScreen(QWidget& window, QSize wanted);

// Moves a window that runs off its screen back onto it, where it fits there.
void KeepOnScreen(QWidget& window);

}  // namespace lorvane::app
