#pragma once

// The behaviour every Tape must have. A test file instantiates it for its implementation:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Memory, TapeContract, testing::Types<MemoryTapeFactory>);
// where the factory has `static std::unique_ptr<tape::Tape> make()`.

#include <gtest/gtest.h>

#include <memory>

#include "core/tape/tape.h"

namespace zumbrel::tape {

template <class Factory>
class TapeContract : public testing::Test {
  protected:
    std::unique_ptr<Tape> t = Factory::make();

    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < t->lineCount(); ++i)
            out.push_back(t->line(i));
        return out;
    }
    using Lines = std::vector<std::string>;
};

TYPED_TEST_SUITE_P(TapeContract);

TYPED_TEST_P(TapeContract, starts_empty) {
    EXPECT_TRUE(this->t->isEmpty());
    EXPECT_EQ(this->t->lineCount(), 0u);
    EXPECT_FALSE(this->t->isModified());
}

TYPED_TEST_P(TapeContract, append_continues_the_open_line) {
    this->t->append("12,00");
    this->t->append(" %");
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"12,00 %"}));
    EXPECT_FALSE(this->t->isEmpty());
    EXPECT_TRUE(this->t->isModified());
}

TYPED_TEST_P(TapeContract, a_line_added_to_a_written_open_line_becomes_the_open_line) {
    this->t->append("12,00");
    this->t->addLine("+ ");
    this->t->append("3,00");
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"12,00", "+ 3,00"}));
}

TYPED_TEST_P(TapeContract, a_line_added_to_an_empty_open_line_is_ended) {
    this->t->addLine("9,00");
    this->t->append("x");
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"9,00", "x"}));
}

TYPED_TEST_P(TapeContract, empty_lines_are_counted_but_not_a_final_empty_open_line) {
    this->t->addLine("15,00");
    for (int i = 0; i < 3; ++i)
        this->t->addLine("");
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"15,00", "", "", ""}));
    this->t->append("8,00");
    EXPECT_EQ(this->t->lineCount(), 5u);
}

TYPED_TEST_P(TapeContract, adding_an_empty_line_leaves_an_empty_open_line) {
    this->t->append("a");
    this->t->addLine("");
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"a"}));
    this->t->append("b");
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"a", "b"}));
}

TYPED_TEST_P(TapeContract, delete_line_removes_it_with_its_break) {
    this->t->addLine("a");
    this->t->addLine("b");
    this->t->addLine("c");
    this->t->deleteLine(1);
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"a", "c"}));
    this->t->deleteLine(99);
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"a", "c"}));
}

TYPED_TEST_P(TapeContract, deleting_the_open_line_leaves_it_empty) {
    this->t->append("5,00");
    this->t->addLine("– ");
    this->t->deleteLine(1);
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"5,00"}));
    this->t->append("x");
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"5,00", "x"}));
}

TYPED_TEST_P(TapeContract, text_keeps_the_style_it_was_typed_in) {
    TextStyle base = this->t->defaultStyle();
    this->t->append("a");
    this->t->setTypingColor(Color{255});
    this->t->setTypingBold(true);
    this->t->append("b");
    this->t->restoreDefaultStyle();
    this->t->append("c");
    TextStyle red = base;
    red.color = Color{255};
    red.bold = true;
    EXPECT_EQ(this->t->lineRuns(0), (std::vector<RichRun>{{"a", base}, {"b", red}, {"c", base}}));
}

TYPED_TEST_P(TapeContract, default_style_comes_from_the_settings) {
    TextStyle st;
    st.fontName = "DejaVu Sans Mono";
    st.halfPoints = 28;
    st.color = Color{0x123456};
    this->t->setDefaultStyle(st);
    this->t->restoreDefaultStyle();
    this->t->append("x");
    EXPECT_EQ(this->t->lineRuns(0), (std::vector<RichRun>{{"x", st}}));
    EXPECT_EQ(this->t->typingStyle(), st);
}

TYPED_TEST_P(TapeContract, accents_and_dashes_survive) {
    this->t->addLine("——————————");
    this->t->addLine("– 3,00 é €");
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"——————————", "– 3,00 é €"}));
}

TYPED_TEST_P(TapeContract, clear_empties_it) {
    this->t->addLine("a");
    this->t->clear();
    EXPECT_TRUE(this->t->isEmpty());
    EXPECT_EQ(this->t->lineCount(), 0u);
}

TYPED_TEST_P(TapeContract, edit_mode_is_off_until_set) {
    EXPECT_FALSE(this->t->editMode());
    this->t->setEditMode(true);
    EXPECT_TRUE(this->t->editMode());
}

TYPED_TEST_P(TapeContract, rich_text_holds_every_line_and_the_open_one) {
    this->t->append("a");
    this->t->addLine("b");
    const RichText rt = this->t->richText();
    ASSERT_EQ(rt.paragraphCount(), 2u);
    EXPECT_EQ(rt.text(0), "a");
    EXPECT_EQ(rt.align(0), Align::Right);
    EXPECT_EQ(rt.text(1), "b");
}

TYPED_TEST_P(TapeContract, load_replaces_everything_and_keeps_alignment) {
    this->t->addLine("old");
    TextStyle bold;
    bold.bold = true;
    const RichText rt(
        {Paragraph{Align::Center, {{"Titre", bold}}}, Paragraph{Align::Left, {{"x", {}}}}});
    this->t->load(rt);
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"Titre", "x"}));
    EXPECT_EQ(this->t->richText(), rt);
}

TYPED_TEST_P(TapeContract, inserted_rich_text_continues_the_open_line) {
    this->t->append("12,00 ");
    const RichText rt({Paragraph{Align::Center, {{"a", {}}}}, Paragraph{Align::Left, {{"b", {}}}}});
    this->t->insertRichText(rt);
    this->t->append("c");
    EXPECT_EQ(this->lines(), typename TestFixture::Lines({"12,00 a", "bc"}));
    EXPECT_EQ(this->t->richText().align(0), Align::Center);
    EXPECT_EQ(this->t->richText().align(1), Align::Right);
}

// A correction rewrites a stretch of lines: the middle of the tape, or its end with the open
// line; nothing, or more lines than were there.
struct ReplaceCase {
    std::size_t first, count;
    std::vector<std::string> put;
    bool putOpenLine;  // the last one put is the open line
    std::vector<std::string> want;
    std::string openLine;
};

TYPED_TEST_P(TapeContract, replaced_lines_take_the_place_of_those_they_replace) {
    const ReplaceCase cases[] = {
        {1, 1, {"+ 4,00"}, false, {"12,00", "+ 4,00", "15,00"}, ""},
        {1, 0, {"+ 7,00"}, false, {"12,00", "+ 7,00", "+ 3,00", "15,00"}, ""},
        {1, 1, {}, false, {"12,00", "15,00"}, ""},
        {2, 2, {"16,00", "x"}, true, {"12,00", "+ 3,00", "16,00", "x"}, "x"},
        {0, 1, {"a", "b"}, false, {"a", "b", "+ 3,00", "15,00"}, ""},
    };
    for (const ReplaceCase& c : cases) {
        this->t->clear();
        for (const char* l : {"12,00", "+ 3,00", "15,00"})
            this->t->addLine(l);
        std::vector<Paragraph> ps;
        for (const std::string& l : c.put)
            ps.push_back({Align::Right, {{l, TextStyle{}}}});
        if (!c.putOpenLine) ps.push_back({});
        const RichText lines(ps);
        this->t->replaceLines(c.first, c.count, lines, 0, c.put.size());
        EXPECT_EQ(this->lines(), c.want) << c.first << " " << c.count;
        EXPECT_EQ(this->t->storedLines(), c.want.size() + (c.openLine.empty() ? 1 : 0));
        EXPECT_EQ(this->t->line(this->t->storedLines() - 1), c.openLine);
    }
}

REGISTER_TYPED_TEST_SUITE_P(TapeContract, rich_text_holds_every_line_and_the_open_one,
                            replaced_lines_take_the_place_of_those_they_replace,
                            load_replaces_everything_and_keeps_alignment,
                            inserted_rich_text_continues_the_open_line, starts_empty,
                            append_continues_the_open_line,
                            a_line_added_to_a_written_open_line_becomes_the_open_line,
                            a_line_added_to_an_empty_open_line_is_ended,
                            empty_lines_are_counted_but_not_a_final_empty_open_line,
                            adding_an_empty_line_leaves_an_empty_open_line,
                            delete_line_removes_it_with_its_break,
                            deleting_the_open_line_leaves_it_empty,
                            text_keeps_the_style_it_was_typed_in,
                            default_style_comes_from_the_settings, accents_and_dashes_survive,
                            clear_empties_it, edit_mode_is_off_until_set);

}  // namespace zumbrel::tape
