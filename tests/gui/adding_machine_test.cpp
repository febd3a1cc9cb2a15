// The adding machine's commands in the windows: memory arithmetic from the edit menu, its
// shortcuts and each memory's own menu; the grand total.

#include <QFontMetrics>
#include <QLabel>

#include "core/calc/key_script.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class AddingMachine : public KeypadFixture {
  protected:
    void type(const char* keys) {
        for (const calc::KeyAction& k : calc::parseKeys(keys))
            keypad->keyAction(k);
    }
    void trigger(const char* item) {
        QAction* a = keypad->findChild<QAction*>(item);
        ASSERT_NE(a, nullptr) << item;
        ASSERT_TRUE(a->isEnabled()) << item;
        a->trigger();
    }
    std::string lastLine() const {
        const DocumentTape& tape = keypad->tapeWindow().tape();
        for (std::size_t i = tape.lineCount(); i-- > 0;) {
            if (!tape.line(i).empty()) return tape.line(i);
        }
        return {};
    }
    const std::string& memory(int i) const {
        return keypad->calculator().kept().values().lblMemory[static_cast<std::size_t>(i)];
    }
};

TEST_F(AddingMachine, the_edit_menu_adds_subtracts_recalls_and_clears_memory_one) {
    type("12,5");
    trigger("mItemMemoryPlus");
    EXPECT_EQ(memory(0), "12,5");
    EXPECT_EQ(lastLine(), "12,50 M+");
    type("2,5");
    trigger("mItemMemoryMinus");
    EXPECT_EQ(memory(0), "10");
    EXPECT_EQ(lastLine(), "2,50 M−");
    // The memory's label shows the value, as after a drop.
    EXPECT_TRUE(keypad->keptNumbers().memory(0)->accessibleName().contains("10"))
        << keypad->keptNumbers().memory(0)->accessibleName().toStdString();
    type("x");
    trigger("mItemMemoryRecall");
    EXPECT_EQ(keypad->calculator().registers().edtSaisie, "10");
    trigger("mItemMemoryClear");
    EXPECT_EQ(memory(0), "");
}

TEST_F(AddingMachine, the_shortcuts_reach_memory_one_and_the_grand_total) {
    type("7");
    QTest::keyClick(keypad.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(memory(0), "7");
    QTest::keyClick(keypad.get(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(memory(0), "0");
    type("3+4=");
    QTest::keyClick(keypad.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(lastLine(), "G.T. 7,00");
    QTest::keyClick(keypad.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(keypad->calculator().registers().grandTotal, "");
}

TEST_F(AddingMachine, memories_two_and_three_add_and_subtract_from_their_own_menus) {
    type("8");
    keypad->keptNumbers().memory(1)->findChild<QAction*>("mItemAddToMemory")->trigger();
    type("5");
    keypad->keptNumbers().memory(2)->findChild<QAction*>("mItemSubtractFromMemory")->trigger();
    EXPECT_EQ(memory(0), "");
    EXPECT_EQ(memory(1), "8");
    EXPECT_EQ(memory(2), "-5");
}

TEST_F(AddingMachine, the_grand_total_adds_every_result_and_twice_clears_it) {
    type("12+3=10+5=");
    trigger("mItemGrandTotal");
    EXPECT_EQ(lastLine(), "G.T. 30,00");
    EXPECT_EQ(keypad->calculator().registers().edtSaisie, "30,00");
    trigger("mItemGrandTotal");
    EXPECT_EQ(keypad->calculator().registers().grandTotal, "");
}

TEST_F(AddingMachine, a_memory_holding_a_value_shows_m_on_the_display_named_with_its_value) {
    auto* flag = keypad->findChild<QLabel*>("lblMemoryFlag");
    ASSERT_NE(flag, nullptr);
    EXPECT_FALSE(flag->isVisible());
    type("1234,5");
    trigger("mItemMemoryPlus");
    EXPECT_TRUE(flag->isVisible());
    EXPECT_EQ(flag->accessibleName(), QStringLiteral("M : Mémoire 1 : 1 234,5"));
    trigger("mItemMemoryClear");
    EXPECT_FALSE(flag->isVisible());
}

TEST_F(AddingMachine, the_command_panel_shows_the_grand_total_while_it_is_not_zero) {
    auto* total = keypad->findChild<QLabel*>("lblGrandTotal");
    ASSERT_NE(total, nullptr);
    EXPECT_FALSE(total->isVisible());
    type("1000+234=");
    EXPECT_TRUE(total->isVisible());
    EXPECT_EQ(total->accessibleName(), QStringLiteral("G.T. : 1 234,00"));
    trigger("mItemGrandTotalClear");
    EXPECT_FALSE(total->isVisible());
}

// A grand total too long for the panel is drawn smaller, or ends in "…"; never cut off so that
// it looks like another number. The hint and the reader's name hold it whole.
TEST_F(AddingMachine, a_long_grand_total_shows_whole_or_marked_as_cut) {
    auto* total = keypad->findChild<QLabel*>("lblGrandTotal");
    type("123456789012345+1=");
    ASSERT_TRUE(total->isVisible());
    EXPECT_LE(QFontMetrics(total->font()).horizontalAdvance(total->text()), total->width());
    const bool whole = total->text().endsWith("346,00");
    EXPECT_TRUE(whole || total->text().endsWith(QChar(0x2026))) << total->text().toStdString();
    if (!whole) EXPECT_TRUE(total->toolTip().endsWith("346,00"));
    EXPECT_TRUE(total->accessibleName().endsWith("346,00"));
}

TEST_F(AddingMachine, the_margin_keys_show_what_waits_and_write_the_block) {
    auto* cost = keypad->findChild<QPushButton*>("btnCost");
    auto* sale = keypad->findChild<QPushButton*>("btnSale");
    ASSERT_NE(cost, nullptr);
    ASSERT_NE(sale, nullptr);
    type("80");
    cost->click();
    EXPECT_EQ(cost->accessibleName(), QStringLiteral("Coût 80"));
    type("100");
    sale->click();
    EXPECT_EQ(lastLine(), "Taux de marque (%) : 20,00");
    EXPECT_EQ(cost->accessibleName(), QStringLiteral("Coût"));
    EXPECT_EQ(keypad->calculator().registers().edtSaisie, "20,00");
}

TEST_F(AddingMachine, the_margin_keys_menu_gives_the_taux_de_marque) {
    type("80");
    keypad->findChild<QPushButton*>("btnCost")->click();
    type("20");
    QAction* markon =
        keypad->findChild<QPushButton*>("btnMarginRate")->findChild<QAction*>("mItemMarkonRate");
    ASSERT_NE(markon, nullptr);
    markon->trigger();
    EXPECT_EQ(keypad->calculator().registers().edtSaisie, "100,00");
}

TEST_F(AddingMachine, a_long_press_on_the_margin_key_gives_the_taux_de_marque) {
    type("100");
    keypad->findChild<QPushButton*>("btnSale")->click();
    type("20");
    auto* rate = keypad->findChild<QPushButton*>("btnMarginRate");
    QTest::mousePress(rate, Qt::LeftButton);
    QTest::qWait(700);
    QTest::mouseRelease(rate, Qt::LeftButton);
    EXPECT_EQ(keypad->calculator().registers().edtSaisie, "80,00");
    EXPECT_EQ(lastLine(), "Taux de marque (%) : 20,00");
}

TEST_F(AddingMachine, the_key_row_presses_the_edit_menu_items_and_is_named_after_them) {
    auto* plus = keypad->findChild<QPushButton*>("btnMemoryPlus");
    auto* total = keypad->findChild<QPushButton*>("btnGrandTotal");
    ASSERT_NE(plus, nullptr);
    ASSERT_NE(total, nullptr);
    EXPECT_EQ(plus->accessibleName(), QStringLiteral("Mémoire plus (M+)"));
    type("40");
    plus->click();
    EXPECT_EQ(memory(0), "40");
    type("1+2=");
    total->click();
    EXPECT_EQ(lastLine(), "G.T. 3,00");
}

class MarginKeysInEveryLanguage : public TranslatedKeypadFixture {};

// Each language's captions of the margin keys, and a long amount waiting under them, are
// drawn whole inside their key, in the largest size that fits.
TEST_F(MarginKeysInEveryLanguage, the_captions_and_a_waiting_amount_fit_their_keys) {
    for (int lang = 1; lang <= 8; ++lang) {
        keypad->chooseLanguage(lang, false);
        for (const char* keys : {"", "1234567,89[COST]", "x12345,67[MARGIN]x"}) {
            for (const calc::KeyAction& k : calc::parseKeys(keys))
                keypad->keyAction(k);
            for (const char* name : {"btnCost", "btnSale", "btnMarginRate"}) {
                auto* key = keypad->findChild<QPushButton*>(name);
                const QFontMetrics m(key->font());
                const QStringList lines = key->text().split('\n');
                for (const QString& line : lines)
                    EXPECT_LE(m.horizontalAdvance(line), key->width() - 6)
                        << "language " << lang << ", " << name << ": " << line.toStdString();
                EXPECT_LE(m.lineSpacing() * lines.size(), key->height() - 2)
                    << "language " << lang << ", " << name;
                // and in the largest size that does
                QFont larger = key->font();
                larger.setPixelSize(larger.pixelSize() + 1);
                const QFontMetrics l(larger);
                bool fitsLarger =
                    larger.pixelSize() <= 13 && l.lineSpacing() * lines.size() <= key->height() - 2;
                for (const QString& line : lines)
                    fitsLarger = fitsLarger && l.horizontalAdvance(line) <= key->width() - 6;
                EXPECT_FALSE(fitsLarger) << "language " << lang << ", " << name << " could be "
                                         << larger.pixelSize() << " pixels";
            }
        }
    }
}

}  // namespace
}  // namespace zumbrel::gui
