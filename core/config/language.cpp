#include "core/config/language.h"

#include <unordered_map>

#include "core/config/install_layout.h"
#include "core/config/language_keys.h"

namespace zumbrel::config {
namespace {

bool isRateKey(std::string_view key) {
    return key == "RATE" ||
           (key.size() == 6 && key.starts_with("RATE_") && key[5] >= '1' && key[5] <= '6');
}

// The punctuation a key's text takes: '!', ':', '?', or '.' for "...".
char punctuationOf(std::string_view key) {
    static const std::unordered_map<std::string_view, char> table = {
        {"MSG_WELCOME", '!'},
        {"MSG_ERROR_DZ", '!'},
        {"MSG_FOLLOWING_EXCEED_CA", '!'},
        {"MSG_FOLLOWING_EXCEED_CA ", '!'},
        {"SMSG_MF_003", '!'},
        {"SMSG_MF_008", '!'},
        {"WARN_MODIFIED", '!'},
        {"CONSULT_YOUR_DOCTOR", '!'},
        {"FOR_MORE_AMPLE_ADVICE_CONSULT", '!'},
        {"MSG_CLIPBRD_NOT_VALID", ':'},
        {"MSG_INTERM_RESULT", ':'},
        {"MSG_IS", ':'},
        {"APPEND_REST_LESS_TAXES", ':'},
        {"APPEND_LESS_THE_TAXES", ':'},
        {"APPEND_REALIZED_CA", ':'},
        {"APPEND_MAXIMUM_CA", ':'},
        {"APPEND_CA_REMAINING", ':'},
        {"APPEND_EXCEED_CA", ':'},
        {"SMSG_MF_001", ':'},
        {"SMSG_MF_011", ':'},
        {"SMSG_MF_015", ':'},
        {"MSG_MF_MM_001", ':'},
        {"MSG_BOX_ADD_COMMENT_WANT", ':'},
        {"MSG_BOX_ADD_COMMENT_LINE_WANT", ':'},
        {"MSG_BOX_ADD_COMMENT_RESULT_WANT", ':'},
        {"MSG_RTFE_022", ':'},
        {"YOUR_BODY_MASS_INDEX_IS", ':'},
        {"CLASSIFICATION_FOLLOWING_CRITERIA", ':'},
        {"NAME_AUTHOR_TRANSLATION", ':'},
        {"SITE_AUTHOR_TRANSLATION", ':'},
        {"EMAIL_AUTHOR_TRANSLATION", ':'},
        {"WHATS_NEW", ':'},
        {"THE_PROCEDURE_OF_IMPLEMENTATION", ':'},
        {"SMSG_MF_007", '?'},
        {"SMSG_MF_010", '?'},
        {"SMSG_MF_012", '?'},
        {"OASD_MF_006", '?'},
        {"MSG_RTFE_020", '?'},
        {"OPEN_O", '.'},
        {"SAVE_AS_O", '.'},
        {"ABOUT", '.'},
        {"SMSG_MF_002", '.'},
        {"SMSG_MF_009", '.'},
        {"SMSG_MF_013", '.'},
        {"SMSG_MF_017", '.'},
        {"MSG_RTFE_019", '.'},
        {"LATER", '.'},
        {"THE_VOICE_OF", '.'},
    };
    if (isRateKey(key)) return ':';
    const auto at = table.find(key);
    return at == table.end() ? '\0' : at->second;
}

}  // namespace

const std::vector<LanguageRow>& languageTable() {
    static const std::vector<LanguageRow> table = {
        {"FRAN", "Français", 1, 'F', "FRAN", "Fran", "French"},
        {"CORS", "Corse", 2, 'C', "CORS", "Cors", "Corse"},
        {"ENGL", "English", 3, 'E', "ENGL", "Engl", "English"},
        {"GERM", "Deutsch", 4, 'G', "GERM", "Germ", "German"},
        {"ITAL", "Italiano", 5, 'I', "ITAL", "Ital", "Italian"},
        {"PORT", "Português", 6, 'P', "PORT", "Port", "Portuguese"},
        {"QUEB", "Québécois", 8, 'Q', "QUEB", "Queb", "Quebec"},
        {"SPAN", "Español", 7, 'S', "SPAN", "Span", "Spanish"},
    };
    return table;
}

const LanguageRow* languageOfNumber(int lang) {
    for (const LanguageRow& r : languageTable()) {
        if (r.lang == lang) return &r;
    }
    return nullptr;
}

const LanguageRow* languageOfLetter(char letter) {
    for (const LanguageRow& r : languageTable()) {
        if (r.letter == letter) return &r;
    }
    return nullptr;
}

std::vector<const LanguageRow*> languageMenuOrder() {
    std::vector<const LanguageRow*> out;
    for (std::string_view item : {"CORS", "GERM", "ENGL", "SPAN", "FRAN", "ITAL", "PORT", "QUEB"}) {
        for (const LanguageRow& r : languageTable()) {
            if (r.item == item) out.push_back(&r);
        }
    }
    return out;
}

std::string FrenchSpace(InstallCode code, std::optional<char> letter) {
    std::string s;
    if (code == InstallCode::E || letter == 'F') s += ' ';
    if (!letter) s += ' ';
    return s;
}

std::string decorate(std::string_view key, std::string text, InstallCode code,
                     std::optional<char> letter) {
    switch (punctuationOf(key)) {
        case '!':
            return text + FrenchSpace(code, letter) + "!";
        case ':':
            return text + FrenchSpace(code, letter) + ":";
        case '?':
            return text + FrenchSpace(code, letter) + "?";
        case '.':
            return text + "...";
        default:
            return text;
    }
}

std::string languageFilePath(const FileSystem& files, const std::string& appFolder,
                             const LanguageRow& row) {
    return findPath(files, appFolder, "Resources/Language/" + std::string(row.longName) + ".lng");
}

Translation::Translation(const ProfileFile& file, const LanguageRow& row, InstallCode code)
    : file_(&file), section_(row.fileCode), code_(code), letter_(row.letter) {}

std::string Translation::text(std::string_view key) const {
    std::string read = file_ ? file_->readString(section_, key) : std::string();
    return decorate(key, std::move(read), code_, letter_);
}

void LanguageTranslator::setVariable(std::string key, std::string text) {
    for (auto& [k, v] : variables_) {
        if (k == key) {
            v = std::move(text);
            return;
        }
    }
    variables_.emplace_back(std::move(key), std::move(text));
}

bool usesFrenchTexts(InstallCode code, std::optional<char> letter) {
    return code != InstallCode::ZMB || letter == 'F' || letter == 'Q';
}

std::string LanguageTranslator::text(const Message& m) const {
    if (usesFrenchTexts(code_, letter_)) return std::string(m.french);
    for (const auto& [k, v] : variables_) {
        if (k == m.key) return v;
    }
    return {};  // a language file without the key leaves the text empty
}

void setMessageVariables(LanguageTranslator& messages, const Translation& t) {
    for (const WindowKeys& w : languageKeyLists()) {
        if (w.window != "keypad captions" && w.window != "keypad messages" &&
            w.window != "tape messages")
            continue;
        for (const LanguageKey& k : w.keys)
            messages.setVariable(std::string(k.key), t.text(k.key));
    }
}

std::shared_ptr<const LanguageTranslator> languageMessages(const FileSystem& files,
                                                           const std::string& appFolder,
                                                           InstallCode code,
                                                           const LanguageRow& row) {
    auto messages = std::make_shared<LanguageTranslator>();
    messages->setLanguage(code, row.letter);
    if (!usesFrenchTexts(code, row.letter)) {
        const ProfileFile file = ProfileFile::load(files, languageFilePath(files, appFolder, row));
        setMessageVariables(*messages, Translation(file, row, code));
    }
    return messages;
}

}  // namespace zumbrel::config
