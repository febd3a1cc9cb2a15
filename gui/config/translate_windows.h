#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/config/language.h"
#include "core/config/profile_file.h"

class QWidget;

namespace zumbrel::gui {

class KeypadWindow;
class TapeWindow;

// The translation operations of the two windows: captions, hints and message variables
// from the language file of the chosen language (or the built-in French texts). The file is
// read once for both windows.
// The names screen readers give a window and its controls, one text a key; the French
// names are the built-in ones.
void applyAccessibleNames(QWidget& window, const std::function<QString(std::string_view)>& text);
void applyFrenchAccessibleNames(QWidget& window);

class WindowTranslator final : public Translator {
  public:
    WindowTranslator(const FileSystem& files, const std::string& appFolder,
                     config::InstallCode code, const config::LanguageRow& row);
    WindowTranslator(const WindowTranslator&) = delete;  // the translation points at the file
    WindowTranslator& operator=(const WindowTranslator&) = delete;

    // TranslateMainWindow: the keypad's captions and hints, and the message variables.
    void TranslateMainWindow(KeypadWindow& keypad, config::LanguageTranslator& messages) const;
    // TranslateRibbon: the tape window's menu, toolbar hints, line counter and captions.
    void TranslateRibbon(TapeWindow& tape) const;
    // A text of a window created later (the body-mass index): its French text for French and
    // Quebec French, otherwise the language file's.
    std::string text(const Message& m) const override;

    // The texts of a window the keypad opens later, in the keypad's language (French when
    // none is chosen).
    static std::unique_ptr<WindowTranslator> forKeypad(const KeypadWindow& keypad);
    // Whether those texts are the built-in French ones.
    bool french() const { return french_; }

  private:
    QString accessibleText(std::string_view key) const;
    void setAccessibleNames(QWidget& window) const;

    const config::ProfileFile file_;
    const config::Translation t_;
    const bool french_;  // hints and the tape's messages keep their built-in French texts
};

}  // namespace zumbrel::gui
