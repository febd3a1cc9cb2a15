#pragma once

namespace zumbrel::gui {

class KeypadWindow;
struct RecoveryParts;

// The composition root: gives each feature the few things it uses from the two windows and
// wires it to them. The keypad window calls it once its own controls and the tape window are
// built (the program and the tests pass it to the keypad's constructor).
void composeFeatures(KeypadWindow& keypad);

// What the tape's recovery watches and asks with.
RecoveryParts recoveryParts(KeypadWindow& keypad);

}  // namespace zumbrel::gui
