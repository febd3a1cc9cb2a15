// The header and footer editor: opens the user's copy or the shipped one, formats, saves
// into the user's data folder, reopens what it saved, and protects changed text.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include "core/config/install_layout.h"
#include "core/tape/rtf_reader.h"
#include "gui/tape/header_footer_editor.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Editor : public KeypadFixture {
  protected:
    void SetUp() override {
        KeypadFixture::SetUp();
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        QDir(app.path()).mkpath("Resources");
        write(app.filePath("Resources/Header.rtf"), "{\\rtf1 Maison Dupont\\par}");
        write(app.filePath("Resources/Footer.rtf"), "{\\rtf1 Merci\\par}");
        keypad->setLanguageSource(app.path().toStdString(),
                                  static_cast<int>(config::InstallCode::ZMB));
        qApp->setProperty("expectedDialog", "RTF_Editor");
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        qApp->setProperty("expectedDialog", QVariant());
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Answers the next question with a button, and returns its text: it looks every 20 ms
    // until the question shows, however slow the machine.
    void answer(QMessageBox::StandardButton button, QString* said = nullptr) {
        auto* poll = new QTimer(qApp);
        poll->setInterval(20);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, button, said] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->button(button)) return;
            if (said) *said = box->text();
            poll->deleteLater();
            box->button(button)->click();
        });
        poll->start();
        qApp->setProperty("expectedDialog", "MessageBox");
    }
    QAction* tool(HeaderFooterEditor& e, const char* name) {
        return e.toolbar()->findChild<QAction*>(name);
    }
    QTemporaryDir app, data;
};

TEST_F(Editor, until_a_file_is_open_only_the_open_button_works) {
    HeaderFooterEditor& e = HeaderFooterEditor::open(*keypad);
    EXPECT_TRUE(tool(e, "OpenBtn")->isEnabled());
    EXPECT_FALSE(tool(e, "SaveBtn")->isEnabled());
    EXPECT_FALSE(tool(e, "BoldBtn")->isEnabled());
    EXPECT_TRUE(e.editor()->isReadOnly());
    EXPECT_FALSE(e.save());  // Ctrl+S before a file: nothing
    e.close();
}

TEST_F(Editor, formats_saves_into_the_users_folder_and_reopens_the_same_text) {
    HeaderFooterEditor& e = HeaderFooterEditor::open(*keypad);
    e.openFile(true);
    EXPECT_EQ(e.editor()->toPlainText().trimmed(), "Maison Dupont");
    EXPECT_FALSE(e.editor()->isReadOnly());
    EXPECT_FALSE(e.modified());
    e.editor()->selectAll();
    tool(e, "BoldBtn")->trigger();
    tool(e, "CenterAlign")->trigger();
    EXPECT_TRUE(e.modified());
    ASSERT_TRUE(e.save());
    EXPECT_FALSE(e.modified());
    const QString saved = data.filePath("zumbrel/Header.rtf");
    EXPECT_EQ(e.fileName(), saved);
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const tape::RichText read = tape::readRtf(f.readAll().toStdString(), {}).text;
    ASSERT_GE(read.paragraphCount(), 1u);
    EXPECT_EQ(read.text(0), "Maison Dupont");
    EXPECT_EQ(read.align(0), tape::Align::Center);
    EXPECT_TRUE(read.paragraphs()[0].runs[0].style.bold);
    e.close();
    // Opened again: the user's copy, with its formatting.
    HeaderFooterEditor& again = HeaderFooterEditor::open(*keypad);
    again.openFile(true);
    EXPECT_EQ(again.fileName(), saved);
    QTextCursor c(again.editor()->document()->firstBlock());
    c.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
    again.close();
}

TEST_F(Editor, opening_the_other_file_with_changes_asks_first) {
    HeaderFooterEditor& e = HeaderFooterEditor::open(*keypad);
    e.openFile(true);
    e.editor()->moveCursor(QTextCursor::End);
    e.editor()->insertPlainText(" et fils");
    answer(QMessageBox::Cancel);
    e.openFile(false);
    EXPECT_TRUE(e.editor()->toPlainText().startsWith("Maison Dupont"));  // Cancel keeps it
    answer(QMessageBox::No);
    e.openFile(false);
    EXPECT_EQ(e.editor()->toPlainText().trimmed(), "Merci");
    EXPECT_FALSE(QFile::exists(data.filePath("zumbrel/Header.rtf")));  // No saves nothing
    e.close();
}

TEST_F(Editor, closing_with_changes_asks_and_cancel_keeps_the_window) {
    QPointer<HeaderFooterEditor> e = &HeaderFooterEditor::open(*keypad);
    e->openFile(false);
    e->editor()->insertPlainText("x");
    answer(QMessageBox::Cancel);
    e->reject();  // Escape
    ASSERT_FALSE(e.isNull());
    EXPECT_TRUE(e->isVisible());
    answer(QMessageBox::Yes);
    e->reject();
    EXPECT_TRUE(eventually([&] { return e.isNull() || !e->isVisible(); }));
    EXPECT_TRUE(QFile::exists(data.filePath("zumbrel/Footer.rtf")));
}

// The style buttons show the first letter of their word in the language: G I S in French,
// B I U in English.
TEST_F(Editor, the_style_buttons_show_the_languages_letters) {
    const auto letters = [this](HeaderFooterEditor& e) {
        QString out;
        for (const char* name : {"BoldBtn", "ItalicBtn", "UnderlineBtn"})
            out += tool(e, name)->property("zumbrelLetter").toString();
        return out.toStdString();
    };
    EXPECT_EQ(letters(HeaderFooterEditor::open(*keypad)), "GIS");
    HeaderFooterEditor::open(*keypad).close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed, it goes
    QDir(app.path()).mkpath("Resources/Language");
    ASSERT_TRUE(QFile::copy(QString(ZUMBREL_LANGUAGE_DIR) + "/English.lng",
                            app.filePath("Resources/Language/English.lng")));
    keypad->findChild<QAction*>("ENGL")->trigger();
    EXPECT_EQ(letters(HeaderFooterEditor::open(*keypad)), "BIU");
    HeaderFooterEditor::open(*keypad).close();
}

// The close question takes its punctuation once, in French as in a language file's words.
TEST_F(Editor, the_close_question_is_punctuated_once_in_every_language) {
    const auto question = [this] {
        QPointer<HeaderFooterEditor> e = &HeaderFooterEditor::open(*keypad);
        e->openFile(false);
        e->editor()->insertPlainText("x");
        QString said;
        answer(QMessageBox::Cancel, &said);
        e->reject();
        e->editor()->document()->setModified(false);
        e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return said.simplified().toStdString();
    };
    EXPECT_EQ(question(), "Texte modifié... Souhaitez-vous enregistrer ces modifications ?");
    QDir(app.path()).mkpath("Resources/Language");
    ASSERT_TRUE(QFile::copy(QString(ZUMBREL_LANGUAGE_DIR) + "/English.lng",
                            app.filePath("Resources/Language/English.lng")));
    keypad->findChild<QAction*>("ENGL")->trigger();
    EXPECT_EQ(question(), "Saving... Do you want to save the changes?");
}

TEST_F(Editor, the_bold_button_follows_the_caret) {
    HeaderFooterEditor& e = HeaderFooterEditor::open(*keypad);
    e.openFile(true);
    QTextCursor c(e.editor()->document());
    c.setPosition(0);
    c.setPosition(6, QTextCursor::KeepAnchor);  // "Maison"
    e.editor()->setTextCursor(c);
    tool(e, "BoldBtn")->trigger();
    EXPECT_TRUE(tool(e, "BoldBtn")->isChecked());
    c.clearSelection();
    c.setPosition(10);  // inside "Dupont"
    e.editor()->setTextCursor(c);
    EXPECT_FALSE(tool(e, "BoldBtn")->isChecked());
    e.editor()->document()->setModified(false);
    e.close();
}

TEST_F(Editor, a_missing_file_says_where_it_was_looked_for) {
    QFile::remove(app.filePath("Resources/Footer.rtf"));
    HeaderFooterEditor& e = HeaderFooterEditor::open(*keypad);
    QString said;
    answer(QMessageBox::Ok, &said);
    e.openFile(false);
    EXPECT_TRUE(said.contains("Le fichier est absent de ce chemin")) << said.toStdString();
    EXPECT_TRUE(e.fileName().isEmpty());
    e.close();
}

}  // namespace
}  // namespace zumbrel::gui
