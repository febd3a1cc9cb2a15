#pragma once

namespace zumbrel::gui {

// Installs, once, the accessible interfaces of the keypad's own controls: the display as a
// read-only text that screen readers follow, the menu-bar buttons as menu items whose
// "press" action drops their menu, and the memories with the actions of their menus.
void installKeypadAccessibility();

}  // namespace zumbrel::gui
