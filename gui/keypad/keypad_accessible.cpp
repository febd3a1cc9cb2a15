#include "gui/keypad/keypad_accessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>

#include "gui/keypad/display_view.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/keypad/menu_bar.h"

namespace zumbrel::gui {
namespace {

// The items of a control's own menu (the display's, a memory's), offered as its accessible
// actions, so that a screen reader's action command does what the menu does.
QStringList menuActionNames(const QWidget* w) {
    QStringList names;
    for (const QAction* a : w->actions()) {
        if (a->isEnabled() && !a->isSeparator()) names << a->text();
    }
    return names;
}

bool doMenuAction(QWidget* w, const QString& name) {
    for (QAction* a : w->actions()) {
        if (a->isEnabled() && a->text() == name) {
            a->trigger();
            return true;
        }
    }
    return false;
}

// A memory or the clipboard panel: a label with a value, and the actions of its menu.
class NumberLabelAccessible final : public QAccessibleWidget {
  public:
    explicit NumberLabelAccessible(NumberLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() + menuActionNames(widget());
    }
    void doAction(const QString& name) override {
        if (!doMenuAction(widget(), name)) QAccessibleWidget::doAction(name);
    }
};

// The display as a read-only single-line text: what Orca reads when the focus is on it and
// speaks when text is inserted into it.
class DisplayAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit DisplayAccessible(DisplayView* view)
        : QAccessibleWidget(view, QAccessible::EditableText) {}

    DisplayView* view() const { return static_cast<DisplayView*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return view()->spokenText();
        return QAccessibleWidget::text(t);
    }
    // Read-only, yet an editable text for screen readers: Orca speaks the text inserted by a
    // key only in an editable text that has the focus.
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() + menuActionNames(widget());
    }
    void doAction(const QString& name) override {
        if (!doMenuAction(widget(), name)) QAccessibleWidget::doAction(name);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = true;
        s.selectableText = true;
        return s;
    }

    // A result or a message stands selected; the caret stands after the last character.
    void selection(int, int* start, int* end) const override {
        *start = 0;
        *end = view()->spokenTextSelected() ? characterCount() : 0;
    }
    int selectionCount() const override { return view()->spokenTextSelected() ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return view()->spokenText().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(view()->spokenText().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

// A menu-bar button: a menu item with a popup, whose press action drops the menu.
// It holds its menu, as a menu bar's item does.
class MenuButtonAccessible final : public QAccessibleWidget {
  public:
    explicit MenuButtonAccessible(MenuButton* button)
        : QAccessibleWidget(button, QAccessible::MenuItem) {}

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* m = child(0);
        return m && m->rect().contains(x, y) ? m : nullptr;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.hasPopup = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() || name == showMenuAction())
            static_cast<MenuButton*>(widget())->drop(true);
    }

  private:
    QMenu* menu() const { return static_cast<MenuButton*>(widget())->dropMenu(); }
};

QAccessibleInterface* keypadFactory(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<DisplayView*>(object)) return new DisplayAccessible(view);
    if (auto* button = dynamic_cast<MenuButton*>(object)) return new MenuButtonAccessible(button);
    if (auto* label = dynamic_cast<NumberLabel*>(object)) return new NumberLabelAccessible(label);
    return nullptr;
}

}  // namespace

void installKeypadAccessibility() {
    QAccessible::installFactory(keypadFactory);  // Qt keeps each factory once
}

}  // namespace zumbrel::gui
