// Writing and reading a tape of 10^5 lines: operands, operators, rules, coloured results,
// comments and a highlighted line, as a day of calculations leaves them.

#include <benchmark/benchmark.h>

#include <random>

#include "core/calc/key_script.h"
#include "core/headless_calculator.h"
#include "core/tape/rtf_reader.h"
#include "core/tape/rtf_writer.h"
#include "core/tape/tape_file.h"

namespace {

using namespace zumbrel;

const tape::RichText& bigTape() {
    static const tape::RichText text = [] {
        HeadlessCalculator h;
        h.calc.registers().lblSepDec = "S";
        std::mt19937 rng(7);
        const char* chains[] = {
            "1234,5+678*3-12%+9r*2=", "7-9=", "8/0=", "200+5%=", "12+3*2=", "99,99*3="};
        while (h.tape.lineCount() < 100000) {
            if (rng() % 5 == 0) h.calc.registers().edtComResult = "Total été";
            calc::runKeys(h.calc, chains[rng() % 6]);
            if (rng() % 50 == 0) {
                h.tape.addLine("Nombre d'Or : 161,80");
                tape::Surligner(h.tape, Color{65535});
                h.tape.restoreDefaultStyle();
                h.tape.addLine("");
            }
        }
        return h.tape.richText();
    }();
    return text;
}

void BM_WriteTape(benchmark::State& state) {
    const tape::RichText& text = bigTape();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string rtf = tape::writeRtf(text);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["lines"] = static_cast<double>(text.paragraphCount());
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_ReadTape(benchmark::State& state) {
    const std::string rtf = tape::writeRtf(bigTape());
    for (auto _ : state) {
        tape::ReadResult r = tape::readRtf(rtf, {});
        benchmark::DoNotOptimize(r.text.paragraphCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}

// The hostile case of a 50 MB file of short paragraphs.
void BM_ReadFiftyMegabytes(benchmark::State& state) {
    std::string big = "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}";
    const std::string chunk = "\\pard\\qr{\\cf1\\b 1 234,50}\\par\n";
    while (big.size() < (50u << 20))
        big += chunk;
    big += "}";
    for (auto _ : state) {
        tape::ReadResult r = tape::readRtf(big, {});
        benchmark::DoNotOptimize(r.text.paragraphCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * big.size()));
}

BENCHMARK(BM_ReadFiftyMegabytes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteTape)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTape)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
