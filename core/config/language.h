#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/profile_file.h"
#include "core/config/settings.h"
#include "core/ports.h"

namespace zumbrel::config {

// One row of the language table: the menu item, its caption, the settings' language number,
// the letter the program tests, the language file's section, the voice folder's prefix and
// the language file's name.
struct LanguageRow {
    std::string_view item;        // "FRAN"
    std::string_view caption;     // "Français"
    int lang;                     // 1
    char letter;                  // 'F'
    std::string_view fileCode;    // "FRAN"
    std::string_view folderCode;  // "Fran"
    std::string_view longName;    // "French"
};

// In the order they are tested; the menu shows them sorted by caption.
const std::vector<LanguageRow>& languageTable();
const LanguageRow* languageOfNumber(int lang);
const LanguageRow* languageOfLetter(char letter);
// The items as the menu lists them: CORS, GERM, ENGL, SPAN, FRAN, ITAL, PORT, QUEB.
std::vector<const LanguageRow*> languageMenuOrder();

// The space French puts before "!", "?" and ":": one for "E" installations and the letter
// "F", none otherwise, and one more when no language is chosen.
std::string FrenchSpace(InstallCode code, std::optional<char> letter);

// What a translation appends to the text read for a key: French space + "!", ":", "?", or
// "...", for the keys that take it; the text unchanged for the others.
std::string decorate(std::string_view key, std::string text, InstallCode code,
                     std::optional<char> letter);

// The language file of a language: application folder + Resources/Language/<long name>.lng.
std::string languageFilePath(const FileSystem& files, const std::string& appFolder,
                             const LanguageRow& row);

// A translation: the texts of a language file, decorated; a missing file, section or key
// gives the empty text.
class Translation {
  public:
    Translation() = default;
    Translation(const ProfileFile& file, const LanguageRow& row, InstallCode code);
    std::string text(std::string_view key) const;

  private:
    const ProfileFile* file_ = nullptr;
    std::string section_;
    InstallCode code_ = InstallCode::ZMB;
    std::optional<char> letter_;
};

// The lookup rule of messages, hints, status-line texts and tape words: the built-in French
// texts when the installation code is not "ZMB" or the letter is "F" or "Q".
bool usesFrenchTexts(InstallCode code, std::optional<char> letter);

// Messages by that rule: the built-in French text, else the text the last translation left
// for the key.
class LanguageTranslator final : public Translator {
  public:
    void setLanguage(InstallCode code, std::optional<char> letter) {
        code_ = code;
        letter_ = letter;
    }
    // The message variables, filled by a translation.
    void setVariable(std::string key, std::string text);
    std::string text(const Message& m) const override;

  private:
    InstallCode code_ = InstallCode::ZMB;
    std::optional<char> letter_ = 'F';
    std::vector<std::pair<std::string, std::string>> variables_;
};

// The message variables of a translation: the keypad's captions and messages and the tape's,
// what the calculator writes and says.
void setMessageVariables(LanguageTranslator& messages, const Translation& t);

// The messages of a language read from its file, for a tape written in a language not
// chosen since the program started: its blocks are written again in their own words.
std::shared_ptr<const LanguageTranslator> languageMessages(const FileSystem& files,
                                                           const std::string& appFolder,
                                                           InstallCode code,
                                                           const LanguageRow& row);

}  // namespace zumbrel::config
