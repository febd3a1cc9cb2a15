#include "core/config/language.h"

#include <gtest/gtest.h>
#include "test_names.h"

#include <algorithm>

#include "core/config/codepage.h"
#include "core/config/language_keys.h"
#include "core/config/profile_text.h"
#include "core/local_file_system.h"
#include "core/memory_ports.h"

namespace zumbrel::config {
namespace {

TEST(Languages, the_table_and_the_menu_order) {
    ASSERT_EQ(languageTable().size(), 8u);
    EXPECT_EQ(languageOfNumber(1)->longName, "French");
    EXPECT_EQ(languageOfNumber(7)->item, "SPAN");
    EXPECT_EQ(languageOfNumber(8)->letter, 'Q');
    EXPECT_EQ(languageOfNumber(0), nullptr);
    EXPECT_EQ(languageOfNumber(9), nullptr);
    std::string order;
    for (const LanguageRow* r : languageMenuOrder())
        order += std::string(r->item) + " ";
    EXPECT_EQ(order, "CORS GERM ENGL SPAN FRAN ITAL PORT QUEB ");
}

TEST(Languages, french_space) {
    EXPECT_EQ(FrenchSpace(InstallCode::ZMB, 'F'), " ");
    EXPECT_EQ(FrenchSpace(InstallCode::ZMB, 'E'), "");
    EXPECT_EQ(FrenchSpace(InstallCode::ZMB, 'Q'), "");
    EXPECT_EQ(FrenchSpace(InstallCode::E, 'E'), " ");
    EXPECT_EQ(FrenchSpace(InstallCode::ZMB, std::nullopt), " ");
    EXPECT_EQ(FrenchSpace(InstallCode::E, std::nullopt), "  ");
}

struct DecorationCase {
    const char* key;
    const char* text;
    char letter;
    const char* expected;
};

class Decorations : public testing::TestWithParam<DecorationCase> {};

TEST_P(Decorations, follow_the_punctuation_of_the_language) {
    const DecorationCase& c = GetParam();
    EXPECT_EQ(decorate(c.key, c.text, InstallCode::ZMB, c.letter), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Decorations,
    testing::Values(DecorationCase{"MSG_ERROR_DZ", "Division par zéro, opération stoppée", 'F',
                                   "Division par zéro, opération stoppée !"},
                    DecorationCase{"MSG_ERROR_DZ", "Division by zero, operation stopped", 'E',
                                   "Division by zero, operation stopped!"},
                    DecorationCase{"MSG_INTERM_RESULT", "Résultat intermédiaire", 'F',
                                   "Résultat intermédiaire :"},
                    DecorationCase{"MSG_INTERM_RESULT", "Interim result", 'E', "Interim result:"},
                    DecorationCase{"RATE_3", "Taux 3", 'F', "Taux 3 :"},
                    DecorationCase{"RATE", "Rate", 'E', "Rate:"},
                    DecorationCase{"SMSG_MF_010", "Save this tape", 'E', "Save this tape?"},
                    DecorationCase{"OPEN_O", "Open", 'E', "Open..."},
                    DecorationCase{"OPEN_O", "Ouvrir", 'F', "Ouvrir..."},
                    DecorationCase{"FILE", "File", 'E', "File"},
                    DecorationCase{"RATE_7", "x", 'E', "x"}),
    testing_names::namedBy([](const DecorationCase& c) {
        return std::string(c.key) + "_" + c.letter;
    }));

TEST(Languages, a_translation_reads_its_section_and_empties_what_is_missing) {
    MemoryFileSystem files;
    files.createFolders("/app/Resources/Language");
    files.files["/app/Resources/Language/English.lng"] =
        "[ENGL]\r\nFILE=File\r\nMSG_INTERM_RESULT=Interim result\r\n\"QUOTED\"=x\r\n";
    const LanguageRow& english = *languageOfNumber(3);
    const std::string path = languageFilePath(files, "/app/", english);
    EXPECT_EQ(path, "/app/Resources/Language/English.lng");
    const ProfileFile file = ProfileFile::load(files, path);
    const Translation t(file, english, InstallCode::ZMB);
    EXPECT_EQ(t.text("FILE"), "File");
    EXPECT_EQ(t.text("MSG_INTERM_RESULT"), "Interim result:");
    EXPECT_EQ(t.text("EDIT"), "");

    const ProfileFile missing =
        ProfileFile::load(files, languageFilePath(files, "/app/", *languageOfNumber(4)));
    EXPECT_FALSE(missing.exists());
    EXPECT_EQ(Translation(missing, *languageOfNumber(4), InstallCode::ZMB).text("FILE"), "");
}

// A byte-order mark makes the file UTF-8; stray Windows-1252 bytes and a character cut by
// the read buffer must still give valid UTF-8 texts.
TEST(Languages, a_damaged_utf8_file_still_gives_valid_texts) {
    MemoryFileSystem files;
    const std::string longValue = std::string(2046, 'a') + "\xC3\xA9";
    files.files["/English.lng"] =
        "\xEF\xBB\xBF[ENGL]\r\nFILE=Fichi\xE9r\r\nEDIT=" + longValue + "\r\n";
    const ProfileFile file = ProfileFile::load(files, "/English.lng");
    const Translation t(file, *languageOfNumber(3), InstallCode::ZMB);
    EXPECT_EQ(t.text("FILE"), "Fichi\uFFFDr");
    const std::string cut = t.text("EDIT");
    EXPECT_TRUE(codepage::isValidUtf8(cut));
    EXPECT_TRUE(cut.starts_with(std::string(2046, 'a')));
}

TEST(Languages, messages_stay_french_for_french_quebec_and_other_installations) {
    const Message interim{"MSG_INTERM_RESULT", "Résultat intermédiaire :"};
    LanguageTranslator tr;
    tr.setVariable("MSG_INTERM_RESULT", "Interim result:");
    tr.setLanguage(InstallCode::ZMB, 'E');
    EXPECT_EQ(tr.text(interim), "Interim result:");
    tr.setLanguage(InstallCode::ZMB, 'Q');
    EXPECT_EQ(tr.text(interim), "Résultat intermédiaire :");
    tr.setLanguage(InstallCode::ZMB, 'F');
    EXPECT_EQ(tr.text(interim), "Résultat intermédiaire :");
    tr.setLanguage(InstallCode::E, 'E');
    EXPECT_EQ(tr.text(interim), "Résultat intermédiaire :");
    tr.setLanguage(InstallCode::ZMB, 'G');
    EXPECT_EQ(tr.text(Message{"MSG_IS", "est :"}), "");  // a key no translation filled
}

}  // namespace
}  // namespace zumbrel::config

namespace zumbrel::config {
namespace {

// Every language file holds every key a translation reads, and nothing else.
TEST(LanguageFiles, every_file_has_every_key_and_no_other) {
    LocalFileSystem files;
    const std::vector<std::string_view> wanted = allLanguageKeys();
    for (const LanguageRow& row : languageTable()) {
        const std::string path =
            std::string(ZUMBREL_LANGUAGE_DIR) + "/" + std::string(row.longName) + ".lng";
        const ProfileFile file = ProfileFile::load(files, path);
        ASSERT_TRUE(file.exists()) << path;
        EXPECT_FALSE(file.isUtf8()) << path << " is written in Windows-1252";
        const GetResult list = GetPrivateProfileString(file.bytes(), std::string(row.fileCode),
                                                       std::nullopt, "", 1 << 20);
        std::vector<std::string> keys;
        std::string_view rest = *list.buffer;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\0');
            keys.emplace_back(rest.substr(0, end));
            rest.remove_prefix(end + 1);
        }
        for (std::string_view k : wanted) {
            EXPECT_NE(std::find(keys.begin(), keys.end(), k), keys.end())
                << row.longName << " lacks " << k;
        }
        for (const std::string& k : keys) {
            EXPECT_NE(std::find(wanted.begin(), wanted.end(), k), wanted.end())
                << row.longName << " has " << k;
        }
        EXPECT_EQ(keys.size(), wanted.size()) << row.longName;
    }
}

TEST(LanguageFiles, captions_are_never_empty) {
    LocalFileSystem files;
    for (const LanguageRow& row : languageTable()) {
        const ProfileFile file = ProfileFile::load(
            files, std::string(ZUMBREL_LANGUAGE_DIR) + "/" + std::string(row.longName) + ".lng");
        for (const WindowKeys& w : languageKeyLists()) {
            for (const LanguageKey& k : w.keys) {
                if (k.key == "EMAIL_A_T" || k.key == "SITE_A_T")
                    continue;  // the translator's own links
                EXPECT_FALSE(file.readString(row.fileCode, k.key).empty())
                    << row.longName << " " << k.key;
            }
        }
    }
}

// Spanish opens what it exclaims or asks: "¡División por cero, operación detenida!".
TEST(LanguageFiles, spanish_exclamations_and_questions_open_with_their_inverted_mark) {
    LocalFileSystem files;
    const ProfileFile spanish =
        ProfileFile::load(files, std::string(ZUMBREL_LANGUAGE_DIR) + "/Spanish.lng");
    const Translation es(spanish, *languageOfNumber(7), InstallCode::ZMB);
    int checked = 0;
    for (std::string_view key : allLanguageKeys()) {
        const std::string text = es.text(key);
        for (const auto& [close, open] : {std::pair{"!", "\u00a1"}, std::pair{"?", "\u00bf"}}) {
            if (!text.ends_with(close)) continue;
            EXPECT_NE(text.find(open), std::string::npos) << key << ": " << text;
            ++checked;
        }
    }
    EXPECT_GE(checked, 10);
    EXPECT_EQ(es.text("MSG_ERROR_DZ"), "\u00a1División por cero, operación detenida!");
}

TEST(LanguageFiles, french_holds_the_built_in_texts_quebec_its_own_words) {
    LocalFileSystem files;
    const ProfileFile french =
        ProfileFile::load(files, std::string(ZUMBREL_LANGUAGE_DIR) + "/French.lng");
    const ProfileFile quebec =
        ProfileFile::load(files, std::string(ZUMBREL_LANGUAGE_DIR) + "/Quebec.lng");
    const Translation fr(french, *languageOfNumber(1), InstallCode::ZMB);
    EXPECT_EQ(fr.text("MSG_ERROR_DZ"), "Division par zéro, opération stoppée !");
    EXPECT_EQ(fr.text("MSG_INTERM_RESULT"), "Résultat intermédiaire :");
    EXPECT_EQ(fr.text("SMSG_MF_016_LINE_C"),
              "Sonorité commune\" en \"Options\" > Préférences\" > \"Voix");
    EXPECT_EQ(fr.text("INDICATE_NUMBER_LINES_2"), "lignes sur une page à imprimer");
    EXPECT_EQ(quebec.readString("QUEB", "EMAIL_AUTHOR_TRANSLATION"), "Courriel");
}

}  // namespace
}  // namespace zumbrel::config

namespace zumbrel::config {
namespace {

// The names screen readers give the controls: French and Quebec French files hold the
// built-in French names, and every other language a name of its own.
TEST(LanguageFiles, accessible_names_are_french_in_french_files_and_translated_elsewhere) {
    LocalFileSystem files;
    const auto load = [&](const char* name) {
        return ProfileFile::load(files, std::string(ZUMBREL_LANGUAGE_DIR) + "/" + name + ".lng");
    };
    const ProfileFile french = load("French");
    const ProfileFile quebec = load("Quebec");
    const ProfileFile english = load("English");
    for (const AccessibleNameKey& k : accessibleNameKeys()) {
        EXPECT_EQ(french.readString("FRAN", k.key), k.french) << k.key;
        EXPECT_EQ(quebec.readString("QUEB", k.key), k.french) << k.key;
        EXPECT_FALSE(english.readString("ENGL", k.key).empty()) << k.key;
    }
    EXPECT_EQ(english.readString("ENGL", "A11Y_KEY_ROOT"), "Square root (R key)");
    EXPECT_EQ(frenchAccessibleName("A11Y_TAPE_TITLE"), "Zumbrel – ruban");
    EXPECT_EQ(frenchAccessibleName("NO_SUCH_KEY"), "");
}

}  // namespace
}  // namespace zumbrel::config
