// Reading on demand: the last result and a tape line, said by the voice or, without one, by
// the screen reader through the display's message.

#include <gtest/gtest.h>

#include <QAction>
#include <QTextBlock>
#include <QTextCursor>

#include "keypad/status_line.h"
#include "keypad_fixture.h"
#include "tape/document_tape.h"
#include "tape/tape_view.h"
#include "tape/tape_window.h"
#include "voice/read_back.h"

namespace zumbrel::gui {
namespace {

class ReadBack : public KeypadFixture {
  protected:
    void type(const char* keys) { QTest::keyClicks(keypad.get(), keys); }
    void choose(const char* item) { keypad->findChild<QAction*>(item)->trigger(); }
    QString said() { return keypad->statusLine().message(); }
};

TEST_F(ReadBack, the_last_result_is_said_again_with_its_thousands) {
    type("1200+56\r");
    keypad->statusLine().setMessage({});
    choose("mItemReadResult");
    EXPECT_EQ(said(), "1 256,00");
}

TEST_F(ReadBack, the_last_line_with_a_number_is_said_with_its_operator) {
    type("12+3,5+");
    choose("mItemReadLine");
    EXPECT_EQ(said(), "+ 3,50");
}

TEST_F(ReadBack, in_edit_mode_the_line_at_the_caret_is_said) {
    type("12+3+");
    keypad->EditRibbonClick();
    QPlainTextEdit* editor = keypad->tapeWindow().editor();
    editor->setTextCursor(QTextCursor(editor->document()->firstBlock()));
    choose("mItemReadLine");
    EXPECT_EQ(said(), "12,00");
    keypad->EditRibbonClick();
}

TEST_F(ReadBack, an_empty_tape_has_nothing_to_say) {
    keypad->statusLine().setMessage({});
    choose("mItemReadLine");
    EXPECT_EQ(said(), "");
}

TEST_F(ReadBack, both_readings_have_their_keys_in_both_windows) {
    for (const auto& [name, keys] :
         {std::pair{"mItemReadResult", "Ctrl+R"}, std::pair{"mItemReadLine", "Ctrl+L"}}) {
        QAction* a = keypad->findChild<QAction*>(name);
        EXPECT_TRUE(a->isEnabled());
        EXPECT_EQ(a->shortcut(), QKeySequence(keys));
        EXPECT_TRUE(keypad->actions().contains(a));
        EXPECT_TRUE(keypad->tapeWindow().actions().contains(a));
    }
}

}  // namespace
}  // namespace zumbrel::gui
