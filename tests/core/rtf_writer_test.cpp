#include "core/tape/rtf_writer.h"

#include <gtest/gtest.h>
#include "test_names.h"

namespace zumbrel::tape {
namespace {

RichText oneLine(const std::string& text, TextStyle style = {}, Align align = Align::Right) {
    return RichText({Paragraph{align, {{text, style}}}});
}

bool contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

TEST(RtfWriter, writes_a_complete_document_header) {
    const std::string rtf = writeRtf(oneLine("12,00"));
    EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(contains(rtf, "{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}"));
    EXPECT_TRUE(contains(rtf, "{\\colortbl ;\\red0\\green0\\blue0;}"));
    EXPECT_TRUE(contains(rtf, "\\pard\\qr"));
    EXPECT_EQ(rtf.back(), '\n');
    EXPECT_EQ(rtf[rtf.size() - 2], '}');
}

struct EscapeCase {
    const char* text;
    const char* rtf;
};

class RtfEscapes : public testing::TestWithParam<EscapeCase> {};

TEST_P(RtfEscapes, keeps_every_character) {
    EXPECT_TRUE(contains(writeRtf(oneLine(GetParam().text)), GetParam().rtf)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Characters, RtfEscapes,
    testing::Values(EscapeCase{"– 3,00", "\\'96 3,00"}, EscapeCase{"——", "\\'97\\'97"},
                    EscapeCase{"12 €", "12 \\'80"}, EscapeCase{"été", "\\'e9t\\'e9"},
                    EscapeCase{"Ω", "\\u937?"}, EscapeCase{"😀", "\\u-10179?\\u-8704?"},
                    EscapeCase{"a{b}c\\", "a\\{b\\}c\\\\"}, EscapeCase{"a\tb", "a\\tab b"},
                    EscapeCase{"V² : 3,00", "V\\'b2 : 3,00"}),
    testing_names::namedBy([](const EscapeCase& c) { return std::string(c.rtf); }));

TEST(RtfWriter, writes_colours_bold_and_backgrounds_of_each_run) {
    TextStyle red;
    red.color = Color{255};
    red.bold = true;
    TextStyle high;
    high.hasBackground = true;
    high.background = Color{65535};
    high.italic = true;
    high.underline = true;
    high.strikeOut = true;
    const RichText t({Paragraph{Align::Center, {{"a", red}, {"b", high}}}});
    const std::string rtf = writeRtf(t);
    EXPECT_TRUE(contains(rtf, "\\red255\\green0\\blue0;")) << rtf;
    EXPECT_TRUE(contains(rtf, "\\red255\\green255\\blue0;")) << rtf;
    EXPECT_TRUE(contains(rtf, "\\qc"));
    EXPECT_TRUE(contains(rtf, "\\cf1\\b a}"));
    EXPECT_TRUE(contains(rtf, "\\i\\ul\\strike\\highlight"));
}

TEST(RtfWriter, ends_every_paragraph_but_the_open_one) {
    const RichText t({Paragraph{Align::Right, {{"a", {}}}}, Paragraph{}, Paragraph{}});
    const std::string rtf = writeRtf(t);
    std::size_t pars = 0;
    for (std::size_t p = rtf.find("\\par\n"); p != std::string::npos;
         p = rtf.find("\\par\n", p + 1))
        ++pars;
    EXPECT_EQ(pars, 2u);
}

}  // namespace
}  // namespace zumbrel::tape
