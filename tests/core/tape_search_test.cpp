// Searching the tape: amounts by value whatever their grouping, other text as written.
#include "core/tape/tape_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zumbrel::tape {
namespace {

struct Case {
    const char* typed;
    const char* line;
    char ds;
    bool found;
};

TEST(TapeSearch, finds_amounts_by_value_and_text_as_written) {
    const Case cases[] = {
        // an amount, whatever the tape's grouping
        {"1234,5", "  1 234,50", ',', true},
        {"1234,5", "  1'234,50", ',', true},
        {"1234,5", "  1234.50", '.', true},
        {"1234,5", "  1,234.50", '.', true},
        {"1234,5", "  1.234,50", ',', true},
        {"1234,5",
         "  1\xC2\xA0"
         "234,50",
         ',', true},
        {"1234,5",
         "  1\xE2\x80\xAF"
         "234,50",
         ',', true},
        {"1 234,50", "    + 1234,5", ',', true},
        {"1'234.50", "    + 1234,5", ',', true},
        {"1.234.567", "1 234 567,00", ',', true},
        {"1,234.5", "1 234,50", ',', true},
        {"12", "   = 12,00", ',', true},
        {"0,5", "    x 0,50", ',', true},
        {",5", "    x 0,50", ',', true},
        // a different amount is not found, nor part of one
        {"1234,5", "  1 234,56", ',', false},
        {"234,5", "  1 234,50", ',', false},
        {"12", "   112,00", ',', false},
        {"12", "   1,12", ',', false},
        {"12", "   12,5", ',', false},
        // two numbers side by side are not one
        {"123", "12 3", ',', false},
        {"3", "12 3", ',', true},
        // text, without regard to case
        {"total", "Total du jour", ',', true},
        {"TVA", "TVA (19,6 %) : 1,96", ',', true},
        {"19,6 %", "TVA (19,6 %) : 1,96", ',', true},
        {"remise", "TVA (19,6 %) : 1,96", ',', false},
        {"  ", "anything", ',', false},
        {"", "anything", ',', false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TapeSearch(c.typed).matches(c.line, c.ds), c.found)
            << '"' << c.typed << "\" in \"" << c.line << '"';
    }
}

TEST(TapeSearch, gives_the_lines_that_match_in_order) {
    const std::vector<std::string> lines = {"    12,50", "  + 1 234,50", "——————————", "  1 247,00",
                                            "  + 1234,50"};
    const auto at = [&](std::size_t i) -> std::string_view { return lines[i]; };
    EXPECT_EQ(findLines(TapeSearch("1234,5"), lines.size(), at, ','),
              (std::vector<std::size_t>{1, 4}));
    EXPECT_TRUE(findLines(TapeSearch("9"), lines.size(), at, ',').empty());
    EXPECT_TRUE(findLines(TapeSearch(""), lines.size(), at, ',').empty());
}

// Cut UTF-8 sequences and every byte value: read without going past the line's end.
TEST(TapeSearch, reads_cut_and_odd_bytes_within_the_line) {
    std::string everyByte;
    for (int i = 1; i < 256; ++i)
        everyByte += static_cast<char>(i);
    EXPECT_TRUE(TapeSearch("a").matches(everyByte, ','));
    EXPECT_FALSE(TapeSearch("1").matches(everyByte, ','));  // "123456789" is one number
    EXPECT_TRUE(TapeSearch("1").matches("1\xC2", ','));
    EXPECT_TRUE(TapeSearch("1").matches("1\xE2\x80", ','));
    EXPECT_TRUE(TapeSearch("1").matches("1,", ','));
    EXPECT_FALSE(TapeSearch("1234").matches("1 23", ','));
    EXPECT_TRUE(TapeSearch("\xC2").matches("x\xC2", ','));  // not an amount: text
}

}  // namespace
}  // namespace zumbrel::tape
