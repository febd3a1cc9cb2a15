#pragma once

namespace zumbrel::gui {

// The families the windows ask for by their Windows names, mapped to their metric twins once
// at start: "Courier New" (the tape) and "Arial" (the menu bar). Where the family itself is
// installed it is used; otherwise Qt finds the twin in its own table instead of asking
// fontconfig for the fallbacks of the family, which costs more than the window's other fonts
// together.
void installFontSubstitutes();

}  // namespace zumbrel::gui
