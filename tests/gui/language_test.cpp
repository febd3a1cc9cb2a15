// The language menu: both windows translated, messages kept French for French and Quebec.

#include <gtest/gtest.h>
#include "test_names.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/business/messages.h"
#include "core/calc/calculator.h"
#include "core/calc/key_script.h"
#include "core/config/language.h"
#include "core/config/settings.h"
#include "core/live/corrections.h"
#include "core/live/journal_file.h"
#include "core/local_file_system.h"
#include "core/tape/tape_file.h"
#include "core/voice/voice_state.h"
#include "gui/app/composition.h"
#include "gui/business/business_panel.h"
#include "gui/keypad/keypad_window.h"
#include "gui/keypad/menu_bar.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/number_list_popup.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Languages : public testing::Test {
  protected:
    void SetUp() override {
        copyLanguageFiles(app);
        keypad = std::make_unique<KeypadWindow>(composeFeatures);
        keypad->setLanguageSource(app.path().toStdString(),
                                  static_cast<int>(config::InstallCode::ZMB));
        keypad->calculator().registers().decimalSeparator = ',';
        keypad->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(keypad.get()));
    }
    QString caption(const char* name) const {
        if (auto* a = keypad->findChild<QAction*>(name)) return a->text();
        return keypad->findChild<QPushButton*>(name)->text();
    }
    QString hint(const char* name) const {
        return keypad->findChild<QWidget*>(name)->property("zumbrelHint").toString();
    }
    void choose(const char* item) { keypad->findChild<QAction*>(item)->trigger(); }

    QTemporaryDir app;
    std::unique_ptr<KeypadWindow> keypad;
};

// The keypad's own menu items, not the tape window's items of the same names.
TEST_F(Languages, the_keypads_own_menu_items_follow_the_language) {
    choose("ENGL");
    const auto item = [&](const char* menu, const char* name) {
        return keypad->findChild<QMenu*>(menu)->findChild<QAction*>(name)->text();
    };
    EXPECT_EQ(item("ppmEdit", "mItemInsertDate"), "Insert the date");
    EXPECT_EQ(item("ppmEdit", "mItemInsertEntete"), "Insert a header");
    EXPECT_EQ(item("ppmFenetres", "mItemHideKeyboard"), "Hide the keypad");
    EXPECT_EQ(item("ppmFenetres", "mItemHideRibbon"), "Hide the tape");
    // The menus of the display and of all three memories.
    EXPECT_EQ(keypad->findChild<QAction*>("mItemKeepM2")->text(), "Keep in memory 2");
    for (QAction* a : keypad->findChildren<QAction*>("mItemRecallMemory"))
        EXPECT_EQ(a->text(), "Recall to the display");
    EXPECT_EQ(keypad->findChildren<QAction*>("mItemRecallMemory").size(), 3);
}

// Names for screen readers and the task bar follow the language; French is built in.
TEST_F(Languages, screen_reader_names_and_titles_follow_the_language) {
    const auto name = [&](const char* control) {
        return keypad->findChild<QWidget*>(control)->accessibleName();
    };
    EXPECT_EQ(name("btn7"), "Sept");
    EXPECT_EQ(name("EdtVirt"), "Affichage");
    EXPECT_EQ(keypad->tapeWindow().windowTitle(), "Zumbrel – ruban");
    choose("ENGL");
    EXPECT_EQ(name("btn7"), "Seven");
    EXPECT_EQ(name("btnRacine"), "Square root (R key)");
    EXPECT_EQ(hint("btnRacine"), "Square root (R key)");
    EXPECT_EQ(name("EdtVirt"), "Display");
    EXPECT_EQ(name("imgVoice"), "Woman's voice");
    EXPECT_EQ(keypad->accessibleName(), "Zumbrel calculator");
    EXPECT_EQ(keypad->windowTitle(), "Zumbrel");
    EXPECT_EQ(keypad->tapeWindow().windowTitle(), "Zumbrel – tape");
    EXPECT_EQ(keypad->tapeWindow().accessibleName(), "Zumbrel tape");
    EXPECT_EQ(keypad->findChild<QMenu*>("ppmFiles")->accessibleName(), "File");
    // Submenus are named in the new language before any menu is opened again.
    EXPECT_EQ(keypad->findChild<QMenu*>("ppmLangage")->accessibleName(), "Language");
    EXPECT_EQ(keypad->findChild<QMenu*>("ppmRecent")->accessibleName(),
              QString(keypad->findChild<QAction*>("mItemRecent")->text()).remove('&'));
    EXPECT_NE(keypad->findChild<QMenu*>("ppmRecent")->accessibleName(), "Tapes récentes");
    EXPECT_EQ(name("lblNbrDecPref"), "Decimal places: 2");  // no space before the colon
    choose("FRAN");
    EXPECT_EQ(keypad->findChild<QMenu*>("ppmLangage")->accessibleName(), "Langage");
    EXPECT_EQ(name("btn7"), "Sept");
    EXPECT_EQ(name("lblNbrDecPref"), "Nombre de décimales : 2");
    EXPECT_EQ(keypad->tapeWindow().windowTitle(), "Zumbrel – ruban");
}

// The rate in use is marked in the reader's language, in every language.
TEST_F(Languages, the_vat_rate_in_use_is_marked_in_the_language) {
    const std::pair<const char*, QString> languages[] = {
        {"GERM", "aktuell"}, {"ENGL", "in use"}, {"SPAN", "en uso"}, {"FRAN", "en cours"}};
    for (const auto& [item, inUse] : languages) {
        choose(item);
        auto* panel = keypad->findChild<QWidget*>("pnlTauxTVA");
        panel->setFocus();
        QTest::keyClick(panel, Qt::Key_Space);
        auto* vat = keypad->findChild<NumberListPopup*>("cbbListTVA");
        ASSERT_TRUE(vat && vat->isVisible()) << item;
        const QModelIndex current = vat->view()->currentIndex();
        EXPECT_TRUE(current.data(Qt::AccessibleTextRole).toString().endsWith(" (" + inUse + ")"))
            << item << " " << current.data(Qt::AccessibleTextRole).toString().toStdString();
        QTest::keyClick(vat->view(), Qt::Key_Escape);
    }
}

TEST_F(Languages, english_translates_both_windows_and_the_messages) {
    choose("ENGL");
    EXPECT_EQ(caption("mmFichier"), "File");
    EXPECT_EQ(caption("mItemOuvrir"), "Open...");
    EXPECT_EQ(caption("mItemLangage"), "Language");
    EXPECT_EQ(keypad->tapeWindow().action("mItemQuitter")->text(), "Quit Zumbrel");
    EXPECT_EQ(keypad->tapeWindow().action("ToolBtnNouveau")->toolTip(), "New tape");
    EXPECT_EQ(keypad->tapeWindow().action("ToolbtnPrint")->text(), "Print");  // not "Print with"
    EXPECT_EQ(hint("GommeClean"), "Clear the digits of the entry");
    // Screen readers hear the same words.
    EXPECT_EQ(keypad->findChild<QPushButton*>("mmFichier")->accessibleName(), "File");
    EXPECT_EQ(keypad->findChild<QWidget*>("GommeClean")->accessibleDescription(),
              "Clear the digits of the entry");
    EXPECT_EQ(keypad->findChild<QLabel*>("SymbolLang")->text(), "E");
    EXPECT_EQ(keypad->voiceState().languageFolder, "Engl");
    for (char c : std::string("12+3*"))
        keypad->keyAction(c);
    EXPECT_EQ(keypad->statusLine().message(), "Interim result: 15,00");
    // The menu bar is laid out again for the new captions.
    const auto& bar = keypad->menuButtons();
    for (std::size_t i = 1; i < bar.size(); ++i)
        EXPECT_EQ(bar[i]->x(), bar[i - 1]->x() + bar[i - 1]->width());
}

// The questions the calculator asks for the tape (a title, the comments) follow the language.
TEST_F(Languages, the_tapes_questions_are_asked_in_the_language) {
    const auto asked = [&](const char* key, const char* french) {
        return keypad->translator().text(Message{key, french});
    };
    choose("ENGL");
    EXPECT_EQ(asked("MSG_BOX_ADD_TITLE", "AJOUTER TITRE"), "ADD A TITLE");
    EXPECT_EQ(asked("MSG_BOX_ADD_TITLE_LINE", "AJOUTER COMMENTAIRE DE LIGNE"),
              "ADD A LINE COMMENT");
    choose("FRAN");
    EXPECT_EQ(asked("MSG_BOX_ADD_TITLE", "AJOUTER TITRE"), "AJOUTER TITRE");
}

TEST_F(Languages, the_words_written_after_the_switch_are_english) {
    choose("ENGL");
    for (const calc::KeyAction& key : calc::parseKeys("9√"))
        keypad->keyAction(key);
    EXPECT_EQ(keypad->statusLine().message(), "The square root of 9,00 is:");
}

// A tape written in English, saved, and opened by a program that has not used English since it
// started: its blocks are written again in English words read from English.lng, so the
// journal holds and a line above a block can be corrected, the block with it.
TEST_F(Languages, a_tape_in_a_language_not_used_since_the_start_can_be_corrected) {
    choose("ENGL");
    for (const calc::KeyAction& key : calc::parseKeys("10+20=[TVA+]"))
        keypad->keyAction(key);
    const std::string path = app.filePath("english.rtf").toStdString();
    LocalFileSystem files;
    std::string error;
    ASSERT_TRUE(tape::saveTapeFile(keypad->tapeWindow().tape(), files, path, error,
                                   live::journalText(keypad->calculator().journal())))
        << error;
    KeypadWindow french(composeFeatures);  // the next start, in French
    french.setLanguageSource(app.path().toStdString(), static_cast<int>(config::InstallCode::ZMB));
    french.calculator().registers().decimalSeparator = ',';
    french.calculator().openDocument(path);
    live::CorrectionKey fix;
    fix.kind = live::CorrectionKey::Kind::Fix;
    fix.line = 2;
    fix.text = "30";
    ASSERT_TRUE(french.calculator().correct(fix).done);
    EXPECT_EQ(french.tapeWindow().tape().line(6), "excl. VAT: 40,00");
}

TEST_F(Languages, the_line_counter_speaks_the_new_language) {
    DocumentTape& tape = keypad->tapeWindow().tape();
    for (int i = 0; i < 60; ++i)
        tape.addLine("1,00");
    choose("ENGL");
    EXPECT_EQ(keypad->tapeWindow().lineCounter()->text().toStdString(),
              "This tape has 60 lines on 2 printed pages");
}

TEST_F(Languages, back_to_french) {
    choose("ENGL");
    choose("FRAN");
    EXPECT_EQ(caption("mmFichier"), "Fichier");
    EXPECT_EQ(caption("mItemOuvrir"), "Ouvrir...");
    EXPECT_EQ(keypad->findChild<QLabel*>("lblMemoryCaption")->text(), "Résultat intermédiaire");
    EXPECT_EQ(hint("GommeClean"), "Effacer les chiffres de cette zone de saisie");
    for (char c : std::string("12+3*"))
        keypad->keyAction(c);
    EXPECT_EQ(keypad->statusLine().message(), "Résultat intermédiaire : 15,00");
    EXPECT_EQ(keypad->languageNumber(), 1);
}

TEST_F(Languages, quebec_has_its_captions_but_french_messages) {
    choose("QUEB");
    EXPECT_EQ(caption("mItemVisibleKeyboard"), "Réafficher le clavier");
    EXPECT_EQ(keypad->findChild<QLabel*>("SymbolLang")->text(), "Q");
    for (char c : std::string("12+3*"))
        keypad->keyAction(c);
    EXPECT_EQ(keypad->statusLine().message(), "Résultat intermédiaire : 15,00");
    EXPECT_EQ(hint("GommeClean"), "Effacer les chiffres de cette zone de saisie");
}

TEST_F(Languages, a_missing_file_empties_the_captions_and_nothing_else_breaks) {
    QFile::remove(app.filePath("Resources/Language/German.lng"));
    choose("GERM");
    EXPECT_EQ(caption("mmFichier"), "");
    EXPECT_EQ(caption("mItemOuvrir"), "...");
    for (const calc::KeyAction& key : calc::parseKeys("12+3="))
        keypad->keyAction(key);
    DocumentTape& tape = keypad->tapeWindow().tape();
    std::string all;
    for (std::size_t i = 0; i < tape.lineCount(); ++i)
        all += tape.line(i) + "|";
    EXPECT_EQ(all, "12,00|+ 3,00|——————————|15,00|||");
}

TEST_F(Languages, german_captions_fit_the_menu_bar) {
    choose("GERM");
    EXPECT_EQ(caption("mmFichier"), "Datei");
    EXPECT_EQ(caption("mmEdit"), "Bearbeiten");
    const auto& bar = keypad->menuButtons();
    EXPECT_LT(bar.back()->x() + bar.back()->width(), 530);  // clear of the minimise button
    for (const char* name : {"lblDecimalsCaption", "lblMemoryCaption"}) {
        const auto* label = keypad->findChild<QLabel*>(name);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
    }
    EXPECT_EQ(keypad->findChild<QLabel*>("lblDecimalsCaption")->text(), "Nachkommastellen");
    EXPECT_EQ(keypad->findChild<QLabel*>("lblMemoryCaption")->text(), "Zwischenergebnis");
}

// In every language the menu bar ends before the adding machine's keys, with a gap.
TEST_F(Languages, the_menu_bar_stays_clear_of_the_adding_machine_keys) {
    for (const char* item : {"CORS", "GERM", "ENGL", "SPAN", "FRAN", "ITAL", "PORT", "QUEB"}) {
        choose(item);
        const auto& bar = keypad->menuButtons();
        const QWidget* first = bar.front();
        const QWidget* last = bar.back();
        const int keys = keypad->findChild<QWidget*>("btnMemoryPlus")->x();
        EXPECT_LE(last->x() + last->width() + 6, keys) << item;
        for (const QPushButton* b : bar) {  // each caption whole on its button
            const QString shown = QString(b->text()).remove('&');
            EXPECT_LE(b->fontMetrics().horizontalAdvance(shown), b->width()) << item;
        }
        EXPECT_EQ(first->x(), 20) << item;
    }
}

struct LangCase {
    int lang;
    const char* checked;
};

class LanguageNumbers : public Languages, public testing::WithParamInterface<LangCase> {};

TEST_P(LanguageNumbers, check_their_item_or_none) {
    keypad->chooseLanguage(GetParam().lang, false);
    QString checked;
    for (QAction* a : keypad->findChild<QMenu*>("ppmLangage")->actions()) {
        if (a->isChecked()) checked = a->objectName();
    }
    EXPECT_EQ(checked, GetParam().checked);
}

// Lang 257 is read as one byte by the settings: 1.
INSTANTIATE_TEST_SUITE_P(Numbers, LanguageNumbers,
                         testing::Values(LangCase{0, ""}, LangCase{9, ""},
                                         LangCase{257 & 0xFF, "FRAN"}, LangCase{7, "SPAN"},
                                         LangCase{8, "QUEB"}),
                         testing_names::namedBy([](const LangCase& c) {
                             return std::string("lang_") + std::to_string(c.lang);
                         }));

// The self-employed buttons name the self-employed with the word the profile list uses.
struct SelfEmployedCase {
    const char* item;
    const char* remaining;
    const char* charges;
};

class SelfEmployedButtons : public Languages,
                            public testing::WithParamInterface<SelfEmployedCase> {};

TEST_P(SelfEmployedButtons, use_the_term_of_the_profile_list) {
    choose(GetParam().item);
    const auto button = [&](const char* name) {
        return keypad->findChild<QPushButton*>(name)->text().toStdString();
    };
    EXPECT_EQ(button("BtnCAResteAE"), GetParam().remaining);
    EXPECT_EQ(button("BtnChargesAE"), GetParam().charges);
    const std::string term = button("BtnCAResteAE").substr(0, button("BtnCAResteAE").find(' '));
    const config::LanguageTranslator& words = keypad->translator();
    const std::vector<std::string> rows = keypad->calculator().business().profileRows(
        words.text(business::msg::kProfile), words.text(business::msg::kSE));
    ASSERT_FALSE(rows.empty());
    EXPECT_NE(rows.front().find(" " + term + " "), std::string::npos) << rows.front();
}

INSTANTIATE_TEST_SUITE_P(Languages, SelfEmployedButtons,
                         testing::Values(SelfEmployedCase{"FRAN", "AE Reste", "AE Charges"},
                                         SelfEmployedCase{"QUEB", "AE Reste", "AE Taxes"},
                                         SelfEmployedCase{"ENGL", "SE Rest", "SE Taxes"},
                                         SelfEmployedCase{"GERM", "SE Rest", "SE Steuern"},
                                         SelfEmployedCase{"ITAL", "AU Resto", "AU Tasse"},
                                         SelfEmployedCase{"SPAN", "AU Resto", "AU Imp."},
                                         SelfEmployedCase{"PORT", "TI Resto", "TI Taxa"},
                                         SelfEmployedCase{"CORS", "AE Resto", "AE Tasse"}),
                         testing_names::namedBy([](const SelfEmployedCase& c) {
                             return std::string(c.item);
                         }));

// A renamed provincial tax (TVH) is what the Quebec panel's name says, in every language.
TEST_F(Languages, the_quebec_panels_name_follows_the_renamed_tax) {
    const auto name = [&] {
        return keypad->findChild<QWidget*>("pnlTauxTPSTVP")->accessibleName().toStdString();
    };
    choose("QUEB");
    keypad->calculator().business().lblQuebTVP = "TVH";
    keypad->business().refresh();
    EXPECT_EQ(name().rfind("Taux de TPS et TVH : ", 0), 0u) << name();
    choose("ENGL");
    EXPECT_EQ(name().rfind("GST and TVH rates: ", 0), 0u) << name();
    EXPECT_EQ(name().find("TVQ"), std::string::npos) << name();
}

}  // namespace
}  // namespace zumbrel::gui
