// The index a file is read into once: it answers every read as a scan of the file does,
// hostile files included, and a file's reads follow its writes.

#include "core/config/profile_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/config/codepage.h"
#include "core/config/profile_file.h"
#include "core/memory_ports.h"
#include "core/text_util.h"

namespace zumbrel::config {
namespace {

using namespace std::string_literals;

// What a read of the file gives, found by scanning its lines one by one as the rules are
// written: the first header of the name, the first entry of the key under it.
std::optional<std::string> scanned(const std::string& file, std::string_view section,
                                   std::string_view key) {
    const bool utf8 = codepage::looksUtf8(file);
    std::string_view body = file;
    if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v'; };
    const auto trim = [&](std::string_view s) {
        while (!s.empty() && blank(s.front()))
            s.remove_prefix(1);
        while (!s.empty() && blank(s.back()))
            s.remove_suffix(1);
        return s;
    };
    section = trimSpaces(section);
    key = trimSpaces(key);
    enum { Before, Inside, After } where = Before;
    while (!body.empty() && where != After) {
        const std::size_t end = std::min(body.find_first_of("\r\n"), body.size());
        const std::string_view line = trim(body.substr(0, end));
        std::size_t next = end;
        if (next < body.size()) next += body.substr(next).starts_with("\r\n") ? 2 : 1;
        body.remove_prefix(next);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (where == Inside) where = After;
            const std::string_view name = trim(line.substr(1, line.find(']') - 1));
            if (where == Before && sameName(name, section, utf8)) where = Inside;
            continue;
        }
        if (where != Inside) continue;
        const std::size_t eq = line.find('=');
        if (!sameName(trim(line.substr(0, eq)), key, utf8)) continue;
        if (eq == std::string_view::npos) return std::nullopt;
        std::string_view value = trim(line.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}

// A file made of lines that trouble a reader: repeated and unclosed headers, comments,
// entries before any header, names without "=", quotes, NUL bytes, accented letters, and
// every kind of line end.
std::string hostileFile(std::mt19937& rng) {
    static const std::vector<std::string> lines = {"[S]",
                                                   "[s]",
                                                   " [ S ] ",
                                                   "[S",
                                                   "[S]A=9",
                                                   "[T]",
                                                   "[\xc9t\xe9]",
                                                   "[\xe9T\xc9]",
                                                   "[]",
                                                   "[a\0b]"s,
                                                   "A=1",
                                                   "a = 2 ",
                                                   "A",
                                                   "\tB\t=\t'3'\t",
                                                   "B=\"\"",
                                                   "=5",
                                                   ";A=6",
                                                   "  ;B=7",
                                                   "C=x=y",
                                                   "c=\"q'",
                                                   "a\0b=8"s,
                                                   "\xc9=9",
                                                   "\xe9=10",
                                                   "D=" + std::string(3000, 'd'),
                                                   "",
                                                   "  ",
                                                   "\v",
                                                   "\xEF\xBB\xBF[S]",
                                                   "\xff\xfe=11"};
    static const std::vector<std::string> ends = {"\r\n", "\n", "\r", "\r\r\n", ""};
    std::string file;
    const int count = static_cast<int>(rng() % 24);
    for (int i = 0; i < count; ++i) {
        file += lines[rng() % lines.size()];
        file += ends[rng() % ends.size()];
    }
    return file;
}

const std::vector<std::string>& askedNames() {
    static const std::vector<std::string> names = {
        "S",  "s ",   " S",   "S\t",      "T",        "\xc9T\xc9", "",  "a",
        "A",  "B",    "C",    "c",        "D",        "a\0b"s,     "a", ";A",
        ";B", "\xc9", "\xe9", "\xff\xfe", "\xfe\xff", "[S]",       "x"};
    return names;
}

TEST(ProfileIndexProperty, reads_of_hostile_files_give_what_a_scan_of_the_lines_gives) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 500; ++round) {
        const std::string file = hostileFile(rng);
        const ProfileIndex index(file);
        for (const std::string& section : askedNames()) {
            for (const std::string& key : askedNames()) {
                const auto want = scanned(file, section, key);
                const auto got = index.value(section, key);
                ASSERT_EQ(got.has_value(), want.has_value())
                    << testing::PrintToString(file) << " [" << section << "] " << key;
                if (want) {
                    ASSERT_EQ(std::string(*got), *want) << testing::PrintToString(file);
                }
            }
        }
    }
}

struct HostileCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::string expected;  // "?" is the default
};

class HostileFiles : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileFiles, are_read_as_the_windows_function_reads_them) {
    const HostileCase& c = GetParam();
    const ProfileIndex index(c.file);
    const GetResult r = index.get(c.section, c.key, "?", 2048);
    ASSERT_TRUE(r.buffer.has_value());
    EXPECT_EQ(*r.buffer, c.expected);
    EXPECT_EQ(r.returned, c.expected.size());
}

const std::string kHugeLine = "Note=" + std::string(1 << 20, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileFiles,
    testing::Values(
        HostileCase{"keys_under_a_repeated_header_are_never_found",
                    "[S]\r\nA=1\r\n[T]\r\nX=0\r\n[s]\r\nB=2\r\n", "S", "B", "?"},
        HostileCase{"the_first_of_repeated_sections_answers", "[S]\r\nA=1\r\n[S]\r\nA=2\r\n", "S",
                    "A", "1"},
        HostileCase{"the_first_of_repeated_keys_wins", "[S]\r\nA=1\r\na=2\r\n", "S", "A", "1"},
        HostileCase{"a_first_key_without_equals_hides_a_later_one_with_a_value",
                    "[S]\r\nA\r\nA=2\r\n", "S", "A", "?"},
        HostileCase{"keys_before_any_header_belong_to_no_section", "A=1\r\n[S]\r\nB=2\r\n", "", "A",
                    "?"},
        HostileCase{"an_empty_header_is_a_section_named_empty", "A=1\r\n[]\r\nA=2\r\n", "", "A",
                    "2"},
        HostileCase{"a_huge_line_is_cut_to_the_buffer", "[S]\r\n" + kHugeLine + "\r\n", "S", "Note",
                    std::string(2047, 'x')},
        HostileCase{"a_key_after_a_huge_line_is_found", "[S]\r\n" + kHugeLine + "\r\nTail=1\r\n",
                    "S", "Tail", "1"},
        HostileCase{"a_nul_byte_is_part_of_a_key", "[S]\r\na\0b=1\r\n"s, "S", "a\0b"s, "1"},
        HostileCase{"a_key_is_not_found_by_its_part_before_a_nul", "[S]\r\na\0b=1\r\n"s, "S", "a",
                    "?"},
        HostileCase{"a_nul_byte_is_part_of_a_value", "[S]\r\nA=x\0y\r\n"s, "S", "A", "x\0y"s},
        HostileCase{"a_nul_byte_is_part_of_a_section_name", "[a\0b]\r\nA=1\r\n"s, "a\0b"s, "A",
                    "1"},
        HostileCase{"cr_alone_ends_lines", "[S]\rA=1\rB=2", "S", "B", "2"},
        HostileCase{"cr_lf_lf_and_cr_mix_in_one_file", "[S]\nA=1\r\nB=2\rC=3", "S", "C", "3"},
        HostileCase{"a_comment_is_never_a_key", "[S]\r\n;A=1\r\n", "S", ";A", "?"},
        HostileCase{"a_header_without_bracket_opens_its_section", "[S  \r\nA=1\r\n", "S", "A", "1"},
        HostileCase{"text_after_the_bracket_is_no_entry", "[S]A=1\r\n", "S", "A", "?"},
        HostileCase{"windows_1252_letters_fold", "[\xc9t\xe9]\r\n\x8c=1\r\n", "\xe9T\xc9", "\x9c",
                    "1"},
        HostileCase{"a_utf8_file_folds_its_letters", "[Été]\r\nŒ=1\r\n", "éTÉ", "œ", "1"},
        HostileCase{"a_byte_order_mark_keeps_the_first_section", "\xEF\xBB\xBF[S]\r\nA=1\r\n", "S",
                    "A", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileIndexLists, repeat_every_header_and_list_the_first_sections_keys_only) {
    const ProfileIndex index("[S]\r\nA=1\r\nB\r\n;C=3\r\n[T]\r\n[s]\r\nD=4\r\n");
    EXPECT_EQ(*index.get(std::nullopt, std::nullopt, "", 64).buffer, "S\0T\0s\0"s);
    EXPECT_EQ(*index.get("s", std::nullopt, "", 64).buffer, "A\0"s);
}

TEST(ProfileIndexSections, a_repeated_or_nul_cut_name_is_found_only_whole) {
    const ProfileIndex index("[a\0b]\r\n[S]\r\n[S]\r\n"s);
    EXPECT_TRUE(index.hasSection("s"));
    EXPECT_TRUE(index.hasSection("a\0b"s));
    EXPECT_FALSE(index.hasSection("a"));
}

TEST(ProfileIndexSize, a_file_of_thirty_thousand_sections_answers_for_its_last_one) {
    std::string file;
    for (int i = 0; i < 30000; ++i)
        file += "[S" + std::to_string(i) + "]\r\nK=" + std::to_string(i) + "\r\n";
    const ProfileIndex index(file);
    EXPECT_EQ(*index.value("s29999", "k"), "29999");
    EXPECT_FALSE(index.value("S30000", "K").has_value());
}

TEST(ProfileFileReads, follow_the_files_writes) {
    ProfileFile file = ProfileFile::fromBytes("[S]\r\nA=1\r\n");
    EXPECT_EQ(file.readString("S", "A"), "1");
    file.writeString("S", "A", "2");
    EXPECT_EQ(file.readString("S", "A"), "2");
    file.writeString("T", "B", "3");
    EXPECT_TRUE(file.hasSection("T"));
    EXPECT_EQ(file.find("T", "B"), "3");
    file.eraseSection("T");
    EXPECT_FALSE(file.hasSection("T"));
    EXPECT_FALSE(file.find("T", "B").has_value());
}

TEST(ProfileFileReads, a_copy_keeps_the_texts_of_the_file_it_was_copied_from) {
    ProfileFile original = ProfileFile::fromBytes("[S]\r\nA=1\r\n");
    EXPECT_EQ(original.readString("S", "A"), "1");
    const ProfileFile copy = original;
    original.writeString("S", "A", "2");
    EXPECT_EQ(copy.readString("S", "A"), "1");
    EXPECT_EQ(original.readString("S", "A"), "2");
}

TEST(ProfileFileReads, find_tells_an_absent_key_from_one_holding_any_text) {
    const ProfileFile file = ProfileFile::fromBytes("[S]\r\nA=\x01\r\nB=\r\nC\r\nD=\x02\r\n");
    EXPECT_EQ(file.find("S", "A"), "\x01");
    EXPECT_EQ(file.find("S", "B"), "");
    EXPECT_FALSE(file.find("S", "C").has_value());
    EXPECT_EQ(file.find("S", "D"), "\x02");
    EXPECT_FALSE(file.find("S", "E").has_value());
}

TEST(ProfileFileReads, find_cuts_a_long_value_as_a_read_does) {
    const ProfileFile file = ProfileFile::fromBytes("[S]\r\nA=" + std::string(5000, 'v') + "\r\n");
    EXPECT_EQ(file.find("S", "A"), std::string(2047, 'v'));
    EXPECT_EQ(file.readString("S", "A"), std::string(2047, 'v'));
}

TEST(ProfileFileReads, a_missing_file_gives_the_default_and_no_section) {
    MemoryFileSystem files;
    const ProfileFile file = ProfileFile::load(files, "/none.ini");
    EXPECT_EQ(file.readString("S", "A", "d  "), "d");
    EXPECT_FALSE(file.find("S", "A").has_value());
    EXPECT_FALSE(file.hasSection("S"));
}

}  // namespace
}  // namespace zumbrel::config
