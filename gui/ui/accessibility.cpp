#include "gui/ui/accessibility.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWindow>
#include <algorithm>

#include "gui/keypad/display_view.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/keypad/menu_bar.h"
#include "gui/tape/tape_accessible.h"
#include "gui/tape/tape_view.h"
#include "gui/ui/menu_item_accessible.h"

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

// A popup list's frame, inside the window that opened it.
class PopupAccessible final : public QAccessibleWidget {
  public:
    explicit PopupAccessible(QWidget* popup) : QAccessibleWidget(popup, QAccessible::Window) {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(accessibleParentOf(*widget()));
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    // The borderless top-level windows are windows, not anonymous panes.
    if (auto* w = qobject_cast<QWidget*>(object);
        w && w->property("zumbrelAccessibleWindow").toBool())
        return new QAccessibleWidget(w, QAccessible::Window);
    if (auto* view = dynamic_cast<DisplayView*>(object)) return new DisplayAccessible(view);
    if (auto* button = dynamic_cast<MenuButton*>(object)) return new MenuButtonAccessible(button);
    if (auto* label = dynamic_cast<NumberLabel*>(object)) return new NumberLabelAccessible(label);
    if (auto* tape = dynamic_cast<TapeView*>(object)) return tapeAccessible(tape);
    if (auto* action = qobject_cast<QAction*>(object)) return menuItemAccessible(action);
    if (auto* menu = qobject_cast<QMenu*>(object)) return menuAccessible(menu);
    if (auto* w = qobject_cast<QWidget*>(object); w && accessibleParentOf(*w))
        return new PopupAccessible(w);
    return nullptr;
}

}  // namespace

void setAccessibleCaption(QWidget& w, const QString& caption) {
    w.setProperty("zumbrelA11yCaption", caption);
    w.setAccessibleName(caption);
    // The keys' hints are their names ("Racine carrée (touche R)").
    if (w.property("zumbrelHintIsName").toBool()) w.setProperty("zumbrelHint", caption);
}

QString accessibleCaption(const QWidget& w) {
    const QVariant caption = w.property("zumbrelA11yCaption");
    return caption.isValid() ? caption.toString() : w.accessibleName();
}

void nameWithValue(QWidget& w, const QString& value) {
    nameWithValue(w, value, accessibleCaption(w));
}

void nameWithValue(QWidget& w, const QString& value, const QString& caption) {
    const QString name = value.isEmpty() ? caption : caption + " : " + value;
    if (w.accessibleName() != name) w.setAccessibleName(name);
}

void keepNamesForLater(QWidget& window, const QVariantHash& names) {
    window.setProperty("zumbrelNamesForLater", names);
}

QString nameKeptFor(const QWidget& control) {
    for (const QWidget* w = &control; w; w = w->parentWidget()) {
        const QVariant names = w->property("zumbrelNamesForLater");
        if (names.isValid()) return names.toHash().value(control.objectName()).toString();
    }
    return {};
}

// A popup menu or list takes the keyboard focus from its window, which stays the active
// one: Qt still tells screen readers that the window was activated again, and they name it
// ("Calculatrice Zumbrel frame") after the popup's first item, then again when it closes.
// The window's focus out while a popup opens, and its focus in when the popup has gone, are
// kept from it: nothing else than that notice comes of them.
class PopupFocusQuiet : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (!watched->isWindowType()) return false;
        auto* window = static_cast<QWindow*>(watched);
        if (window->type() == Qt::Popup || window->type() == Qt::ToolTip) return false;
        if (e->type() == QEvent::FocusOut && QApplication::activePopupWidget()) {
            quieted_ = window;
            return true;
        }
        if (e->type() == QEvent::FocusIn && quieted_ == window) {
            quieted_ = nullptr;
            return true;
        }
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) quieted_ = nullptr;
        return false;
    }

  private:
    QPointer<QWindow> quieted_;
};

bool announceInFocusedText(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    int at = -1;
    if (auto* line = qobject_cast<QLineEdit*>(focused)) at = line->cursorPosition();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(focused)) at = edit->textCursor().position();
    if (at < 0 || text.isEmpty()) return false;
    QAccessibleTextInsertEvent inserted(focused, at, text);
    QAccessible::updateAccessibility(&inserted);
    return true;
}

void presentAsWindow(QWidget& window) {
    window.setProperty("zumbrelAccessibleWindow", true);
}

void setAccessibleParent(QWidget& popup, QObject* parent) {
    popup.setProperty("zumbrelAccessibleParent", QVariant::fromValue(parent));
}

QObject* accessibleParentOf(const QWidget& popup) {
    return popup.property("zumbrelAccessibleParent").value<QObject*>();
}

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        if (qApp) qApp->installEventFilter(new PopupFocusQuiet(qApp));
        return true;
    }();
    (void)installed;
}

}  // namespace zumbrel::gui
