// A long file read in: the lines in sight go into the document at once, the others by slices
// between events; meanwhile the tape answers for every line. The tape's view keeps each line's
// alignment and its place while lines go in above.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "core/local_file_system.h"
#include "core/tape/tape_file.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

using tape::Align;
using tape::RichText;
using tape::TextStyle;

constexpr std::size_t kLong = 3 * DocumentTape::kLinesAtOnce + 123;

TextStyle styleOf(std::size_t i) {
    TextStyle s;
    s.color = i % 100 == 0 ? colors::kRed : colors::kNavy;
    s.bold = i % 100 == 0;
    return s;
}

// Lines "line 0", "line 1", …: every hundredth a centred red title, the others right-aligned;
// the file ends with a line break.
RichText longText(std::size_t lines) {
    RichText t;
    for (std::size_t i = 0; i < lines; ++i) {
        if (i > 0) t.newParagraph();
        t.setAlign(i % 100 == 0 ? Align::Center : Align::Right);
        t.append("line " + std::to_string(i), styleOf(i));
    }
    t.newParagraph(Align::Right);
    return t;
}

bool allIn(const DocumentTape& tape) {
    return eventually([&] { return tape.linesWaiting() == 0; }, 10000);
}

TEST(LongTape, answers_for_every_line_before_they_are_all_in) {
    DocumentTape tape;
    const RichText text = longText(kLong);
    tape.load(text);
    tape.setModified(false);
    ASSERT_GT(tape.linesWaiting(), 0u);  // read from its end
    EXPECT_EQ(tape.lineCount(), kLong);
    EXPECT_FALSE(tape.isEmpty());
    for (std::size_t i : {std::size_t{0}, std::size_t{1}, std::size_t{100}, kLong / 2, kLong - 1})
        EXPECT_EQ(tape.line(i), "line " + std::to_string(i)) << i;
    const std::vector<tape::RichRun> title = tape.lineRuns(200);
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].style, styleOf(200));
    EXPECT_EQ(tape.richText(), text);
}

TEST(LongTape, whoever_follows_the_document_counts_every_line) {
    DocumentTape tape;
    std::size_t counted = 0;
    QObject::connect(tape.document(), &QTextDocument::contentsChanged,
                     [&] { counted = tape.lineCount(); });
    tape.load(longText(kLong));
    EXPECT_EQ(counted, kLong);
}

TEST(LongTape, goes_in_whole_in_order_with_its_formats_and_unmodified) {
    DocumentTape tape;
    const RichText text = longText(kLong);
    tape.load(text);
    tape.setModified(false);
    ASSERT_TRUE(allIn(tape));
    QTextDocument* doc = tape.document();
    ASSERT_EQ(doc->blockCount(), static_cast<int>(kLong) + 1);
    for (int i : {0, 1, 99, 100, 4000, static_cast<int>(kLong) - 1}) {
        const QTextBlock b = doc->findBlockByNumber(i);
        EXPECT_EQ(b.text().toStdString(), "line " + std::to_string(i));
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                  i % 100 == 0 ? Qt::AlignHCenter : Qt::AlignRight)
            << i;
        EXPECT_EQ(DocumentTape::fromFormat(b.begin().fragment().charFormat()), styleOf(i)) << i;
    }
    EXPECT_EQ(tape.richText(), text);
    EXPECT_FALSE(tape.isModified());
}

TEST(LongTape, keys_typed_meanwhile_go_below_the_file) {
    DocumentTape tape;
    tape.load(longText(kLong));
    tape.addLine("+ 5,00");
    EXPECT_EQ(tape.line(kLong), "+ 5,00");
    ASSERT_TRUE(allIn(tape));
    EXPECT_EQ(tape.line(kLong - 1), "line " + std::to_string(kLong - 1));
    EXPECT_EQ(tape.line(kLong), "+ 5,00");
    EXPECT_EQ(tape.lineCount(), kLong + 1);
}

TEST(LongTape, whole_tape_commands_take_every_line) {
    struct Case {
        const char* what;
        void (*command)(DocumentTape&);
        std::size_t lines;  // after the command
        std::string first, second, last;
    };
    const std::string last = "line " + std::to_string(kLong - 1);
    const Case cases[] = {
        {"a waiting line erased", [](DocumentTape& t) { t.deleteLine(1); }, kLong - 1, "line 0",
         "line 2", last},
        {"the first line erased", [](DocumentTape& t) { t.deleteLine(0); }, kLong - 1, "line 1",
         "line 2", last},
        {"a shown line erased", [](DocumentTape& t) { t.deleteLine(kLong - 1); }, kLong - 1,
         "line 0", "line 1", "line " + std::to_string(kLong - 2)},
        {"edit mode", [](DocumentTape& t) { t.setEditMode(true); }, kLong, "line 0", "line 1",
         last},
        {"the document asked for", [](DocumentTape& t) { t.document(); }, kLong, "line 0", "line 1",
         last},
    };
    for (const Case& c : cases) {
        DocumentTape tape;
        tape.load(longText(kLong));
        c.command(tape);
        EXPECT_EQ(tape.lineCount(), c.lines) << c.what;
        EXPECT_EQ(tape.line(0), c.first) << c.what;
        EXPECT_EQ(tape.line(1), c.second) << c.what;
        EXPECT_EQ(tape.line(c.lines - 1), c.last) << c.what;
        EXPECT_EQ(tape.document()->firstBlock().text().toStdString(), c.first) << c.what;
    }
}

TEST(LongTape, a_new_tape_drops_the_waiting_lines) {
    DocumentTape tape;
    tape.load(longText(kLong));
    tape.clear();
    tape.addLine("1,00");
    QTest::qWait(50);
    EXPECT_EQ(tape.lineCount(), 1u);
    EXPECT_EQ(tape.document()->blockCount(), 2);
}

class LongTapeWindow : public KeypadFixture {
  protected:
    TapeWindow& window() { return keypad->tapeWindow(); }
    TapeView* view() { return window().editor(); }

    // Opens a file of `lines` lines as the file command does.
    void open(std::size_t lines) {
        const std::string path = folder.filePath("long.rtf").toStdString();
        DocumentTape source;
        source.load(longText(lines));
        std::string error;
        LocalFileSystem files;
        ASSERT_TRUE(tape::saveTapeFile(source, files, path, error)) << error;
        ASSERT_TRUE(tape::openTapeFile(window().tape(), files, path).ok);
        window().tape().setModified(false);
    }
    // The line at the top of the view.
    QString topLine() { return view()->cursorForPosition(QPoint(5, 5)).block().text(); }
    // How many lines of the document come after the one at the bottom of the view.
    int linesBelowTheView() {
        const QTextBlock bottom =
            view()->cursorForPosition(QPoint(5, view()->viewport()->height() - 3)).block();
        return view()->document()->blockCount() - 1 - bottom.blockNumber();
    }

    QTemporaryDir folder;
};

TEST_F(LongTapeWindow, the_view_stays_on_its_lines_while_the_file_goes_in) {
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    open(kLong);
    QScrollBar* bar = view()->verticalScrollBar();
    // Opened, the view shows the file's last line, and stays there while the lines above
    // arrive.
    ASSERT_EQ(bar->value(), bar->maximum());
    EXPECT_LE(linesBelowTheView(), 1);
    const QString bottom = topLine();
    window().lineCounter()->hide();
    ASSERT_TRUE(allIn(window().tape()));
    EXPECT_EQ(bar->value(), bar->maximum());  // still at the end
    EXPECT_LE(linesBelowTheView(), 1);
    EXPECT_EQ(topLine(), bottom);
    EXPECT_FALSE(window().tape().isModified());
    EXPECT_FALSE(window().lineCounter()->isVisible());  // lines going in are not typed ones

    // Scrolled up while lines go in: the same line stays on top.
    open(kLong);
    bar->setValue(bar->value() - 500);
    const QString middle = topLine();
    ASSERT_TRUE(allIn(window().tape()));
    EXPECT_EQ(topLine(), middle);
}

TEST_F(LongTapeWindow, select_all_copies_every_line) {
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    open(kLong);
    // The tape's window is the active one, as when the user types in it: the keypad's window
    // has a Ctrl+C of its own (the number shown).
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QApplication::clipboard()->text().split(QChar('\n'));
    ASSERT_GE(copied.size(), static_cast<qsizetype>(kLong));
    EXPECT_EQ(copied.front(), "line 0");
    EXPECT_EQ(window().tape().linesWaiting(), 0u);
}

// Where the view draws a line: the x of its first and last characters.
std::pair<int, int> drawnSpan(TapeView* view, int block) {
    QTextCursor c(view->document()->findBlockByNumber(block));
    const int left = view->cursorRect(c).left();
    c.movePosition(QTextCursor::EndOfBlock);
    return {left, view->cursorRect(c).left()};
}

TEST_F(LongTapeWindow, each_line_keeps_its_alignment_in_the_view) {
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    DocumentTape& tape = window().tape();
    RichText text;
    text.setAlign(Align::Center);
    text.append("Relevé", TextStyle{});
    text.newParagraph(Align::Right);
    text.append("12,50", TextStyle{});
    text.newParagraph(Align::Left);
    text.append("note", TextStyle{});
    text.newParagraph(Align::Right);
    tape.load(text);
    view()->verticalScrollBar()->setValue(0);
    view()->viewport()->repaint();
    const int width = view()->viewport()->width();
    const auto [titleLeft, titleRight] = drawnSpan(view(), 0);
    EXPECT_NEAR(titleLeft + titleRight, width, 12);      // centred
    EXPECT_GE(drawnSpan(view(), 1).second, width - 12);  // right
    EXPECT_LE(drawnSpan(view(), 2).first, 12);           // left
}

// A line wider than the view (a long label in a narrowed window): the amounts of every line
// stay in one column, in sight on the right; the view scrolls sideways to the long line's
// beginning. Before, the long line began on the left and lost its amount past the edge.
TEST_F(LongTapeWindow, a_line_wider_than_the_view_keeps_the_amounts_in_one_column) {
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    RichText text;
    text.setAlign(Align::Right);
    text.append("12,50", TextStyle{});
    text.newParagraph(Align::Right);
    text.append(std::string(200, 'x') + " 8,00", TextStyle{});
    text.newParagraph(Align::Right);
    text.append("+ 3,00", TextStyle{});
    text.newParagraph(Align::Right);
    window().tape().load(text);
    view()->verticalScrollBar()->setValue(0);
    QScrollBar* sideways = view()->horizontalScrollBar();
    ASSERT_TRUE(eventually([&] { return sideways->maximum() > 0; }));
    view()->viewport()->repaint();
    const int width = view()->viewport()->width();
    EXPECT_EQ(sideways->value(), sideways->maximum());
    const int right = drawnSpan(view(), 0).second;
    EXPECT_LE(right, width);
    EXPECT_GE(right, width - 12);
    EXPECT_NEAR(drawnSpan(view(), 1).second, right, 1);
    EXPECT_NEAR(drawnSpan(view(), 2).second, right, 1);
    sideways->setValue(0);
    view()->viewport()->repaint();
    EXPECT_LE(drawnSpan(view(), 1).first, 12);  // its beginning, scrolled to
    // What the keys write next shows with its amount.
    for (const char c : std::string("5+5\r"))
        keypad->keyAction(c);
    EXPECT_EQ(sideways->value(), sideways->maximum());
}

TEST_F(LongTapeWindow, formatted_text_pasted_in_edit_mode_keeps_its_colour) {
    window().show();
    window().tape().setEditMode(true);
    auto* data = new QMimeData;
    data->setHtml("<span style=\"color:#ff0000\">rouge</span>");
    data->setText("rouge");
    QApplication::clipboard()->setMimeData(data);
    view()->paste();
    QTextCursor c = view()->textCursor();
    c.movePosition(QTextCursor::Left);
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(Qt::red));
    EXPECT_TRUE(window().tape().richText().text(0).find("rouge") != std::string::npos);
}

}  // namespace
}  // namespace zumbrel::gui
