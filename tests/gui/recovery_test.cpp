// The recovery copy of an unsaved tape: made a moment after a change, removed by a save and
// by a normal close, offered back at the next start with its colours.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "core/calc/calculator.h"
#include "gui/app/composition.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_recovery.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Recovery : public KeypadFixture {
  protected:
    std::string path() const { return folder.filePath("data/zumbrel/recovery.rtf").toStdString(); }
    void type(const char* keys) { QTest::keyClicks(keypad.get(), keys); }
    // The next start: a fresh window, the system's separator as the first's.
    std::unique_ptr<KeypadWindow> nextStart() {
        auto next = std::make_unique<KeypadWindow>(composeFeatures);
        next->calculator().registers().decimalSeparator = ',';
        next->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(next.get()));
        return next;
    }
    // The restore question, once asked, is answered with `button`; its text goes to `text`.
    static void answer(QMessageBox::StandardButton button, QString* text = nullptr) {
        QTimer::singleShot(0, [button, text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->setProperty("expected", true);
                if (text) *text = box->text();
                box->button(button)->click();
            }
        });
    }
    QTemporaryDir folder;
};

TEST_F(Recovery, an_unsaved_tape_is_copied_and_comes_back_with_its_colours) {
    {
        TapeRecovery recovery(recoveryParts(*keypad), path(), 10);
        type("7-9\r");
        recovery.flush();
        ASSERT_TRUE(QFile::exists(QString::fromStdString(path())));
    }
    // The next start: a fresh window finds the copy and, answered Yes, restores it.
    auto next = nextStart();
    TapeRecovery recovery(recoveryParts(*next), path(), 10);
    QString question;
    answer(QMessageBox::Yes, &question);
    EXPECT_TRUE(recovery.offerRestore());
    EXPECT_TRUE(question.contains("retrouver")) << question.toStdString();
    DocumentTape& tape = next->tapeWindow().tape();
    EXPECT_EQ(tape.richText(), keypad->tapeWindow().tape().richText());
    const QTextBlock result = tape.document()->findBlockByNumber(3);
    EXPECT_EQ(result.text(), "-2,00");
    EXPECT_EQ(result.begin().fragment().charFormat().foreground().color(), QColor(Qt::red));
    EXPECT_TRUE(tape.isModified());  // in no file yet
    EXPECT_TRUE(next->tapeWindow().action("ToolBtnGomme")->isVisible());
    // A normal close removes the copy.
    recovery.closeCleanly();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path())));
}

// After a crash in the middle of a calculation, the restored tape goes on with it: the
// amount typed next is added to the pending "5,00 +", not started afresh under it.
TEST_F(Recovery, a_restored_tape_goes_on_with_the_calculation_under_way) {
    {
        TapeRecovery recovery(recoveryParts(*keypad), path(), 10);
        type("7-9\r5+");
        recovery.flush();
    }
    auto next = nextStart();
    TapeRecovery recovery(recoveryParts(*next), path(), 10);
    answer(QMessageBox::Yes);
    ASSERT_TRUE(recovery.offerRestore());
    QTest::keyClicks(next.get(), "3\r");
    QTextDocument* document = next->tapeWindow().tape().document();
    EXPECT_EQ(document->findBlockByNumber(7).text(), "+ 3,00");
    EXPECT_EQ(document->findBlockByNumber(9).text(), "8,00");
    recovery.closeCleanly();
}

TEST_F(Recovery, a_saved_tape_needs_no_copy) {
    TapeRecovery recovery(recoveryParts(*keypad), path(), 10);
    type("1+1\r");
    recovery.flush();
    ASSERT_TRUE(QFile::exists(QString::fromStdString(path())));
    keypad->tapeWindow().tape().setModified(false);  // as a save leaves it
    QTest::qWait(30);
    recovery.flush();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path())));
}

TEST_F(Recovery, declining_the_restore_removes_the_copy) {
    QDir().mkpath(folder.filePath("data/zumbrel"));
    QFile old(QString::fromStdString(path()));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("12,00\n");
    old.close();
    TapeRecovery recovery(recoveryParts(*keypad), path(), 10);
    answer(QMessageBox::No);
    EXPECT_FALSE(recovery.offerRestore());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path())));
    EXPECT_TRUE(keypad->tapeWindow().tape().isEmpty());
}

}  // namespace
}  // namespace zumbrel::gui
