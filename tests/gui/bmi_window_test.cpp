// The body-mass index window: the index and its class, the refill rules of the fields, the
// arrows, and its opening from the keypad's menu, closed by Escape.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "core/config/settings.h"
#include "core/memory_ports.h"
#include "gui/business/bmi_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Bmi : public testing::Test {
  protected:
    QLineEdit* field(const char* name) { return window.findChild<QLineEdit*>(name); }
    std::string text(const char* name) {
        if (auto* l = window.findChild<QLabel*>(name)) return l->text().toStdString();
        return window.findChild<QPushButton*>(name)->text().toStdString();
    }
    std::string value(const char* name) { return field(name)->text().toStdString(); }
    void enter(const char* name, const QString& value) {
        field(name)->selectAll();
        QTest::keyClicks(field(name), value);
    }

    EventLog log;
    RecordingSound sound{log};
    FrenchTranslator french_;
    BmiWindow window{nullptr, french_, 'F', sound, ','};
};

TEST_F(Bmi, shows_the_index_its_class_and_the_advice) {
    window.calculate();  // 75 kg, 1 m 77: the window's own values
    EXPECT_EQ(text("btnCalculIMC"), "Votre Indice de Masse Corporelle est de : 23,94");
    EXPECT_EQ(text("lblTableau"), "Valeurs normales : de 18,50 à 24,99");
    EXPECT_EQ(text("lblWarn"), "");
    enter("edtPoids", "50");
    QTest::keyClick(field("edtPoids"), Qt::Key_Return);
    EXPECT_EQ(text("lblTableau"), "Maigreur sévère : inférieur à 16,00");
    EXPECT_EQ(text("lblWarn"), "N'hésitez pas à consulter votre médecin !");
}

// The fields must not move under the mouse: every result keeps the window's size.
TEST_F(Bmi, the_window_keeps_its_size_whatever_the_result) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QSize first = window.size();
    for (const char* kilos : {"75", "40", "95", "130", "250"}) {
        enter("edtPoids", kilos);
        QTest::keyClick(field("edtPoids"), Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(window.size(), first) << kilos;
    }
}

TEST_F(Bmi, the_three_fields_have_names) {
    EXPECT_EQ(field("edtPoids")->accessibleName().toStdString(), "Votre poids (kg)");
    EXPECT_EQ(field("edtMetres")->accessibleName().toStdString(), "Votre taille (m)");
    EXPECT_EQ(field("edtCentimetres")->accessibleName().toStdString(), "Votre taille (cm)");
    // Empty result lines are no stops for Tab; a result is.
    EXPECT_EQ(window.findChild<QLabel*>("lblTableau")->focusPolicy(), Qt::NoFocus);
    window.calculate();
    EXPECT_NE(window.findChild<QLabel*>("lblTableau")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(window.findChild<QLabel*>("lblWarn")->focusPolicy(), Qt::NoFocus);
}

// A heading that names its unit already (English: "Your weight (kg)") does not get it twice.
TEST(BmiNames, a_heading_with_its_unit_is_not_given_it_twice) {
    EventLog log;
    RecordingSound sound{log};
    struct English final : Translator {
        std::string text(const Message& m) const override {
            if (m.key == "YOUR_WEIGHT") return "Your weight (kg)";
            if (m.key == "YOUR_SIZE") return "Your height (m)";
            return std::string(m.french);
        }
    } english;
    BmiWindow window{nullptr, english, 'E', sound, '.'};
    EXPECT_EQ(window.findChild<QLineEdit*>("edtPoids")->accessibleName().toStdString(),
              "Your weight (kg)");
    EXPECT_EQ(window.findChild<QLineEdit*>("edtMetres")->accessibleName().toStdString(),
              "Your height (m)");
    EXPECT_EQ(window.findChild<QLineEdit*>("edtCentimetres")->accessibleName().toStdString(),
              "Your height (cm)");
}

TEST_F(Bmi, refills_empty_fields_and_keeps_a_leading_zero_in_the_centimetres) {
    field("edtCentimetres")->setFocus();
    enter("edtCentimetres", "05");
    EXPECT_EQ(value("edtCentimetres"), "05");  // 1 m 05
    field("edtCentimetres")->selectAll();
    QTest::keyClick(field("edtCentimetres"), Qt::Key_Backspace);
    EXPECT_EQ(value("edtCentimetres"), "77");
    enter("edtPoids", "0");
    EXPECT_EQ(value("edtPoids"), "77");
    enter("edtMetres", "7");  // only 1 and 2 are heights
    EXPECT_EQ(value("edtMetres"), "1");
    field("edtMetres")->selectAll();
    QTest::keyClick(field("edtMetres"), Qt::Key_Backspace);
    EXPECT_EQ(value("edtMetres"), "1");
    enter("edtMetres", "2");
    EXPECT_EQ(text("lblMetre"), "mètres");
}

// A weight is typed over: the window opens on it selected, and erased digit by digit it is
// put back selected, so that the digits typed next replace it.
TEST_F(Bmi, a_weight_is_typed_over_at_opening_and_after_erasing) {
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QLineEdit* weight = field("edtPoids");
    ASSERT_EQ(QApplication::focusWidget(), weight);
    QTest::keyClicks(weight, "82");
    EXPECT_EQ(value("edtPoids"), "82");
    QTest::keyClick(weight, Qt::Key_End);
    QTest::keyClick(weight, Qt::Key_Backspace);
    QTest::keyClick(weight, Qt::Key_Backspace);
    EXPECT_EQ(value("edtPoids"), "77");
    QTest::keyClicks(weight, "64");
    EXPECT_EQ(value("edtPoids"), "64");
    field("edtCentimetres")->setFocus();
    field("edtCentimetres")->deselect();
    QTest::keyClick(field("edtCentimetres"), Qt::Key_End);
    QTest::keyClick(field("edtCentimetres"), Qt::Key_Backspace);
    QTest::keyClick(field("edtCentimetres"), Qt::Key_Backspace);
    QTest::keyClicks(field("edtCentimetres"), "80");
    EXPECT_EQ(value("edtCentimetres"), "80");
}

// Whole kilos only: a decimal point, a letter or a fourth digit is refused with a beep, and the
// weight stays what it was.
TEST_F(Bmi, a_refused_character_beeps_and_changes_nothing) {
    struct Case {
        const char* field;
        const char* typed;
        const char* stays;
    };
    for (const Case& c : {Case{"edtPoids", "70.5", "705"}, Case{"edtPoids", "7a0", "70"},
                          Case{"edtPoids", "1000", "100"}, Case{"edtCentimetres", "7,", "7"},
                          Case{"edtMetres", "3", "1"}}) {
        field(c.field)->setFocus();
        log.clear();
        enter(c.field, c.typed);
        EXPECT_EQ(value(c.field), c.stays) << c.typed;
        EXPECT_EQ(
            std::count_if(log.begin(), log.end(), [](const Event& e) { return e.kind == "beep"; }),
            1)
            << c.typed;
    }
    log.clear();
    enter("edtPoids", "82");  // digits alone are taken in silence
    EXPECT_EQ(value("edtPoids"), "82");
    EXPECT_TRUE(log.empty());
}

TEST_F(Bmi, the_notice_in_french_and_in_quebec_typography) {
    QString title;
    const QString french = window.notice(title);
    EXPECT_EQ(title.toStdString(), "Avertissement !");
    EXPECT_TRUE(french.startsWith("MISE EN GARDE !\n"));
    EXPECT_TRUE(french.contains("IMC égal ou supérieur à 40,00 : Obésité classe III"));
    BmiWindow quebec{nullptr, french_, 'Q', sound, ','};
    const QString text = quebec.notice(title);
    EXPECT_EQ(title.toStdString(), "Avertissement!");
    EXPECT_TRUE(text.startsWith("MISE EN GARDE!\n"));
    EXPECT_FALSE(text.contains(" :"));
}

TEST_F(Bmi, the_arrows_go_from_field_to_field) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    field("edtPoids")->setFocus();
    QTest::keyClick(field("edtPoids"), Qt::Key_Down);
    EXPECT_TRUE(field("edtMetres")->hasFocus());
    QTest::keyClick(field("edtMetres"), Qt::Key_Right);
    EXPECT_TRUE(field("edtCentimetres")->hasFocus());
    QTest::keyClick(field("edtCentimetres"), Qt::Key_Up);
    EXPECT_TRUE(field("edtPoids")->hasFocus());
}

class BmiFromKeypad : public KeypadFixture {};

TEST_F(BmiFromKeypad, opens_from_the_menu_in_french_and_closes_with_escape) {
    QString title;
    bool closed = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        modal->setProperty("expected", true);
        title = modal->windowTitle();
        QTest::keyClick(modal, Qt::Key_Escape);
        closed = !modal->isVisible();
    });
    keypad->findChild<QAction*>("mItemIMC")->trigger();
    EXPECT_EQ(title.toStdString(), "Indice de Masse Corporelle");
    EXPECT_TRUE(closed);
}

TEST_F(BmiFromKeypad, speaks_english_when_the_keypad_does) {
    QTemporaryDir app;
    copyLanguageFiles(app);
    keypad->setLanguageSource(app.path().toStdString(), static_cast<int>(config::InstallCode::ZMB));
    keypad->findChild<QAction*>("ENGL")->trigger();
    std::string title, button, units;
    QTimer::singleShot(0, [&] {
        auto* modal = QApplication::activeModalWidget();
        if (!modal) return;
        modal->setProperty("expected", true);
        title = modal->windowTitle().toStdString();
        button = modal->findChild<QPushButton*>("btnCalculIMC")->text().toStdString();
        units = modal->findChild<QLabel*>("lblMetre")->text().toStdString();
        modal->close();
    });
    keypad->findChild<QAction*>("mItemIMC")->trigger();
    EXPECT_EQ(title, "Body mass index");
    EXPECT_EQ(button, "Calculate the body mass index");
    EXPECT_EQ(units, "meter");
}

}  // namespace
}  // namespace zumbrel::gui
