#pragma once

class QString;

namespace zumbrel::gui {

// The families the windows ask for by their Windows names, mapped to their metric twins once
// at start: "Courier New" (the tape) and "Arial" (the menu bar).
void installFontSubstitutes();

// The family itself when it is installed, else the first installed of its twins, else the
// family. A font asked for by a family that is not installed costs Qt a search of fontconfig's
// fallbacks for that name (more than the other fonts of a window together); the fonts of the
// first picture ask for the installed twin instead.
QString installedFamily(const QString& family);

}  // namespace zumbrel::gui
