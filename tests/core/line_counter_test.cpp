#include "core/tape/line_counter.h"

#include <gtest/gtest.h>
#include "test_names.h"

namespace zumbrel::tape {
namespace {

struct CounterCase {
    std::size_t lines;
    const char* font;
    int size;
    const char* caption;
};

class LineCounter : public testing::TestWithParam<CounterCase> {};

TEST_P(LineCounter, counts_pages_of_59_lines_in_12_point_courier) {
    const CounterCase& c = GetParam();
    EXPECT_EQ(GetNrbLinesEditor(c.lines, c.font, c.size), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, LineCounter,
    testing::Values(
        CounterCase{59, "Courier New", 12,
                    "Cette liste comporte 59 lignes sur une page à imprimer"},
        CounterCase{60, "Courier New", 12, "Cette liste comporte 60 lignes sur 2 pages à imprimer"},
        CounterCase{118, "Courier New", 12,
                    "Cette liste comporte 118 lignes sur 3 pages à imprimer"},
        CounterCase{0, "Courier New", 12, "Cette liste comporte 0 lignes sur une page à imprimer"},
        CounterCase{60, "Arial", 12, "Cette liste comporte 60 lignes"},
        CounterCase{60, "Courier New", 14, "Cette liste comporte 60 lignes"},
        CounterCase{60, "courier new", 12, "Cette liste comporte 60 lignes"}),
    testing_names::namedBy([](const CounterCase& c) {
        return std::to_string(c.lines) + "_lines";
    }));

TEST(LineCounter, uses_the_texts_of_the_language) {
    const LineCounterTexts en{"lines", "This list has", "lines on one page", "lines on", "pages"};
    EXPECT_EQ(GetNrbLinesEditor(60, "Courier New", 12, en), "This list has 60 lines on 2 pages");
    EXPECT_EQ(GetNrbLinesEditor(3, "Arial", 10, en), "This list has 3 lines");
}

}  // namespace
}  // namespace zumbrel::tape
