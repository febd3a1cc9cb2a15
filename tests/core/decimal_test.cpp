#include "core/calc/decimal.h"

#include <gtest/gtest.h>
#include "test_names.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace zumbrel::calc {
namespace {

struct FixedCase {
    long double value;
    int decimals;
    const char* expected;
};

class FormatFixed : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixed, rounds_half_away_from_zero_at_18_digits) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(formatFixed(c.value, c.decimals, ','), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixed,
    testing::Values(FixedCase{15, 2, "15,00"}, FixedCase{-2.5L, 2, "-2,50"},
                    FixedCase{1.0L / 3, 2, "0,33"}, FixedCase{2.0L / 3, 0, "1"},
                    FixedCase{0.125L, 2, "0,13"}, FixedCase{-0.125L, 2, "-0,13"},
                    FixedCase{1.005L, 2, "1,01"}, FixedCase{2.675L, 2, "2,68"},
                    FixedCase{-0.001L, 2, "0,00"}, FixedCase{0.005L, 2, "0,01"},
                    FixedCase{0.0049L, 2, "0,00"}, FixedCase{999.995L, 2, "1000,00"},
                    FixedCase{9.5L, 0, "10"}, FixedCase{0.5L, 0, "1"}, FixedCase{0.4L, 0, "0"},
                    FixedCase{1e20L, 2, "100000000000000000000,00"}, FixedCase{1e-30L, 2, "0,00"},
                    FixedCase{0, 2, "0,00"}, FixedCase{0, 0, "0"},
                    FixedCase{999999999999999990.0L, 2, "999999999999999990,00"},
                    FixedCase{123.456789L, 5, "123,45679"}),
    testing_names::namedBy([](const FixedCase& c) {
        return std::to_string(c.decimals) + "_places_give_" + c.expected;
    }));

// Ties at both rounding steps: a value the float holds exactly, with a 5 as the first digit
// dropped, goes away from zero at the 18th significant digit and again at the wanted place.
struct TieCase {
    const char* name;
    long double value;
    int places;  // decimals of the fixed form, or -1 for the 15-digit general form
    const char* expected;
};

class RoundingTies : public testing::TestWithParam<TieCase> {};

TEST_P(RoundingTies, go_away_from_zero_at_each_step) {
    const TieCase& c = GetParam();
    const std::string got =
        c.places < 0 ? formatGeneral(c.value, 15, ',') : formatFixed(c.value, c.places, ',');
    EXPECT_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RoundingTies,
    testing::Values(
        TieCase{"tie_at_the_19th_digit_goes_up", 1234567890123456.625L, 2, "1234567890123456,63"},
        TieCase{"negative_tie_at_the_19th_digit_goes_down", -1234567890123456.625L, 2,
                "-1234567890123456,63"},
        TieCase{"integer_tie_at_the_19th_digit", 1000000000000000005.0L, 0, "1000000000000000010"},
        TieCase{"negative_integer_tie_at_the_19th_digit", -1000000000000000005.0L, 0,
                "-1000000000000000010"},
        TieCase{"below_the_tie_at_the_19th_digit", 1000000000000000004.0L, 0,
                "1000000000000000000"},
        TieCase{"tie_at_the_wanted_place", 0.125L, 2, "0,13"},
        TieCase{"tie_after_the_18_digit_step", 2.675L, 2, "2,68"},
        TieCase{"general_tie_at_the_16th_digit", 1234567890123.125L, -1, "1234567890123,13"},
        TieCase{"negative_general_tie_at_the_16th_digit", -1234567890123.125L, -1,
                "-1234567890123,13"},
        TieCase{"general_below_the_tie", 1234567890123.12L, -1, "1234567890123,12"},
        TieCase{"general_rounds_the_18_digits_again", 1234567890123456.625L, -1,
                "1234567890123460"},
        TieCase{"general_one_third_times_five", 0.333333333333333L * 5, -1, "1,66666666666667"},
        TieCase{"general_keeps_short_values", 2.5L, -1, "2,5"}),
    testing_names::namedBy([](const TieCase& c) { return std::string(c.name); }));

TEST(FormatFixed, uses_the_separator_it_is_given) {
    EXPECT_EQ(formatFixed(15, 2, '.'), "15.00");
}

TEST(FormatGeneral, keeps_up_to_15_significant_digits_without_exponent) {
    EXPECT_EQ(formatGeneral(1.0L / 3, 15, ','), "0,333333333333333");
    EXPECT_EQ(formatGeneral(2.23456L, 15, ','), "2,23456");
    EXPECT_EQ(formatGeneral(1e20L, 15, ','), "100000000000000000000");
    EXPECT_EQ(formatGeneral(1.5e-7L, 15, ','), "0,00000015");
    EXPECT_EQ(formatGeneral(-2, 15, ','), "-2");
    EXPECT_EQ(formatGeneral(0, 15, ','), "0");
    EXPECT_EQ(formatGeneral(25, 15, '.'), "25");
}

struct ParseCase {
    const char* text;
    char ds;
    bool ok;
    long double value;
};

class ParseNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, reads_register_texts_only) {
    const ParseCase& c = GetParam();
    const auto v = parseNumber(c.text, c.ds);
    ASSERT_EQ(v.has_value(), c.ok) << c.text;
    if (c.ok) {
        EXPECT_EQ(*v, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumber,
    testing::Values(ParseCase{"12,5", ',', true, 12.5L}, ParseCase{"-12,5", ',', true, -12.5L},
                    ParseCase{" 3 ", ',', true, 3}, ParseCase{"12,", ',', true, 12},
                    ParseCase{",5", ',', true, 0.5L}, ParseCase{"0,0", ',', true, 0},
                    ParseCase{"1.5", '.', true, 1.5L}, ParseCase{"-", ',', false, 0},
                    ParseCase{"", ',', false, 0}, ParseCase{"-,", ',', false, 0},
                    ParseCase{"1,2,3", ',', false, 0}, ParseCase{"1.5", ',', false, 0},
                    ParseCase{"1e5", ',', false, 0}, ParseCase{"1 234", ',', false, 0},
                    ParseCase{"inf", ',', false, 0}, ParseCase{"nan", ',', false, 0}),
    testing_names::namedBy([](const ParseCase& c) { return std::string(c.text); }));

TEST(ParseNumber, refuses_magnitudes_beyond_the_range) {
    EXPECT_FALSE(parseNumber("1" + std::string(5000, '0'), ',').has_value());
    EXPECT_TRUE(parseNumber("1" + std::string(4000, '0'), ',').has_value());
}

TEST(ParseNumber, round_trips_with_fixed_formatting) {
    for (const char* t : {"0,01", "123456789,12", "-0,50", "99999999999999999,00"}) {
        EXPECT_EQ(formatFixed(*parseNumber(t, ','), 2, ','), t);
    }
}

}  // namespace
}  // namespace zumbrel::calc

namespace zumbrel::calc {
namespace {

// The digits the calculator rounds from are every digit of the value: checked against the C
// library's own exact conversion, for values of every magnitude a calculation meets and far
// beyond it.
TEST(ExactExpansion, gives_every_digit_of_the_value) {
    std::mt19937_64 rng(42);
    const auto reference = [](long double v) {
        char buf[512];
        std::snprintf(buf, sizeof buf, "%.300Le", v);
        std::string s(buf);
        std::string sign;
        if (s.front() == '-') {
            sign = "-";
            s.erase(0, 1);
        }
        const std::size_t e = s.find('e');
        std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        return sign + digits + "e" + std::to_string(std::stoi(s.substr(e + 1)) + 1);
    };
    for (int i = 0; i < 20000; ++i) {
        const int exponent = static_cast<int>(rng() % 260) - 140;
        long double v = std::ldexp(static_cast<long double>(rng()), exponent - 64);
        if (rng() % 2) v = -v;
        if (i % 4 == 0) v = std::round(v * 100) / 100;  // amounts to the cent
        if (v == 0) continue;
        ASSERT_EQ(exactExpansion(v), reference(v)) << static_cast<double>(v);
    }
    EXPECT_EQ(exactExpansion(12.5L), "125e2");
    EXPECT_EQ(exactExpansion(-0.03125L), "-3125e-1");
    EXPECT_EQ(exactExpansion(0), "0e1");
}

}  // namespace
}  // namespace zumbrel::calc
