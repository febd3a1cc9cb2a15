// Reading on demand: the last result and a tape line, said by the voice or, without one, by
// the screen reader, once, with the text in the status line and the display unchanged.

#include <gtest/gtest.h>

#include <QAction>
#include <QTextBlock>
#include <QTextCursor>

#include "gui/keypad/display_view.h"
#include "gui/keypad/status_line.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/voice/read_back.h"
#include "keypad_fixture.h"

namespace zumbrel::gui {
namespace {

class ReadBack : public KeypadFixture {
  protected:
    void SetUp() override {
        KeypadFixture::SetUp();
        display().onAnnounced = [this](const QString& text) { heard.push_back(text); };
    }
    DisplayView& display() { return *keypad->findChild<DisplayView*>("EdtVirt"); }
    void type(const char* keys) { QTest::keyClicks(keypad.get(), keys); }
    void choose(const char* item) {
        heard.clear();
        keypad->findChild<QAction*>(item)->trigger();
    }
    // What the screen reader was told, once, and what the status line shows.
    QString said() {
        if (heard.size() > 1) ADD_FAILURE() << "said more than once";
        const QString shown = keypad->statusLine().message();
        if (!heard.empty() && shown != heard.front()) ADD_FAILURE() << "status line differs";
        return heard.empty() ? QString() : heard.front();
    }
    std::vector<QString> heard;
};

TEST_F(ReadBack, the_last_result_is_said_again_with_its_thousands) {
    type("1200+56\r");
    choose("mItemReadResult");
    EXPECT_EQ(said(), "1 256,00");
}

// A read-back tells; it never changes what the display holds.
TEST_F(ReadBack, reading_the_result_again_leaves_the_display_as_it_was) {
    type("20+10\r");
    const QString shown = display().text();
    const QString spoken = display().spokenText();
    choose("mItemReadResult");
    EXPECT_EQ(said(), "30,00");
    EXPECT_EQ(display().text(), shown);
    EXPECT_EQ(display().spokenText(), spoken);
    type("5");
    EXPECT_EQ(display().spokenText(), "5");
}

// From the tape window, a reader (which hears the focused object only) hears the reading on
// the display, which takes the focus back.
TEST_F(ReadBack, from_the_tape_window_the_reading_is_said_on_the_display) {
    type("20+10\r");
    TapeWindow& tape = keypad->tapeWindow();
    ASSERT_TRUE(eventually([&] { return tape.isVisible(); }));
    tape.activateWindow();
    tape.editor()->setFocus();
    ASSERT_TRUE(eventually([&] { return tape.isActiveWindow(); }));
    choose("mItemReadResult");
    ASSERT_TRUE(eventually([&] { return !heard.empty(); }));
    EXPECT_EQ(said(), "30,00");
    EXPECT_TRUE(display().hasFocus());
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
