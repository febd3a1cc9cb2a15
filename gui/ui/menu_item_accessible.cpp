#include "gui/ui/menu_item_accessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>

#include "gui/ui/accessibility.h"

namespace zumbrel::gui {
namespace {

// The menu that shows the action: the one open, or else the first one it is in.
QMenu* shownIn(const QAction* action) {
    QMenu* first = nullptr;
    for (QObject* o : action->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(o);
        if (!menu) continue;
        if (menu->isVisible()) return menu;
        if (!first) first = menu;
    }
    return first;
}

QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text.section(QLatin1Char('\t'), 0, 0);
}

class MenuItemAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    explicit MenuItemAccessible(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ && shownIn(action_); }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        QMenu* menu = shownIn(action_);
        return menu && menu->windowHandle() ? menu->windowHandle() : nullptr;
    }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(shownIn(action_));
    }
    // An item that opens a submenu holds it.
    int childCount() const override { return action_->menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && action_->menu()
                   ? QAccessible::queryAccessibleInterface(action_->menu())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && action_->menu() && child->object() == action_->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* sub = child(0);
        return sub && sub->rect().contains(x, y) ? sub : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return withoutMnemonic(action_->text());
        if (t == QAccessible::Description) return action_->statusTip();
        if (t == QAccessible::Accelerator) return shortcut();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QMenu* menu = shownIn(action_);
        if (!menu) return {};
        const QRect r = menu->actionGeometry(action_);
        return QRect(menu->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        if (action_->isSeparator()) return QAccessible::Separator;
        return action_->menu() ? QAccessible::PopupMenu : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        QMenu* menu = shownIn(action_);
        if (!menu || !menu->isVisible() || !action_->isVisible()) s.invisible = true;
        if (menu && menu->activeAction() == action_) s.focused = true;
        s.focusable = !action_->isSeparator();
        s.disabled = !action_->isEnabled();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        s.hasPopup = action_->menu() != nullptr;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override {
        if (action_->isSeparator()) return {};
        return {action_->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!action_->isEnabled()) return;
        if (name == pressAction()) {
            action_->trigger();
        } else if (name == showMenuAction()) {
            if (QMenu* menu = shownIn(action_)) {
                menu->setActiveAction(action_);
                if (action_->menu()) action_->menu()->popup(rect().topRight());
            }
        }
    }
    // Orca reads "mnemonic;path;shortcut" and says the shortcut only from the third place.
    QStringList keyBindingsForAction(const QString&) const override {
        const QString keys = shortcut();
        return keys.isEmpty() ? QStringList() : QStringList{QStringLiteral(";;") + keys};
    }

  private:
    QString shortcut() const { return action_->shortcut().toString(QKeySequence::NativeText); }

    QPointer<QAction> action_;
};

// The item of an open menu that holds this menu as its submenu.
QAction* holdingItem(QMenu* menu) {
    QAction* held = menu->menuAction();
    for (QObject* o : held->associatedObjects()) {
        auto* holder = qobject_cast<QMenu*>(o);
        if (holder && holder != menu && holder->isVisible()) return held;
    }
    return nullptr;
}

// The control that drops it, the item that holds it, or the control whose menu it is.
QObject* ownerOf(QMenu* menu) {
    if (QObject* owner = accessibleParentOf(*menu)) return owner;
    if (QAction* item = holdingItem(menu)) return item;
    return menu->parentWidget();
}

class MenuAccessible final : public QAccessibleWidget {
  public:
    explicit MenuAccessible(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    QAccessibleInterface* parent() const override {
        if (QObject* owner = ownerOf(menu())) return QAccessible::queryAccessibleInterface(owner);
        return QAccessibleWidget::parent();
    }
    int childCount() const override { return static_cast<int>(menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAction*> items = menu()->actions();
        return index >= 0 && index < items.size()
                   ? QAccessible::queryAccessibleInterface(items[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(
                           menu()->actions().indexOf(qobject_cast<QAction*>(child->object())))
                     : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAction* a = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
        return a ? QAccessible::queryAccessibleInterface(a) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty()) return withoutMnemonic(menu()->title());
        return own;
    }

  private:
    QMenu* menu() const { return static_cast<QMenu*>(widget()); }
};

}  // namespace

QAccessibleInterface* menuItemAccessible(QAction* action) {
    return shownIn(action) ? new MenuItemAccessible(action) : nullptr;
}

QAccessibleInterface* menuAccessible(QMenu* menu) {
    return new MenuAccessible(menu);
}

}  // namespace zumbrel::gui
