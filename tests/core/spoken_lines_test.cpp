// What a screen reader is given for the tape's drawn lines: the rule in words, the total
// under it, the root with the number it is the root of; every other line as it stands.

#include "core/tape/spoken_lines.h"

#include <gtest/gtest.h>

#include "test_names.h"

namespace zumbrel::tape {
namespace {

const std::string kRule = "——————————";  // ten em dashes

struct SpokenCase {
    const char* what;
    std::string twoAbove, above, line;
    std::optional<std::string> said;
};

class SpokenLines : public testing::TestWithParam<SpokenCase> {};

TEST_P(SpokenLines, say_drawn_lines_in_words_and_leave_the_others) {
    const SpokenCase& c = GetParam();
    EXPECT_EQ(spokenLine(c.line, c.above, c.twoAbove, SpokenWords{}), c.said);
}

INSTANTIATE_TEST_SUITE_P(
    Tape, SpokenLines,
    testing::Values(
        SpokenCase{"a rule", "", "+ 8,00", kRule, "trait"},
        SpokenCase{"a rule in its right-aligned padding", "", "", "   " + kRule + " ", "trait"},
        SpokenCase{"two dashes are no rule", "", "", "——", std::nullopt},
        SpokenCase{"dashes in a comment", "", "", "—— fin ——", std::nullopt},
        SpokenCase{"the total under a rule", "+ 8,00", kRule, "108,00", "total 108,00"},
        SpokenCase{"a negative total with thousands", "", kRule, "-1 234,50", "total -1 234,50"},
        SpokenCase{"grouped by apostrophes", "", kRule, "6'000,00", "total 6'000,00"},
        SpokenCase{"grouped by no-break spaces", "", kRule, "6\u00a0000,00", "total 6\u00a0000,00"},
        SpokenCase{"a number not under a rule", "", "100,00", "+ 8,00", std::nullopt},
        SpokenCase{"a subtraction's sign in words", "", "100,00", "– 8,00", "moins 8,00"},
        SpokenCase{"a subtraction's sign alone on its line", "", "100,00", "–", "moins"},
        SpokenCase{"a subtracted negative number", "", "100,00", "– -2,00", "moins -2,00"},
        SpokenCase{"a block's labelled line under a rule", "", kRule, "TTC : 120,00", std::nullopt},
        SpokenCase{"a direct root", "9,00", kRule, "V² : 3,00", "racine carrée de 9,00 : 3,00"},
        SpokenCase{"a root in a chain", "+ 7,00", "* 2,00", "V² : 4,00", "racine carrée : 4,00"},
        SpokenCase{"an operand", "", "", "* 2,00", std::nullopt},
        SpokenCase{"an empty line", "", kRule, "", std::nullopt}),
    testing_names::namedBy([](const SpokenCase& c) { return std::string(c.what); }));

TEST(SpokenLinesWords, come_from_the_language) {
    const SpokenWords english{"rule", "total", "square root of", "square root"};
    EXPECT_EQ(spokenLine(kRule, "", "", english), "rule");
    EXPECT_EQ(spokenLine("V² : 3,00", kRule, "9,00", english), "square root of 9,00 : 3,00");
}

}  // namespace
}  // namespace zumbrel::tape
