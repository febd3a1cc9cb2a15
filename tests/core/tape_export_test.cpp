#include <gtest/gtest.h>

#include "calc/key_script.h"
#include "headless_calculator.h"
#include "tape/documents.h"
#include "tape/tape_export.h"
#include "tape/tape_file.h"
#include "test_names.h"

namespace zumbrel::tape {
namespace {

// ---- the page rectangle ---------------------------------------------------------------------

struct PageCase {
    const char* label;
    int dpiX, dpiY, offsetX, offsetY, width, height;
    PageRect expected;
};

class PageRectangle : public testing::TestWithParam<PageCase> {};

TEST_P(PageRectangle, measures_the_margins_from_the_papers_edges) {
    const PageCase& c = GetParam();
    EXPECT_EQ(pageRectangle(c.dpiX, c.dpiY, c.offsetX, c.offsetY, c.width, c.height), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Printers, PageRectangle,
    testing::Values(
        // A4 at 600 dpi without unprintable offsets: 300 px left, top and bottom, 600 right.
        PageCase{"600_dpi", 600, 600, 0, 0, 4960, 7016, {300, 300, 4360, 6716}},
        PageCase{"600_dpi_with_offsets", 600, 600, 100, 50, 4760, 6916, {200, 250, 4060, 6566}},
        PageCase{"300_by_600_dpi", 300, 600, 0, 0, 2480, 7016, {150, 300, 2180, 6716}},
        PageCase{"odd_dpi_rounds", 203, 203, 0, 0, 1680, 2376, {102, 102, 1477, 2274}}),
    testing_names::namedBy([](const PageCase& c) { return std::string(c.label); }));

// ---- CSV ------------------------------------------------------------------------------------

std::string csvOf(const char* keys, char ds = ',', const char* sepDec = "S") {
    HeadlessCalculator h(ds);
    h.calc.registers().lblSepDec = sepDec;
    h.calc.business().pnlTauxTVA = "20";
    calc::runKeys(h.calc, keys);
    return exportCsv(h.tape, h.calc.registers().format());
}

TEST(Csv, a_chain_gives_operators_amounts_and_what_each_line_is) {
    EXPECT_EQ(csvOf("1250+380*1,2="),
              "operator,amount,text,meaning\r\n"
              ",1250.00,\"1 250,00\",operand\r\n"
              "+,380.00,\"+ 380,00\",operand\r\n"
              "*,1.20,\"* 1,20\",operand\r\n"
              ",,——————————,rule\r\n"
              ",1956.00,\"1 956,00\",result\r\n");
}

TEST(Csv, negative_results_and_tax_lines_are_told_apart) {
    const std::string csv = csvOf("7-9=100[TVA+]");
    EXPECT_NE(csv.find("-,9.00,\"– 9,00\",operand"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",-2.00,\"-2,00\",negative"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",20.00,\"TVA 20 % :  20,00\",tax line"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",120.00,\"TTC : 120,00\",result"), std::string::npos) << csv;
}

TEST(Csv, a_point_separator_and_comma_grouping_give_the_same_numbers) {
    EXPECT_EQ(csvOf("1250+1=", '.', "C"),
              "operator,amount,text,meaning\r\n"
              ",1250.00,\"1,250.00\",operand\r\n"
              "+,1.00,+ 1.00,operand\r\n"
              ",,——————————,rule\r\n"
              ",1251.00,\"1,251.00\",result\r\n");
}

TEST(Csv, text_lines_are_quoted_and_have_no_amount) {
    tape::MemoryTape t;
    t.addLine("Compte \"Dupont\", mars");
    EXPECT_EQ(exportCsv(t, {}),
              "operator,amount,text,meaning\r\n,,\"Compte \"\"Dupont\"\", mars\",comment\r\n");
}

// ---- bounded reads --------------------------------------------------------------------------

TEST(TapeFiles, a_file_beyond_64_MiB_is_refused_before_it_is_read) {
    HeadlessCalculator h;
    h.files.files["big.rtf"] = std::string(kMaxTapeFileBytes + 1, 'x');
    h.answers = {"big.rtf"};
    calc::runKeys(h.calc, "[OPEN]");
    ASSERT_FALSE(h.log.empty());
    EXPECT_EQ(h.log.back().detail,
              "Ouvrir... | Ce fichier est trop grand pour un ruban (plus de 64 Mo) :\r\nbig.rtf");
    EXPECT_TRUE(h.tape.isEmpty());
    EXPECT_EQ(h.calc.documents().caption(), "Zumbrel");
}

// A PNG picture renamed x.rtf: the file exists, it is just no tape.
TEST(TapeFiles, a_picture_named_rtf_is_said_to_be_no_tape_and_the_tape_stays) {
    HeadlessCalculator h;
    h.files.files["x.rtf"] = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 24);
    calc::runKeys(h.calc, "12+3=");
    const auto before = h.tape.richText();
    h.answers = {"no", "x.rtf"};
    calc::runKeys(h.calc, "[OPEN]");
    ASSERT_FALSE(h.log.empty());
    const std::string box = h.log.back().detail;
    EXPECT_EQ(box, "Ouvrir... | Ce fichier n'est pas un ruban (ni RTF ni texte) :\r\nx.rtf");
    EXPECT_EQ(box.find("introuvable"), std::string::npos);
    EXPECT_EQ(box.find("RTF ?"), std::string::npos);
    EXPECT_EQ(h.tape.richText(), before);
    EXPECT_EQ(h.calc.documents().caption(), "Zumbrel");
    EXPECT_FALSE(h.calc.documents().tapeSaved());
}

TEST(TapeFiles, a_missing_file_is_still_not_found) {
    HeadlessCalculator h;
    h.answers = {"gone.rtf"};
    calc::runKeys(h.calc, "[OPEN]");
    ASSERT_FALSE(h.log.empty());
    EXPECT_EQ(h.log.back().detail, "Fichier introuvable... | Ce fichier n'existe pas !");
}

TEST(TapeFiles, opening_an_unsaved_but_empty_tape_does_nothing) {
    HeadlessCalculator h;
    h.tape.setModified(true);
    h.answers = {"a.rtf"};
    calc::runKeys(h.calc, "[OPEN]");
    EXPECT_TRUE(h.log.empty());
    EXPECT_EQ(h.answers.size(), 1u);
}

}  // namespace
}  // namespace zumbrel::tape
