#include "core/calc/number_text.h"

#include <gtest/gtest.h>
#include "test_names.h"

namespace zumbrel::calc {
namespace {

TEST(IndicNbrDecim, counts_decimals_ignoring_a_trailing_operator) {
    EXPECT_EQ(IndicNbrDecim("12,345", ','), 3);
    EXPECT_EQ(IndicNbrDecim("12,5+", ','), 1);
    EXPECT_EQ(IndicNbrDecim("-12,5", ','), 1);
    EXPECT_EQ(IndicNbrDecim("12", ','), 0);
    EXPECT_EQ(IndicNbrDecim("", ','), 0);
    EXPECT_EQ(IndicNbrDecim("0,", ','), 0);
    EXPECT_EQ(IndicNbrDecim("1.25", '.'), 2);
}

struct DigitsCase {
    const char* text;
    std::size_t significant;
};

class SignificantDigits : public testing::TestWithParam<DigitsCase> {};

TEST_P(SignificantDigits, count_from_the_first_digit_that_is_not_zero) {
    EXPECT_EQ(significantDigits(GetParam().text), GetParam().significant);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SignificantDigits,
    testing::Values(DigitsCase{"", 0}, DigitsCase{"0", 0}, DigitsCase{"0,", 0},
                    DigitsCase{"000", 0}, DigitsCase{"7", 1}, DigitsCase{"0,050", 2},
                    DigitsCase{"-0,05", 1}, DigitsCase{"100", 3}, DigitsCase{"12,5", 3},
                    DigitsCase{"1.5", 2}, DigitsCase{"123456789012345678", 18},
                    DigitsCase{"-123456789,0123456789", 19}),
    testing_names::namedBy([](const DigitsCase& c) { return std::string(c.text); }));

struct GroupCase {
    const char* text;
    const char* sepDec;
    char ds;
    const char* expected;
};

class AddSepToMilTest : public testing::TestWithParam<GroupCase> {};

TEST_P(AddSepToMilTest, groups_the_integer_part) {
    const GroupCase& c = GetParam();
    EXPECT_EQ(AddSepToMil(c.text, FormatOptions{c.ds, "2", c.sepDec}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddSepToMilTest,
    testing::Values(
        GroupCase{"1234567,891", "S", ',', "1 234 567,891"}, GroupCase{"1234", "Q", ',', "1'234"},
        GroupCase{"123", "Q", ',', "123"}, GroupCase{"1234567.5", "C", '.', "1,234,567.5"},
        GroupCase{"-123456", "S", ',', "-123 456"}, GroupCase{"-12", "S", ',', "-12"},
        GroupCase{"-123", "S", ',', "-123"}, GroupCase{"", "S", ',', ""},
        GroupCase{"1,1234567", "S", ',', "1,12345"}, GroupCase{"-123456,5", "P", ',', "-123.456,5"},
        GroupCase{"1234567", "C", ',', "1234567"}, GroupCase{"1234567", "P", '.', "1234567"},
        GroupCase{"1234567", "N", ',', "1234567"}, GroupCase{"1234567", "?", ',', "1234567"}),
    testing_names::namedBy([](const GroupCase& c) {
        return std::string(c.text) + "_" + c.sepDec;
    }));

struct FillCase {
    const char* display;
    const char* nbrDec;
    bool afterPercent;
    const char* expected;
};

class AddZerosDecTest : public testing::TestWithParam<FillCase> {};

TEST_P(AddZerosDecTest, fills_to_the_decimal_places) {
    const FillCase& c = GetParam();
    EXPECT_EQ(AddZerosDec(c.display, FormatOptions{',', c.nbrDec, "S"}, c.afterPercent),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddZerosDecTest,
    testing::Values(FillCase{"7", "0", false, "7"}, FillCase{"7", "0", true, "7,00"},
                    FillCase{"7", "1", false, "7,0"}, FillCase{"7", "1", true, "7,00"},
                    FillCase{"7", "3", true, "7,00"}, FillCase{"7", "5", false, "7,00000"},
                    FillCase{"7", "x", false, "7"}, FillCase{"7", "x", true, "7"},
                    FillCase{"7,5", "0", false, "7,5"}, FillCase{"7,5", "0", true, "7,50"},
                    FillCase{"7,5", "2", false, "7,50"}, FillCase{"7,5", "4", false, "7,5000"},
                    FillCase{"7,", "3", false, "7,000"}, FillCase{"7,123", "2", false, "7,123"},
                    FillCase{"7,123", "5", true, "7,123"}, FillCase{"7,1", "5", true, "7,10"},
                    FillCase{"1 234,5", "2", false, "1 234,50"}),
    testing_names::namedBy([](const FillCase& c) {
        return std::string(c.display) + "_nbrdec_" + c.nbrDec;
    }));

TEST(GetResultConv, formats_with_the_decimal_places_or_all_digits) {
    const FormatOptions two{',', "2", "S"};
    EXPECT_EQ(GetResultConv(15, two, false), "15,00");
    EXPECT_EQ(GetResultConv(-2.5L, two, false), "-2,50");
    EXPECT_EQ(GetResultConv(1.0L / 3, two, false), "0,33");
    EXPECT_EQ(GetResultConv(2.0L / 3, FormatOptions{',', "0", "S"}, false), "1");
    EXPECT_EQ(GetResultConv(1.0L / 3, FormatOptions{',', "x", "S"}, false), "0,33");
    EXPECT_EQ(GetResultConv(1.0L / 3, two, true), "0,333333333333333");
    EXPECT_EQ(GetResultConv(1234567, two, false), "1234567,00");
}

TEST(AlignmentHelpers, count_characters_not_bytes) {
    EXPECT_EQ(AddPoint("Total HT", "TVA"), "     ");
    EXPECT_EQ(AddPoint("abc", "abcd"), "");
    EXPECT_EQ(AddPoint("é12", "12"), " ");
    EXPECT_EQ(DedectPlusLongStr("abc", "ab"), 1);
    EXPECT_EQ(DedectPlusLongStr("ab", "ab"), 2);
    EXPECT_EQ(DedectPlusLongStr("a", "ab"), 2);
    EXPECT_EQ(DedectPlusLongStr("été", "ab"), 1);
}

// A screen reader reads "6'000,00" digit by digit: it hears the grouping as spaces.
TEST(SpokenGrouping, thousands_separators_between_digits_become_spaces) {
    struct Case {
        const char* shown;
        char ds;
        const char* spoken;
    };
    const Case cases[] = {
        {"6'000,00", ',', "6 000,00"},
        {"-1'234'567,5", ',', "-1 234 567,5"},
        {"1.234.567,50", ',', "1 234 567,50"},  // points group when the comma is decimal
        {"1,234,567.50", '.', "1 234 567.50"},
        {"1234,50", ',', "1234,50"},  // the decimal separator stays
        {"1.5", '.', "1.5"},
        {"Total : 6'000,00 (avant : 5'000,00)", ',', "Total : 6 000,00 (avant : 5 000,00)"},
        {"l'addition", ',', "l'addition"},  // an apostrophe between letters is a word's
        {"'", ',', "'"},
        {"", ',', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spokenGrouping(c.shown, c.ds), c.spoken) << c.shown;
}

TEST(DelSpace, removes_no_break_spaces_only) {
    EXPECT_EQ(DelSpace("1\u00a0234 5"), "1234 5");
    EXPECT_EQ(DelSpace("é"), "é");
}

}  // namespace
}  // namespace zumbrel::calc
