// Writing on the tape from the windows: the commands enabled where they belong, the date of
// the system's calendar, a title typed in its question, the header shipped with its colours
// and alignment, a missing footer's message, the waiting result comment and the eraser.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>

#include "core/config/install_layout.h"
#include "gui/tape/annotation_commands.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Annotate : public KeypadFixture {
  protected:
    void SetUp() override {
        KeypadFixture::SetUp();
        qputenv("XDG_DATA_HOME", data.path().toUtf8());  // no copies of the user's yet
        QDir(app.path()).mkpath("Resources");
        keypad->setLanguageSource(app.path().toStdString(),
                                  static_cast<int>(config::InstallCode::ZMB));
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        qApp->setProperty("expectedDialog", QVariant());
    }
    // Answers the next dialog of that name when it shows.
    void answerNext(const char* name, std::function<void(QDialog*)> answer) {
        qApp->setProperty("expectedDialog", name);
        QTimer::singleShot(50, [answer] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) answer(d);
        });
    }
    void trigger(QWidget& owner, const char* name) {
        QAction* a = owner.findChild<QAction*>(name);
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }
    QString line(int i) {
        return keypad->tapeWindow().editor()->document()->findBlockByNumber(i).text();
    }
    QTemporaryDir app, data;
};

TEST_F(Annotate, the_commands_are_there_in_both_windows) {
    for (const char* name :
         {"mItemInsertEntete", "mItemInsertDate", "mItemInsertTitle", "mItemInsertCommentLine",
          "mItemInsertCommentResult", "mItemInsertPiedPage"}) {
        EXPECT_TRUE(keypad->findChild<QAction*>(name)->isEnabled()) << name;
        EXPECT_TRUE(keypad->tapeWindow().contextMenu()->findChild<QAction*>(name)->isEnabled())
            << name;
    }
    for (const char* name :
         {"ToolBtnInsertHeader", "ToolbtnInsertDate", "ToolbtnInsertTitle", "ToolbtnInsertComment",
          "ToolbtnInsertComResult", "ToolBtnInsertFooter"})
        EXPECT_TRUE(keypad->tapeWindow().action(name)->isEnabled()) << name;
}

TEST_F(Annotate, the_date_is_the_systems_day_in_the_languages_format) {
    trigger(*keypad, "mItemInsertDate");
    const tape::DateParts day = AnnotationCommands::today();
    EXPECT_EQ(line(0).toStdString(), tape::dateLine(day, config::InstallCode::ZMB, 'F'));
    EXPECT_TRUE(line(0).contains(QString::number(day.year)));
    EXPECT_EQ(line(1), "");
}

TEST_F(Annotate, a_title_typed_in_its_question_is_written_in_bold) {
    answerNext("InputBox", [](QDialog* d) {
        static_cast<QInputDialog*>(d)->setTextValue("Loyer");
        d->accept();
    });
    trigger(keypad->tapeWindow(), "ToolbtnInsertTitle");
    EXPECT_EQ(line(0), "Loyer");
    QTextCursor c(keypad->tapeWindow().editor()->document()->firstBlock());
    c.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
}

// The question's window is wide enough for its whole title, so that the window manager does
// not cut "AJOUTER COMMENTAIRE DE RÉSULTAT" to look like the line comment's question.
TEST_F(Annotate, a_questions_window_holds_its_whole_title) {
    int width = 0, titleWidth = 0;
    answerNext("InputBox", [&](QDialog* d) {
        QFont bold = d->font();
        bold.setBold(true);
        titleWidth = QFontMetrics(bold).horizontalAdvance(d->windowTitle());
        width = d->width();
        d->reject();
    });
    trigger(keypad->tapeWindow(), "ToolbtnInsertComResult");
    EXPECT_GT(titleWidth, 0);
    EXPECT_GE(width, titleWidth + 100);
}

TEST_F(Annotate, the_shipped_header_keeps_its_colours_and_alignment) {
    QFile header(app.filePath("Resources/HEADER.RTF"));  // found without regard to case
    ASSERT_TRUE(header.open(QIODevice::WriteOnly));
    header.write("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\qc\\cf1 Maison Dupont\\par}");
    header.close();
    trigger(*keypad, "mItemInsertEntete");
    const QTextBlock first = keypad->tapeWindow().editor()->document()->firstBlock();
    EXPECT_EQ(first.text(), "Maison Dupont");
    EXPECT_TRUE(first.blockFormat().alignment() & Qt::AlignHCenter);
    QTextCursor c(first);
    c.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(255, 0, 0));
    // The user's own copy wins once there is one.
    QDir(data.path()).mkpath("zumbrel");
    QFile mine(data.filePath("zumbrel/Header.rtf"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("{\\rtf1 Chez moi\\par}");
    mine.close();
    EXPECT_EQ(
        AnnotationCommands::headerFooterFile(app.path(), data.filePath("zumbrel"), "Header.rtf"),
        data.filePath("zumbrel/Header.rtf"));
}

TEST_F(Annotate, a_missing_footer_says_where_it_was_looked_for) {
    QString said;
    answerNext("MessageBox", [&said](QDialog* d) {
        said = static_cast<QMessageBox*>(d)->text();
        d->accept();
    });
    trigger(*keypad, "mItemInsertPiedPage");
    EXPECT_TRUE(said.contains("Le fichier est absent de ce chemin")) << said.toStdString();
    EXPECT_TRUE(said.contains("Footer.rtf"));
    EXPECT_TRUE(keypad->tapeWindow().tape().isEmpty());
}

TEST_F(Annotate, the_waiting_result_comment_shows_on_the_keypad) {
    auto* field = keypad->findChild<QLineEdit*>("edtComResult");
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(field->isVisible());
    keypad->calculator().registers().edtComResult = "Total";
    keypad->refresh();
    EXPECT_TRUE(field->isVisible());
    EXPECT_EQ(field->text(), "Total");
    QTest::keyClicks(keypad.get(), "1+1\r");  // the result takes it
    EXPECT_FALSE(field->isVisible());
}

TEST_F(Annotate, the_eraser_shows_once_the_tape_holds_something_and_erases_it) {
    keypad->calculator().settings().okBoxGum = false;
    QAction* eraser = keypad->tapeWindow().action("ToolBtnGomme");
    ASSERT_NE(eraser, nullptr);
    EXPECT_FALSE(eraser->isVisible());
    QTest::keyClicks(keypad.get(), "12+3\r");
    EXPECT_TRUE(eraser->isVisible());
    // Tab reaches it as it reaches the other tools.
    QWidget* button = keypad->tapeWindow().toolbar()->widgetForAction(eraser);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
    eraser->trigger();
    EXPECT_TRUE(keypad->tapeWindow().tape().isEmpty());
    EXPECT_FALSE(eraser->isVisible());
    EXPECT_EQ(keypad->calculator().registers().lblTamponNum1, "");
}

}  // namespace
}  // namespace zumbrel::gui
