#include "core/config/codepage.h"

#include <gtest/gtest.h>

namespace zumbrel::codepage {
namespace {

TEST(Codepage, every_windows_1252_byte_comes_back) {
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)), one) << b;
    }
}

TEST(Codepage, the_upper_half_holds_the_french_signs) {
    EXPECT_EQ(cp1252ToUtf8("\x80\x96\x97\xe9\x9c\xab\xbb"), "€–—éœ«»");
    EXPECT_EQ(utf8ToCp1252("Ω€"), "?\x80");
}

TEST(Codepage, recognises_valid_utf8) {
    EXPECT_TRUE(isValidUtf8("été €"));
    EXPECT_TRUE(isValidUtf8("\xEF\xBF\xBD"));  // U+FFFD itself
    EXPECT_FALSE(isValidUtf8("\xE9t\xE9"));
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TEST(Codepage, decodes_and_encodes_code_points) {
    std::string s;
    for (char32_t cp : {U'a', U'é', U'€', U'😀'})
        appendUtf8(s, cp);
    EXPECT_EQ(s, "aé€😀");
    std::size_t i = 0;
    EXPECT_EQ(nextCodePoint(s, i), U'a');
    EXPECT_EQ(nextCodePoint(s, i), U'é');
    EXPECT_EQ(nextCodePoint(s, i), U'€');
    EXPECT_EQ(nextCodePoint(s, i), U'😀');
    EXPECT_EQ(i, s.size());
}

}  // namespace
}  // namespace zumbrel::codepage
