// "Fichier > Tapes récentes": the tapes opened or saved, newest first, Ctrl+1 … Ctrl+8, a
// tape that has gone taken off the list, the list kept in the settings and given to the
// desktop's recent documents.
#include "gui/tape/recent_tapes_menu.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include "gui/tape/document_commands.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Recent : public TranslatedKeypadFixture {
  protected:
    QString tapeFile(const QString& name, const QString& line) {
        const QString path = folder.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write((line + "\n").toUtf8());
        return path;
    }
    void open(const QString& path) { keypad->documents().openFile(path.toStdString()); }
    QStringList shown() const {
        QStringList texts;
        for (QAction* a : keypad->findChild<QMenu*>("ppmRecent")->actions()) {
            if (a->isVisible() && a->objectName().startsWith("mItemRecent") &&
                a->objectName() != "mItemRecentClear")
                texts << a->text();
        }
        return texts;
    }
    QTemporaryDir folder;
};

TEST_F(Recent, opened_tapes_come_first_eight_at_most_and_ctrl_digit_opens_them) {
    for (int i = 1; i <= 10; ++i)
        open(tapeFile(QStringLiteral("t%1.txt").arg(i), QStringLiteral("%1,00").arg(i)));
    const QStringList texts = shown();
    ASSERT_EQ(texts.size(), 8);
    EXPECT_EQ(texts.front(), "&1 t10.txt");
    EXPECT_EQ(texts.back(), "&8 t3.txt");
    QAction* first = keypad->findChild<QAction*>("mItemRecent1");
    EXPECT_EQ(first->toolTip(), folder.path());  // the folder in the hint
    EXPECT_EQ(first->shortcut(), QKeySequence("Ctrl+1"));
    // Ctrl+2 opens the second one, which comes first.
    QTest::keyClick(keypad.get(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(shown().front(), "&1 t9.txt");
    EXPECT_TRUE(keypad->calculator().documents().caption().find("t9.txt") != std::string::npos);
    // From the tape window too.
    QTest::keyClick(&keypad->tapeWindow(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(shown().front(), "&1 t8.txt");
}

TEST_F(Recent, a_tape_that_has_gone_is_said_missing_and_taken_off_the_list) {
    const QString kept = tapeFile("kept.txt", "1,00");
    const QString gone = tapeFile("gone.txt", "2,00");
    open(kept);
    open(gone);
    QFile::remove(gone);
    QString said;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->setProperty("expected", true);
            said = box->text();
            box->accept();
        }
    });
    keypad->findChild<QAction*>("mItemRecent1")->trigger();
    EXPECT_TRUE(said.contains(gone)) << said.toStdString();  // the file is named
    EXPECT_EQ(shown(), QStringList{"&1 kept.txt"});
    // Taken off the desktop's recent documents too; the other one stays.
    QFile xbel(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               "/recently-used.xbel");
    ASSERT_TRUE(xbel.open(QIODevice::ReadOnly));
    const QByteArray desktop = xbel.readAll();
    EXPECT_FALSE(desktop.contains(QUrl::fromLocalFile(gone).toEncoded()));
    EXPECT_TRUE(desktop.contains(QUrl::fromLocalFile(kept).toEncoded()));
    keypad->findChild<QAction*>("mItemRecentClear")->trigger();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_FALSE(keypad->findChild<QAction*>("mItemRecentClear")->isEnabled());
}

TEST_F(Recent, a_saved_tape_is_listed_and_given_to_the_desktop) {
    QTest::keyClicks(keypad.get(), "12+3\r");
    const QString path = folder.filePath("saved.rtf");
    keypad->calculator().documents().startFolder = folder.path().toStdString();
    ASSERT_TRUE(keypad->findChild<QAction*>("mItemEnregistrer")->isEnabled());
    answerNext(path);  // the save dialog
    keypad->findChild<QAction*>("mItemEnregistrer")->trigger();
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(shown().front(), "&1 saved.rtf");
    QFile xbel(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               "/recently-used.xbel");
    ASSERT_TRUE(xbel.open(QIODevice::ReadOnly)) << xbel.fileName().toStdString();
    const QByteArray desktop = xbel.readAll();
    EXPECT_TRUE(desktop.contains(QUrl::fromLocalFile(path).toEncoded())) << desktop.toStdString();
    EXPECT_TRUE(desktop.contains("Zumbrel"));
}

TEST_F(Recent, the_menu_speaks_the_interface_language) {
    keypad->chooseLanguage(3, false);  // English
    EXPECT_EQ(keypad->findChild<QAction*>("mItemRecent")->text(), "Recent tapes");
    EXPECT_EQ(keypad->findChild<QAction*>("mItemRecentClear")->text(), "Clear the list");
}

}  // namespace
}  // namespace zumbrel::gui
