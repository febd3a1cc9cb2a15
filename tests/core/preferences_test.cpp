#include <gtest/gtest.h>

#include <string>

#include "core/business/business_registers.h"
#include "core/calc/context.h"
#include "core/calc/registers.h"
#include "core/prefs/preferences.h"
#include "core/prefs/rate_field.h"
#include "core/voice/voice_state.h"

namespace zumbrel::prefs {
namespace {

struct CharCase {
    char typed;
    const char* text;
    char ds;
    std::optional<char> becomes;
};

class RateCharacters : public testing::TestWithParam<CharCase> {};

TEST_P(RateCharacters, digits_and_one_separator_only) {
    const CharCase& c = GetParam();
    EXPECT_EQ(rateCharacter(c.typed, c.text, c.ds), c.becomes);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, RateCharacters,
    testing::Values(CharCase{'7', "", ',', '7'}, CharCase{'0', "", ',', '0'},
                    CharCase{'.', "19", ',', ','},  // either key gives the system's separator
                    CharCase{',', "19", '.', '.'}, CharCase{',', "19,6", ',', std::nullopt},
                    CharCase{'.', "0,9", ',', std::nullopt}, CharCase{'a', "1", ',', std::nullopt},
                    CharCase{'-', "", ',', std::nullopt}, CharCase{' ', "1", ',', std::nullopt},
                    CharCase{'%', "1", ',', std::nullopt}));

TEST(OtherFields, ceilings_take_digits_and_the_tax_name_capitals) {
    EXPECT_EQ(ceilingCharacter('5'), '5');
    EXPECT_EQ(ceilingCharacter(','), std::nullopt);
    EXPECT_EQ(taxNameCharacter('Q'), 'Q');
    EXPECT_EQ(taxNameCharacter('q'), std::nullopt);
    EXPECT_EQ(taxNameCharacter('1'), std::nullopt);
}

struct CleanCase {
    const char* typed;
    const char* kept;
    bool beep;
};

class RatesBelowOne : public testing::TestWithParam<CleanCase> {};

TEST_P(RatesBelowOne, can_be_typed_and_leading_zeros_before_a_digit_go) {
    const CleanCase& c = GetParam();
    const CleanedRate r = cleanRate(c.typed, ',');
    EXPECT_EQ(r.text, c.kept);
    EXPECT_EQ(r.beep, c.beep);
}

INSTANTIATE_TEST_SUITE_P(Typed, RatesBelowOne,
                         testing::Values(CleanCase{"0", "0", false}, CleanCase{"0,", "0,", false},
                                         CleanCase{"0,9", "0,9", false},
                                         CleanCase{"0,787564", "0,787564", false},
                                         CleanCase{",", "0,", false}, CleanCase{",9", "0,9", false},
                                         CleanCase{"05", "5", true}, CleanCase{"007", "7", true},
                                         CleanCase{"00", "0", true},
                                         CleanCase{"19,6", "19,6", false},
                                         CleanCase{"", "", false}));

TEST(Tabs, an_indicator_names_its_tab_wherever_it_stands) {
    EXPECT_EQ(tabOfIndicator(5), "TabSheet5");
    EXPECT_EQ(tabOfIndicator(8), "TabSheet8");  // the sixth tab: currencies
    EXPECT_EQ(tabOfIndicator(0), "TabSheet1");
    EXPECT_EQ(tabOfIndicator(9), "TabSheet1");
    EXPECT_EQ(kTabs[5], "TabSheet8");
    EXPECT_TRUE(tabHidden("TabSheet3", config::InstallCode::QT));
    EXPECT_FALSE(tabHidden("TabSheet3", config::InstallCode::ZMB));
    EXPECT_TRUE(tabHidden("TabSheet4", config::InstallCode::E));
    EXPECT_FALSE(tabHidden("TabSheet4", config::InstallCode::QT));
}

TEST(Separators, comma_and_point_only_where_they_cannot_be_the_decimal_separator) {
    EXPECT_TRUE(separatorEnabled('C', '.'));
    EXPECT_FALSE(separatorEnabled('C', ','));
    EXPECT_TRUE(separatorEnabled('P', ','));
    EXPECT_FALSE(separatorEnabled('P', '.'));
    for (char c : {'N', 'S', 'Q'})
        EXPECT_TRUE(separatorEnabled(c, ','));
    EXPECT_EQ(separatorOfCode("N"), 'N');
    EXPECT_EQ(separatorOfCode("X"), 'Q');
    EXPECT_EQ(separatorOfCode("NS"), 'Q');
    EXPECT_EQ(decimalsOfText("5"), 5);
    EXPECT_EQ(decimalsOfText("6"), 2);
    EXPECT_EQ(decimalsOfText(""), 2);
}

class Window : public testing::Test {
  protected:
    calc::Registers registers;
    calc::CalcSettings settings;
    business::BusinessRegisters business;
    voice::VoiceState voice;
    Holders holders{registers, settings, business, voice};
};

TEST_F(Window, opening_and_closing_without_a_change_changes_nothing) {
    business.lblProfilAE = "2";
    business.lblTauxAE = business.lblTauxAE_[1];
    business.lblCAMaxAE = business.lblCAMaxAE_[1];
    const business::BusinessRegisters before = business;
    Choices c = choicesOf(holders);
    close(c, holders, ',');
    EXPECT_EQ(business.lblTauxTVA, before.lblTauxTVA);
    EXPECT_EQ(business.lblTauxAE, before.lblTauxAE);
    EXPECT_EQ(business.lblCAMaxAE, before.lblCAMaxAE);
    EXPECT_EQ(business.lblProfilAE, "2");
    EXPECT_EQ(registers.lblNbrDecPref, "2");
    EXPECT_EQ(registers.lblSepDec, "Q");
}

TEST_F(Window, each_change_goes_to_its_holder_at_once) {
    Choices c = choicesOf(holders);
    c.decimals = 4;
    c.separator = 'N';
    c.voice = "WMa";
    c.vat[0] = "0,9";
    c.euroRate = "0,787564";
    c.taxName = "TVH";
    apply(c, holders);
    EXPECT_EQ(registers.lblNbrDecPref, "4");
    EXPECT_TRUE(voice.wavKeyOnly);
    EXPECT_EQ(registers.lblSepDec, "N");
    EXPECT_EQ(voice.kind, "WMa");
    EXPECT_EQ(voice.voiceCode, "M01");
    EXPECT_EQ(business.lblTauxTVA[0], "0,9");
    EXPECT_EQ(business.lblQuebTVP, "TVH");
    // The currency panel shows the rate the conversions use.
    EXPECT_EQ(business.pnlEuro(), "0,787564");
    c.decimals = 3;
    apply(c, holders);
    EXPECT_FALSE(voice.wavKeyOnly);
}

// Retyped key by key, the rate in use follows its place in the list; the others stay.
TEST_F(Window, the_vat_rate_in_use_follows_an_edit_of_its_place_in_the_list) {
    business.pnlTauxTVA = business.lblTauxTVA[2];
    Choices c = choicesOf(holders);
    for (const char* typed : {"19,", "19", "1", "", "2", "20"}) {
        c.vat[2] = typed;
        apply(c, holders);
        EXPECT_EQ(business.pnlTauxTVA, typed);
    }
    c.vat[1] = "7";
    apply(c, holders);
    EXPECT_EQ(business.pnlTauxTVA, "20");
    // Left empty, the place takes its default on close, and the rate in use with it.
    c.vat[2].clear();
    close(c, holders, ',');
    EXPECT_EQ(business.lblTauxTVA[2], "19,6");
    EXPECT_EQ(business.pnlTauxTVA, "19,6");
}

TEST_F(Window, emptied_rates_take_their_defaults_on_close) {
    Choices c = choicesOf(holders);
    for (std::string* f : {&c.vat[0], &c.vat[2], &c.tps, &c.tvp, &c.taxName, &c.euroRate, &c.francs,
                           &c.euros, &c.euroToFranc, &c.francToEuro})
        f->clear();
    apply(c, holders);  // while the window is open an emptied field empties its register
    EXPECT_EQ(business.lblTauxTVA[0], "");
    close(c, holders, ',');
    EXPECT_EQ(business.lblTauxTVA[0], "2,1");  // not the settings' 2,10
    EXPECT_EQ(business.lblTauxTVA[2], "19,6");
    EXPECT_EQ(business.lblTauxTPS, "5");
    EXPECT_EQ(business.lblTauxTVP, "9,975");
    EXPECT_EQ(business.lblQuebTVP, "TVQ");
    EXPECT_EQ(business.pnlTauxTPSTVP(), "5   9,975");
    EXPECT_EQ(business.lblTauxEuro, "6,55957");
    EXPECT_EQ(business.lblRefMoneyFrancs, "francs");
    EXPECT_EQ(business.btnEuroToFranc, "€ > F");
    Choices dot = choicesOf(holders);
    dot.vat[1].clear();
    close(dot, holders, '.');
    EXPECT_EQ(business.lblTauxTVA[1], "5.5");
}

TEST_F(Window, an_emptied_self_employed_field_keeps_its_default) {
    Choices c = choicesOf(holders);
    c.profile = 2;
    c.aeRate[1].clear();
    c.aeCeiling[1].clear();
    c.aeRate[0].clear();
    close(c, holders, ',');
    EXPECT_EQ(business.lblTauxAE_[1], "20,5");
    EXPECT_EQ(business.lblCAMaxAE_[1], "32000");
    EXPECT_EQ(business.lblTauxAE_[0], "13");
    EXPECT_EQ(business.lblTauxAE, "20,5");  // the profile in use
    EXPECT_EQ(business.lblCAMaxAE, "32000");
    EXPECT_EQ(business.lblProfilAE, "2");
    EXPECT_EQ(business.pnlAE(), "20,5 %  32000");
    EXPECT_EQ(c.aeRate[1], "20,5");  // the field shows what the register holds
}

TEST_F(Window, a_profile_text_other_than_2_or_3_checks_profile_a) {
    for (const char* text : {"0", "1", "", "9"}) {
        business.lblProfilAE = text;
        EXPECT_EQ(choicesOf(holders).profile, 1) << text;
    }
}

}  // namespace
}  // namespace zumbrel::prefs
