// Floods of paragraphs, runs and styles: reading a tape file takes a few times its size in
// memory, never tens of times. This program counts every allocation (its own operator new),
// so it is a test executable of its own.

#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

#include "tape/rtf_reader.h"
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

}  // namespace
}  // namespace zumbrel::tape
