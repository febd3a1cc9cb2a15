#include <gtest/gtest.h>

#include <random>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/tape/documents.h"
#include "core/tape/tape_export.h"
#include "core/tape/tape_file.h"
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

struct CsvCase {
    const char* name;
    const char* keys;
    char ds;
    const char* sepDec;
    const char* rows;  // after the header
};

class WholeCsv : public testing::TestWithParam<CsvCase> {};

TEST_P(WholeCsv, has_one_row_a_line_with_its_counted_amount_and_kind) {
    const CsvCase& c = GetParam();
    EXPECT_EQ(csvOf(c.keys, c.ds, c.sepDec),
              std::string("operator,amount,text,kind,sign\r\n") + c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Tapes, WholeCsv,
    testing::Values(
        CsvCase{"a_chain_gives_operators_amounts_and_what_each_line_is", "1250+380*1,2=", ',', "S",
                ",1250.00,\"1 250,00\",operand,positive\r\n"
                "+,380.00,\"+ 380,00\",operand,positive\r\n"
                "*,1.20,\"* 1,20\",operand,positive\r\n"
                ",,——————————,rule,\r\n"
                ",1956.00,\"1 956,00\",result,positive\r\n"},
        // Summing the column gives 749,25, never 1 250,75.
        CsvCase{"a_subtracted_amount_is_negative", "1000-250,75=", ',', "S",
                ",1000.00,\"1 000,00\",operand,positive\r\n"
                "-,-250.75,\"– 250,75\",operand,negative\r\n"
                ",,——————————,rule,\r\n"
                ",749.25,\"749,25\",result,positive\r\n"},
        CsvCase{"a_subtracted_negative_number_counts_positively", "5s-2s=", ',', "S",
                ",-5.00,\"-5,00\",operand,negative\r\n"
                "-,2.00,\"– -2,00\",operand,positive\r\n"
                ",,——————————,rule,\r\n"
                ",-3.00,\"-3,00\",result,negative\r\n"},
        CsvCase{"a_result_carried_into_the_next_calculation_is_interim", "10+5=*2=", ',', "S",
                ",10.00,\"10,00\",operand,positive\r\n"
                "+,5.00,\"+ 5,00\",operand,positive\r\n"
                ",,——————————,rule,\r\n"
                ",15.00,\"15,00\",result,positive\r\n"
                ",15.00,\"15,00\",interim,positive\r\n"
                "*,2.00,\"* 2,00\",operand,positive\r\n"
                ",,——————————,rule,\r\n"
                ",30.00,\"30,00\",result,positive\r\n"},
        CsvCase{"a_point_separator_and_comma_grouping_give_the_same_numbers", "1250-1=", '.', "C",
                ",1250.00,\"1,250.00\",operand,positive\r\n"
                "-,-1.00,– 1.00,operand,negative\r\n"
                ",,——————————,rule,\r\n"
                ",1249.00,\"1,249.00\",result,positive\r\n"}),
    testing_names::namedBy([](const CsvCase& c) { return std::string(c.name); }));

// A filter on the kind keeps every total, negative ones too.
TEST(Csv, a_negative_result_is_a_result_with_a_negative_sign) {
    const std::string csv = csvOf("7-9=");
    EXPECT_NE(csv.find(",-2.00,\"-2,00\",result,negative\r\n"), std::string::npos) << csv;
}

TEST(Csv, tax_lines_and_block_totals_are_told_apart) {
    const std::string csv = csvOf("100[TVA+]");
    EXPECT_NE(csv.find(",100.00,\"HT : 100,00\",operand,positive"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",20.00,\"TVA 20 % :  20,00\",tax line,positive"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",120.00,\"TTC : 120,00\",result,positive"), std::string::npos) << csv;
}

// A tax block's rows sum to its result: the tax is added on the way from a price before tax
// and taken off on the way back, the Quebec block's two taxes alike.
TEST(Csv, a_tax_blocks_rows_sum_to_its_result) {
    struct Case {
        const char* keys;
        const char* letter;
    };
    for (const Case& c : {Case{"100[TVA+]", "F"}, Case{"120[TVA-]", "F"}, Case{"10+20=[TVA-]", "F"},
                          Case{"100[TVA-]", "Q"}, Case{"100[TVA+]", "Q"}}) {
        HeadlessCalculator h;
        h.calc.business().letter = c.letter[0];
        calc::runKeys(h.calc, c.keys);
        const std::string csv = exportCsv(h.tape, h.calc.registers().format());
        long double sum = 0;
        int results = 0;
        for (std::size_t at = csv.find("\r\n") + 2; at < csv.size();) {
            const std::size_t end = csv.find("\r\n", at);
            const std::string row = csv.substr(at, end - at);
            at = end + 2;
            const std::size_t comma = row.find(',');
            const std::string amount = row.substr(comma + 1, row.find(',', comma + 1) - comma - 1);
            if (amount.empty()) continue;
            if (row.find(",result,") != std::string::npos) {
                // Each block's rows, from the result before it (carried in as its price).
                EXPECT_NEAR(static_cast<double>(sum - std::stold(amount)), 0.0, 1e-9)
                    << c.keys << "\n"
                    << csv;
                sum = 0;
                ++results;
                continue;
            }
            sum += std::stold(amount);
        }
        EXPECT_GE(results, 1) << c.keys;
    }
}

// Results that count their items keep their amount and their kind: "n 3  40,00" is 40.
TEST(Csv, a_result_with_its_item_count_is_a_result_of_its_amount) {
    HeadlessCalculator h;
    h.calc.settings().countItems = true;
    calc::runKeys(h.calc, "10+25+5=");
    const std::string csv = exportCsv(h.tape, h.calc.registers().format());
    EXPECT_NE(csv.find(",40.00,\"n 3  40,00\",result,positive\r\n"), std::string::npos) << csv;
}

// The grand total and what the memories were given keep their amounts and kinds of their own,
// out of the sums between rules.
TEST(Csv, grand_total_and_memory_lines_have_their_amount_and_kind) {
    const std::string csv = csvOf("12,5+3=[GT]7[M2+]2[M-]");
    EXPECT_NE(csv.find(",15.50,\"G.T. 15,50\",grand total,positive\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",7.00,\"7,00 M2+\",memory,positive\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",-2.00,\"2,00 M\u2212\",memory,negative\r\n"), std::string::npos) << csv;
}

TEST(Csv, a_new_number_after_a_result_is_an_operand) {
    const std::string csv = csvOf("10+5=16+1=");
    EXPECT_NE(csv.find(",16.00,\"16,00\",operand,positive"), std::string::npos) << csv;
}

TEST(Csv, comments_beside_numbers_leave_the_amount_and_the_operator) {
    HeadlessCalculator h;
    h.calc.registers().lblSepDec = "S";
    h.calc.registers().edtComResult = "Total";
    h.answers = {"Charges"};
    calc::runKeys(h.calc, "12-[LINE]3=");
    EXPECT_EQ(exportCsv(h.tape, h.calc.registers().format()),
              "operator,amount,text,kind,sign\r\n"
              ",12.00,\"12,00\",operand,positive\r\n"
              "-,-3.00,\"– Charges 3,00\",operand,negative\r\n"
              ",,——————————,rule,\r\n"
              ",9.00,\"Total 9,00\",result,positive\r\n");
}

TEST(Csv, a_percentage_gives_its_rate_signed_by_its_operator) {
    const std::string csv = csvOf("200-5%=");
    EXPECT_NE(csv.find("-,-5.00,\"– 5,00 %\",operand,negative"), std::string::npos) << csv;
}

TEST(Csv, text_lines_are_quoted_and_have_no_amount) {
    tape::MemoryTape t;
    t.addLine("Compte \"Dupont\", mars");
    t.setTypingBold(true);
    t.addLine("Loyer");
    EXPECT_EQ(exportCsv(t, {}),
              "operator,amount,text,kind,sign\r\n"
              ",,\"Compte \"\"Dupont\"\", mars\",comment,\r\n"
              ",,Loyer,title,\r\n");
}

// ---- the CSV adds up ------------------------------------------------------------------------

// One CSV row's fields (quoted fields may hold commas and doubled quotes).
std::vector<std::string> csvFields(std::string_view row) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        if (quoted && c == '"' && i + 1 < row.size() && row[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// A calculation of + and - with decimals and negative numbers, as keys.
std::string randomSum(std::mt19937& random) {
    std::uniform_int_distribution<int> count(2, 8), integer(0, 99999), decimals(0, 3), coin(0, 1);
    std::string keys;
    const int operands = count(random);
    for (int k = 0; k < operands; ++k) {
        if (k > 0) keys += coin(random) ? "+" : "-";
        keys += std::to_string(integer(random));
        const int places = decimals(random);
        if (places > 0) {
            keys += ",";
            for (int d = 0; d < places; ++d)
                keys += std::to_string(integer(random) % 10);
        }
        if (coin(random) && coin(random)) keys += "s";  // a negative number
    }
    return keys + "=";
}

TEST(CsvProperty, the_operands_between_two_rules_sum_to_the_next_result_to_the_cent) {
    std::mt19937 random(20260505);
    int checked = 0;
    for (int tape = 0; tape < 50; ++tape) {
        std::string keys;
        for (int calc = 0; calc < 20; ++calc)
            keys += randomSum(random);
        HeadlessCalculator h;
        h.calc.registers().lblSepDec = tape % 2 ? "S" : "Q";
        calc::runKeys(h.calc, keys);
        const std::string csv = exportCsv(h.tape, h.calc.registers().format());
        long double sum = 0;
        std::size_t begin = csv.find("\r\n") + 2;
        for (std::size_t end; (end = csv.find("\r\n", begin)) != std::string::npos;
             begin = end + 2) {
            const std::vector<std::string> f = csvFields(csv.substr(begin, end - begin));
            ASSERT_EQ(f.size(), 5u) << csv.substr(begin, end - begin);
            const std::string& kind = f[3];
            if (kind == "operand" || kind == "interim") {
                sum += std::stold(f[1]);
            } else if (kind == "result") {
                EXPECT_NEAR(static_cast<double>(sum), std::stod(f[1]), 0.005)
                    << "keys " << keys << "\n"
                    << csv;
                EXPECT_EQ(f[4], f[1].front() == '-' ? "negative" : "positive");
                sum = 0;
                ++checked;
            } else {
                ASSERT_EQ(kind, "rule") << csv;
            }
        }
    }
    EXPECT_EQ(checked, 1000);
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

TEST(TapeFiles, a_file_of_more_than_two_million_lines_is_refused_with_its_own_message) {
    HeadlessCalculator h;
    h.files.files["long.txt"] = std::string(kMaxTapeLines + 1, '\n');
    calc::runKeys(h.calc, "12+3=");
    const auto before = h.tape.richText();
    h.answers = {"no", "long.txt"};
    calc::runKeys(h.calc, "[OPEN]");
    ASSERT_FALSE(h.log.empty());
    EXPECT_EQ(h.log.back().detail,
              "Ouvrir... | Ce fichier a trop de lignes pour un ruban (plus de 2 000 000) :"
              "\r\nlong.txt");
    EXPECT_EQ(h.tape.richText(), before);
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

// A tape typed into by hand, then emptied: unsaved, but there is nothing to lose.
void typeIntoTheTapeAndEmptyIt(HeadlessCalculator& h) {
    h.tape.setEditMode(true);
    h.tape.append("Note");
    h.tape.deleteLine(0);
    h.tape.setEditMode(false);
    ASSERT_TRUE(h.tape.isEmpty());
    ASSERT_FALSE(h.calc.documents().tapeSaved());
}

TEST(TapeFiles, closing_an_unsaved_but_empty_tape_asks_nothing) {
    HeadlessCalculator h;
    typeIntoTheTapeAndEmptyIt(h);
    h.answers = {"cancel"};
    calc::runKeys(h.calc, "[QUIT]");
    EXPECT_TRUE(h.calc.documents().closed());
    EXPECT_TRUE(h.log.empty());
    EXPECT_EQ(h.answers.size(), 1u);
}

TEST(TapeFiles, closing_an_unsaved_tape_with_text_asks) {
    HeadlessCalculator h;
    h.tape.setEditMode(true);
    h.tape.append("Note");
    h.answers = {"cancel"};
    calc::runKeys(h.calc, "[QUIT]");
    EXPECT_FALSE(h.calc.documents().closed());
    EXPECT_TRUE(h.answers.empty());
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
