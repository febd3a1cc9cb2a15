// Keys per second through the input line, the engine and the in-memory tape, on an empty
// tape and on a tape of a million lines: the cost of a key must not grow with the tape.

#include <benchmark/benchmark.h>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"

namespace {

using zumbrel::HeadlessCalculator;

// A realistic chain: operands, operators, a percent, a root, a result.
constexpr const char* kChain = "1234,5+678*3-12%+9r*2=";
// Each business block once: VAT, currency, self-employed, golden number.
constexpr const char* kBlocks = "1250[TVA+]x500[E>F]x20000[AE]x100[OR]x";

void runChains(benchmark::State& state, std::size_t prefilledLines, const char* chain = kChain) {
    HeadlessCalculator h;
    for (std::size_t i = 0; i < prefilledLines; ++i)
        h.tape.addLine("1 234,50");
    const auto keys = zumbrel::calc::parseKeys(chain);
    const std::size_t limit = prefilledLines + 10000;
    for (auto _ : state) {
        for (const auto& k : keys) {
            zumbrel::calc::runAction(h.calc, k);
        }
        if (h.tape.lineCount() > limit || h.log.size() > 10000) {
            state.PauseTiming();
            h.log.clear();
            h.history.clear();
            // Both tapes drop what the chains added, so both reuse warm memory alike.
            while (h.tape.storedLines() > prefilledLines + 1)
                h.tape.deleteLine(h.tape.storedLines() - 2);
            h.tape.deleteLine(h.tape.storedLines() - 1);
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * keys.size()));
    state.counters["tape_lines"] = static_cast<double>(h.tape.lineCount());
}

void BM_KeysOnEmptyTape(benchmark::State& state) {
    runChains(state, 0);
}
void BM_KeysOnMillionLineTape(benchmark::State& state) {
    runChains(state, 1000000);
}

// A block's lines cost what a key's do, whatever the tape's length.
void BM_BlocksOnEmptyTape(benchmark::State& state) {
    runChains(state, 0, kBlocks);
}
void BM_BlocksOnMillionLineTape(benchmark::State& state) {
    runChains(state, 1000000, kBlocks);
}

BENCHMARK(BM_KeysOnEmptyTape);
BENCHMARK(BM_KeysOnMillionLineTape);
BENCHMARK(BM_BlocksOnEmptyTape);
BENCHMARK(BM_BlocksOnMillionLineTape);

}  // namespace

BENCHMARK_MAIN();
