#pragma once

#include <QVariantHash>
#include <functional>
#include <string_view>

class QWidget;
class QString;

namespace zumbrel::gui {

// A control that takes more words than its name when a window's names are given (the tape
// view: its words for rules, totals and roots).
class TakesAccessibleTexts {
  public:
    virtual void takeAccessibleTexts(const std::function<QString(std::string_view)>& text) = 0;

  protected:
    ~TakesAccessibleTexts() = default;
};

// Installs, once, the accessible interfaces of the program's own controls: the display as a
// read-only text that screen readers follow, and the menu-bar buttons as menu items whose
// "press" action drops their menu.
void installAccessibility();

// A borderless top-level window (the keypad, the tape) shown to screen readers as a window.
// Called first thing in its constructor, before anything asks for its accessible interface.
void presentAsWindow(QWidget& window);

// A control's name for screen readers, kept as its caption too, so that a control that
// shows a value (the decimal places, the interim result) can be named "caption : value".
void setAccessibleCaption(QWidget& w, const QString& caption);
QString accessibleCaption(const QWidget& w);
// "caption : value" with the space French typography puts before the colon (French,
// Québécois, Corsican), "caption: value" in the other languages; chosen with the language.
void useSpaceBeforeColon(bool space);
bool usesSpaceBeforeColon();
QString withColon(const QString& caption, const QString& value);
// Names the control "caption : value" (the caption alone while the value is empty).
void nameWithValue(QWidget& w, const QString& value);
// The same with a caption of its own (a caption that names a setting: "Taux de TPS et TVH").
void nameWithValue(QWidget& w, const QString& value, const QString& caption);

// The names of a window's controls by object name, kept for the controls it makes later
// (its lists are made when first opened); a control finds its own through its parents.
void keepNamesForLater(QWidget& window, const QVariantHash& names);
QString nameKeptFor(const QWidget& control);

// A popup (a menu, a drop-down list) found by screen readers under the control or window
// that opens it. Qt gives a popup the application as parent, which does not count it among
// its children: Orca took it for a dead object, never said a menu's name, and named the
// window again ("Calculatrice Zumbrel") when the focus came back from the popup.
void setAccessibleParent(QWidget& popup, QObject* parent);

// Tells screen readers that every menu item of the window may bear a new name (the language
// changed): a reader that met the menus before keeps their old names otherwise.
void tellMenuNamesChanged(QWidget& window);

// Says the text where the focus is, as text inserted in the focused line or text field,
// which screen readers read out; false when the focus is on no such field.
bool announceInFocusedText(const QString& text);
QObject* accessibleParentOf(const QWidget& popup);

}  // namespace zumbrel::gui
