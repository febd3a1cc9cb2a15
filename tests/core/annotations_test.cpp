#include <gtest/gtest.h>

#include "headless_calculator.h"
#include "tape/annotations.h"

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

TEST(HeaderFile, a_damaged_file_is_read_as_far_as_it_goes) {
    HeadlessCalculator h;
    h.files.files["cut.rtf"] = "{\\rtf1 Maison {\\b Dup";  // cut in the middle
    h.calc.annotations().headerPath = "cut.rtf";
    h.calc.annotate(AnnotationKey::Header);
    EXPECT_EQ(h.tape.line(0), "Maison Dup");
}

}  // namespace
}  // namespace zumbrel::tape
