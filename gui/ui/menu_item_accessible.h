#pragma once

class QAccessibleInterface;
class QAction;
class QMenu;

namespace zumbrel::gui {

// A menu's item as a screen reader needs it: its shortcut given the way Orca reads it aloud
// ("mnemonic;path;shortcut": Qt gives the shortcut alone, which Orca takes for a path and
// never says), and an item that opens a submenu a menu itself ("Langage menu"). Nothing
// for an action that is in no menu.
QAccessibleInterface* menuItemAccessible(QAction* action);

// A popup menu whose parent a screen reader can find (see setAccessibleParent): the control
// that drops it, the item of the open menu that holds it, or the control whose menu it is.
QAccessibleInterface* menuAccessible(QMenu* menu);

}  // namespace zumbrel::gui
