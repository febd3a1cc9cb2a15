// Every language, whole: in each of the seven languages other than French, no name, description
// or caption of the two windows, their menus and the small windows is left in French; and Qt's
// own windows speak the language of the program.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <map>
#include <set>

#include "core/config/profile_file.h"
#include "gui/app/composition.h"

#include "core/calc/calculator.h"
#include "core/config/codepage.h"
#include "core/config/settings.h"
#include "gui/arrange/skin_chooser.h"
#include "gui/arrange/window_arranger.h"
#include "gui/config/qt_translations.h"
#include "gui/keypad/keypad_window.h"
#include "gui/prefs/preferences_window.h"
#include "gui/tape/header_footer_editor.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/qt_ports.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

// What a text is, as the walk found it: read by the screen reader, or written on screen.
enum class Kind { Name, Description, Caption };

struct Found {
    QString text;
    Kind kind;
};

// Every text of a place, keyed by where it is: the chain of object names (class and rank for
// an unnamed object) and what the text is of that object.
using Walk = std::map<QString, Found>;

QString plain(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove('&');
    text.replace(QChar(1), '&');
    return text.trimmed();
}

class Walker {
  public:
    explicit Walker(Walk& out) : out_(out) {}

    void object(QObject* o, const QString& path) {
        if (auto* w = qobject_cast<QWidget*>(o)) widget(*w, path);
        if (auto* a = qobject_cast<QAction*>(o); a && !a->isSeparator()) {
            note(path + ":text", a->text(), Kind::Caption);
            if (a->toolTip() != plain(a->text())) note(path + ":tip", a->toolTip(), Kind::Caption);
        }
        std::map<QString, int> ranks;
        for (QObject* c : o->children()) {
            QString name = c->objectName();
            if (name.isEmpty() || name.startsWith("qt_")) {
                const QString cls = QString::fromLatin1(c->metaObject()->className());
                name = cls + "#" + QString::number(ranks[cls]++);
            }
            object(c, path + "/" + name);
        }
    }

  private:
    void widget(QWidget& w, const QString& path) {
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&w)) {
            // A font list is named by the font it shows.
            if (!qobject_cast<QFontComboBox*>(&w))
                note(path + ":name", a->text(QAccessible::Name), Kind::Name);
            note(path + ":description", a->text(QAccessible::Description), Kind::Description);
        }
        note(path + ":tooltip", w.toolTip(), Kind::Description);
        if (w.isWindow()) note(path + ":title", w.windowTitle(), Kind::Caption);
        if (auto* l = qobject_cast<QLabel*>(&w)) note(path + ":caption", l->text(), Kind::Caption);
        if (auto* b = qobject_cast<QAbstractButton*>(&w))
            note(path + ":caption", b->text(), Kind::Caption);
        if (auto* g = qobject_cast<QGroupBox*>(&w))
            note(path + ":caption", g->title(), Kind::Caption);
        if (auto* m = qobject_cast<QMenu*>(&w)) note(path + ":caption", m->title(), Kind::Caption);
        if (auto* e = qobject_cast<QLineEdit*>(&w))
            note(path + ":placeholder", e->placeholderText(), Kind::Caption);
        if (auto* t = qobject_cast<QTabWidget*>(&w)) {
            for (int i = 0; i < t->count(); ++i)
                note(path + ":tab" + QString::number(i), t->tabText(i), Kind::Caption);
        }
        // Font names are proper names.
        if (auto* c = qobject_cast<QComboBox*>(&w); c && !qobject_cast<QFontComboBox*>(c)) {
            for (int i = 0; i < c->count(); ++i)
                note(path + ":item" + QString::number(i), c->itemText(i), Kind::Caption);
        }
    }
    void note(const QString& where, const QString& text, Kind kind) {
        const QString shown = plain(text);
        if (!shown.isEmpty()) out_[where] = {shown, kind};
    }

    Walk& out_;
};

void walkInto(Walk& out, QObject& root, const QString& name) {
    Walker(out).object(&root, name);
}

// Proper names, paths, numbers and signs are the same in every language.
bool sameInEveryLanguage(const QString& text) {
    static const QRegularExpression numbersAndSigns(
        QStringLiteral("^[\\d\\s.,'’%:;+\\-−–—×÷/()<>=!?φ√±≡⟲€$£¥FX]*$"));
    // The program's name and version, the keys' "Reset" and the memory and grand-total keys
    // (engraved on the keys, as on an adding machine), the "IP" item and "OK", which every language
    // writes so, the language names of the language menu, the voice synthesiser's name, and
    // "kilos", the weight's unit in the body-mass index window of English and German as of French.
    static const QStringList names = {"Zumbrel",   "Reset",   "IP",        "OK",       "Français",
                                      "Corse",     "English", "Deutsch",   "Italiano", "Português",
                                      "Québécois", "Español", "espeak-ng", "kilos",    "M+",
                                      "M−",        "MR",      "MC",        "GT"};
    // The grand total's mark beside the memories ("G.T. : 15,00") is written as its key, and
    // as every language file abbreviates it ("Gesamtsumme (G.T.)").
    const bool grandTotalMark =
        text.startsWith("G.T.") && numbersAndSigns.match(text.mid(4)).hasMatch();
    return numbersAndSigns.match(text).hasMatch() || names.contains(text) || grandTotalMark ||
           text.startsWith("Zumbrel ") || text.startsWith("v ") || text.startsWith('/');
}

// The texts of a language file: a word the language shares with French ("Menu", "Options",
// "Six" in English) is the same because the file says so.
std::set<QString> textsOfLanguageFile(const QString& path) {
    QFile f(path);
    std::set<QString> texts;
    if (!f.open(QIODevice::ReadOnly)) return texts;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq < 0 || line.startsWith(';')) continue;
        QString text;
        for (char c : line.mid(eq + 1).trimmed())  // Windows-1252, whose letters are Latin-1's
            text += QChar(static_cast<unsigned char>(c));
        texts.insert(plain(text));
    }
    return texts;
}

// The windows of one language, walked: the keypad with its menus, the tape, and every small
// window opened from them.
class EveryWindow {
  public:
    // `lang` is the item of the language menu, or nullptr for the French the program is born
    // with; `languageFiles` is the folder the language files are copied from.
    EveryWindow(const char* lang, const QString& languageFiles) {
        QDir(app.path()).mkpath("Resources/Language");
        for (const QString& f : QDir(languageFiles).entryList({"*.lng"}))
            QFile::copy(languageFiles + "/" + f, app.filePath("Resources/Language/" + f));
        keypad = std::make_unique<KeypadWindow>(composeFeatures);
        keypad->setLanguageSource(app.path().toStdString(),
                                  static_cast<int>(config::InstallCode::ZMB));
        keypad->calculator().registers().decimalSeparator = ',';
        keypad->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(keypad.get()));
        if (lang)
            keypad->findChild<QAction*>(lang)->trigger();
        else
            useQtTranslations(config::InstallCode::ZMB, 'F');  // as the program starts
    }

    Walk walk() {
        Walk out;
        // Something in the display, a memory, the list, the history and the grand total: the
        // controls that show only then (the erasers, the history button, the G.T. mark) are
        // walked too.
        for (char c : std::string("12+3="))
            keypad->keyAction(c);
        keypad->findChild<QAction*>("mItemKeepM1")->trigger();
        keypad->findChild<QAction*>("mItemKeepList")->trigger();
        keypad->findChild<QAction*>("mItemKeepClipboard")->trigger();
        keypad->tapeWindow().show();
        // The windows that stay open beside the keypad are its children.
        qApp->setProperty("expectedDialog", "Preferences");
        PreferencesWindow::open(*keypad, 1);
        HeaderFooterEditor::open(*keypad);
        SkinChooser::open(*keypad, *WindowArranger::of(*keypad));
        walkInto(out, *keypad, "keypad");
        walkInto(out, keypad->tapeWindow(), "tape");
        for (const char* name : {"Preferences", "RTF_Editor", "SkinChooser"}) {
            if (auto* w = keypad->findChild<QWidget*>(name)) w->close();
        }
        qApp->setProperty("expectedDialog", QVariant());
        walkModals(out, {{"mItemIMC", "IMC"},
                         {"mItemAPropos", "AboutBox"},
                         {"mItemLicence", "Licence"},
                         {"mItemCredits", "Credits"},
                         {"mItemPrincipeFonction", "Info"}});
        return out;
    }

  private:
    // Opens each modal window from its menu item, walks it and every window that follows it
    // (the voice notice follows About), and closes them.
    void walkModals(Walk& out, std::initializer_list<std::pair<const char*, const char*>> items) {
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->property("expected").toBool()) return;
            modal->setProperty("expected", true);
            walkInto(out, *modal, "modal/" + modal->objectName());
            modal->close();
        });
        poll.start();
        for (const auto& [item, window] : items) {
            qApp->setProperty("expectedDialog", window);
            keypad->findChild<QAction*>(item)->trigger();
            QTest::qWait(50);  // a window that follows the one closed
        }
        qApp->setProperty("expectedDialog", QVariant());
    }

  public:
    QTemporaryDir app;
    std::unique_ptr<KeypadWindow> keypad;
};

struct LanguageCase {
    const char* item;
    const char* file;  // the language file, under the "Resources/Language" folder
};

const LanguageCase kLanguages[] = {
    {"CORS", "Corse.lng"},   {"ENGL", "English.lng"},    {"GERM", "German.lng"},
    {"ITAL", "Italian.lng"}, {"PORT", "Portuguese.lng"}, {"SPAN", "Spanish.lng"},
};

// The French of each place: as the program is born, and as French.lng gives it.
const std::map<QString, std::set<QString>>& frenchTexts() {
    static const std::map<QString, std::set<QString>> french = [] {
        std::map<QString, std::set<QString>> all;
        for (const char* item : {static_cast<const char*>(nullptr), "FRAN"}) {
            EveryWindow windows(item, ZUMBREL_LANGUAGE_DIR);
            for (const auto& [where, found] : windows.walk())
                all[where].insert(found.text);
        }
        return all;
    }();
    return french;
}

QString kindName(Kind k) {
    return k == Kind::Name ? "name" : k == Kind::Description ? "description" : "caption";
}

// The places whose text in this language is still the French one.
QStringList leftInFrench(const Walk& walk, const std::set<Kind>& kinds,
                         const std::set<QString>& languageTexts = {}) {
    QStringList left;
    const auto& french = frenchTexts();
    for (const auto& [where, found] : walk) {
        if (!kinds.count(found.kind) || sameInEveryLanguage(found.text) ||
            languageTexts.count(found.text))
            continue;
        const auto it = french.find(where);
        if (it != french.end() && it->second.count(found.text))
            left << where + " (" + kindName(found.kind) + ") = \"" + found.text + "\"";
    }
    return left;
}

class EveryLanguage : public testing::TestWithParam<LanguageCase> {};

TEST_P(EveryLanguage, leaves_no_name_description_or_caption_in_french) {
    EveryWindow windows(GetParam().item, ZUMBREL_LANGUAGE_DIR);
    const Walk walk = windows.walk();
    EXPECT_GT(walk.size(), 600u);  // the walk reached the small windows too
    std::set<QString> shared =
        textsOfLanguageFile(QString(ZUMBREL_LANGUAGE_DIR) + "/" + GetParam().file);
    // Corsican writes the value-added tax as French does (the captions of its buttons), and
    // takes Qt's French words.
    if (GetParam().item == std::string("CORS"))
        shared.insert({"+ TVA", "- TVA", QCoreApplication::translate("QMessageBox", "About Qt"),
                       QCoreApplication::translate("QTabBar", "Scroll Left"),
                       QCoreApplication::translate("QTabBar", "Scroll Right")});
    const QStringList left =
        leftInFrench(walk, {Kind::Name, Kind::Description, Kind::Caption}, shared);
    EXPECT_TRUE(left.isEmpty()) << left.size() << " texts left in French:\n"
                                << left.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(OtherThanFrench, EveryLanguage, testing::ValuesIn(kLanguages),
                         [](const testing::TestParamInfo<LanguageCase>& info) {
                             return std::string(info.param.item);
                         });

// Quebec French shares most words with French, and keeps the built-in French messages, hints
// and names for the screen reader. Every caption of its two windows comes from Quebec.lng:
// with a Quebec file whose every text is marked, no caption is left as the French one.
TEST(EveryLanguageQuebec, takes_the_captions_of_both_windows_from_its_language_file) {
    QTemporaryDir marked;
    for (const QString& f : QDir(ZUMBREL_LANGUAGE_DIR).entryList({"*.lng"}))
        QFile::copy(QString(ZUMBREL_LANGUAGE_DIR) + "/" + f, marked.filePath(f));
    QFile quebec(marked.filePath("Quebec.lng"));
    ASSERT_TRUE(quebec.open(QIODevice::ReadOnly));
    QByteArray text = quebec.readAll();
    quebec.close();
    // "KEY=value" becomes "KEY=[Q] value".
    text.replace(QByteArray("="), QByteArray("=[Q] "));
    ASSERT_TRUE(quebec.open(QIODevice::WriteOnly | QIODevice::Truncate));
    quebec.write(text);
    quebec.close();

    EveryWindow windows("QUEB", marked.path());
    Walk walk = windows.walk();
    // The two windows' own captions: the small windows, the tape's tools (named by their
    // hints), the line counter and the business buttons speak the built-in French messages.
    std::erase_if(walk, [](const auto& place) {
        const QString& where = place.first;
        return !(where.startsWith("keypad/") || where.startsWith("tape/")) ||
               where.contains(QRegularExpression("/(Preferences|RTF_Editor|SkinChooser|"
                                                 "ToolBarZumbrel|btnClicMagic|PanelBusiness)"));
    });
    const QStringList left = leftInFrench(walk, {Kind::Caption});
    EXPECT_TRUE(left.isEmpty()) << left.size() << " captions not from Quebec.lng:\n"
                                << left.join('\n').toStdString();
}

// Qt's own question box, built as the program builds it, speaks the chosen language.
struct ButtonsCase {
    const char* item;
    QStringList buttons;
};

class QuestionBox : public testing::TestWithParam<ButtonsCase> {};

TEST_P(QuestionBox, has_its_buttons_in_the_language_of_the_program) {
    // Another language first: the switch replaces Qt's texts, it does not add to them.
    EveryWindow windows("GERM", ZUMBREL_LANGUAGE_DIR);
    windows.keypad->findChild<QAction*>(GetParam().item)->trigger();
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        box->setProperty("expected", true);
        for (QMessageBox::StandardButton b :
             {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            captions << plain(box->button(b)->text());
        box->button(QMessageBox::Cancel)->click();
    });
    const Answer answer =
        windows.keypad->prompts().messageBox("Zumbrel", "?", Icon::Question, Buttons::YesNoCancel);
    EXPECT_EQ(answer, Answer::Cancel);
    EXPECT_EQ(captions, GetParam().buttons);
}

INSTANTIATE_TEST_SUITE_P(Languages, QuestionBox,
                         testing::Values(ButtonsCase{"FRAN", {"Oui", "Non", "Annuler"}},
                                         ButtonsCase{"ENGL", {"Yes", "No", "Cancel"}},
                                         ButtonsCase{"QUEB", {"Oui", "Non", "Annuler"}},
                                         ButtonsCase{"CORS", {"Oui", "Non", "Annuler"}},
                                         ButtonsCase{"GERM", {"Ja", "Nein", "Abbrechen"}},
                                         ButtonsCase{"SPAN", {"Sí", "No", "Cancelar"}}),
                         [](const testing::TestParamInfo<ButtonsCase>& info) {
                             return std::string(info.param.item);
                         });

// Qt's own file dialog, as the program opens it, names its fields in the program's language.
TEST(QtFileDialog, names_its_fields_in_the_language_of_the_program) {
    EveryWindow windows("FRAN", ZUMBREL_LANGUAGE_DIR);
    const auto lookIn = [] {
        QFileDialog dialog(nullptr, "Zumbrel");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto* label = dialog.findChild<QLabel*>("lookInLabel");
        return label ? label->text() : QString();
    };
    EXPECT_EQ(lookIn(), "Voir dans :");
    windows.keypad->findChild<QAction*>("ENGL")->trigger();
    EXPECT_EQ(lookIn(), "Look in:");
    windows.keypad->findChild<QAction*>("GERM")->trigger();
    EXPECT_EQ(lookIn(), "Suchen in:");
}

}  // namespace
}  // namespace zumbrel::gui
