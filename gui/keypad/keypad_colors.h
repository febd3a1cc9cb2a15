#pragma once

#include <QColor>

namespace zumbrel::gui::keypad_colors {

inline const QColor kPanelBack(0xD7, 0xD7, 0xFF);   // 16766935, the display's background
inline const QColor kDisplayInk(0x40, 0x00, 0x80);  // 8388672
inline const QColor kNavy(0, 0, 128);

}  // namespace zumbrel::gui::keypad_colors
