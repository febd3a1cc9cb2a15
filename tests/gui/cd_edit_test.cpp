#include "gui/ui/cd_edit.h"

#include <gtest/gtest.h>

#include <QTest>

namespace zumbrel::gui {
namespace {

TEST(TCDEdit, right_alignment_keeps_the_text) {
    TCDEdit e;
    e.setText("0");
    e.setTextAlignment(TCDEdit::TextAlignment::RightJustify);
    EXPECT_TRUE(e.alignment() & Qt::AlignRight);
    EXPECT_EQ(e.text(), "0");
    e.setTextAlignment(TCDEdit::TextAlignment::Center);
    EXPECT_TRUE(e.alignment() & Qt::AlignHCenter);
}

TEST(TCDEdit, only_numbers_refuses_typed_letters_but_not_program_text) {
    TCDEdit e;
    e.setOnlyNumbers(true);
    QTest::keyClicks(&e, "1a2,-3");
    EXPECT_EQ(e.text(), "123");
    e.setText("-1,5");
    EXPECT_EQ(e.text(), "-1,5");
}

}  // namespace
}  // namespace zumbrel::gui
