// Correcting an earlier line from the windows: the editor on the line (double click, F2),
// Enter and Escape, the menus, undo and redo, the change bars.

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <functional>

#include "core/calc/key_script.h"
#include "gui/tape/correction_commands.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class Corrections : public KeypadFixture {
  protected:
    void type(const char* keys) {
        for (const calc::KeyAction& k : calc::parseKeys(keys))
            keypad->keyAction(k);
    }
    TapeView& view() { return *keypad->tapeWindow().editor(); }
    std::string line(std::size_t i) { return keypad->tapeWindow().tape().line(i); }
    QLineEdit* editor() { return view().viewport()->findChild<QLineEdit*>("edtCorrectLine"); }
    // The editor opens once the menu or the key that asked for it is done.
    bool editorOpens() {
        return eventually([&] { return editor() && editor()->isVisible(); }, 1000);
    }
    // A double click on tape line `i` (from 0).
    void doubleClick(int i) {
        const QRectF box = view().lineBox(i);
        const QPoint at(view().viewport()->width() - 20, static_cast<int>(box.center().y()));
        QTest::mouseDClick(view().viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    void caretTo(int i) {
        view().setTextCursor(QTextCursor(view().document()->findBlockByNumber(i)));
    }
    QAction* tapeItem(const char* name) {
        return keypad->tapeWindow().contextMenu()->findChild<QAction*>(name);
    }
    QAction* keypadItem(const char* name) {
        QMenu* edit = keypad->findChild<QMenu*>("ppmEdit");
        for (QAction* a : edit->actions())
            if (a->objectName() == name) return a;
        return nullptr;
    }
};

TEST_F(Corrections, a_double_click_on_an_amount_opens_the_editor_and_enter_applies_it) {
    type("12+3+5=");
    doubleClick(1);
    ASSERT_NE(editor(), nullptr);
    ASSERT_TRUE(editor()->isVisible());
    EXPECT_EQ(editor()->text(), "+ 3,00");
    EXPECT_EQ(editor()->selectedText(), "3,00");  // typing replaces the amount
    EXPECT_EQ(editor()->accessibleName(), "Corriger la ligne 2");
    QTest::keyClicks(editor(), "4");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(line(1), "+ 4,00");
    EXPECT_EQ(line(4), "21,00");
    EXPECT_EQ(keypad->calculator().ports().status.text(),
              "Total recalculé : 21,00 (avant : 20,00)");
    // The lines that changed carry a bar in the left margin until the next key; the right
    // edge, beside the amounts, stays clear of anything a caret could be taken for.
    EXPECT_EQ(view().changedLines(), (std::vector<int>{1, 4}));
    const QImage shot = view().viewport()->grab().toImage();
    const int changedRow = static_cast<int>(view().lineBox(1).center().y());
    const int plainRow = static_cast<int>(view().lineBox(0).center().y());
    EXPECT_EQ(shot.pixelColor(1, changedRow), QColor(0, 0, 128));
    EXPECT_NE(shot.pixelColor(1, plainRow), QColor(0, 0, 128));
    EXPECT_NE(shot.pixelColor(shot.width() - 1, changedRow), QColor(0, 0, 128));
    type("7");
    EXPECT_TRUE(view().changedLines().empty());
}

// A correction in the middle of a long tape leaves the tape where the user was looking: the
// line corrected does not jump to the top, the next double-click lands where aimed.
TEST_F(Corrections, a_correction_keeps_the_tape_where_it_was_scrolled) {
    std::string keys = "1";
    for (int i = 0; i < 80; ++i)
        keys += "+1";
    type((keys + "=").c_str());
    QScrollBar* scroll = view().verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0);
    // Line 41 in the middle of the view.
    scroll->setValue(0);
    view().setTextCursor(QTextCursor(view().document()->findBlockByNumber(40)));
    view().centerCursor();
    const int before = scroll->value();
    ASSERT_GT(before, 0);
    doubleClick(40);
    ASSERT_TRUE(editor() && editor()->isVisible());
    QTest::keyClicks(editor(), "2");
    QTest::keyClick(editor(), Qt::Key_Return);
    ASSERT_EQ(line(40), "+ 2,00");
    EXPECT_EQ(scroll->value(), before);
}

// On a line with a comment on its left, only the amount is selected: typing replaces it and
// the comment stays.
TEST_F(Corrections, a_comment_beside_the_amount_stays_when_the_amount_is_retyped) {
    struct Case {
        const char* comment;
        const char* before;  // the keys typed before the comment
        const char* after;
        int line;
        const char* written;
        const char* retyped;
        int resultLine;
        const char* result;
    };
    // A comment ending in a digit ("Fattura 7") keeps it: only the amount is selected and read.
    for (const Case& c : {Case{"Taxi", "", "23,4+5=", 0, "Taxi 23,40", "Taxi 25,00", 3, "30,00"},
                          Case{"Fattura 7", "10+20+", "30=", 2, "+ Fattura 7 30,00",
                               "+ Fattura 7 35,00", 4, "65,00"}}) {
        type(c.before);
        qApp->setProperty("expectedDialog", "InputBox");
        QTimer::singleShot(50, [&c] {
            if (auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                d->setTextValue(c.comment);
                d->accept();
            }
        });
        keypad->findChild<QAction*>("mItemInsertCommentLine")->trigger();
        qApp->setProperty("expectedDialog", QVariant());
        type(c.after);
        // Each case is written below the one before it.
        int base = static_cast<int>(keypad->tapeWindow().tape().lineCount()) - 1;
        while (base >= 0 && line(static_cast<std::size_t>(base)) != c.written)
            --base;
        base -= c.line;
        ASSERT_GE(base, 0) << c.written;
        doubleClick(base + c.line);
        ASSERT_TRUE(editor() && editor()->isVisible()) << c.comment;
        const QString amount = QString(c.written).section(' ', -1);
        EXPECT_EQ(editor()->selectedText(), amount) << c.comment;
        QTest::keyClicks(editor(), QString(c.retyped).section(' ', -1).section(',', 0, 0));
        QTest::keyClick(editor(), Qt::Key_Return);
        EXPECT_EQ(line(base + c.line), c.retyped);
        EXPECT_EQ(line(base + c.resultLine), c.result) << c.comment;
    }
}

// A block written in English keeps its words when a line below it is corrected in Corsican.
TEST_F(Corrections, a_block_keeps_its_language_when_a_later_line_is_corrected) {
    QTemporaryDir app;
    copyLanguageFiles(app);
    keypad->setLanguageSource(app.path().toStdString(), static_cast<int>(config::InstallCode::ZMB));
    keypad->findChild<QAction*>("ENGL")->trigger();
    type("50[TVA+]");
    const std::string block = line(0);
    ASSERT_NE(block.find("excl."), std::string::npos) << block;
    keypad->findChild<QAction*>("CORS")->trigger();
    type("1+2=");
    std::size_t two = 0;
    while (two < 30 && line(two) != "+ 2,00")
        ++two;
    ASSERT_LT(two, 30u);
    live::CorrectionKey key;
    key.kind = live::CorrectionKey::Kind::Fix;
    key.line = two + 1;
    key.text = "3";
    ASSERT_TRUE(keypad->calculator().correct(key).done);
    EXPECT_EQ(line(0), block);
    EXPECT_EQ(line(two + 2), "4,00");
}

TEST_F(Corrections, escape_leaves_everything_as_it_was) {
    type("12+3=");
    doubleClick(1);
    ASSERT_TRUE(editor() && editor()->isVisible());
    QTest::keyClicks(editor(), "99");
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(line(1), "+ 3,00");
    EXPECT_EQ(line(3), "15,00");
    EXPECT_FALSE(keypad->calculator().corrections().canUndo());
}

TEST_F(Corrections, f2_edits_the_line_at_the_caret_and_the_operator_can_change) {
    type("12+3+5=");
    keypad->tapeWindow().activateWindow();
    view().setFocus();
    caretTo(2);
    QTest::keyClick(&view(), Qt::Key_F2);
    ASSERT_TRUE(editorOpens());
    editor()->setText("- 6");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(line(2), "– 6,00");
    EXPECT_EQ(line(4), "9,00");
    // The operator and the amount changed in one edit: one undo gives both back.
    keypadItem("mItemUndoCorrection")->trigger();
    EXPECT_EQ(line(2), "+ 5,00");
    EXPECT_FALSE(keypadItem("mItemUndoCorrection")->isEnabled());
}

// What is typed in the editor is the amount, whole: a letter among the digits is refused, never
// read as the digits after it, and the editor stays open with the typing, to be mended.
TEST_F(Corrections, an_amount_typed_with_a_letter_is_refused_and_stays_in_the_editor) {
    struct Case {
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {"+ 3x7", "Ce montant n'est pas un nombre : 3x7"},
        {"+ 1o5", "Ce montant n'est pas un nombre : 1o5"},
        {"+ 37,2a", "Ce montant n'est pas un nombre : 37,2a"},
        {"+ 37,2,0", "Ce montant n'est pas un nombre : 37,2,0"},
    };
    type("125,5+37,2+1040=");
    keypad->tapeWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&keypad->tapeWindow()));
    for (const Case& c : cases) {
        doubleClick(1);
        ASSERT_TRUE(editorOpens()) << c.typed;
        editor()->setText(c.typed);
        // The focus never leaves the editor: a reader hears the message, not the tape.
        int focusMoves = 0;
        const auto watch =
            QObject::connect(qApp, &QApplication::focusChanged, [&] { ++focusMoves; });
        QTest::keyClick(editor(), Qt::Key_Return);
        QObject::disconnect(watch);
        EXPECT_EQ(focusMoves, 0) << c.typed;
        EXPECT_EQ(line(1), "+ 37,20") << c.typed;
        EXPECT_EQ(line(4), "1 202,70") << c.typed;
        EXPECT_EQ(keypad->calculator().ports().status.text(), c.message);
        ASSERT_TRUE(editorOpens()) << c.typed;
        EXPECT_EQ(editor()->text(), c.typed);
        EXPECT_EQ(editor()->selectedText(), QString(c.typed).mid(2));
        QTest::keyClick(editor(), Qt::Key_Escape);
    }
    // Mended in the editor, it is taken.
    doubleClick(1);
    ASSERT_TRUE(editorOpens());
    editor()->setText("+ 3x7");
    QTest::keyClick(editor(), Qt::Key_Return);
    ASSERT_TRUE(editorOpens());
    QTest::keyClicks(editor(), "37");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(line(1), "+ 37,00");
    EXPECT_EQ(line(4), "1 202,50");
}

// An amount inserted after the last line in sight: the tape scrolls so that its editor shows
// under the line, never out of sight below the tape.
TEST_F(Corrections, the_insertion_editor_after_the_last_line_in_sight_shows_under_it) {
    type("1");
    for (int i = 0; i < 60; ++i)
        type("+1");
    type("=");
    view().verticalScrollBar()->setValue(0);
    int line = 0;
    while (view().lineBox(line + 1).bottom() <= view().viewport()->height())
        ++line;  // the last line wholly in sight
    caretTo(line);
    view().verticalScrollBar()->setValue(0);
    tapeItem("mItemInsertAfterLine")->trigger();
    ASSERT_TRUE(editorOpens());
    const QRect shown = editor()->geometry();
    EXPECT_LE(shown.bottom(), view().viewport()->height());
    EXPECT_GE(shown.top(), static_cast<int>(view().lineBox(line).bottom()) - 1);
    QTest::keyClick(editor(), Qt::Key_Escape);
}

// Enter on an insertion with no amount typed inserts nothing and says nothing is wrong.
TEST_F(Corrections, an_empty_insertion_inserts_nothing) {
    type("12+3=");
    const std::size_t lines = keypad->tapeWindow().tape().lineCount();
    caretTo(1);
    tapeItem("mItemInsertAfterLine")->trigger();
    ASSERT_TRUE(editorOpens());
    EXPECT_EQ(editor()->text(), "+ ");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_FALSE(editor()->isVisible());
    EXPECT_EQ(keypad->tapeWindow().tape().lineCount(), lines);
    EXPECT_EQ(keypad->calculator().ports().status.text(), "");
}

// From the keyboard in the tape, line after line: after each correction the focus stays on the
// tape, at the corrected line, so that Down and F2 take the next one.
TEST_F(Corrections, after_a_correction_typed_in_the_tape_the_focus_stays_on_its_line) {
    // On a desktop the window is refreshed more than once a key (the tape's change is told
    // too): the correction's editor must outlive every refresh of its own correction.
    std::function<void()> once = keypad->onRefresh;
    keypad->onRefresh = [once] {
        once();
        once();
    };
    type("12+3+5+7=");
    keypad->tapeWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&keypad->tapeWindow()));
    view().setFocus();
    caretTo(1);
    for (const char* amount : {"4", "6"}) {
        QTest::keyClick(&view(), Qt::Key_F2);
        ASSERT_TRUE(editorOpens()) << amount;
        QTest::keyClicks(editor(), amount);
        QTest::keyClick(editor(), Qt::Key_Return);
        QTest::qWait(50);
        EXPECT_TRUE(keypad->tapeWindow().isActiveWindow()) << amount;
        EXPECT_EQ(QApplication::focusWidget(), &view()) << amount;
        QTest::keyClick(&view(), Qt::Key_Down);
    }
    EXPECT_EQ(line(1), "+ 4,00");
    EXPECT_EQ(line(2), "+ 6,00");
}

// F2 pressed on the keypad corrects the last amount typed and gives the keypad back, where
// the typing goes on.
TEST_F(Corrections, a_correction_begun_on_the_keypad_gives_the_keypad_back) {
    type("12+3+5=");
    keypad->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(keypad.get()));
    QTest::keyClick(keypad.get(), Qt::Key_F2);
    ASSERT_TRUE(editorOpens());
    QTest::keyClicks(editor(), "4");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(line(2), "+ 4,00");
    EXPECT_TRUE(eventually([&] { return keypad->isActiveWindow(); }));
}

// After a correction the caret stands on the corrected line; the next keys bring it back to
// what they write, so that F2 from the keypad takes the last amount typed.
TEST_F(Corrections, keys_typed_after_a_correction_bring_the_caret_back_to_the_end) {
    type("12+3+5=");
    caretTo(1);
    type("100+200+");
    EXPECT_TRUE(view().textCursor().atEnd());
    keypad->findChild<QAction*>("mItemCorrectLine")->trigger();
    ASSERT_TRUE(editorOpens());
    EXPECT_EQ(editor()->text(), "+ 200,00");
    QTest::keyClick(editor(), Qt::Key_Escape);
}

// M+ and G.T. write a line too: the caret comes back to it.
TEST_F(Corrections, a_memory_or_grand_total_line_after_a_correction_brings_the_caret_back) {
    for (const char* key : {"mItemMemoryPlus", "mItemGrandTotal"}) {
        type("12+3+5=");
        caretTo(1);
        ASSERT_FALSE(view().textCursor().atEnd());
        const std::size_t lines = keypad->tapeWindow().tape().lineCount();
        auto* command = keypad->findChild<QAction*>(key);
        ASSERT_NE(command, nullptr) << key;
        command->trigger();
        EXPECT_GT(keypad->tapeWindow().tape().lineCount(), lines) << key;
        EXPECT_TRUE(view().textCursor().atEnd()) << key;
    }
}

// From the keyboard the tape's own menu opens on the tape: Shift+F10 as the Menu key.
TEST_F(Corrections, shift_f10_on_the_tape_opens_the_tapes_menu) {
    type("12+3=");
    caretTo(1);
    QMenu* opened = nullptr;
    QTimer::singleShot(0, [&opened] {
        opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (opened) opened->close();
    });
    QTest::keyClick(&view(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->objectName(), "ppmQuitEditor");
}

TEST_F(Corrections, enter_in_the_editor_never_reaches_the_calculation_under_way) {
    type("12+3+5");
    doubleClick(1);
    ASSERT_TRUE(editorOpens());
    QTest::keyClicks(editor(), "10");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(line(1), "+ 10,00");
    EXPECT_EQ(keypad->tapeWindow().tape().lineCount(), 3u);  // no result written
    EXPECT_EQ(keypad->calculator().registers().edtSaisie, "5");
    type("=");
    EXPECT_EQ(line(4), "27,00");
}

TEST_F(Corrections, a_line_that_is_no_amount_opens_no_editor_and_says_why) {
    type("12+3=");
    doubleClick(2);  // the rule
    EXPECT_TRUE(editor() == nullptr || !editor()->isVisible());
    EXPECT_EQ(keypad->calculator().ports().status.text(),
              "Seule une ligne de montant saisi peut être corrigée.");
}

TEST_F(Corrections, the_menus_delete_insert_undo_and_redo) {
    type("12+3+5=");
    caretTo(1);
    ASSERT_NE(keypadItem("mItemDeleteLine"), nullptr);
    keypadItem("mItemDeleteLine")->trigger();
    EXPECT_EQ(line(1), "+ 5,00");
    EXPECT_EQ(line(3), "17,00");
    ASSERT_TRUE(keypadItem("mItemUndoCorrection")->isEnabled());
    keypadItem("mItemUndoCorrection")->trigger();
    EXPECT_EQ(line(1), "+ 3,00");
    EXPECT_EQ(line(4), "20,00");
    ASSERT_TRUE(tapeItem("mItemRedoCorrection")->isEnabled());
    tapeItem("mItemRedoCorrection")->trigger();
    EXPECT_EQ(line(3), "17,00");
    caretTo(0);
    tapeItem("mItemInsertAfterLine")->trigger();
    ASSERT_TRUE(editorOpens());
    EXPECT_EQ(editor()->text(), "+ ");
    QTest::keyClicks(editor(), "8");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(line(1), "+ 8,00");
    EXPECT_EQ(line(4), "25,00");
}

TEST_F(Corrections, ctrl_z_and_ctrl_y_undo_and_redo_from_the_keypad) {
    type("12+3=");
    caretTo(1);
    keypadItem("mItemCorrectLine")->trigger();
    ASSERT_TRUE(editorOpens());
    QTest::keyClicks(editor(), "4");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(line(3), "16,00");
    keypad->activateWindow();
    keypad->setFocus();
    QTest::keyClick(keypad.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(3), "15,00");
    QTest::keyClick(keypad.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(line(3), "16,00");
}

TEST_F(Corrections, a_hand_edit_takes_the_lines_above_out_of_the_journal) {
    type("12+3=");
    keypad->tapeWindow().EditRibbonClick();
    ASSERT_TRUE(keypad->tapeWindow().tape().editMode());
    view().setFocus();
    QTextCursor c(view().document()->findBlockByNumber(1));
    c.movePosition(QTextCursor::EndOfBlock);
    view().setTextCursor(c);
    QTest::keyClick(&view(), Qt::Key_Backspace);
    keypad->tapeWindow().EditRibbonClick();
    type("x");
    caretTo(0);
    keypadItem("mItemCorrectLine")->trigger();
    EXPECT_FALSE(editorOpens());
    EXPECT_EQ(line(3), "15,00");
}

}  // namespace
}  // namespace zumbrel::gui
