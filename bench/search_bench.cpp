// Searching a tape of a million lines: an amount (by value, whatever its grouping) and a
// text. The target is under 100 ms a search.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/tape/tape_search.h"

namespace {

// A chained tape: operand lines, rules and results, with grouped amounts.
const std::vector<std::string>& millionLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> l;
        l.reserve(1'000'000);
        for (int i = 0; l.size() < 1'000'000; ++i) {
            l.push_back("    + " + std::to_string(1000 + i % 9000 / 1000) + " " +
                        std::to_string(100 + i % 900) + ",50");
            l.push_back("——————————");
            l.push_back("  " + std::to_string(i % 1000) + " 234,50");
            l.push_back("");
        }
        return l;
    }();
    return lines;
}

void search(benchmark::State& state, const char* typed) {
    const std::vector<std::string>& lines = millionLines();
    const zumbrel::tape::TapeSearch query(typed);
    const auto at = [&](std::size_t i) -> std::string_view { return lines[i]; };
    std::size_t found = 0;
    for (auto _ : state) {
        found = zumbrel::tape::findLines(query, lines.size(), at, ',').size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
}

void BM_FindAmountInMillionLines(benchmark::State& state) {
    search(state, "1234,5");
}
void BM_FindTextInMillionLines(benchmark::State& state) {
    search(state, "total");
}

}  // namespace

BENCHMARK(BM_FindAmountInMillionLines)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FindTextInMillionLines)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
