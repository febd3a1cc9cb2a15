#include "core/tape/rtf_reader.h"

#include <gtest/gtest.h>
#include "test_names.h"

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/tape/rtf_writer.h"

namespace zumbrel::tape {
namespace {

const ReadDefaults kDefaults{};

std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(ZUMBREL_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> texts(const RichText& t) {
    std::vector<std::string> out;
    for (std::size_t p = 0; p < t.paragraphCount(); ++p)
        out.push_back(t.text(p));
    return out;
}

// The run holding `needle`.
RichRun runWith(const RichText& t, const std::string& needle) {
    for (std::size_t p = 0; p < t.paragraphCount(); ++p) {
        for (const RichText::Run& r : t.runs(p)) {
            if (r.text.find(needle) != std::string::npos)
                return {std::string(r.text), t.style(r.style)};
        }
    }
    ADD_FAILURE() << "no run holds " << needle;
    return {"<none>", {}};
}

// ---- files written by word processors -----------------------------------------------------

TEST(RtfReader, reads_a_libreoffice_document) {
    const ReadResult r = readRtf(dataFile("libreoffice_writer.rtf"), kDefaults);
    ASSERT_EQ(r.problem, ReadProblem::None);
    EXPECT_EQ(texts(r.text),
              (std::vector<std::string>{
                  "Boulangerie des Tilleuls", "Pain, gâteaux et café", "Société soulignée – barré",
                  "Surligné en jaune, vert et bleu gras italique", "Prix : 12 € ≈ 13 $ Ω", "Fin"}));
    EXPECT_EQ(r.text.align(0), Align::Center);
    EXPECT_EQ(r.text.align(2), Align::Right);
    EXPECT_EQ(r.text.align(3), Align::Justify);
    EXPECT_EQ(r.text.align(5), Align::Left);
    const TextStyle title = runWith(r.text, "Boulangerie").style;
    EXPECT_EQ(title.color, (Color{201 | (33 << 8) | (30 << 16)}));
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.fontName, "Liberation Sans");
    EXPECT_EQ(title.halfPoints, 32);
    EXPECT_TRUE(runWith(r.text, "Pain").style.italic);
    EXPECT_TRUE(runWith(r.text, "Société").style.underline);
    EXPECT_TRUE(runWith(r.text, "barré").style.strikeOut);
    EXPECT_FALSE(runWith(r.text, " – ").style.underline);
    const TextStyle highlighted = runWith(r.text, "jaune").style;
    EXPECT_TRUE(highlighted.hasBackground);
    EXPECT_EQ(highlighted.background, Color{0x00FFFF});
    EXPECT_EQ(runWith(r.text, "vert").style.color, (Color{128 << 8}));
    EXPECT_EQ(runWith(r.text, "Fin").style.fontName, "Liberation Mono");
    EXPECT_EQ(runWith(r.text, "Fin").style.halfPoints, 20);
}

TEST(RtfReader, reads_a_word_document) {
    const ReadResult r = readRtf(dataFile("word.rtf"), kDefaults);
    ASSERT_EQ(r.problem, ReadProblem::None);
    EXPECT_EQ(texts(r.text),
              (std::vector<std::string>{"Facture n° 2026-042", "Total TTC : 1\u00a0234,50 €",
                                        "Merci de votre confiance – “à bientôt” lien", ""}));
    EXPECT_EQ(r.text.align(0), Align::Center);
    EXPECT_EQ(r.text.align(1), Align::Right);
    EXPECT_TRUE(runWith(r.text, "Facture").style.bold);
    EXPECT_EQ(runWith(r.text, "Facture").style.color, Color{255});
    EXPECT_EQ(runWith(r.text, "Facture").style.fontName, "Calibri");
    EXPECT_EQ(runWith(r.text, "Total").style.fontName, "Courier New");
    EXPECT_TRUE(runWith(r.text, "234").style.hasBackground);
    EXPECT_TRUE(runWith(r.text, "Merci").style.italic);
}

TEST(RtfReader, reads_a_wordpad_document) {
    const ReadResult r = readRtf(dataFile("wordpad.rtf"), kDefaults);
    ASSERT_EQ(r.problem, ReadProblem::None);
    EXPECT_EQ(texts(r.text),
              (std::vector<std::string>{"Entête centrée", "Courier italique à droite",
                                        "Souligné puis barré puis surligné puis vert",
                                        "Euro € et Omega Ω et sourire 😀", ""}));
    EXPECT_EQ(r.text.align(0), Align::Center);
    EXPECT_EQ(r.text.align(1), Align::Right);
    EXPECT_TRUE(runWith(r.text, "Entête").style.bold);
    EXPECT_FALSE(runWith(r.text, "Courier").style.bold);
    EXPECT_TRUE(runWith(r.text, "Courier").style.italic);
    EXPECT_TRUE(runWith(r.text, "Souligné").style.underline);
    EXPECT_TRUE(runWith(r.text, "barré").style.strikeOut);
    EXPECT_EQ(runWith(r.text, "surligné").style.background, Color{0x00FFFF});
    EXPECT_EQ(runWith(r.text, "vert").style.color, (Color{(176 << 8) | (80 << 16)}));
}

// ---- control words --------------------------------------------------------------------------

struct TextCase {
    const char* rtf;
    const char* text;
};

class RtfText : public testing::TestWithParam<TextCase> {};

TEST_P(RtfText, reads_the_text) {
    const ReadResult r = readRtf(GetParam().rtf, kDefaults);
    std::string all;
    for (std::size_t i = 0; i < r.text.paragraphCount(); ++i) {
        if (i) all += "|";
        all += r.text.text(i);
    }
    EXPECT_EQ(all, GetParam().text) << GetParam().rtf;
}

INSTANTIATE_TEST_SUITE_P(
    Words, RtfText,
    testing::Values(
        TextCase{"{\\rtf1 a\\par b}", "a|b"}, TextCase{"{\\rtf1 a\\line b}", "a|b"},
        TextCase{"{\\rtf1 a\\tab b}", "a\tb"}, TextCase{"{\\rtf1 \\'e9\\'80}", "é€"},
        TextCase{"{\\rtf1 \\u233?t\\u233?}", "été"}, TextCase{"{\\rtf1\\uc2 \\u233xyz}", "éz"},
        TextCase{"{\\rtf1\\uc0 \\u233 z}", "éz"}, TextCase{"{\\rtf1 \\u-4064?}", "\uf020"},
        TextCase{"{\\rtf1 \\{\\}\\\\}", "{}\\"}, TextCase{"{\\rtf1 a\\~b}", "a\u00a0b"},
        TextCase{"{\\rtf1 a{\\*\\unknown hidden}b}", "ab"},
        TextCase{"{\\rtf1 a{\\info{\\title T}}b}", "ab"},
        TextCase{"{\\rtf1 a{\\pict\\bin4 }}}}}b}", "ab"}, TextCase{"{\\rtf1 x\\bin3 {}\\y}", "xy"},
        TextCase{"{\\rtf1 \\emdash\\endash\\lquote\\rquote}", "—–‘’"},
        TextCase{"{\\rtf1 line\r\nbreaks}", "linebreaks"}, TextCase{"{\\rtf1 a\\\nb}", "a|b"},
        TextCase{"{\\rtf1 tail\\par}", "tail|"}),
    testing_names::namedBy([](const TextCase& c) { return std::string(c.text); }));

TEST(RtfReader, group_ends_restore_the_formatting) {
    const ReadResult r = readRtf("{\\rtf1 {\\b bold}plain{\\i\\cf1 x}}", kDefaults);
    const auto runs = r.text.paragraphs()[0].runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_TRUE(runs[0].style.bold);
    EXPECT_FALSE(runs[1].style.bold);
    EXPECT_TRUE(runs[2].style.italic);
}

TEST(RtfReader, plain_resets_character_formatting) {
    const ReadResult r = readRtf("{\\rtf1 \\b\\i\\ul\\fs40 a\\plain b}", kDefaults);
    const TextStyle b = r.text.paragraphs()[0].runs.back().style;
    EXPECT_FALSE(b.bold || b.italic || b.underline);
    EXPECT_EQ(b.halfPoints, 24);
}

TEST(RtfReader, zero_forms_switch_formatting_off) {
    const ReadResult r =
        readRtf("{\\rtf1 \\b\\i\\ul\\strike a\\b0\\i0\\ul0\\strike0 b}", kDefaults);
    const TextStyle b = r.text.paragraphs()[0].runs.back().style;
    EXPECT_FALSE(b.bold || b.italic || b.underline || b.strikeOut);
}

TEST(RtfReader, unknown_colours_and_fonts_fall_back_to_the_defaults) {
    ReadDefaults d;
    d.style.fontName = "DejaVu Sans Mono";
    d.style.color = Color{0x2D2D2D};
    const ReadResult r = readRtf("{\\rtf1 \\f7\\cf9\\highlight9 x}", d);
    const TextStyle s = r.text.paragraphs()[0].runs[0].style;
    EXPECT_EQ(s.fontName, "DejaVu Sans Mono");
    EXPECT_EQ(s.color, Color{0x2D2D2D});
    EXPECT_FALSE(s.hasBackground);
}

// ---- round trips ----------------------------------------------------------------------------

TEST(RtfRoundTrip, worked_examples_come_back_identical) {
    for (const char* keys : {"12+3=", "12+3*2=", "200+5%=", "9r", "8/0=", "7-9=", "9+16r*2="}) {
        HeadlessCalculator h;
        h.calc.registers().lblSepDec = "S";
        h.calc.registers().edtComResult = "Total é";
        calc::runKeys(h.calc, keys);
        const RichText before = h.tape.richText();
        const ReadResult back =
            readRtf(writeRtf(before), ReadDefaults{h.tape.defaultStyle(), Align::Right});
        EXPECT_EQ(back.problem, ReadProblem::None);
        EXPECT_EQ(back.text, before) << keys;
    }
}

// Many generated tapes: random keys, fonts, sizes, colours, backgrounds, alignments.
TEST(RtfRoundTrip, generated_tapes_come_back_identical) {
    std::mt19937 rng(20261206);
    const std::string keys = "0123456789,+-*/%=rsp";
    const char* fonts[] = {"Courier New", "DejaVu Sans Mono", "Liberation Serif", "Arial"};
    for (int round = 0; round < 200; ++round) {
        HeadlessCalculator h;
        h.calc.registers().lblSepDec = round % 2 ? "S" : "Q";
        h.calc.registers().lblNbrDecPref = std::to_string(round % 6);
        std::string script;
        for (int k = 0; k < 60; ++k)
            script += keys[rng() % keys.size()];
        calc::runKeys(h.calc, script);
        TextStyle st;
        st.fontName = fonts[rng() % 4];
        st.halfPoints = 12 + static_cast<int>(rng() % 60);
        st.color = Color{static_cast<std::uint32_t>(rng() & 0xFFFFFF)};
        st.bold = rng() % 2;
        st.italic = rng() % 2;
        st.underline = rng() % 2;
        st.strikeOut = rng() % 2;
        st.hasBackground = rng() % 2;
        if (st.hasBackground) st.background = Color{static_cast<std::uint32_t>(rng() & 0xFFFFFF)};
        const RichText extra(
            {Paragraph{static_cast<Align>(rng() % 4), {{"En-tête «Ω» {x}\\", st}}}, Paragraph{}});
        h.tape.insertRichText(extra);
        const RichText before = h.tape.richText();
        const ReadResult back =
            readRtf(writeRtf(before), ReadDefaults{h.tape.defaultStyle(), Align::Right});
        ASSERT_EQ(back.text, before) << "keys " << script;
    }
}

// ---- hostile input --------------------------------------------------------------------------

// Runs the reader with a guard against hangs and quadratic time: a sound reader takes well
// under a second for any of these (bench_rtf measures it); the bound leaves room for a busy
// machine.
ReadResult timedRead(const std::string& bytes) {
    const auto start = std::chrono::steady_clock::now();
    ReadResult r = readRtf(bytes, kDefaults);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    EXPECT_LT(ms.count(), 5000);
    return r;
}

TEST(RtfHostile, unbalanced_braces_keep_what_was_read) {
    EXPECT_EQ(timedRead("{\\rtf1 {{{ abc").problem, ReadProblem::Truncated);
    EXPECT_EQ(timedRead("{\\rtf1 {{{ abc").text.text(0), " abc");
    const ReadResult extra = timedRead("{\\rtf1 abc}}}}} more");
    EXPECT_EQ(extra.problem, ReadProblem::None);
    EXPECT_EQ(extra.text.text(0), "abc");
}

TEST(RtfHostile, nesting_100000_deep) {
    const std::string deep =
        "{\\rtf1 " + std::string(100000, '{') + "\\b deep" + std::string(100000, '}') + " after}";
    const ReadResult r = timedRead(deep);
    EXPECT_EQ(r.problem, ReadProblem::None);
    EXPECT_EQ(r.text.text(0), "deep after");
    const ReadResult open = timedRead("{\\rtf1 " + std::string(100000, '{') + "x");
    EXPECT_EQ(open.problem, ReadProblem::Truncated);
}

TEST(RtfHostile, huge_and_negative_parameters) {
    const ReadResult r = timedRead(
        "{\\rtf1\\uc-5\\fs99999999999999999999\\cf-3\\f-7\\u-99999999999 x\\u99999999999 y}");
    EXPECT_EQ(r.problem, ReadProblem::None);
    const TextStyle s = r.text.paragraphs()[0].runs.back().style;
    EXPECT_EQ(s.halfPoints, 3276);
}

TEST(RtfHostile, bin_longer_than_the_file) {
    const ReadResult r = timedRead("{\\rtf1 a\\bin999999999 bcd}");
    EXPECT_EQ(r.text.text(0), "a");
    EXPECT_EQ(r.problem, ReadProblem::Truncated);
}

TEST(RtfHostile, truncated_files) {
    for (const char* t :
         {"{\\rtf1 \\'", "{\\rtf1 \\'e", "{\\rtf1 \\u", "{\\rtf1 \\u-", "{\\rtf1 \\",
          "{\\rtf1 {\\fonttbl{\\f0 Cour", "{\\rtf1 {\\colortbl;\\red2", "{\\rtf"}) {
        EXPECT_EQ(timedRead(t).problem, ReadProblem::Truncated) << t;
    }
}

TEST(RtfHostile, a_control_word_of_a_million_letters) {
    const ReadResult r = timedRead("{\\rtf1 \\" + std::string(1000000, 'b') + " x}");
    EXPECT_EQ(r.text.text(0), "x");
}

TEST(RtfHostile, fifty_megabytes) {
    std::string big = "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}";
    const std::string chunk = "\\pard\\qr{\\cf1\\b 1 234,50}\\par\n";
    big.reserve(50u << 20);
    while (big.size() < (50u << 20))
        big += chunk;
    big += "}";
    const ReadResult r = timedRead(big);
    EXPECT_EQ(r.problem, ReadProblem::None);
    EXPECT_GT(r.text.paragraphCount(), 1000000u);
}

TEST(RtfHostile, many_style_changes_stay_linear) {
    std::string s = "{\\rtf1 ";
    for (int i = 0; i < 500000; ++i)
        s += i % 2 ? "\\b a" : "\\b0 b";
    s += "}";
    const ReadResult r = timedRead(s);
    EXPECT_EQ(r.text.runs(0).size(), 500000u);
}

// ---- plain text -----------------------------------------------------------------------------

TEST(PlainText, windows_1252_lines) {
    const ReadResult r =
        readRichOrPlain(dataFile("plain_cp1252.txt"), ReadDefaults{{}, Align::Right});
    EXPECT_FALSE(r.wasRtf);
    EXPECT_EQ(texts(r.text), (std::vector<std::string>{"Première ligne", "Deuxième € ligne", ""}));
    EXPECT_EQ(r.text.align(0), Align::Right);
}

TEST(PlainText, utf8_lines_without_the_byte_order_mark) {
    const ReadResult r = readRichOrPlain(dataFile("plain_utf8.txt"), kDefaults);
    EXPECT_EQ(texts(r.text), (std::vector<std::string>{"Ligne été", "Second €", "", "Fin"}));
}

TEST(PlainText, binary_data_is_not_text) {
    EXPECT_EQ(readRichOrPlain(std::string("\x89PNG\r\n\x1a\n\0\0\0", 11), kDefaults).problem,
              ReadProblem::NotText);
}

TEST(PlainText, an_rtf_header_decides) {
    EXPECT_TRUE(readRichOrPlain("{\\rtf1 x}", kDefaults).wasRtf);
    EXPECT_TRUE(readRichOrPlain("\xEF\xBB\xBF{\\rtf1 x}", kDefaults).wasRtf);
    EXPECT_FALSE(readRichOrPlain(" {\\rtf1 x}", kDefaults).wasRtf);
    EXPECT_FALSE(readRichOrPlain("{\\rt", kDefaults).wasRtf);
}

}  // namespace
}  // namespace zumbrel::tape

namespace zumbrel::tape {
namespace {

// Sizes are kept in half points both ways: odd values (12,5 pt) are not rounded.
class HalfPointSizes : public testing::TestWithParam<int> {};

TEST_P(HalfPointSizes, survive_reading_and_writing) {
    const int half = GetParam();
    const ReadResult r = readRtf("{\\rtf1\\fs" + std::to_string(half) + " x}", kDefaults);
    const TextStyle read = r.text.paragraphs()[0].runs.back().style;
    EXPECT_EQ(read.halfPoints, half);
    EXPECT_NE(writeRtf(r.text).find("\\fs" + std::to_string(half) + " "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Sizes, HalfPointSizes, testing::Values(23, 24, 25, 27),
                         [](const auto& info) { return "fs" + std::to_string(info.param); });

}  // namespace
}  // namespace zumbrel::tape

namespace zumbrel::tape {
namespace {

// ---- what word processors and damaged files taught us ---------------------------------------

std::vector<std::string> paragraphsOf(std::string_view rtf) {
    return texts(readRtf(rtf, kDefaults).text);
}

TEST(RtfFindings, half_point_sizes_stay_half_points) {
    const ReadResult r = readRtf("{\\rtf1 {\\fs21 dix et demi}\\par}", kDefaults);
    EXPECT_EQ(runWith(r.text, "dix").style.halfPoints, 21);
    EXPECT_DOUBLE_EQ(runWith(r.text, "dix").style.sizePt(), 10.5);
}

TEST(RtfFindings, east_asian_text_takes_its_own_size) {
    const ReadResult r = readRtf(
        "{\\rtf1\\ansicpg936{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset134 SimSun;}}"
        "\\fs20\\afs32 latin {\\dbch\\f1 \\'d6\\'d0\\'ce\\'c4}{\\loch\\f0  again}\\par}",
        kDefaults);
    EXPECT_EQ(runWith(r.text, "latin").style.halfPoints, 20);
    EXPECT_EQ(runWith(r.text, "中文").style.halfPoints, 32);
    EXPECT_EQ(runWith(r.text, "again").style.halfPoints, 20);
}

TEST(RtfFindings, a_section_or_a_page_break_ends_the_line) {
    EXPECT_EQ(paragraphsOf("{\\rtf1 one\\sect two\\page three\\par}"),
              (std::vector<std::string>{"one", "two", "three", ""}));
}

struct CodePageCase {
    const char* label;
    const char* rtf;
    const char* text;
};

class RtfCodePages : public testing::TestWithParam<CodePageCase> {};

TEST_P(RtfCodePages, decode_the_bytes_of_the_page_the_file_names) {
    EXPECT_EQ(paragraphsOf(GetParam().rtf).front(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RtfCodePages,
    testing::Values(
        CodePageCase{"ansicpg_1251",
                     "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par}", "Привет"},
        CodePageCase{"fcharset_204",
                     "{\\rtf1{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'c4\\'e0\\par}", "Да"},
        CodePageCase{"fcharset_161_greek",
                     "{\\rtf1{\\fonttbl{\\f2\\fcharset161 Arial;}}\\f2 \\'e1\\'e2\\par}", "αβ"},
        CodePageCase{"shift_jis", "{\\rtf1\\ansicpg932 \\'93\\'fa\\'96\\'7b\\par}", "日本"},
        CodePageCase{"one_font_each",
                     "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset238 Arial CE;}}"
                     "\\f0 caf\\'e9 {\\f1 \\'9a}\\par}",
                     "café š"},
        CodePageCase{"a_cut_sequence", "{\\rtf1\\ansicpg932 \\'93\\par}", "\xEF\xBF\xBD"},
        CodePageCase{"cp1252_by_default", "{\\rtf1 \\'80 \\'e9\\par}", "€ é"}),
    testing_names::namedBy([](const CodePageCase& c) { return std::string(c.label); }));

TEST(RtfFindings, surrogates_pair_only_when_adjacent) {
    // 😀 is \u55357? \u56832?: a pair, whatever fallback follows each half.
    EXPECT_EQ(paragraphsOf("{\\rtf1 \\u-10179?\\u-8704?\\par}").front(), "😀");
    // A high surrogate, text, then a low one: two unknown characters, not an invented one.
    EXPECT_EQ(paragraphsOf("{\\rtf1 \\u-10179?x\\u-8704?\\par}").front(),
              "\xEF\xBF\xBDx\xEF\xBF\xBD");
    // Lone halves are told, not dropped.
    EXPECT_EQ(paragraphsOf("{\\rtf1 a\\u-10179?\\par}").front(), "a\xEF\xBF\xBD");
    EXPECT_EQ(paragraphsOf("{\\rtf1 a\\u-8704?b\\par}").front(),
              "a\xEF\xBF\xBD"
              "b");
    // \u-1 is U+FFFF, no character at all.
    EXPECT_EQ(paragraphsOf("{\\rtf1 \\u-1?\\par}").front(), "\xEF\xBF\xBD");
}

TEST(RtfFindings, groups_beyond_the_deepest_kept_do_not_leak_formatting) {
    std::string rtf = "{\\rtf1 ";
    for (int i = 0; i < 1100; ++i)
        rtf += "{";
    rtf += "{\\b bold?}plain";
    for (int i = 0; i < 1100; ++i)
        rtf += "}";
    rtf += " after{\\*\\generator hidden}";
    for (int i = 0; i < 1100; ++i)
        rtf += "{";
    rtf += "{\\*\\secret gone}seen";
    for (int i = 0; i < 1100; ++i)
        rtf += "}";
    rtf += "\\par}";
    const ReadResult r = readRtf(rtf, kDefaults);
    EXPECT_EQ(texts(r.text).front(), "bold?plain afterseen");
    EXPECT_FALSE(runWith(r.text, "plain").style.bold);
    EXPECT_FALSE(runWith(r.text, "after").style.bold);
}

}  // namespace
}  // namespace zumbrel::tape
