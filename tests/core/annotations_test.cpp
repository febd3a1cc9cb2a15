#include <gtest/gtest.h>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/tape/annotations.h"
#include "core/tape/rtf_writer.h"

namespace zumbrel::tape {
namespace {

TEST(MajDate, lowers_everything_then_raises_the_first_letter_a_to_z_only) {
    EXPECT_EQ(MajDate("SAMEDI 5 DÉCEMBRE"), "Samedi 5 dÉcembre");  // É keeps its case
    EXPECT_EQ(MajDate("élan"), "élan");                            // an accented first letter too
    EXPECT_EQ(MajDate(""), "");
}

TEST(DateLine, a_day_of_each_format) {
    const DateParts day{2026, 12, 5, "samedi", "décembre"};
    using config::InstallCode;
    EXPECT_EQ(dateLine(day, InstallCode::ZMB, 'F'), "Samedi 5 décembre 2026");
    EXPECT_EQ(dateLine(day, InstallCode::ZMB, 'E'), "Samedi 5 of décembre 2026");
    EXPECT_EQ(dateLine(day, InstallCode::ZMB, 'G'), "Samedi, 5. décembre 2026");
    EXPECT_EQ(dateLine(day, InstallCode::ZMB, 'S'), "Samedi, 5 décembre 2026");
    EXPECT_EQ(dateLine(day, InstallCode::ZMB, std::nullopt), "Samedi 5 décembre 2026");
    EXPECT_EQ(dateLine(day, InstallCode::QT, 'E'), "samedi 5 décembre 2026");
}

TEST(HeaderFile, above_four_mebibytes_is_refused_and_nothing_is_written) {
    HeadlessCalculator h;
    h.files.files["big.rtf"] = std::string(kLargestHeaderFile + 1, 'a');
    h.calc.annotations().headerPath = "big.rtf";
    h.calc.annotate(AnnotationKey::Header);
    EXPECT_TRUE(h.tape.isEmpty());
    ASSERT_FALSE(h.log.empty());
    EXPECT_EQ(h.log.back().kind, "message");
}

TEST(HeaderFile, of_exactly_four_mebibytes_is_inserted) {
    HeadlessCalculator h;
    h.files.files["full.txt"] = std::string(kLargestHeaderFile, 'a');
    h.calc.annotations().headerPath = "full.txt";
    h.calc.annotate(AnnotationKey::Header);
    EXPECT_TRUE(h.log.empty());
    EXPECT_EQ(h.tape.line(0).size(), kLargestHeaderFile);
}

TEST(HeaderFile, a_damaged_file_is_read_as_far_as_it_goes) {
    HeadlessCalculator h;
    h.files.files["cut.rtf"] = "{\\rtf1 Maison {\\b Dup";  // cut in the middle
    h.calc.annotations().headerPath = "cut.rtf";
    h.calc.annotate(AnnotationKey::Header);
    EXPECT_EQ(h.tape.line(0), "Maison Dup");
}

std::vector<std::string> tapeLines(const HeadlessCalculator& h) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < h.tape.lineCount(); ++i)
        out.push_back(h.tape.line(i));
    return out;
}

// The header editor's document: its last line has no paragraph mark.
std::string headerAsTheEditorWritesIt() {
    RichText header;
    header.append("Maison Dupont", TextStyle{});
    header.newParagraph(Align::Center);
    header.append("Societe Test 42", TextStyle{});
    return writeRtf(header);
}

struct EndCase {
    const char* name;
    std::string bytes;
};

void PrintTo(const EndCase& c, std::ostream* os) {
    *os << c.name;
}

class HeaderEnd : public testing::TestWithParam<EndCase> {};

// A header inserted after a calculation, then 5 + 5: 5,00 must never read 425,00.
TEST_P(HeaderEnd, the_next_operand_starts_a_line_of_its_own) {
    HeadlessCalculator h;
    h.calc.registers().lblSepDec = "S";
    h.files.files["h.rtf"] = GetParam().bytes;
    h.calc.annotations().headerPath = "h.rtf";
    calc::runKeys(h.calc, "1+1=[HEADER]5+5=");
    EXPECT_EQ(tapeLines(h),
              (std::vector<std::string>{"1,00", "+ 1,00", "——————————", "2,00", "", "",
                                        "Maison Dupont", "Societe Test 42", "5,00", "+ 5,00",
                                        "——————————", "10,00", "", ""}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, HeaderEnd,
    testing::Values(
        EndCase{"as_the_editor_writes_it", headerAsTheEditorWritesIt()},
        EndCase{"rtf_without_a_final_par", "{\\rtf1 Maison Dupont\\par Societe Test 42}"},
        EndCase{"rtf_with_a_final_par", "{\\rtf1 Maison Dupont\\par Societe Test 42\\par}"},
        EndCase{"text_without_a_final_line_break", "Maison Dupont\r\nSociete Test 42"},
        EndCase{"text_with_a_final_line_break", "Maison Dupont\nSociete Test 42\n"}),
    [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

TEST(HeaderFile, the_editors_file_really_has_no_final_paragraph_mark) {
    const std::string bytes = headerAsTheEditorWritesIt();
    EXPECT_NE(bytes.find("Societe Test 42"), std::string::npos);
    EXPECT_EQ(bytes.find("\\par", bytes.find("Societe Test 42")), std::string::npos) << bytes;
}

TEST(HeaderFile, the_last_line_keeps_its_alignment_when_the_file_has_no_final_mark) {
    HeadlessCalculator h;
    h.files.files["h.rtf"] = "{\\rtf1 \\qc Maison Dupont}";
    h.calc.annotations().headerPath = "h.rtf";
    h.calc.annotate(AnnotationKey::Header);
    EXPECT_EQ(h.tape.richText().align(0), Align::Center);
    EXPECT_EQ(h.tape.lineCount(), 1u);
}

}  // namespace
}  // namespace zumbrel::tape
