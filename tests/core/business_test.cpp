#include <gtest/gtest.h>

#include "core/business/business_registers.h"
#include "core/business/currency.h"
#include "core/business/exact.h"
#include "core/business/self_employed.h"
#include "core/business/vat.h"
#include "test_names.h"

namespace zumbrel::business {
namespace {

Exact exact(const char* text) {
    const auto v = parseExact(text);
    EXPECT_TRUE(v.has_value()) << text;
    return v.value_or(Exact{});
}

// ---- exact decimal numbers -----------------------------------------------------------------

struct ParseCase {
    const char* text;
    const char* shown;  // formatShortest with ","; nullptr when the text is refused
};

class ParseExact : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseExact, reads_commas_and_points_and_refuses_the_rest) {
    const ParseCase& c = GetParam();
    const auto v = parseExact(c.text);
    if (!c.shown) {
        EXPECT_FALSE(v.has_value()) << formatShortest(*v, ',');
    } else {
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(formatShortest(*v, ','), c.shown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseExact,
    testing::Values(ParseCase{"19,6", "19,6"}, ParseCase{"19.6", "19,6"},
                    ParseCase{"6,559570", "6,55957"}, ParseCase{" 5 ", "5"}, ParseCase{"-3", "-3"},
                    ParseCase{"+2", "2"}, ParseCase{"12,", "12"}, ParseCase{",5", "0,5"},
                    ParseCase{"007", "7"}, ParseCase{"0,000", "0"}, ParseCase{"", nullptr},
                    ParseCase{",", nullptr}, ParseCase{"-", nullptr}, ParseCase{"1,2,3", nullptr},
                    ParseCase{"1.2,3", nullptr}, ParseCase{"2O", nullptr},
                    ParseCase{"32 000", nullptr}, ParseCase{"1e5", nullptr},
                    ParseCase{"0x10", nullptr},
                    ParseCase{"1234567890123456789012345678901", nullptr},
                    ParseCase{"123456789012345678901234567890", "123456789012345678901234567890"}),
    testing_names::namedBy([](const ParseCase& c) { return std::string("text_") + c.text; }));

struct MulDivCase {
    const char* a;
    const char* b;
    const char* c;
    int places;
    const char* expected;
};

class MulDiv : public testing::TestWithParam<MulDivCase> {};

TEST_P(MulDiv, rounds_half_away_from_zero_exactly) {
    const MulDivCase& m = GetParam();
    const auto r = mulDiv(exact(m.a), exact(m.b), exact(m.c), m.places);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(formatFixed(*r, m.places, ','), m.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MulDiv,
    testing::Values(MulDivCase{"500", "6,55957", "1", 2, "3279,79"},  // 3279,785 exactly
                    MulDivCase{"100", "6,55957", "1", 2, "655,96"},
                    MulDivCase{"655,96", "1", "6,55957", 2, "100,00"},
                    MulDivCase{"1", "1", "6,55957", 2, "0,15"},
                    MulDivCase{"0,1", "5,5", "100", 2, "0,01"},  // 0,0055
                    MulDivCase{"-0,1", "5,5", "100", 2, "-0,01"},
                    MulDivCase{"1", "1", "3", 5, "0,33333"}, MulDivCase{"2", "1", "3", 0, "1"},
                    MulDivCase{"100,05", "100", "120", 2, "83,38"},  // 83,375
                    MulDivCase{"999999999999999999", "19,6", "100", 5, "195999999999999999,80400"}),
    testing_names::namedBy([](const MulDivCase& m) {
        return std::string(m.a) + "_times_" + m.b + "_by_" + m.c;
    }));

TEST(Exact, division_by_zero_and_overflow_give_nothing) {
    EXPECT_FALSE(mulDiv(exact("1"), exact("1"), exact("0"), 2).has_value());
    const Exact huge = exact("999999999999999999999999999999");
    EXPECT_FALSE(mulDiv(huge, huge, exact("1"), 2).has_value());
    EXPECT_FALSE(add(Exact{static_cast<Int128>(1) << 120, 0}, huge).has_value());
}

TEST(Exact, compares_by_value_whatever_the_scale) {
    EXPECT_TRUE(exact("32000") == exact("32000,00"));
    EXPECT_TRUE(exact("31999,99") < exact("32000"));
    EXPECT_FALSE(exact("32000") < exact("32000,0"));
    EXPECT_TRUE(exact("-3") < exact("0"));
}

TEST(Exact, formats_with_the_separator_and_no_minus_zero) {
    EXPECT_EQ(formatFixed(exact("-0,001"), 2, ','), "0,00");
    EXPECT_EQ(formatFixed(exact("1234,5"), 3, '.'), "1234.500");
    EXPECT_EQ(formatFixed(exact("0,5"), 0, ','), "1");
    EXPECT_EQ(formatFixed(exact("-2,5"), 0, ','), "-3");
}

// ---- every block adds up to the cent --------------------------------------------------------

// All amounts from 0,01 to 10 000,00: the lines of each block, as printed, add up exactly, and
// each computed line is the true value rounded to the cent.
class BlocksAddUp : public testing::TestWithParam<const char*> {};

TEST_P(BlocksAddUp, for_every_amount_to_ten_thousand) {
    const Exact rate = exact(GetParam());
    const Exact hundred{100, 0};
    int failures = 0;
    for (Int128 cents = 1; cents <= 1'000'000 && failures < 5; ++cents) {
        const Exact amount{cents, 2};
        const auto f = vatForward(amount, rate, 2);
        const auto b = vatBackward(amount, rate, 2);
        ASSERT_TRUE(f && b);
        const bool forwardAddsUp =
            *add(f->beforeTax, f->tax) == f->withTax && f->tax == *mulDiv(amount, rate, hundred, 2);
        const bool backwardAddsUp =
            *add(b->beforeTax, b->tax) == amount &&
            b->beforeTax == *mulDiv(amount, hundred, *add(hundred, rate), 2);
        if (!forwardAddsUp || !backwardAddsUp) {
            ++failures;
            ADD_FAILURE() << "amount " << formatFixed(amount, 2, ',');
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, BlocksAddUp, testing::Values("20", "5,5", "2,1"),
                         testing_names::namedBy([](const char* r) { return std::string(r); }));

TEST(QuebecBlocksAddUp, for_every_amount_to_ten_thousand) {
    const Exact tps = exact("5"), tvp = exact("9,975");
    int failures = 0;
    for (Int128 cents = 1; cents <= 1'000'000 && failures < 5; ++cents) {
        const Exact amount{cents, 2};
        const auto f = quebecForward(amount, tps, tvp, 2);
        const auto b = quebecBackward(amount, tps, tvp, 2);
        ASSERT_TRUE(f && b);
        const bool ok = *add(*add(f->beforeTax, f->tax), f->provincial) == f->withTax &&
                        *add(*add(b->beforeTax, b->tax), b->provincial) == amount &&
                        !b->provincial.isNegative();
        if (!ok) {
            ++failures;
            ADD_FAILURE() << "amount " << formatFixed(amount, 2, ',');
        }
    }
}

TEST(Currency, converts_there_and_back_with_halves_up) {
    const Exact franc = exact("6,55957");
    EXPECT_EQ(formatFixed(*euroToOther(exact("500"), franc), 2, ','), "3279,79");
    EXPECT_EQ(formatFixed(*otherToEuro(exact("655,96"), franc), 2, ','), "100,00");
    EXPECT_FALSE(otherToEuro(exact("1"), exact("0")).has_value());
}

// ---- the rates and profiles in use ----------------------------------------------------------

TEST(BusinessRegisters, a_chosen_profile_becomes_the_one_in_use) {
    BusinessRegisters b;
    b.chooseProfile(0);
    EXPECT_EQ(b.lblTauxAE, "13");
    EXPECT_EQ(b.lblCAMaxAE, "80000");
    EXPECT_EQ(b.lblProfilAE, "1");
    EXPECT_EQ(b.pnlAE(), "13 %  80000");
    b.chooseProfile(3);  // no such row
    EXPECT_EQ(b.lblProfilAE, "1");
}

TEST(BusinessRegisters, the_profile_list_names_each_profile) {
    const BusinessRegisters b;
    EXPECT_EQ(
        b.profileRows("Profil", "AE"),
        (std::vector<std::string>{"Profil AE  A  (13 %  80000)", "Profil AE  B  (20,5 %  32000)",
                                  "Profil AE  C  (23 %  32000)"}));
}

TEST(BusinessRegisters, a_chosen_vat_rate_goes_to_the_panel) {
    BusinessRegisters b;
    b.chooseVatRate(1);
    EXPECT_EQ(b.pnlTauxTVA, "5,5");
    b.chooseVatRate(6);
    EXPECT_EQ(b.pnlTauxTVA, "5,5");
    EXPECT_EQ(b.pnlTauxTPSTVP(), "5   9,975");
}

TEST(BusinessRegisters, the_currency_panel_shows_the_rate_used_and_both_keys_are_written) {
    config::Settings s = config::Settings::firstRun(',');
    s.money = "7";  // an older file could show one rate and compute with another
    s.rateMoney = "6,55957";
    BusinessRegisters b;
    b.take(s);
    EXPECT_EQ(b.pnlEuro(), "6,55957");
    config::Settings out;
    b.give(out);
    EXPECT_EQ(out.money, "6,55957");
    EXPECT_EQ(out.rateMoney, "6,55957");
}

TEST(BusinessRegisters, settings_travel_unchanged) {
    config::Settings s = config::Settings::firstRun('.');
    s.tva = "8.5";
    s.caMaxAE = "77700";
    s.profilAE = "2";
    BusinessRegisters b;
    b.take(s);
    config::Settings out = config::Settings::firstRun('.');
    b.give(out);
    EXPECT_EQ(out.tva, "8.5");
    EXPECT_EQ(out.caMaxAE, "77700");
    EXPECT_EQ(out.profilAE, "2");
    EXPECT_EQ(out.rateTVA, s.rateTVA);
    EXPECT_EQ(out.rateTVP, s.rateTVP);
}

TEST(BusinessRegisters, scripts_name_the_registers) {
    BusinessRegisters b;
    EXPECT_TRUE(b.set("tvp-name", "TVH"));
    EXPECT_TRUE(b.set("ae-ceiling", "77700"));
    EXPECT_FALSE(b.set("rate", "1"));
    EXPECT_EQ(b.lblQuebTVP, "TVH");
    EXPECT_EQ(b.lblCAMaxAE, "77700");
}

TEST(Ceiling, keeps_its_own_decimals_and_takes_the_separator) {
    EXPECT_EQ(ceilingText(exact("32000"), "2", '.'), "32000.00");
    EXPECT_EQ(ceilingText(exact("32000"), "0", ','), "32000");
    EXPECT_EQ(ceilingText(exact("32000,5"), "0", ','), "32000,5");
    EXPECT_EQ(ceilingText(exact("32000"), "Q", ','), "32000");
}

}  // namespace
}  // namespace zumbrel::business
