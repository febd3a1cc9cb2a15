#include "core/tape/tape_file.h"

#include <gtest/gtest.h>

#include <functional>

#include <filesystem>
#include <fstream>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/local_file_system.h"

namespace zumbrel::tape {
namespace {
namespace fs = std::filesystem;

class TapeFile : public testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zumbrel-tape-" + std::to_string(::getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    void writeBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::vector<std::string> lines(const Tape& t) const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < t.lineCount(); ++i)
            out.push_back(t.line(i));
        return out;
    }

    fs::path dir;
    LocalFileSystem files;
};

TEST_F(TapeFile, a_saved_tape_opens_as_it_was) {
    HeadlessCalculator h;
    calc::runKeys(h.calc, "12+3*2=8/0=7-9=");
    std::string error;
    ASSERT_TRUE(saveTapeFile(h.tape, files, path("t.rtf"), error)) << error;
    MemoryTape reopened;
    const OpenResult r = openTapeFile(reopened, files, path("t.rtf"));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(reopened.richText(), h.tape.richText());
}

TEST_F(TapeFile, a_calculation_goes_on_on_a_reopened_tape) {
    MemoryTape other;
    other.addLine("Facture 42");
    std::string error;
    ASSERT_TRUE(saveTapeFile(other, files, path("other.rtf"), error));

    HeadlessCalculator h;
    h.calc.registers().lblSepDec = "S";
    calc::runKeys(h.calc, "12+");
    ASSERT_TRUE(openTapeFile(h.tape, files, path("other.rtf")).ok);
    calc::runKeys(h.calc, "3=");
    EXPECT_EQ(lines(h.tape),
              (std::vector<std::string>{"Facture 42", "3,00", "——————————", "15,00", "", ""}));
}

TEST_F(TapeFile, a_missing_file_leaves_the_tape_alone) {
    MemoryTape t;
    t.addLine("kept");
    const OpenResult r = openTapeFile(t, files, path("missing.rtf"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(lines(t), (std::vector<std::string>{"kept"}));
}

TEST_F(TapeFile, binary_data_leaves_the_tape_alone) {
    writeBytes("picture.rtf", std::string("\x89PNG\0\0", 6));
    MemoryTape t;
    t.addLine("kept");
    const OpenResult r = openTapeFile(t, files, path("picture.rtf"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.problem, ReadProblem::NotText);
    EXPECT_EQ(lines(t), (std::vector<std::string>{"kept"}));
}

// The machine's files, with the reads counted; `sizeKnown` false hides the sizes, as a file
// system that cannot tell them would.
class CountedFiles final : public FileSystem {
  public:
    bool exists(std::string_view path) const override { return local.exists(path); }
    std::optional<std::string> read(std::string_view path, std::string& error) const override {
        ++reads;
        return local.read(path, error);
    }
    bool writeAtomically(std::string_view path, std::string_view bytes,
                         std::string& error) override {
        return local.writeAtomically(path, bytes, error);
    }
    std::vector<std::string> list(std::string_view folder) const override {
        return local.list(folder);
    }
    bool folderExists(std::string_view path) const override { return local.folderExists(path); }
    bool canWriteIn(std::string_view folder) const override { return local.canWriteIn(folder); }
    bool createFolders(std::string_view path) override { return local.createFolders(path); }
    std::optional<std::uint64_t> size(std::string_view path) const override {
        return sizeKnown ? local.size(path) : std::nullopt;
    }

    LocalFileSystem local;
    bool sizeKnown = true;
    mutable int reads = 0;
};

TEST_F(TapeFile, a_sparse_file_over_64_MiB_is_refused_before_it_is_read) {
    writeBytes("big.rtf", "{\\rtf1 12,00\\par}");
    fs::resize_file(dir / "big.rtf", kMaxTapeFileBytes + 1);  // sparse: costs no disk
    CountedFiles counted;
    MemoryTape t;
    t.addLine("kept");
    const OpenResult r = openTapeFile(t, counted, path("big.rtf"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failure, OpenFailure::TooLarge);
    EXPECT_EQ(counted.reads, 0);
    EXPECT_EQ(lines(t), (std::vector<std::string>{"kept"}));
}

TEST_F(TapeFile, a_file_of_exactly_64_MiB_is_read) {
    // Spaces after the document: the largest file that is still a tape.
    std::string bytes = "{\\rtf1 12,00\\par}";
    bytes.resize(kMaxTapeFileBytes, ' ');
    writeBytes("full.rtf", bytes);
    CountedFiles counted;
    MemoryTape t;
    const OpenResult r = openTapeFile(t, counted, path("full.rtf"));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.failure, OpenFailure::None);
    EXPECT_EQ(counted.reads, 1);
    EXPECT_EQ(t.line(0), "12,00");
}

TEST_F(TapeFile, a_file_over_64_MiB_is_refused_even_when_its_size_is_unknown) {
    writeBytes("big.rtf", "{\\rtf1 12,00\\par}");
    fs::resize_file(dir / "big.rtf", kMaxTapeFileBytes + 1);
    CountedFiles counted;
    counted.sizeKnown = false;
    MemoryTape t;
    t.addLine("kept");
    EXPECT_EQ(openTapeFile(t, counted, path("big.rtf")).failure, OpenFailure::TooLarge);
    EXPECT_EQ(lines(t), (std::vector<std::string>{"kept"}));
}

TEST_F(TapeFile, the_size_of_a_file_is_known_without_reading_it) {
    writeBytes("five.rtf", "12345");
    EXPECT_EQ(files.size(path("five.rtf")), 5u);
    EXPECT_EQ(files.size(path("missing.rtf")), std::nullopt);
}

TEST_F(TapeFile, plain_text_opens_right_aligned_in_the_tape_font) {
    writeBytes("notes.txt", "un\r\ndeux\r\n");
    MemoryTape t;
    TextStyle st;
    st.fontName = "DejaVu Sans Mono";
    t.setDefaultStyle(st);
    ASSERT_TRUE(openTapeFile(t, files, path("notes.txt")).ok);
    EXPECT_EQ(lines(t), (std::vector<std::string>{"un", "deux"}));
    EXPECT_EQ(t.lineRuns(0)[0].style.fontName, "DejaVu Sans Mono");
    EXPECT_EQ(t.richText().align(0), Align::Right);
}

TEST_F(TapeFile, a_failed_write_keeps_the_old_file_and_leaves_no_temporary) {
    fs::create_directories(dir / "busy.rtf" / "inside");
    MemoryTape t;
    t.addLine("x");
    std::string error;
    EXPECT_FALSE(saveTapeFile(t, files, path("busy.rtf"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(dir / "busy.rtf" / "inside"));
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().filename(), "busy.rtf");
    EXPECT_FALSE(saveTapeFile(t, files, path("no/such/folder/t.rtf"), error));
}

TEST_F(TapeFile, header_files_are_rich_or_plain_text) {
    writeBytes("Header.rtf",
               "{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}\\qc\\cf1\\b Maison Dupont\\par}");
    writeBytes("Footer.rtf", "Merci de votre visite\r\n");
    std::string error;
    const auto header = LoadStrangeRTF(files, path("Header.rtf"), ReadDefaults{}, error);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->text(0), "Maison Dupont");
    EXPECT_EQ(header->align(0), Align::Center);
    EXPECT_TRUE(header->paragraphs()[0].runs[0].style.bold);
    const auto footer = LoadStrangeRTF(files, path("Footer.rtf"), ReadDefaults{}, error);
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->text(0), "Merci de votre visite");
    EXPECT_FALSE(LoadStrangeRTF(files, path("none.rtf"), ReadDefaults{}, error));
}

// The open dialog lists text files too, which open as tapes; Save writes RTF and lists only it.
TEST_F(TapeFile, the_open_dialog_lists_text_files_and_save_only_rtf) {
    HeadlessCalculator h;
    h.files.files["notes.txt"] = "7,00\n";
    h.answers = {"notes.txt", "cancel"};
    calc::runKeys(h.calc, "[OPEN]1+1=[SAVE]");
    ASSERT_EQ(h.dialogs.filters.size(), 2u);
    EXPECT_EQ(h.dialogs.filters[0], "Fichier texte enrichi  (*.rtf);;Fichier texte  (*.txt)");
    EXPECT_EQ(h.dialogs.filters[1], "Fichier texte enrichi  (*.rtf)");
}

// A plain-text tape is saved as RTF only under a name asked for: its own with .rtf proposed.
TEST_F(TapeFile, a_text_file_opened_proposes_its_name_with_rtf_when_saved) {
    struct Case {
        const char* opened;
        const char* proposed;
    };
    for (const Case& c : {Case{"notes.txt", "notes.rtf"}, Case{"compte", "compte.rtf"},
                          Case{"v1.2/compte", "v1.2/compte.rtf"}, Case{"old.rtf", "old.rtf"}}) {
        HeadlessCalculator h;
        std::string error;
        h.files.files[c.opened] = "7,00\n";
        h.answers = {c.opened, "cancel"};
        calc::runKeys(h.calc, "[OPEN]1+1=[SAVE]");
        ASSERT_EQ(h.dialogs.proposed.size(), 2u) << c.opened;
        EXPECT_EQ(h.dialogs.proposed[1], c.proposed);
        EXPECT_EQ(*h.files.read(c.opened, error), "7,00\n");  // cancelled: the text untouched
    }
    // An RTF tape saves over itself, without a dialog.
    HeadlessCalculator first;
    calc::runKeys(first.calc, "5+5=");
    std::string error;
    ASSERT_TRUE(saveTapeFile(first.tape, first.files, "t.rtf", error, {}));
    HeadlessCalculator h;
    h.files.files = first.files.files;
    h.answers = {"t.rtf"};
    calc::runKeys(h.calc, "[OPEN]1+1=[SAVE]");
    EXPECT_EQ(h.dialogs.proposed.size(), 1u);  // the open dialog only
    EXPECT_NE(h.files.files["t.rtf"], first.files.files["t.rtf"]);
}

// A recent tape that has gone is said missing at once, with no question about the unsaved
// tape first, and the tape stays.
TEST_F(TapeFile, a_recent_tape_gone_is_said_missing_before_any_question) {
    HeadlessCalculator h;
    calc::runKeys(h.calc, "12+3=");
    h.log.clear();
    std::string missing;
    h.calc.documents().onFileMissing = [&](const std::string& path) { missing = path; };
    h.calc.documents().openFile("gone.rtf");
    ASSERT_EQ(h.log.size(), 1u);
    EXPECT_EQ(h.log[0].kind, "message");
    EXPECT_NE(h.log[0].detail.find("gone.rtf"), std::string::npos) << h.log[0].detail;
    EXPECT_EQ(missing, "gone.rtf");
    EXPECT_EQ(h.tape.line(3), "15,00");
}

TEST_F(TapeFile, a_header_inserted_after_a_result_keeps_its_paragraphs) {
    HeadlessCalculator h;
    calc::runKeys(h.calc, "1+1=");
    const RichText header({Paragraph{Align::Center, {{"Maison", {}}}},
                           Paragraph{Align::Left, {{"Rue", {}}}}, Paragraph{}});
    h.tape.insertRichText(header);
    calc::runKeys(h.calc, "2+2=");
    const auto all = lines(h.tape);
    ASSERT_GE(all.size(), 9u);
    EXPECT_EQ(all[6], "Maison");
    EXPECT_EQ(all[7], "Rue");
    EXPECT_EQ(all[8], "2,00");
    const RichText rt = h.tape.richText();
    EXPECT_EQ(rt.align(6), Align::Center);
    EXPECT_EQ(rt.align(7), Align::Left);
    EXPECT_EQ(rt.align(8), Align::Right);
}

TEST(Surligner, highlights_the_open_line_and_what_follows) {
    MemoryTape t;
    t.addLine("——");
    t.append("x");
    Surligner(t, Color{65535});
    t.append("y");
    const auto runs = t.lineRuns(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "xy");
    EXPECT_TRUE(runs[0].style.hasBackground);
    EXPECT_EQ(runs[0].style.background, Color{65535});
    EXPECT_FALSE(t.lineRuns(0)[0].style.hasBackground);
    t.restoreDefaultStyle();
    t.addLine("z");
    EXPECT_FALSE(t.lineRuns(2)[0].style.hasBackground);
}

// ---- the line limit ---------------------------------------------------------------------------

std::string repeated(std::string_view piece, std::size_t n) {
    std::string s;
    s.reserve(piece.size() * n);
    for (std::size_t i = 0; i < n; ++i)
        s += piece;
    return s;
}

// The file's bytes are made when the case runs, not when the cases are listed: every test
// program's start would otherwise build some 50 MB of them.
struct LineLimitCase {
    const char* name;
    std::function<std::string()> bytes;
    bool opens;
};

// Lines counted as the tape counts them: a final line break leaves no extra line, a last
// line without one is a line.
std::vector<LineLimitCase> lineLimitCases() {
    constexpr std::size_t n = kMaxTapeLines;
    return {
        {"text_breaks_at_the_limit", [] { return repeated("\n", n); }, true},
        {"text_breaks_one_over", [] { return repeated("\n", n + 1); }, false},
        {"text_crlf_breaks_at_the_limit", [] { return repeated("\r\n", n); }, true},
        {"text_lone_cr_breaks_one_over", [] { return repeated("\r", n + 1); }, false},
        {"text_a_last_line_without_break_one_over", [] { return repeated("1\n", n) + "2"; }, false},
        {"rtf_marks_at_the_limit", [] { return "{\\rtf1 " + repeated("\\par ", n) + "}"; }, true},
        {"rtf_marks_one_over", [] { return "{\\rtf1 " + repeated("\\par ", n + 1) + "}"; }, false},
        {"rtf_backslash_breaks_one_over", [] { return "{\\rtf1 " + repeated("\\\n", n + 1) + "}"; },
         false},
        {"rtf_a_last_line_without_mark_one_over",
         [] { return "{\\rtf1 " + repeated("\\par ", n) + "5}"; }, false},
        {"rtf_marks_in_a_skipped_group_do_not_count",
         [] { return "{\\rtf1 {\\*\\x " + repeated("\\par ", n + 1) + "}12,00\\par}"; }, true},
    };
}

class TapeLineLimit : public TapeFile, public testing::WithParamInterface<LineLimitCase> {};

TEST_P(TapeLineLimit, a_file_of_more_than_two_million_lines_is_refused_and_the_tape_stays) {
    writeBytes("long.rtf", GetParam().bytes());
    MemoryTape t;
    t.addLine("kept");
    const OpenResult r = openTapeFile(t, files, path("long.rtf"));
    if (GetParam().opens) {
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(r.failure, OpenFailure::None);
        EXPECT_LE(t.lineCount(), kMaxTapeLines);
        EXPECT_GE(t.lineCount(), 1u);
    } else {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.failure, OpenFailure::TooManyLines);
        EXPECT_EQ(lines(t), (std::vector<std::string>{"kept"}));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, TapeLineLimit, testing::ValuesIn(lineLimitCases()),
                         [](const testing::TestParamInfo<LineLimitCase>& i) {
                             return std::string(i.param.name);
                         });

TEST(RtfLineLimit, reading_stops_at_the_first_mark_too_many_and_keeps_nothing) {
    const ReadResult r = readRtf("{\\rtf1 a\\par b\\par c\\par d}", {}, 2);
    EXPECT_EQ(r.problem, ReadProblem::TooManyLines);
    EXPECT_EQ(r.text.paragraphCount(), 1u);
    EXPECT_TRUE(r.text.runs(0).empty());
    EXPECT_EQ(readRtf("{\\rtf1 a\\par b\\par c}", {}, 2).problem, ReadProblem::None);
    EXPECT_EQ(readPlainText("a\nb\nc\nd", {}, 2).problem, ReadProblem::TooManyLines);
    EXPECT_EQ(readPlainText("a\r\nb\r\nc", {}, 2).problem, ReadProblem::None);
}

}  // namespace
}  // namespace zumbrel::tape
