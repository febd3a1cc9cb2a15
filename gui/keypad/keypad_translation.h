#pragma once

namespace zumbrel::config {
class LanguageTranslator;
}

namespace zumbrel::gui {

class KeypadWindow;
class WindowTranslator;

// The keypad's captions and hints in the language of `words`, and the message variables.
void translateKeypad(KeypadWindow& keypad, const WindowTranslator& words,
                     config::LanguageTranslator& messages);

}  // namespace zumbrel::gui
