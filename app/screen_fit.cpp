#include "app/screen_fit.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lorvane::app {
namespace {

// Room left for a window manager's title bar and borders before the window is shown and its
// frame is known.
constexpr int kFrameAllowance = 40;

const QScreen* ScreenOf(const QWidget& window) {
    const QWidget* parent = window.parentWidget();
    const QScreen* screen = parent != nullptr ? parent->screen() : window.screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

// The window's outer rectangle: its frame once shown, before that its geometry grown by the
// allowance at the top.
QRect Outer(const QWidget& window) {
    if (window.isVisible() && window.frameGeometry() != window.geometry()) {
        return window.frameGeometry();
    }
    return window.geometry().adjusted(0, -kFrameAllowance, 0, 0);
}

}  // namespace

void FitToScreen(QWidget& window, QSize wanted) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        window.resize(wanted);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize room(available.width() - kFrameAllowance / 2,
                     available.height() - 2 * kFrameAllowance);
    window.resize(wanted.boundedTo(room).expandedTo(window.minimumSize()));
    const QWidget* parent = window.parentWidget();
    const QPoint centre = parent != nullptr && parent->isVisible()
                              ? parent->frameGeometry().center()
                              : available.center();
    QRect placed(QPoint(0, 0), window.size());
    placed.moveCenter(centre);
    window.move(placed.topLeft());
    KeepOnScreen(window);
}

void KeepOnScreen(QWidget& window) {
    const QScreen* screen = ScreenOf(window);
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    QRect outer = Outer(window);
    if (outer.width() <= available.width()) {
        outer.moveLeft(
            std::clamp(outer.left(), available.left(), available.right() - outer.width() + 1));
    }
    if (outer.height() <= available.height()) {
        outer.moveTop(
            std::clamp(outer.top(), available.top(), available.bottom() - outer.height() + 1));
    }
    window.move(window.pos() + (outer.topLeft() - Outer(window).topLeft()));
}

}  // namespace lorvane::app
