// The preferences window: opened on the tab its caller names, every change shown at once on
// the keypad, the tape and the panels, the close repairing emptied fields, and the faults of
// the older window built soundly.

#include <gtest/gtest.h>

#include <QComboBox>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include "core/calc/calculator.h"
#include "core/calc/key_script.h"
#include "core/config/install_layout.h"
#include "core/config/settings.h"
#include "core/voice/voice_state.h"
#include "gui/app/composition.h"
#include "gui/app/session.h"
#include "gui/arrange/window_arranger.h"
#include "gui/business/business_panel.h"
#include "gui/prefs/font_choice.h"
#include "gui/prefs/preferences_window.h"
#include "gui/tape/document_commands.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Prefs : public KeypadFixture {
  protected:
    void SetUp() override {
        KeypadFixture::SetUp();
        qApp->setProperty("expectedDialog", "Preferences");  // modal, and awaited
    }
    void TearDown() override { qApp->setProperty("expectedDialog", QVariant()); }
    PreferencesWindow& open(int indicator = 1) {
        PreferencesWindow& w = PreferencesWindow::open(*keypad, indicator);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }
    template <class T>
    T* control(PreferencesWindow& w, const char* name) {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QString currentTab(PreferencesWindow& w) { return w.tabs()->currentWidget()->objectName(); }
    void click(PreferencesWindow& w, const char* radio) {
        control<QRadioButton>(w, radio)->click();
    }
    // Empties a field and types into it, as a user does.
    void retype(PreferencesWindow& w, const char* field, const char* keys) {
        auto* e = control<QLineEdit>(w, field);
        w.showTab(e->parentWidget()->parentWidget()->parentWidget()->objectName());
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, keys);
    }
    void closeWith(PreferencesWindow& w, Qt::Key key = Qt::Key_Escape) {
        QPointer<PreferencesWindow> alive(&w);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, key);
        EXPECT_TRUE(eventually([&] { return alive.isNull() || !alive->isVisible(); }));
    }
    business::BusinessRegisters& business() { return keypad->calculator().business(); }
    std::string display() { return keypad->calculator().registers().EdtVirt; }
    void type(const char* keys) { QTest::keyClicks(keypad.get(), keys); }
};

TEST_F(Prefs, opens_on_the_tab_its_caller_names) {
    EXPECT_TRUE(keypad->findChild<QAction*>("mItemPreferences")->isEnabled());
    EXPECT_EQ(currentTab(open(8)), "TabSheet8");  // the sixth tab: currencies
    EXPECT_EQ(currentTab(open(5)), "TabSheet5");  // the same window, another tab
    keypad->business().onPreferences(6);
    EXPECT_EQ(currentTab(open(6)), "TabSheet6");
    PreferencesWindow& w = open(1);
    closeWith(w);
    QTest::mouseDClick(keypad->findChild<QWidget*>("lblNbrDecPref"), Qt::LeftButton);
    PreferencesWindow& again = open(1);
    EXPECT_EQ(currentTab(again), "TabSheet1");
    EXPECT_EQ(again.tabs()->count(), 9);
    closeWith(again);
}

TEST_F(Prefs, the_decimal_places_reached_by_tab_open_the_preferences_with_return) {
    QWidget* decimals = keypad->findChild<QWidget*>("lblNbrDecPref");
    EXPECT_TRUE(decimals->focusPolicy() & Qt::TabFocus);
    decimals->setFocus();
    QTest::keyClick(decimals, Qt::Key_Return);
    auto* opened = keypad->findChild<QDialog*>("Preferences");
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->isVisible());
    PreferencesWindow& w = open(1);  // the same window, brought to the front
    EXPECT_EQ(&w, opened);
    EXPECT_EQ(currentTab(w), "TabSheet1");
    closeWith(w);
    // Back on the decimals, a calculation typed there ends with Return as "=": the numbers
    // brought the focus to the display.
    decimals->setFocus();
    QTest::keyClicks(decimals, "10+20+5");
    ASSERT_EQ(keypad->focusWidget(), keypad->findChild<QWidget*>("EdtVirt"));
    QTest::keyClick(keypad->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(display(), "35,00");
    const auto* again = keypad->findChild<QDialog*>("Preferences");
    EXPECT_TRUE(again == nullptr || !again->isVisible());
}

// The tab list takes the name of the tab shown, which a reader says when it comes back to it.
TEST_F(Prefs, the_tab_list_is_named_after_the_tab_shown) {
    PreferencesWindow& w = open(8);
    const int shown = w.tabs()->currentIndex();
    EXPECT_EQ(w.tabs()->tabBar()->accessibleName(), w.tabs()->tabText(shown));
    w.tabs()->setCurrentIndex(0);
    EXPECT_EQ(w.tabs()->tabBar()->accessibleName(), w.tabs()->tabText(0));
    closeWith(w);
}

TEST_F(Prefs, installation_codes_hide_tabs_and_hidden_tabs_shift_nothing) {
    keypad->setLanguageSource("", static_cast<int>(config::InstallCode::QT));
    PreferencesWindow& w = open(3);
    EXPECT_FALSE(w.tabs()->isTabVisible(2));
    EXPECT_EQ(currentTab(w), "TabSheet1");  // the update tab is not there
    w.showTab("TabSheet8");
    EXPECT_EQ(currentTab(w), "TabSheet8");
    closeWith(w);
    keypad->setLanguageSource("", static_cast<int>(config::InstallCode::E));
    PreferencesWindow& e = open(4);
    EXPECT_FALSE(e.tabs()->isTabVisible(3));
    EXPECT_TRUE(e.tabs()->isTabVisible(2));
    closeWith(e);
}

TEST_F(Prefs, decimals_and_separator_show_at_once_and_are_checked_next_time) {
    PreferencesWindow& w = open();
    click(w, "rb4Dec");
    EXPECT_EQ(keypad->findChild<QLabel*>("lblNbrDecPref")->text(), "4");
    EXPECT_TRUE(keypad->voiceState().wavKeyOnly);
    click(w, "rbSepMilN");
    closeWith(w);
    type("1000*2\r");
    EXPECT_EQ(display(), "2000,0000");
    PreferencesWindow& again = open();
    EXPECT_TRUE(control<QRadioButton>(again, "rbSepMilN")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(again, "rb4Dec")->isChecked());
    closeWith(again);
}

TEST_F(Prefs, a_separator_the_system_cannot_take_blinks_until_another_is_chosen) {
    keypad->calculator().registers().lblSepDec = "C";  // comma, with "," as decimal separator
    PreferencesWindow& w = open();
    auto* comma = control<QRadioButton>(w, "rbSepMilC");
    EXPECT_TRUE(comma->isChecked());
    EXPECT_FALSE(comma->isEnabled());
    EXPECT_TRUE(control<QRadioButton>(w, "rbSepMilP")->isEnabled());
    auto* led = control<QLabel>(w, "shLedC");
    EXPECT_TRUE(led->isVisible());
    QTest::qWait(450);
    const QImage first = led->pixmap().toImage();
    QTest::qWait(400);
    EXPECT_NE(led->pixmap().toImage(), first);  // red, then the button's colour
    click(w, "rbSepMilS");
    EXPECT_FALSE(led->isVisible());
    EXPECT_EQ(keypad->calculator().registers().lblSepDec, "S");
    closeWith(w);
}

TEST_F(Prefs, rates_below_one_can_be_typed_and_show_at_once) {
    PreferencesWindow& w = open(5);
    retype(w, "edtTauxTVA1", "0.9");  // "." types the system's ","
    EXPECT_EQ(business().lblTauxTVA[0], "0,9");
    retype(w, "edtTauxTVA2", ",5");
    EXPECT_EQ(business().lblTauxTVA[1], "0,5");
    retype(w, "edtTauxTVA3", "05,5,1x");  // the zero before a digit goes, a second "," and "x" too
    EXPECT_EQ(business().lblTauxTVA[2], "5,51");
    auto* rate = control<QLineEdit>(w, "edtTauxTVA3");
    QTest::keyClick(rate, Qt::Key_Backspace);  // Backspace erases, like Delete
    EXPECT_EQ(business().lblTauxTVA[2], "5,5");
    closeWith(w);
}

TEST_F(Prefs, the_currency_panel_shows_the_rate_the_conversion_uses) {
    PreferencesWindow& w = open(8);
    retype(w, "edtTauxEuro", "0,787564");
    EXPECT_EQ(keypad->findChild<QPushButton*>("pnlEuro")->text(), "0,787564");
    closeWith(w, Qt::Key_Return);  // Enter in a rate closes
    type("100");
    keypad->keyAction(business::BusinessKey::EuroToOther);
    EXPECT_EQ(display(), "78,76");
}

TEST_F(Prefs, a_paste_into_a_rate_beeps_and_leaves_the_clipboard_alone) {
    QApplication::clipboard()->setText("12,5");
    PreferencesWindow& w = open(5);
    auto* rate = control<QLineEdit>(w, "edtTauxTVA4");
    rate->setFocus();
    QTest::keyClick(rate, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(rate, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(rate->text(), "4");
    EXPECT_EQ(QApplication::clipboard()->text(), "12,5");
    closeWith(w);
    // The display keeps the clipboard too: its paste (Ctrl+V) takes the number, nothing more.
    keypad->pasteNumber();
    EXPECT_EQ(QApplication::clipboard()->text(), "12,5");
    EXPECT_EQ(display(), "12,5");
}

TEST_F(Prefs, emptied_rates_take_their_defaults_when_the_window_closes) {
    PreferencesWindow& w = open(5);
    retype(w, "edtTauxTVA1", "");
    EXPECT_EQ(business().lblTauxTVA[0], "");
    closeWith(w);
    EXPECT_EQ(business().lblTauxTVA[0], "2,1");
}

TEST_F(Prefs, an_emptied_self_employed_field_keeps_its_default) {
    PreferencesWindow& w = open(6);
    click(w, "rbProfilAE_B");
    retype(w, "edtTauxAE_B", "");
    retype(w, "edtCAMaxAE_B", "");
    closeWith(w);
    EXPECT_EQ(business().lblTauxAE, "20,5");
    EXPECT_EQ(business().lblCAMaxAE, "32000");
    EXPECT_EQ(business().lblProfilAE, "2");
    PreferencesWindow& again = open(6);
    EXPECT_EQ(control<QLineEdit>(again, "edtTauxAE_B")->text(), "20,5");
    closeWith(again);
}

TEST_F(Prefs, the_focused_rate_is_yellow_and_profiles_keep_their_colours) {
    PreferencesWindow& w = open(6);
    auto* a = control<QLineEdit>(w, "edtTauxAE_A");
    auto* b = control<QLineEdit>(w, "edtTauxAE_B");
    b->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(b->palette().color(QPalette::Base), QColor(0xF8, 0xF8, 0x58));
    EXPECT_EQ(a->palette().color(QPalette::Base), QColor(0xA6, 0xA6, 0xFF));
    closeWith(w);
}

// The fields of a tab stand in one column, whatever the length of their captions.
TEST_F(Prefs, the_fields_of_a_group_line_up) {
    keypad->findChild<QAction*>("QUEB")->trigger();  // the Quebec taxes: captions of all lengths
    PreferencesWindow& w = open(5);
    for (const char* group : {"gbTauxQuebec"}) {
        const QList<QLineEdit*> fields = control<QWidget>(w, group)->findChildren<QLineEdit*>();
        ASSERT_GE(fields.size(), 3) << group;
        for (QLineEdit* f : fields) {
            EXPECT_EQ(f->mapTo(&w, QPoint(0, 0)).x(), fields[0]->mapTo(&w, QPoint(0, 0)).x())
                << f->objectName().toStdString();
            EXPECT_EQ(f->width(), fields[0]->width()) << f->objectName().toStdString();
        }
    }
    closeWith(w);
}

// The interim choices' example amount has the calculator's decimal separator.
TEST_F(Prefs, the_interim_example_is_written_with_the_calculators_separator) {
    keypad->calculator().registers().decimalSeparator = '.';
    PreferencesWindow& w = open(1);
    EXPECT_EQ(control<QRadioButton>(w, "rbInterimLong")->text(), "Résultat intermédiaire : 15.00");
    EXPECT_EQ(control<QRadioButton>(w, "rbInterimShort")->text(), "Sous-total : 15.00");
    closeWith(w);
}

TEST_F(Prefs, the_tax_name_takes_three_capital_letters) {
    PreferencesWindow& w = open(5);
    retype(w, "edtQuebTVP", "Tvhq1X");
    EXPECT_EQ(business().lblQuebTVP, "TX");  // lower case and digits refused
    closeWith(w);
}

TEST_F(Prefs, the_voice_changes_at_once_and_keys_are_spoken_in_french_only) {
    PreferencesWindow& w = open(4);
    click(w, "rbVoiceMan");
    EXPECT_EQ(keypad->voiceState().kind, "WMa");
    EXPECT_EQ(keypad->findChild<QWidget*>("imgVoice")->property("shown").toString(), "ImgHomme");
    click(w, "rbWavRN");
    EXPECT_FALSE(keypad->voiceState().speakKeys);
    closeWith(w);
}

// The voice's rate: nine steps from 1 to 3, the one in use chosen, a choice at once in use.
TEST_F(Prefs, the_voice_rate_lists_one_to_three_in_quarters_and_changes_at_once) {
    keypad->voiceState().rate = 1.75;
    PreferencesWindow& w = open(4);
    auto* rates = w.findChild<QComboBox*>("cbVoiceRate");
    ASSERT_NE(rates, nullptr);
    EXPECT_EQ(rates->count(), 9);
    const QString ds(keypad->calculator().registers().decimalSeparator);
    EXPECT_EQ(rates->currentText(), "1" + ds + "75 ×");
    EXPECT_EQ(rates->itemText(8), "3 ×");
    EXPECT_EQ(rates->accessibleName(), "Vitesse de la voix");
    rates->setCurrentIndex(4);
    EXPECT_EQ(keypad->voiceState().rate, 2.0);
    closeWith(w);
    EXPECT_EQ(keypad->voiceState().rate, 2.0);
}

TEST_F(Prefs, translucency_follows_the_bars_and_from_249_the_window_is_opaque) {
    PreferencesWindow& w = open(7);
    auto* bar = control<QSlider>(w, "tbTranspKeyboard");
    EXPECT_EQ(bar->value(), 255);
    bar->setValue(180);
    EXPECT_NEAR(keypad->windowOpacity(), 180 / 255.0, 0.01);
    EXPECT_EQ(control<QLabel>(w, "tbTranspKeyboardValue")->text(), "180");
    bar->setValue(250);
    EXPECT_DOUBLE_EQ(keypad->windowOpacity(), 1.0);
    config::Settings s;
    WindowArranger::of(*keypad)->collectSettings(s);
    EXPECT_EQ(s.keyboardAlphaBlendBool, "False");
    EXPECT_EQ(s.keyboardAlphaBlendValue, "250");
    click(w, "rbWarnModifiedNo");
    EXPECT_FALSE(keypad->documents().modifiedWarn);
    click(w, "rbWarnDelListNo");
    EXPECT_FALSE(keypad->calculator().settings().okBoxGum);
    // The item count, off as the program comes, shows on the next result once chosen.
    EXPECT_TRUE(control<QRadioButton>(w, "rbCountItemsNo")->isChecked());
    click(w, "rbCountItemsYes");
    EXPECT_TRUE(keypad->calculator().settings().countItems);
    closeWith(w);
    calc::runKeys(keypad->calculator(), "2+3=");
    EXPECT_TRUE(keypad->tapeWindow().tape().line(3).starts_with("n 2"))
        << keypad->tapeWindow().tape().line(3);
}

TEST_F(Prefs, opening_the_window_changes_nothing_even_from_a_value_out_of_range) {
    config::Settings s = config::Settings::firstRun(',');
    s.keyboardAlphaBlendBool = "True";
    s.keyboardAlphaBlendValue = "20";
    WindowArranger::of(*keypad)->applySettings(s);
    PreferencesWindow& w = open(7);
    closeWith(w);
    config::Settings out;
    WindowArranger::of(*keypad)->collectSettings(out);
    EXPECT_EQ(out.keyboardAlphaBlendValue, "20");
    EXPECT_EQ(out.keyboardAlphaBlendBool, "True");
}

TEST_F(Prefs, fonts_and_colours_show_at_once) {
    PreferencesWindow& w = open(1);
    w.showTab("TabSheet9");
    auto* box = control<QCheckBox>(w, "cbDefaultFontEditor");
    EXPECT_FALSE(box->isVisible());  // the tape's font is the default one
    w.chooseDisplayFont(QFont("DejaVu Serif", 20), Qt::red);
    EXPECT_EQ(keypad->displayLook().font.family(), "DejaVu Serif");
    EXPECT_EQ(keypad->displayLook().ink, QColor(Qt::red));
    w.chooseDisplayBack(Qt::yellow);
    EXPECT_EQ(keypad->displayLook().back, QColor(Qt::yellow));
    control<QSpinBox>(w, "seTopEdit")->setValue(40);
    EXPECT_EQ(keypad->displayLook().top, 40);
    w.chooseTapeFont(QFont("DejaVu Serif", 14), Qt::blue);
    EXPECT_EQ(keypad->tapeLook().fontName, "DejaVu Serif");
    EXPECT_TRUE(box->isVisible());
    type("7+");  // the next tape line is written in the new font
    EXPECT_TRUE(box->isVisible());
    box->click();
    EXPECT_EQ(keypad->tapeLook().fontName, "Courier New");
    EXPECT_EQ(keypad->tapeLook().pointSize, 12);
    EXPECT_FALSE(box->isVisible());
    closeWith(w);
}

TEST_F(Prefs, without_an_update_service_the_update_choices_say_why) {
    PreferencesWindow& w = open(3);
    EXPECT_FALSE(control<QGroupBox>(w, "gbDetectAuto")->isEnabled());
    EXPECT_EQ(control<QLabel>(w, "lblNoService")->text(), "Service non configuré");
    closeWith(w);
}

TEST_F(Prefs, tab_enters_each_group_on_its_checked_button_and_the_arrows_move_the_choice) {
    keypad->calculator().registers().lblNbrDecPref = "3";
    PreferencesWindow& w = open(1);
    const auto tabFrom = [](QWidget* from, Qt::KeyboardModifiers m = Qt::NoModifier) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab, m);
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    // Into the decimals on "3", not on "None"; out of it into the separators on the space.
    EXPECT_EQ(tabFrom(w.tabs()->tabBar()), "rb3Dec");
    EXPECT_EQ(tabFrom(control<QRadioButton>(w, "rb3Dec")), "rbSepMilS");
    EXPECT_EQ(tabFrom(control<QRadioButton>(w, "rbSepMilS"), Qt::ShiftModifier), "rb3Dec");
    // Down chooses the next one; Tab comes back to the new choice.
    QTest::keyClick(control<QRadioButton>(w, "rb3Dec"), Qt::Key_Down);
    EXPECT_TRUE(control<QRadioButton>(w, "rb4Dec")->isChecked());
    EXPECT_EQ(keypad->calculator().registers().lblNbrDecPref, "4");
    EXPECT_EQ(tabFrom(control<QRadioButton>(w, "rbSepMilS"), Qt::ShiftModifier), "rb4Dec");
    // A choice made with the mouse moves the way in as well.
    click(w, "rbSepMilN");
    EXPECT_EQ(tabFrom(control<QRadioButton>(w, "rb4Dec")), "rbSepMilN");
    closeWith(w);
}

TEST_F(Prefs, a_checked_separator_the_system_refuses_leaves_tab_the_way_into_the_others) {
    keypad->calculator().registers().lblSepDec = "C";  // comma, with "," as decimal separator
    PreferencesWindow& w = open(1);
    ASSERT_FALSE(control<QRadioButton>(w, "rbSepMilC")->isEnabled());
    control<QRadioButton>(w, "rb2Dec")->setFocus();
    QTest::keyClick(control<QRadioButton>(w, "rb2Dec"), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "rbSepMilN");
    closeWith(w);
}

TEST_F(Prefs, every_control_has_a_name_a_reader_can_say) {
    PreferencesWindow& w = open();
    for (int i = 0; i < w.tabs()->count(); ++i) {
        for (QWidget* c : w.tabs()->widget(i)->findChildren<QWidget*>()) {
            if (c->focusPolicy() == Qt::NoFocus || qobject_cast<QLabel*>(c)) continue;
            if (qobject_cast<QAbstractSpinBox*>(c->parentWidget())) continue;  // its own edit
            QString name = c->accessibleName();
            if (auto* b = qobject_cast<QAbstractButton*>(c)) name += b->text();
            EXPECT_FALSE(name.trimmed().isEmpty())
                << c->metaObject()->className() << " " << c->objectName().toStdString();
        }
    }
    closeWith(w);
}

// Within a tab no two fields share a name: a reader tells a profile's rate from its ceiling.
TEST_F(Prefs, no_two_fields_of_a_tab_share_a_name) {
    PreferencesWindow& w = open();
    for (int i = 0; i < w.tabs()->count(); ++i) {
        QStringList names;
        for (QLineEdit* e : w.tabs()->widget(i)->findChildren<QLineEdit*>()) {
            if (e->focusPolicy() == Qt::NoFocus || e->accessibleName().isEmpty()) continue;
            EXPECT_FALSE(names.contains(e->accessibleName()))
                << "tab " << i << ": " << e->accessibleName().toStdString();
            names << e->accessibleName();
        }
    }
    EXPECT_EQ(control<QLineEdit>(w, "edtCAMaxAE_B")->accessibleName().toStdString(),
              "PROFIL B, CA maximum AE");
    closeWith(w);
}

// The two previews of the currency keys are read as the keys they show, each its own.
TEST_F(Prefs, the_currency_key_previews_are_read_by_their_captions) {
    PreferencesWindow& w = open();
    QStringList names;
    for (const char* name : {"btnEuroToFrancPreview", "btnFrancToEuroPreview"}) {
        auto* preview = control<QPushButton>(w, name);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(preview);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), preview->text()) << name;
        names << a->text(QAccessible::Name);
    }
    EXPECT_NE(names[0], names[1]);
    closeWith(w);
}

}  // namespace
}  // namespace zumbrel::gui

namespace zumbrel::gui {
namespace {

class PrefsInLanguages : public Prefs {
  protected:
    void SetUp() override {
        Prefs::SetUp();
        copyLanguageFiles(app);
        keypad->setLanguageSource(app.path().toStdString(),
                                  static_cast<int>(config::InstallCode::ZMB));
    }
    // Rewrites one line of a language file (Windows-1252, CRLF).
    void setKey(const char* file, const QByteArray& key, const QByteArray& value) {
        QFile f(app.filePath(QString("Resources/Language/") + file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QByteArray bytes = f.readAll();
        f.close();
        const qsizetype at = bytes.indexOf("\r\n" + key + "=") + 2;
        ASSERT_GT(at, 1);
        bytes.replace(at, bytes.indexOf("\r\n", at) - at, key + "=" + value);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QTemporaryDir app;
};

TEST_F(PrefsInLanguages, a_mnemonic_ampersand_goes_and_the_caption_stays_whole) {
    setKey("English.lng", "YES", "&Yes");
    setKey("English.lng", "NO", "N&o");
    keypad->chooseLanguage(3, false);  // English
    PreferencesWindow& w = open(3);
    EXPECT_EQ(control<QRadioButton>(w, "rbUpdateAutoOK")->text(), "Yes");
    EXPECT_EQ(control<QRadioButton>(w, "rbUpdateautoNo")->text(), "No");
    // Keys are spoken in French words only: the choice waits for French.
    EXPECT_FALSE(control<QGroupBox>(w, "gbEnoncResult")->isEnabled());
    closeWith(w);
}

TEST_F(PrefsInLanguages, in_quebec_french_the_tax_tab_holds_the_quebec_taxes) {
    keypad->chooseLanguage(8, false);  // Québécois
    PreferencesWindow& w = open(5);
    EXPECT_EQ(w.tabs()->tabText(w.tabs()->currentIndex()), "Taux TPS et TVP");
    EXPECT_FALSE(control<QGroupBox>(w, "gbTauxTVA")->isVisible());
    EXPECT_TRUE(control<QGroupBox>(w, "gbTauxQuebec")->isVisible());
    retype(w, "EdTTauxTVP", "9,5");
    EXPECT_EQ(keypad->findChild<QPushButton*>("pnlTauxTPSTVP")->text().simplified(), "5 9,5");
    closeWith(w);
}

TEST(PrefsSession, the_changes_come_back_at_the_next_start) {
    qApp->setProperty("expectedDialog", "Preferences");
    QTemporaryDir app;
    const config::Environment env = programFolder(app);
    std::string typed;
    {
        Session session(app.path().toStdString(), env, ',');
        KeypadWindow keypad(composeFeatures);
        session.attach(keypad);
        keypad.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&keypad));
        PreferencesWindow& w = PreferencesWindow::open(keypad, 1);
        w.findChild<QRadioButton*>("rb3Dec")->click();
        w.findChild<QRadioButton*>("rbVoiceMan")->click();
        w.findChild<QRadioButton*>("rbWarnDelListNo")->click();
        w.findChild<QSlider*>("tbTranspRibbon")->setValue(200);
        w.chooseDisplayFont(QFont("DejaVu Serif", 20), Qt::darkGreen);
        auto* rate = w.findChild<QLineEdit*>("edtTauxTVA1");
        rate->selectAll();
        QTest::keyClicks(rate, "7,7");  // "," types the system's separator
        typed = rate->text().toStdString();
        w.close();
        keypad.documents().modifiedWarn = false;
        keypad.close();
    }
    Session session(app.path().toStdString(), env, ',');
    const config::Settings& s = session.settings();
    EXPECT_EQ(s.nbrDec, "3");
    EXPECT_EQ(s.voice, "WMa");
    EXPECT_FALSE(s.okBoxGum);
    EXPECT_EQ(s.ribbonAlphaBlendBool, "True");
    EXPECT_EQ(s.ribbonAlphaBlendValue, "200");
    EXPECT_EQ(s.displayFontName, "DejaVu Serif");
    EXPECT_EQ(s.displayFontSize, 20);
    EXPECT_TRUE(typed == "7,7" || typed == "7.7") << typed;
    EXPECT_EQ(s.rateTVA[0], typed);
    KeypadWindow keypad(composeFeatures);
    session.attach(keypad);
    EXPECT_EQ(keypad.displayLook().font.family(), "DejaVu Serif");
    EXPECT_EQ(keypad.displayLook().ink, QColor(Qt::darkGreen));
    qApp->setProperty("expectedDialog", QVariant());
}

// The tape's Courier New is drawn by a stand-in on Linux: the dialog opens on that stand-in
// (not on its first family), and an OK without a change keeps Courier New and its size.
TEST(FontChoice, the_font_dialog_opens_on_the_tape_font_and_an_unchanged_ok_keeps_it) {
    QFont courier("Courier New");
    courier.setPointSize(12);
    const QFont shown = fontShownInDialog(courier);
    EXPECT_TRUE(QFontDatabase::families().contains(shown.family())) << shown.family().toStdString();
    EXPECT_TRUE(QFontInfo(shown).fixedPitch());
    QFontDialog dialog(shown);
    EXPECT_EQ(dialog.currentFont().family(), shown.family());
    const QFont kept = fontKept(dialog.currentFont(), courier);
    EXPECT_EQ(kept.family(), "Courier New");
    EXPECT_EQ(kept.pointSize(), 12);
    // Another family chosen is taken as chosen.
    QFont other = shown;
    other.setFamily("DejaVu Sans");
    EXPECT_EQ(fontKept(other, courier).family(), "DejaVu Sans");
}

}  // namespace
}  // namespace zumbrel::gui
