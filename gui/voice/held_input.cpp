#include "gui/voice/held_input.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace zumbrel::gui {
namespace {

// The window's action whose shortcut the key is, if any: a shortcut held back is no longer
// matched by Qt when its key is given again.
QAction* shortcutOf(QObject* receiver, const QKeyEvent& key) {
    auto* window = qobject_cast<QWindow*>(receiver);
    QWidget* top = window ? QWidget::find(window->winId()) : nullptr;
    if (!top) top = QApplication::activeWindow();
    if (!top || key.modifiers() == Qt::NoModifier) return nullptr;
    const QKeySequence pressed(key.keyCombination());
    for (QAction* a : top->actions()) {
        if (a->isEnabled() && a->shortcut() == pressed) return a;
    }
    return nullptr;
}

}  // namespace

HeldInput::HeldInput() {
    qApp->installEventFilter(this);
}

HeldInput::~HeldInput() {
    qApp->removeEventFilter(this);
    giveBack();
}

bool HeldInput::eventFilter(QObject* watched, QEvent* event) {
    // A shortcut is not run now: its key press comes next, and is held back with the rest.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    // Input reaches a window first, then its widgets: held back at the window.
    if (!watched->isWindowType() || !event->isInputEvent()) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            keyPressed_ = true;
            [[fallthrough]];
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            held_.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
            return true;
        default:
            return false;
    }
}

void HeldInput::giveBack() {
    for (Held& h : held_) {
        if (!h.receiver) continue;
        if (h.event->type() == QEvent::KeyPress) {
            if (QAction* a = shortcutOf(h.receiver, static_cast<const QKeyEvent&>(*h.event))) {
                QMetaObject::invokeMethod(a, &QAction::trigger, Qt::QueuedConnection);
                continue;
            }
        }
        QCoreApplication::postEvent(h.receiver, h.event.release());
    }
    held_.clear();
}

}  // namespace zumbrel::gui
