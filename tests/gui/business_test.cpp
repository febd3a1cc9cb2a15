// The business buttons in the real keypad window: the blocks on the tape in their colours,
// the VAT rate list, the Quebec panel, the currency panel, the self-employed profiles.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "core/calc/calculator.h"
#include "core/config/settings.h"
#include "gui/business/business_panel.h"
#include "gui/business/rate_panel.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/number_list_popup.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Business : public TranslatedKeypadFixture {
  protected:
    void SetUp() override {
        TranslatedKeypadFixture::SetUp();
        business().pnlTauxTVA = "20";
        keypad->business().refresh();
    }
    business::BusinessRegisters& business() { return keypad->calculator().business(); }
    void type(const char* keys) { QTest::keyClicks(keypad.get(), keys); }
    void press(const char* button) {
        QTest::mouseClick(keypad->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    RatePanel* panel(const char* name) { return keypad->findChild<RatePanel*>(name); }
    QTextDocument& document() { return *keypad->tapeWindow().tape().document(); }
    // The tape's lines with text, in order.
    QStringList tapeLines() {
        QStringList out;
        for (QTextBlock b = document().begin(); b.isValid(); b = b.next()) {
            if (!b.text().isEmpty()) out << b.text();
        }
        return out;
    }
    // The character format in the middle of the first tape line that holds `text`.
    QTextCharFormat formatOf(const QString& text) {
        for (QTextBlock b = document().begin(); b.isValid(); b = b.next()) {
            if (!b.text().contains(text)) continue;
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                if (it.fragment().text().contains(text)) return it.fragment().charFormat();
            }
        }
        ADD_FAILURE() << "no tape line holds " << text.toStdString();
        return {};
    }
    QStringList rowsOf(NumberListPopup* list) {
        QStringList out;
        for (int r = 0; r < list->view()->model()->rowCount(); ++r)
            out << list->view()->model()->index(r, 0).data().toString();
        return out;
    }
};

TEST_F(Business, vat_forward_writes_its_block_in_colour_and_leaves_the_total_selected) {
    type("100");
    press("btnTVAPlus");
    EXPECT_EQ(tapeLines(),
              (QStringList{"HT : 100,00", "TVA 20 % :  20,00", "——————————", "TTC : 120,00"}));
    const QTextCharFormat first = formatOf("HT : 100,00");
    EXPECT_EQ(first.foreground().color(), QColor(68, 135, 23));
    EXPECT_EQ(first.fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf("TVA 20").foreground().color(), QColor(202, 44, 44));
    EXPECT_EQ(formatOf("TTC").foreground().color(), QColor(122, 56, 231));
    EXPECT_EQ(keypad->calculator().entry().text(), "120,00");
    EXPECT_TRUE(keypad->calculator().registers().entrySelected);
    // The tape's line counter follows the block.
    EXPECT_TRUE(keypad->tapeWindow().lineCounter()->text().contains("6"))
        << keypad->tapeWindow().lineCounter()->text().toStdString();
}

TEST_F(Business, a_click_on_the_rate_opens_the_six_rates_and_a_choice_becomes_the_rate) {
    QTest::mouseClick(panel("pnlTauxTVA"), Qt::LeftButton);
    // The list is made when first opened, after the click is known to be no double click.
    NumberListPopup* list = nullptr;
    ASSERT_TRUE(eventually([&] {
        list = keypad->findChild<NumberListPopup*>("cbbListTVA");
        return list && list->isVisible();
    }));
    EXPECT_EQ(rowsOf(list), (QStringList{"2,1 %", "5,5 %", "19,6 %", "4 %", "5 %", "6 %"}));
    // The focus comes back to the panel under its new name, which a reader says then.
    QString nameWhenFocused;
    list->onClosed = [this, &nameWhenFocused] {
        nameWhenFocused = panel("pnlTauxTVA")->accessibleName();
    };
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(nameWhenFocused, "Taux de TVA : 5,5 %");
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(business().pnlTauxTVA, "5,5");
    EXPECT_EQ(panel("pnlTauxTVA")->text(), "5,5 %");
    EXPECT_EQ(keypad->findChild<QWidget*>("btnTVAPlus")->property("zumbrelHint").toString(),
              "Calcul TVA (5,5 %) sur un HT");
    EXPECT_EQ(panel("pnlTauxTVA")->accessibleName(), "Taux de TVA : 5,5 %");
}

TEST_F(Business, the_keyboard_opens_the_rate_list) {
    panel("pnlTauxTVA")->setFocus();
    QTest::keyClick(panel("pnlTauxTVA"), Qt::Key_Space);
    EXPECT_TRUE(keypad->findChild<NumberListPopup*>("cbbListTVA")->isVisible());
}

TEST_F(Business, a_double_click_asks_for_the_preferences_and_opens_no_list) {
    int page = 0;
    keypad->business().onPreferences = [&](int p) { page = p; };
    QTest::mouseClick(panel("pnlTauxTVA"), Qt::LeftButton);
    QTest::mouseDClick(panel("pnlTauxTVA"), Qt::LeftButton);
    EXPECT_EQ(page, 5);
    QTest::qWait(300);
    const auto* list = keypad->findChild<NumberListPopup*>("cbbListTVA");
    EXPECT_TRUE(list == nullptr || !list->isVisible());  // made when first opened, or hidden
}

// Every rate panel's hint asks for a double click: each one opens its own preferences tab.
TEST_F(Business, a_double_click_on_every_rate_panel_opens_its_tab) {
    keypad->findChild<QAction*>("QUEB")->trigger();
    const std::pair<const char*, int> panels[] = {
        {"pnlTauxTPSTVP", 5}, {"pnlEuro", 8}, {"pnlAE", 6}};
    for (const auto& [name, tab] : panels) {
        int page = 0;
        keypad->business().onPreferences = [&page](int p) { page = p; };
        QTest::mouseClick(panel(name), Qt::LeftButton);
        QTest::mouseDClick(panel(name), Qt::LeftButton);
        QTest::qWait(250);
        EXPECT_EQ(page, tab) << name;
    }
}

TEST_F(Business, quebec_french_shows_the_two_taxes_and_computes_them) {
    keypad->findChild<QAction*>("QUEB")->trigger();
    EXPECT_FALSE(panel("pnlTauxTVA")->isVisible());
    EXPECT_TRUE(panel("pnlTauxTPSTVP")->isVisible());
    EXPECT_EQ(keypad->findChild<QPushButton*>("btnTVAPlus")->text(), "+ Taxes");
    EXPECT_EQ(keypad->findChild<QPushButton*>("BtnChargesAE")->text(), "AE Taxes");
    business().lblQuebTVP = "TVQ";
    type("10,10");
    press("btnTVAPlus");
    EXPECT_EQ(tapeLines(), (QStringList{"Hors-taxes : 10,10", "TPS 5 % :  0,51",
                                        "TVQ 9,975 % :  1,01", "——————————", "Total : 11,62"}));
    keypad->findChild<QAction*>("FRAN")->trigger();
    EXPECT_TRUE(panel("pnlTauxTVA")->isVisible());
    EXPECT_EQ(keypad->findChild<QPushButton*>("btnTVAPlus")->text(), "+ TVA");
}

TEST_F(Business, english_captions_and_hints) {
    keypad->findChild<QAction*>("ENGL")->trigger();
    EXPECT_EQ(keypad->findChild<QPushButton*>("btnTVAMoins")->text(), "- VAT");
    EXPECT_EQ(keypad->findChild<QWidget*>("btnTVAPlus")->property("zumbrelHint").toString(),
              "VAT on (20 %)");
    EXPECT_EQ(keypad->findChild<QWidget*>("btnNbrGold")->accessibleName(), "Golden number");
}

// In every language each business caption is drawn in the largest size from 14 pixels down
// to 10 that fits its button, or in 9 when none does.
TEST_F(Business, captions_take_the_largest_size_that_fits_in_every_language) {
    for (int lang = 1; lang <= 8; ++lang) {
        keypad->chooseLanguage(lang, false);
        for (const char* name : {"btnTVAPlus", "btnTVAMoins", "BtnCAResteAE", "BtnChargesAE",
                                 "btnEuroToFranc", "btnFrancToEuro"}) {
            auto* b = keypad->findChild<QPushButton*>(name);
            const auto width = [&](int size) {
                QFont f = b->font();
                f.setPixelSize(size);
                return QFontMetrics(f).horizontalAdvance(b->text());
            };
            const int size = b->font().pixelSize();
            const int room = b->width() - 10;
            ASSERT_GE(size, 9);
            ASSERT_LE(size, 14);
            if (size > 9) {
                EXPECT_LE(width(size), room) << "language " << lang << ", " << name;
            }
            if (size < 14) {
                EXPECT_GT(width(size + 1), room)
                    << "language " << lang << ", " << name << " could be " << size + 1;
            }
        }
    }
}

TEST_F(Business, the_currency_panel_shows_the_rate_the_conversion_uses) {
    EXPECT_EQ(panel("pnlEuro")->text(), "6,55957");
    type("100");
    press("btnEuroToFranc");
    EXPECT_EQ(tapeLines(),
              (QStringList{"Somme en euros : 100,00", "——————————", "Somme en francs : 655,96"}));
    EXPECT_EQ(formatOf("euros").foreground().color(), QColor(159, 8, 182));
    EXPECT_EQ(formatOf("francs").foreground().color(), QColor(249, 6, 52));
    EXPECT_EQ(keypad->findChild<QWidget*>("btnEuroToFranc")->property("zumbrelHint").toString(),
              "Calcul convertir euros > francs");
}

TEST_F(Business, a_profile_chosen_from_the_list_is_the_one_in_use) {
    QTest::mouseClick(panel("pnlAE"), Qt::LeftButton);
    // The list is made when first opened, after the click is known to be no double click.
    NumberListPopup* list = nullptr;
    ASSERT_TRUE(eventually([&] {
        list = keypad->findChild<NumberListPopup*>("cbbListProfilAE");
        return list && list->isVisible();
    }));
    EXPECT_EQ(rowsOf(list).first(), "Profil AE  A  (13 %  80000)");
    EXPECT_EQ(list->view()->currentIndex().row(), 2);  // it opens on the profile in use, C
    // A reader hears which one is in use, as in the VAT list.
    const QAbstractItemModel* rows = list->view()->model();
    EXPECT_TRUE(rows->index(2, 0).data(Qt::AccessibleTextRole).toString().endsWith("(en cours)"))
        << rows->index(2, 0).data(Qt::AccessibleTextRole).toString().toStdString();
    EXPECT_FALSE(rows->index(0, 0).data(Qt::AccessibleTextRole).isValid());
    QTest::keyClick(list->view(), Qt::Key_Home);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(panel("pnlAE")->text(), "13 %  80000");
    EXPECT_EQ(business().lblProfilAE, "1");
    type("90000");
    // The warning of an exceeded ceiling is expected.
    QString warning;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->setProperty("expected", true);
            warning = box->text();
            box->close();
        }
    });
    press("BtnCAResteAE");
    EXPECT_EQ(warning, "Attention CA dépassé !");
    EXPECT_TRUE(tapeLines().contains("ATTENTION ! CA DÉPASSÉ DE : -10 000,00"));
}

TEST_F(Business, the_golden_number_is_highlighted_on_its_line_only) {
    type("100");
    press("btnNbrGold");
    const QTextCharFormat result = formatOf("Nombre d'Or : 161,80");
    EXPECT_EQ(result.background().color(), QColor(255, 255, 0));
    EXPECT_EQ(formatOf("100,00").background().style(), Qt::NoBrush);
    EXPECT_EQ(keypad->calculator().entry().text(), "161,80");
}

TEST_F(Business, rates_travel_through_the_settings) {
    config::Settings s = config::Settings::firstRun(',');
    s.tva = "8,5";
    s.money = "2";
    s.rateMoney = "1,95583";
    s.rateAE = "12,3";
    s.caMaxAE = "77700";
    keypad->applySettings(s);
    EXPECT_EQ(panel("pnlTauxTVA")->text(), "8,5 %");
    EXPECT_EQ(panel("pnlEuro")->text(), "1,95583");
    EXPECT_EQ(panel("pnlAE")->text(), "12,3 %  77700");
    config::Settings out;
    keypad->collectSettings(out);
    EXPECT_EQ(out.money, "1,95583");
    EXPECT_EQ(out.rateMoney, "1,95583");
    EXPECT_EQ(out.tva, "8,5");
}

}  // namespace
}  // namespace zumbrel::gui
