// The tape's find bar: Ctrl+F from either window, amounts whatever their grouping, F3 and
// Shift+F3, the count and what a screen reader hears, Escape, lines still arriving.
#include "tape/find_bar.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>

#include "keypad_fixture.h"
#include "tape/document_tape.h"
#include "tape/tape_view.h"
#include "tape/tape_window.h"

namespace zumbrel::gui {
namespace {

class Find : public TranslatedKeypadFixture {
  protected:
    void type(const char* keys) {
        for (const char* k = keys; *k; ++k)
            keypad->keyAction(*k == '\n' ? '\r' : *k);
    }
    FindBar& openWith(QWidget* window, const char* typed) {
        QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
        FindBar* bar = findBarOf(keypad->tapeWindow());
        EXPECT_NE(bar, nullptr);
        bar->onAnnounced = [this](const QString& s) { heard.push_back(s); };
        bar->field()->setText(QString::fromUtf8(typed));  // as typed or pasted
        EXPECT_TRUE(eventually([&] { return !bar->matches().empty(); }));
        return *bar;
    }
    int caretLine() const { return keypad->tapeWindow().editor()->textCursor().blockNumber(); }
    QStringList heard;
};

TEST_F(Find, ctrl_f_finds_an_amount_whatever_its_grouping_and_f3_moves_between_matches) {
    keypad->calculator().registers().lblSepDec = "Q";  // 1'234,50
    type("1234,5+3\n1234,5+1\n");
    FindBar& bar = openWith(keypad.get(), "1234,5");
    EXPECT_TRUE(bar.isVisible());
    EXPECT_TRUE(bar.field()->hasFocus());
    ASSERT_EQ(bar.matches(), (std::vector<int>{0, 6}));
    EXPECT_EQ(bar.countText(), "1 sur 2");
    EXPECT_EQ(caretLine(), 0);
    QTest::keyClick(bar.field(), Qt::Key_F3);
    EXPECT_EQ(bar.countText(), "2 sur 2");
    EXPECT_EQ(caretLine(), 6);
    ASSERT_FALSE(heard.isEmpty());
    EXPECT_EQ(heard.back(), "1'234,50. 2 sur 2");  // the line, then the count
    QTest::keyClick(bar.field(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(bar.countText(), "1 sur 2");
    QTest::keyClick(bar.field(), Qt::Key_Return);  // Enter: the next one too
    EXPECT_EQ(bar.countText(), "2 sur 2");
    // The matches in sight are marked, the current one as well.
    EXPECT_EQ(keypad->tapeWindow().editor()->extraSelections().size(), 2);
    QTest::keyClick(bar.field(), Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_TRUE(keypad->tapeWindow().editor()->extraSelections().isEmpty());
}

TEST_F(Find, works_from_the_tape_and_finds_text) {
    type("2+2\n");
    FindBar& bar = openWith(&keypad->tapeWindow(), "——");
    EXPECT_EQ(bar.matches(), (std::vector<int>{2}));
    bar.field()->setText("ZZZ");
    EXPECT_TRUE(eventually([&] { return bar.countText() == "Aucun résultat"; }));
    EXPECT_TRUE(bar.matches().empty());
}

TEST_F(Find, lines_written_after_the_search_are_searched_too) {
    type("7+1\n");
    FindBar& bar = openWith(keypad.get(), "7");
    EXPECT_EQ(bar.countText(), "1 sur 1");
    type("7*2\n");
    EXPECT_TRUE(eventually([&] { return bar.matches().size() == 2; }));
    EXPECT_EQ(bar.countText(), "1 sur 2");  // the current match stays
}

// A long tape is searched a slice at a time; Enter typed at once goes to the first match.
TEST_F(Find, a_long_tape_is_searched_in_slices_and_enter_at_once_goes_to_the_first_match) {
    for (int i = 0; i < 60000; ++i)
        keypad->tapeWindow().tape().addLine(i % 500 == 499 ? "+ 1 234,50" : "2,00");
    QTest::keyClick(keypad.get(), Qt::Key_F, Qt::ControlModifier);
    FindBar* bar = findBarOf(keypad->tapeWindow());
    ASSERT_NE(bar, nullptr);
    bar->field()->setText("1234,5");
    QTest::keyClick(bar->field(), Qt::Key_Return);  // before the typing pause is over
    ASSERT_EQ(bar->matches().size(), 120u);
    EXPECT_EQ(bar->current(), 0);
    EXPECT_EQ(bar->countText(), "1 sur 120");
    // Another text: searched in slices, the window answering in between.
    bar->field()->setText("2");
    bool sliced = false;
    EXPECT_TRUE(eventually([&] {
        sliced = sliced || bar->findChild<QLabel*>("lblFindCount")->text() == "…";
        return bar->matches().size() == 59880u;
    }));
    EXPECT_TRUE(sliced);
}

TEST_F(Find, speaks_the_interface_language) {
    keypad->chooseLanguage(3, false);  // English
    type("5+5\n");
    FindBar& bar = openWith(keypad.get(), "5");
    EXPECT_EQ(bar.countText(), "1 of 2");
    EXPECT_EQ(bar.field()->accessibleName(), "Text or amount to find");
    EXPECT_EQ(bar.findChild<QPushButton*>("btnFindNext")->text(), "Next");
    EXPECT_EQ(keypad->findChild<QAction*>("mItemFind")->text(), "Find…");
}

}  // namespace
}  // namespace zumbrel::gui
