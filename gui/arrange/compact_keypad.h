#pragma once

class QWidget;

namespace zumbrel::gui {

// The keypad panel `PanelClavier` in its full or compact form: in the compact one only the
// title row, the menu bar and the display stay, at their compact places; every other control
// is hidden (so neither Tab nor a screen reader reaches a key that cannot be seen) and comes
// back, at its own place, with the full form.
void layOutKeypadPanel(QWidget& panelClavier, bool compact);

}  // namespace zumbrel::gui
