// Floods of paragraphs, runs and styles: reading a tape file takes a few times its size in
// memory, never tens of times. This program counts every allocation (its own operator new),
// so it is a test executable of its own.

#include <gtest/gtest.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

#include <filesystem>
#include <fstream>

#include "core/local_file_system.h"
#include "core/tape/memory_tape.h"
#include "core/tape/rtf_reader.h"
#include "core/tape/tape_file.h"
#include "test_names.h"

namespace {

std::size_t current = 0;
std::size_t peak = 0;

}  // namespace

// The replaced allocation functions pair malloc with free by design.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t n) {
    void* p = std::malloc(n == 0 ? 1 : n);
    if (!p) throw std::bad_alloc();
    current += malloc_usable_size(p);
    peak = std::max(peak, current);
    return p;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    current -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace zumbrel::tape {
namespace {

struct Flood {
    const char* label;
    std::string (*make)();
};

std::string repeated(const std::string& head, int n, std::string (*piece)(int)) {
    std::string s = head;
    for (int i = 0; i < n; ++i)
        s += piece(i);
    return s + "}";
}

const Flood kFloods[] = {
    {"paragraphs",
     [] { return repeated("{\\rtf1 ", 1000000, [](int) { return std::string("\\par"); }); }},
    {"runs",
     [] {
         return repeated("{\\rtf1 ", 500000,
                         [](int i) { return std::string(i % 2 ? "\\b a" : "\\b0 a"); });
     }},
    {"sizes",
     [] {
         return repeated("{\\rtf1 ", 300000,
                         [](int i) { return "\\fs" + std::to_string(2 + i % 3000) + " a"; });
     }},
    {"colours",
     [] {
         std::string table = "{\\rtf1 {\\colortbl;";
         for (int i = 0; i < 20000; ++i)
             table += "\\red" + std::to_string(i % 256) + "\\green" + std::to_string(i / 256) +
                      "\\blue1;";
         return repeated(table + "}", 200000,
                         [](int i) { return "\\cf" + std::to_string(1 + i % 20000) + " a"; });
     }},
    {"short_lines",
     [] { return repeated("{\\rtf1 ", 300000, [](int) { return std::string("a\\par "); }); }},
};

class RtfMemory : public testing::TestWithParam<Flood> {};

TEST_P(RtfMemory, stays_under_twelve_times_the_file) {
    const std::string file = GetParam().make();
    const std::size_t before = current;
    peak = current;
    {
        const ReadResult r = readRtf(file, {});
        EXPECT_EQ(r.problem, ReadProblem::None);
    }
    const std::size_t used = peak - before;
    EXPECT_LT(used, 12 * file.size() + (1u << 20))
        << used << " bytes for a file of " << file.size();
}

INSTANTIATE_TEST_SUITE_P(Floods, RtfMemory, testing::ValuesIn(kFloods),
                         testing_names::namedBy([](const Flood& f) {
                             return std::string(f.label);
                         }));

// ---- opening a tape file: the line limit and the cost of a line --------------------------------

namespace fs = std::filesystem;

struct OpenCost {
    std::size_t peak = 0;      // the most the opening held at once
    std::size_t retained = 0;  // what the tape holds afterwards
    OpenResult result;
};

// Opens bytes written to a file, counting what the opening costs beyond the tape as it was.
OpenCost open(MemoryTape& tape, const std::string& bytes) {
    const fs::path file =
        fs::temp_directory_path() / ("zumbrel-memory-" + std::to_string(::getpid()) + ".rtf");
    std::ofstream(file, std::ios::binary) << bytes;
    LocalFileSystem files;
    OpenCost cost;
    const std::size_t before = current;
    peak = current;
    cost.result = openTapeFile(tape, files, file.string());
    cost.peak = peak - before;
    cost.retained = current - before;
    fs::remove(file);
    return cost;
}

std::string lines(std::string_view head, std::string_view line, std::size_t n,
                  std::string_view tail) {
    std::string s(head);
    s.reserve(head.size() + line.size() * n + tail.size());
    for (std::size_t i = 0; i < n; ++i)
        s += line;
    return s += tail;
}

struct LineCost {
    const char* label;
    std::string file;
    std::size_t textPerLine;
};

constexpr std::size_t kLines = 200000;

const LineCost kLineCosts[] = {
    {"rtf_amounts", lines("{\\rtf1 ", "1 234,50\\par\n", kLines, "}"), 8},
    {"rtf_empty_paragraphs", lines("{\\rtf1 ", "\\par ", kLines, "}"), 0},
    {"text_amounts", lines("", "1 234,50\r\n", kLines, ""), 8},
    {"text_empty_lines", lines("", "\n", kLines, ""), 0},
};

class TapeLineCost : public testing::TestWithParam<LineCost> {};

TEST_P(TapeLineCost, a_tape_line_costs_at_most_24_bytes_and_its_text) {
    MemoryTape tape;
    const OpenCost cost = open(tape, GetParam().file);
    ASSERT_TRUE(cost.result.ok);
    ASSERT_EQ(tape.lineCount(), kLines);
    EXPECT_LE(cost.retained, kLines * (24 + GetParam().textPerLine) + (64u << 10))
        << cost.retained / kLines << " bytes a line";
}

// The file, the lines as they are read and the tape they become: never more than the file
// and twice the tape's budget of 24 bytes and the text a line.
TEST_P(TapeLineCost, opening_takes_at_most_the_file_and_twice_the_tape_it_builds) {
    MemoryTape tape;
    const OpenCost cost = open(tape, GetParam().file);
    ASSERT_TRUE(cost.result.ok);
    const std::size_t budget = kLines * (24 + GetParam().textPerLine);
    EXPECT_LE(cost.peak, GetParam().file.size() + 2 * budget + (64u << 10))
        << cost.peak << " bytes for a file of " << GetParam().file.size();
}

INSTANTIATE_TEST_SUITE_P(Files, TapeLineCost, testing::ValuesIn(kLineCosts),
                         testing_names::namedBy([](const LineCost& c) {
                             return std::string(c.label);
                         }));

TEST(TapeLineLimit, a_text_file_over_the_line_limit_costs_no_more_than_its_bytes) {
    const std::string file(kMaxTapeLines + 1, '\n');
    MemoryTape tape;
    const OpenCost cost = open(tape, file);
    EXPECT_EQ(cost.result.failure, OpenFailure::TooManyLines);
    EXPECT_LE(cost.peak, 2 * file.size() + (1u << 20));
    EXPECT_TRUE(tape.isEmpty());
}

// Reading stops at the first mark too many: what was built is at most the limit's lines.
TEST(TapeLineLimit, an_rtf_flood_of_paragraphs_builds_no_more_than_the_limit) {
    const std::string file = lines("{\\rtf1 ", "\\\n", 3 * kMaxTapeLines, "}");
    MemoryTape tape;
    const OpenCost cost = open(tape, file);
    EXPECT_EQ(cost.result.failure, OpenFailure::TooManyLines);
    EXPECT_LE(cost.peak, file.size() + 16 * kMaxTapeLines)
        << cost.peak << " bytes for a file of " << file.size();
    EXPECT_TRUE(tape.isEmpty());
}

}  // namespace
}  // namespace zumbrel::tape
