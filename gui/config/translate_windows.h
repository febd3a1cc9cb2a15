#pragma once

#include <optional>
#include <string>

#include "config/language.h"

namespace zumbrel::gui {

class KeypadWindow;
class TapeWindow;

// The translation operations of the two windows: captions, hints and message variables
// from the language file of the chosen language (or the built-in French texts).
struct WindowTranslator {
    const FileSystem& files;
    std::string appFolder;
    config::InstallCode code;

    // TranslateMainWindow: the keypad's captions and hints, and the message variables.
    void TranslateMainWindow(KeypadWindow& keypad, const config::LanguageRow& row,
                             config::LanguageTranslator& messages) const;
    // TranslateRibbon: the tape window's menu, toolbar hints, line counter and captions.
    void TranslateRibbon(TapeWindow& tape, const config::LanguageRow& row,
                         std::optional<char> letter) const;
};

}  // namespace zumbrel::gui
