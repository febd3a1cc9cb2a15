#pragma once

namespace zumbrel::gui {

// What the program sets up before its first window: the fonts' twins, the default font's own
// family, the application's style, and menus opened from the keyboard that start on their
// first item. Tests and benchmarks that build the windows do the same
// first.
void installProgramLooks();

}  // namespace zumbrel::gui
