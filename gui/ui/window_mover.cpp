#include "gui/ui/window_mover.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace zumbrel::gui {

WindowMover::WindowMover(QWidget* window) : QObject(window), window_(window) {}

void WindowMover::watch(QWidget* surface) {
    surface->installEventFilter(this);
}

bool WindowMover::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            press(*static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseMove:
            drag(*static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            release();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowMover::press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return;
    armed_ = true;
    manual_ = false;
    pressedAt_ = event.globalPosition().toPoint();
    frameAtPress_ = window_->frameGeometry().topLeft();
}

void WindowMover::drag(const QMouseEvent& event) {
    // A move without the button held ends whatever was under way: a window only ever moves
    // while the button is down.
    if (!(event.buttons() & Qt::LeftButton)) {
        release();
        return;
    }
    if (!armed_) return;
    const QPoint travelled = event.globalPosition().toPoint() - pressedAt_;
    if (!manual_) {
        if (travelled.manhattanLength() < QApplication::startDragDistance()) return;
        // Where windows may place themselves (X11), the window follows the pointer by hand,
        // the point pressed staying under it. Elsewhere (Wayland) only the compositor moves
        // windows: it takes over from here, and the release with it.
        if (QGuiApplication::platformName() != QLatin1String("xcb") && window_->windowHandle() &&
            window_->windowHandle()->startSystemMove()) {
            armed_ = false;
            return;
        }
        manual_ = true;
    }
    window_->move(frameAtPress_ + travelled);
}

void WindowMover::release() {
    armed_ = false;
    manual_ = false;
}

}  // namespace zumbrel::gui
