#include "core/calc/kept_numbers.h"

#include <gtest/gtest.h>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "test_names.h"

namespace zumbrel::calc {
namespace {

struct NormalCase {
    const char* text;
    char ds;
    const char* expected;
};

class NormalisedValue : public testing::TestWithParam<NormalCase> {};

TEST_P(NormalisedValue, keeps_sign_digits_and_the_decimal_separator) {
    EXPECT_EQ(normalisedValue(GetParam().text, GetParam().ds), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NormalisedValue,
    testing::Values(NormalCase{"1 234,50", ',', "1234,50"}, NormalCase{"1'234,50", ',', "1234,50"},
                    NormalCase{"1.234,50", ',', "1234,50"}, NormalCase{"1,234.50", '.', "1234.50"},
                    NormalCase{"-12", ',', "-12"}, NormalCase{"1\u00a0234,5", ',', "1234,5"},
                    NormalCase{"", ',', ""}),
    testing_names::namedBy([](const NormalCase& c) { return std::string(c.text); }));

TEST(NumberList, numbers_first_by_value_then_what_is_no_number_in_text_order) {
    std::vector<std::string> list;
    for (const char* v : {"10", "9", "2.5", "abc", "2,4", "-1", "9", "", "aaa"})
        addToNumberList(list, v);
    EXPECT_EQ(list, (std::vector<std::string>{"-1", "2,4", "2.5", "9", "10", "", "aaa", "abc"}));
}

TEST(NumberList, a_list_read_from_the_settings_is_sorted_once_and_keeps_each_item_once) {
    EXPECT_EQ(numberListOf({"10", "abc", "9", "2.5", "9", "2,4", "-1", ""}),
              (std::vector<std::string>{"-1", "2,4", "2.5", "9", "10", "", "abc"}));
    std::vector<std::string> list = numberListOf({"3", "1"});
    addToNumberList(list, "2");
    EXPECT_EQ(list, (std::vector<std::string>{"1", "2", "3"}));
}

struct HistoryCase {
    const char* line;
    const char* expected;
};

class HistoryLine : public testing::TestWithParam<HistoryCase> {};

TEST_P(HistoryLine, gives_the_number_after_the_last_colon_or_equals) {
    EXPECT_EQ(numberFromHistoryLine(GetParam().line, ','), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HistoryLine,
    testing::Values(HistoryCase{"= 15,00", "15,00"}, HistoryCase{"12,00 +", "12,00"},
                    HistoryCase{"3,00 -", "3,00"}, HistoryCase{"= -2,00", "-2,00"},
                    HistoryCase{"–4,00", "-4,00"}, HistoryCase{"– 4,00", "4,00"},
                    HistoryCase{"TVA 20 % : 20,00", "20,00"},
                    HistoryCase{"TVA 5,5 % : 5,50", "5,50"},
                    HistoryCase{"La racine carrée de 1.234,00", "1234,00"},
                    HistoryCase{"est : 3,00", "3,00"}, HistoryCase{"", ""},
                    // memory keys' lines: the memory's number is not part of the amount
                    HistoryCase{"12,50 M+", "12,50"}, HistoryCase{"10,00 M2+", "10,00"},
                    HistoryCase{"1.250,00 M3\u2212", "1250,00"}),
    testing_names::namedBy([](const HistoryCase& c) { return std::string(c.line); }));

struct PasteCase {
    const char* clipboard;
    char ds;
    bool valid;
    const char* expected;
};

class Paste : public testing::TestWithParam<PasteCase> {};

TEST_P(Paste, reads_one_number_or_refuses) {
    const PastedNumber p = readPastedNumber(GetParam().clipboard, GetParam().ds);
    EXPECT_EQ(p.valid, GetParam().valid);
    if (GetParam().valid) {
        EXPECT_EQ(p.text, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clipboards, Paste,
    testing::Values(
        PasteCase{"Total: 1.234,56 EUR", ',', true, "1234,56"},
        PasteCase{"1,234.56", ',', true, "1234,56"}, PasteCase{"1,234.56", '.', true, "1234.56"},
        PasteCase{"1.234.567,8", ',', true, "1234567,8"}, PasteCase{"1,5,6", ',', false, ""},
        PasteCase{"1.5.6", ',', false, ""}, PasteCase{"abc", ',', false, ""},
        PasteCase{"", ',', false, ""}, PasteCase{",5", ',', true, "0,5"},
        PasteCase{"-12,5", ',', true, "-12,5"}, PasteCase{"19,6 %", ',', true, "19,6"},
        PasteCase{"1 234,5", ',', true, "1234,5"}, PasteCase{"42", '.', true, "42"},
        PasteCase{"1'234.56", ',', true, "1234,56"},
        PasteCase{"1\u00A0234,56 \u20AC", ',', true, "1234,56"},
        PasteCase{"1\u202F234,56", ',', true, "1234,56"},
        PasteCase{"12,50 EUR", ',', true, "12,50"},
        // several numbers: the digits would join into an amount nobody copied
        PasteCase{"12-5", ',', false, ""}, PasteCase{"3 St\u00FCck \u00E0 4,99", ',', false, ""},
        PasteCase{"Art.Nr. 4711 Preis 9,99", ',', false, ""},
        PasteCase{"3 pi\u00E8ces \u00E0 4,99", ',', false, ""}, PasteCase{"1e3", ',', false, ""},
        PasteCase{"07/12/2026", ',', false, ""}, PasteCase{"1  234", ',', false, ""},
        PasteCase{"12,50 (TVA 20 %)", ',', false, ""}),
    testing_names::namedBy([](const PasteCase& c) { return std::string(c.clipboard); }));

TEST(Paste, reads_the_first_eighty_characters_the_filter_keeps) {
    ASSERT_EQ(kPasteLimit, 80u);
    // What the filter drops does not count: a number after ten thousand letters is read.
    EXPECT_EQ(readPastedNumber(std::string(10000, 'x') + "12", ',').text, "12");
    // Eighty kept characters are read, the eighty-first is not.
    const std::string zeros = "0," + std::string(78, '0');
    EXPECT_EQ(readPastedNumber(zeros + "1", ',').text, zeros);
    EXPECT_EQ(readPastedNumber("0," + std::string(77, '0') + "1", ',').text,
              "0," + std::string(77, '0') + "1");
    // The sign is no kept character of the filter: it does not take a place.
    EXPECT_EQ(readPastedNumber("-" + zeros + "1", ',').text, "-" + zeros);
}

TEST(Paste, refuses_a_number_longer_than_the_entry_takes) {
    ASSERT_EQ(kEntryCapacity, 18u);
    EXPECT_EQ(readPastedNumber("123456789012345678", ',').text, "123456789012345678");
    EXPECT_FALSE(readPastedNumber("1234567890123456789", ',').valid);
    EXPECT_EQ(readPastedNumber("-0,00123456789012345678", ',').text, "-0,00123456789012345678");
    EXPECT_FALSE(readPastedNumber("0,001234567890123456789", ',').valid);
    EXPECT_FALSE(readPastedNumber("1.234.567.890.123.456.789,5", ',').valid);
    EXPECT_FALSE(readPastedNumber(std::string(10000, '7'), ',').valid);
}

TEST(Paste, the_message_shows_at_most_200_characters) {
    const std::string shown = clippedForMessage(std::string(1000, 'a'));
    EXPECT_EQ(shown, std::string(200, 'a') + "…");
    EXPECT_EQ(clippedForMessage("été"), "été");
    std::string accents;
    for (int i = 0; i < 300; ++i)
        accents += "é";
    EXPECT_EQ(clippedForMessage(accents), accents.substr(0, 400) + "…");  // characters, not bytes
}

// A separator twice, or more digits than the entry takes.
class InvalidPaste : public testing::TestWithParam<const char*> {};

TEST_P(InvalidPaste, is_shown_in_the_message_and_leaves_the_entry) {
    HeadlessCalculator h;
    h.clipboard.setText(GetParam());
    runKeys(h.calc, "7[V]");
    EXPECT_EQ(h.calc.registers().edtSaisie, "7");
    ASSERT_FALSE(h.log.empty());
    EXPECT_EQ(h.log.back().detail,
              std::string(" | Le contenu du presse-papier n'est pas valide :\n\n") + GetParam());
}

INSTANTIATE_TEST_SUITE_P(Clipboards, InvalidPaste, testing::Values("1,5,6", "1234567890123456789"),
                         testing_names::namedBy([](const char* c) { return std::string(c); }));

TEST(Paste, in_tape_edit_mode_the_text_belongs_to_the_tape) {
    HeadlessCalculator h;
    h.clipboard.setText("12");
    h.tape.setEditMode(true);
    EXPECT_EQ(h.calc.keep({KeptKey::Kind::Paste}), PasteOutcome::IntoTape);
    EXPECT_EQ(h.calc.registers().edtSaisie, "0");
}

TEST(KeyScript, reads_the_kept_number_keys) {
    using K = KeptKey::Kind;
    const std::vector<KeyAction> keys = parseKeys("[>M2][M3>][>L][L12>][H3>][>PP][PP>][V][M4>]");
    const std::vector<KeyAction> expected = {KeptKey{K::DisplayToMemory, 2},
                                             KeptKey{K::MemoryToDisplay, 3},
                                             KeptKey{K::DisplayToList},
                                             KeptKey{K::ListItem, 12},
                                             KeptKey{K::HistoryLine, 3},
                                             KeptKey{K::DisplayToPanel},
                                             KeptKey{K::PanelToDisplay},
                                             KeptKey{K::Paste},
                                             '[',
                                             'M',
                                             '4',
                                             '>',
                                             ']'};
    EXPECT_EQ(keys, expected);
}

}  // namespace
}  // namespace zumbrel::calc
