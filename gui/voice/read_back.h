#pragma once

class QString;

namespace zumbrel::gui {

class KeypadWindow;

// Reading on demand, from the edit menu and from the keyboard in either window: Ctrl+R reads
// the last result again; Ctrl+L reads the tape line at the caret in edit mode, otherwise the
// tape's last line with a number, with its operator ("plus douze virgule cinq"). The voice
// reads it; with no voice (the common sound, silence) the text goes to the display as a
// message, which a screen reader says.
void installReadBack(KeypadWindow& keypad);
// A text the status line shows and the screen reader says once, on the display (from the
// tape too, which gives the display the focus back); the display keeps what it holds.
void tellOnTheDisplay(KeypadWindow& keypad, const QString& text);
// The two readings, for the menu items and for tests.
void readLastResult(KeypadWindow& keypad);
void readTapeLine(KeypadWindow& keypad);

}  // namespace zumbrel::gui
