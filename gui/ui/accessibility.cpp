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

#include "gui/ui/menu_item_accessible.h"

namespace zumbrel::gui {
namespace {

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

namespace {
bool spaceBeforeColon = true;  // the program is born French
}  // namespace

void useSpaceBeforeColon(bool space) {
    spaceBeforeColon = space;
}

bool usesSpaceBeforeColon() {
    return spaceBeforeColon;
}

QString withColon(const QString& caption, const QString& value) {
    return caption + (spaceBeforeColon ? QStringLiteral(" : ") : QStringLiteral(": ")) + value;
}

void nameWithValue(QWidget& w, const QString& value, const QString& caption) {
    const QString name = value.isEmpty() ? caption : withColon(caption, value);
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

void tellMenuNamesChanged(QWidget& window) {
    if (!QAccessible::isActive()) return;
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        const QList<QAction*> actions = menu->actions();
        for (int i = 0; i < actions.size(); ++i) {
            QAccessibleEvent changed(menu, QAccessible::NameChanged);
            changed.setChild(i);
            QAccessible::updateAccessibility(&changed);
        }
    }
}

}  // namespace zumbrel::gui
