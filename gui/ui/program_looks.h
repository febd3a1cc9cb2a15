#pragma once

namespace zumbrel::gui {

// What the program sets up before its first window: the fonts' twins, the default font's own
// family, and the application's style. Tests and benchmarks that build the windows do the same
// first.
void installProgramLooks();

}  // namespace zumbrel::gui
