#pragma once

class QMenu;

namespace zumbrel::gui {

// Selects the menu's first item that can be taken: a menu opened from the keyboard starts
// there, so that a screen reader names an item at once and Enter takes it.
void selectFirstItem(QMenu& menu);

// Every menu opened from the keyboard (Shift+F10, the Menu key, F10 and the bar's letters)
// opens with its first item selected; opened with the mouse, none is, as on every desktop.
void selectFirstItemOfKeyboardMenus();

}  // namespace zumbrel::gui
