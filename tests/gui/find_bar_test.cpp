// The tape's find bar: Ctrl+F from either window, amounts whatever their grouping, F3 and
// Shift+F3, the count and what a screen reader hears, Escape, lines still arriving.
#include "gui/tape/find_bar.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

#include "gui/keypad/status_line.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

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
    // The line, as a reader hears amounts (thousands apart by a space), then the count.
    EXPECT_EQ(heard.back(), "1 234,50. 2 sur 2");
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

// Enter in the bar goes to the next match and nothing else: a calculation under way on the
// keypad is not finished by it. Escape gives the focus back where Ctrl+F was pressed.
TEST_F(Find, enter_stays_in_the_bar_and_escape_goes_back_where_the_user_was) {
    type("12+112\n7+5");
    const int lines = keypad->tapeWindow().editor()->document()->blockCount();
    QWidget* before = QApplication::focusWidget();
    ASSERT_NE(before, nullptr);
    FindBar& bar = openWith(keypad.get(), "12");
    QTest::keyClick(bar.field(), Qt::Key_Return);
    QTest::keyClick(bar.findChild<QPushButton*>("btnFindNext"), Qt::Key_Return);
    EXPECT_EQ(keypad->tapeWindow().editor()->document()->blockCount(), lines);
    EXPECT_EQ(keypad->calculator().registers().edtSaisie, "5");  // still typing "7 + 5"
    QTest::keyClick(bar.field(), Qt::Key_Escape);
    EXPECT_TRUE(eventually([&] { return QApplication::focusWidget() == before; }));
    // Back in the tape's window later, the focus is on the tape's text, where F2 and the
    // arrows act: the bar, hidden, had left it to the ruler.
    keypad->tapeWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&keypad->tapeWindow()));
    EXPECT_TRUE(
        eventually([&] { return QApplication::focusWidget() == keypad->tapeWindow().editor(); }));
}

// The voice made faster from the tape window is told there: the focus stays in the find
// field (where the rate is said as text a reader reads out), the status line shows it.
TEST_F(Find, the_voice_rate_changed_from_the_bar_leaves_the_focus_there) {
    type("1+1\n");
    FindBar& bar = openWith(keypad.get(), "1");
    ASSERT_TRUE(eventually([&] { return keypad->tapeWindow().isActiveWindow(); }));
    keypad->findChild<QAction*>("mItemVoiceFaster")->trigger();
    EXPECT_TRUE(bar.field()->hasFocus());
    EXPECT_EQ(keypad->statusLine().label()->text(),
              QString("Vitesse de la voix : 1") +
                  keypad->calculator().registers().decimalSeparator + "25");
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

// New tapes while the bar is open: the bar follows the tape it searches, and nothing of the
// old tape's lines is kept.
TEST_F(Find, new_tapes_while_the_bar_is_open_are_searched_as_they_fill) {
    for (int i = 0; i < 12; ++i)
        type("1+1\n");  // matches down to line 67
    FindBar& bar = openWith(keypad.get(), "1");
    bar.previous();  // the last match, far down
    // A new tape: the matches found are forgotten before anything paints them.
    answerNext({}, QMessageBox::No);
    keypad->findChild<QAction*>("mItemNouveau")->trigger();
    keypad->tapeWindow().editor()->verticalScrollBar()->setValue(0);
    for (const auto& mark : keypad->tapeWindow().editor()->extraSelections())
        EXPECT_TRUE(mark.cursor.block().isValid());
    EXPECT_TRUE(bar.matches().empty());
    for (int round = 0; round < 8; ++round) {
        answerNext({}, QMessageBox::No);
        keypad->findChild<QAction*>("mItemNouveau")->trigger();
        QTest::qWait(20);
        type("1+1\n");
        keypad->tapeWindow().editor()->verticalScrollBar()->setValue(round % 2);
        QTest::qWait(round % 3 == 0 ? 200 : 10);
    }
    EXPECT_TRUE(eventually([&] {
        return bar.matches() == std::vector<int>{0, 1};
    })) << keypad->tapeWindow().editor()->toPlainText().toStdString()
        << " " << bar.matches().size();
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
