#pragma once

namespace zumbrel::gui {

class KeypadWindow;

// The menu items that arrange the two windows, open windows of their own or talk to the
// network: the window menu and skins, the body-mass index, the information windows, the
// update check, the IP display and the web links.
void installWindowCommands(KeypadWindow& keypad);

}  // namespace zumbrel::gui
