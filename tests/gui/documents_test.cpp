// The file commands in the real windows: the file menu and the toolbar, the dialogs, the
// commands' availability, the close's question; printing a long tape to PDF, read back with
// pdftotext.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include "core/calc/calculator.h"
#include "gui/tape/document_commands.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_printer.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Documents : public KeypadFixture {
  protected:
    QAction* item(const char* name) { return keypad->findChild<QAction*>(name); }
    QAction* tool(const char* name) { return keypad->tapeWindow().action(name); }
    void type(const char* keys) { QTest::keyClicks(keypad.get(), keys); }
    QTemporaryDir folder;
};

TEST_F(Documents, saving_names_the_window_and_the_commands_follow_the_tape) {
    type("12+3\r");
    EXPECT_TRUE(item("mItemEnregistrer")->isEnabled());
    EXPECT_TRUE(tool("ToolbtnPrint")->isEnabled());
    const QString path = folder.filePath("compte.rtf");
    answerNext(path);
    item("mItemEnregistrer")->trigger();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(keypad->tapeWindow().windowTitle(), "Zumbrel - compte.rtf");
    EXPECT_FALSE(item("mItemEnregistrer")->isEnabled());  // until the tape changes
    EXPECT_TRUE(tool("ToolBtnSave")->isEnabled());
    type("4+");
    EXPECT_TRUE(item("mItemEnregistrer")->isEnabled());
    // A new tape on an unsaved one asks first; No starts afresh.
    answerNext({}, QMessageBox::No);
    item("mItemNouveau")->trigger();
    EXPECT_TRUE(keypad->tapeWindow().tape().isEmpty());
    EXPECT_EQ(keypad->tapeWindow().windowTitle(), "Zumbrel – ruban");
    EXPECT_FALSE(item("mItemPrint")->isEnabled());
    // And the file comes back.
    answerNext(path);
    tool("ToolBtnOuvrir")->trigger();
    EXPECT_EQ(keypad->tapeWindow().tape().line(3), "15,00");
}

// An export says where it went, as Save does, in the status line that a reader hears.
TEST_F(Documents, an_export_is_said_in_the_status_line) {
    type("12+3\r");
    const QString path = folder.filePath("compte.csv");
    answerNext(path);
    item("mItemExport")->trigger();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(keypad->calculator().ports().status.text(), "Ruban exporté : compte.csv");
}

// A saved tape hides the toolbar's eraser (nothing new to erase), but the menus still erase
// it, after the question.
TEST_F(Documents, a_saved_tape_can_still_be_erased_from_the_menus) {
    type("12+3\r");
    answerNext(folder.filePath("compte.rtf"));
    item("mItemEnregistrer")->trigger();
    EXPECT_FALSE(tool("ToolBtnGomme")->isVisible());
    QAction* erase = item("mItemEraseTape");
    QAction* eraseFromTape =
        keypad->tapeWindow().contextMenu()->findChild<QAction*>("mItemEraseRuban");
    ASSERT_TRUE(erase->isEnabled());
    EXPECT_TRUE(eraseFromTape->isEnabled());
    answerNext({}, QMessageBox::Yes);
    erase->trigger();
    EXPECT_TRUE(keypad->tapeWindow().tape().isEmpty());
    EXPECT_FALSE(erase->isEnabled());  // nothing left to erase
    EXPECT_FALSE(eraseFromTape->isEnabled());
}

TEST_F(Documents, closing_an_unsaved_tape_asks_and_cancel_keeps_the_program) {
    type("7+8\r");
    answerNext({}, QMessageBox::Cancel);
    EXPECT_FALSE(keypad->close());
    EXPECT_TRUE(keypad->isVisible());
    answerNext({}, QMessageBox::No);
    EXPECT_TRUE(keypad->close());
}

// A long tape printed to PDF: every line, in order, page after page, inside the margins, and
// each once (a PDF's text is searched and copied).
TEST(Printing, a_tape_of_150_lines_fills_pages_inside_the_margins) {
    DocumentTape tape;
    for (int i = 1; i <= 150; ++i)
        tape.addLine(std::to_string(i) + ",00");
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(folder.filePath("tape.pdf"));
    printTape(*tape.document(), printer);

    QProcess text;
    text.start("pdftotext", {"-bbox", folder.filePath("tape.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(20000)) << "pdftotext (poppler-utils) is needed";
    const QString html = QString::fromUtf8(text.readAllStandardOutput());
    const qsizetype pages = html.count("<page ");
    EXPECT_GE(pages, 3);
    QStringList words;
    double right = 0;
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const auto w = m.next();
        const double xMax = w.captured(3).toDouble(), yMin = w.captured(2).toDouble(),
                     yMax = w.captured(4).toDouble();
        words << w.captured(5);
        right = std::max(right, xMax);
        // A4 is 595 x 842 points: half an inch (36 pt) top and bottom, one inch (72 pt) right.
        EXPECT_LE(xMax, 595 - 72 + 0.5) << w.captured(5).toStdString();
        EXPECT_GE(yMin, 36 - 0.5) << w.captured(5).toStdString();
        EXPECT_LE(yMax, 842 - 36 + 0.5) << w.captured(5).toStdString() << " at " << yMin;
    }
    EXPECT_NEAR(right, 595 - 72, 1.0);  // right-aligned against the margin
    ASSERT_EQ(words.size(), 150) << words.join(" ").toStdString();
    for (int i = 1; i <= 150; ++i)
        EXPECT_EQ(words[i - 1], QString::number(i) + ",00");
}

}  // namespace
}  // namespace zumbrel::gui
