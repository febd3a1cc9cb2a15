#pragma once

class QAccessibleInterface;

namespace zumbrel::gui {

class TapeView;

// The tape's view as a screen reader reads it: its lines, with words for the drawn ones (a
// rule is "trait", the result under it "total 108,00", a root names its number). Offsets
// in that text follow the view's caret and selection line by line.
QAccessibleInterface* tapeAccessible(TapeView* view);
// Installs, once, the interface above for every tape view.
void installTapeAccessibility();
// Whether an interface is that one (and not the plain text view's of Qt).
bool isTapeAccessible(const QAccessibleInterface* iface);

}  // namespace zumbrel::gui
