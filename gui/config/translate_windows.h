#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/config/language.h"
#include "core/config/profile_file.h"

class QObject;
class QWidget;

namespace zumbrel::gui {

// The translation operations of the two windows: captions, hints and message variables
// from the language file of the chosen language (or the built-in French texts). The file is
// read once for both windows.
// The names screen readers give a window and its controls, one text a key; the French
// names are the built-in ones.
void applyAccessibleNames(QWidget& window, const std::function<QString(std::string_view)>& text);
void applyFrenchAccessibleNames(QWidget& window);
// Whether an object belongs to the window itself and not to a window it owns.
bool ownedByWindow(const QObject* o, const QWidget& window);

class WindowTranslator final : public Translator {
  public:
    WindowTranslator(const FileSystem& files, const std::string& appFolder,
                     config::InstallCode code, const config::LanguageRow& row);
    WindowTranslator(const WindowTranslator&) = delete;  // the translation points at the file
    WindowTranslator& operator=(const WindowTranslator&) = delete;

    // A text of a window created later (the body-mass index): its French text for French and
    // Quebec French, otherwise the language file's.
    std::string text(const Message& m) const override;

    // Whether those texts are the built-in French ones.
    bool french() const { return french_; }
    // The language file's texts, as they are (captions, which French keeps too).
    const config::Translation& translation() const { return t_; }
    // A screen reader's name for a control, and all the names of a window.
    QString accessibleText(std::string_view key) const;
    void setAccessibleNames(QWidget& window) const;

  private:
    const config::ProfileFile file_;
    const config::Translation t_;
    const bool french_;  // hints and the tape's messages keep their built-in French texts
};

}  // namespace zumbrel::gui
