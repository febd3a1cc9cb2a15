#include "gui/ui/keyboard_menus.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace zumbrel::gui {
namespace {

// Watches the application's input: whether the last key or button pressed was a key tells how
// a menu that shows was opened.
class KeyboardMenus final : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                byKeyboard_ = true;
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
                byKeyboard_ = false;
                break;
            case QEvent::Show:
                if (auto* menu = qobject_cast<QMenu*>(watched); menu && byKeyboard_)
                    selectLater(menu);
                break;
            default:
                break;
        }
        return false;
    }

  private:
    // Once shown: the menu places its items, and a reader hears the item after the menu.
    static void selectLater(QMenu* menu) {
        QMetaObject::invokeMethod(
            menu,
            [menu] {
                if (menu->isVisible() && !menu->activeAction()) selectFirstItem(*menu);
            },
            Qt::QueuedConnection);
    }

    bool byKeyboard_ = false;
};

}  // namespace

void selectFirstItem(QMenu& menu) {
    for (QAction* a : menu.actions()) {
        if (a->isEnabled() && a->isVisible() && !a->isSeparator()) {
            menu.setActiveAction(a);
            return;
        }
    }
}

void selectFirstItemOfKeyboardMenus() {
    qApp->installEventFilter(new KeyboardMenus(qApp));
}

}  // namespace zumbrel::gui
