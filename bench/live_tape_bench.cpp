// A correction on a long tape: line 1 of a chained tape of 10^5 lines corrected, so that
// every step after it is replayed and the total rewritten. Aim: at most 100 ms a correction,
// and a journal of at most about 16 bytes a key.

#include <benchmark/benchmark.h>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/live/journal_file.h"

namespace {

using zumbrel::HeadlessCalculator;

// "12" then "+3" again and again: one tape line a "+3", then the result.
void typeChain(HeadlessCalculator& h, std::size_t lines) {
    zumbrel::calc::runKeys(h.calc, "12");
    const auto more = zumbrel::calc::parseKeys("+3");
    for (std::size_t i = 1; i < lines; ++i) {
        for (const auto& k : more)
            zumbrel::calc::runAction(h.calc, k);
    }
    zumbrel::calc::runKeys(h.calc, "=");
}

void BM_CorrectLineOneOfAChainedTape(benchmark::State& state) {
    HeadlessCalculator h;
    const auto lines = static_cast<std::size_t>(state.range(0));
    typeChain(h, lines);
    const std::size_t keys = h.calc.journal().size();
    const std::size_t bytes = h.calc.journal().bytes();
    int amount = 13;
    for (auto _ : state) {
        zumbrel::live::CorrectionKey fix;
        fix.kind = zumbrel::live::CorrectionKey::Kind::Fix;
        fix.line = 1;
        fix.text = std::to_string(amount++);
        const auto outcome = h.calc.correct(fix);
        if (!outcome.done) state.SkipWithError("the correction was refused");
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["tape_lines"] = static_cast<double>(h.tape.lineCount());
    state.counters["journal_bytes_per_key"] =
        static_cast<double>(bytes) / static_cast<double>(keys);
}

// The same tape typed from the start: a correction costs about what typing it all again does.
void BM_TypeAChainedTape(benchmark::State& state) {
    for (auto _ : state) {
        HeadlessCalculator h;
        typeChain(h, static_cast<std::size_t>(state.range(0)));
        benchmark::DoNotOptimize(h.tape.lineCount());
    }
}

// The journal written as a file keeps it: what the recovery copy takes on the window's thread
// once the typing pauses, with the tape's own snapshot. Aim: well under a frame (16 ms) for
// 10^5 lines.
void BM_JournalTextOfAChainedTape(benchmark::State& state) {
    HeadlessCalculator h;
    typeChain(h, static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        const std::string text = zumbrel::live::journalText(h.calc.journal());
        benchmark::DoNotOptimize(text.data());
    }
}

BENCHMARK(BM_JournalTextOfAChainedTape)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAChainedTape)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CorrectLineOneOfAChainedTape)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
