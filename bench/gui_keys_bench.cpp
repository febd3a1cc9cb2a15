// From a key press to the tape showing the result, in the real windows: on an empty tape
// and on a tape of 10^5 lines. The cost must not grow with the tape.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextEdit>

#include "calc/key_script.h"
#include "keypad/keypad_window.h"
#include "tape/document_tape.h"
#include "tape/tape_window.h"

namespace {

using zumbrel::gui::KeypadWindow;

void runChain(benchmark::State& state, int prefilled) {
    KeypadWindow keypad;
    keypad.show();
    for (int i = 0; i < prefilled; ++i)
        keypad.tapeWindow().tape().addLine("1 234,50");
    QApplication::processEvents();
    const auto keys = zumbrel::calc::parseKeys("12+3=");
    for (auto _ : state) {
        for (const auto& k : keys)
            keypad.keyAction(k);
        // The tape lays the new lines out and paints them.
        keypad.tapeWindow().editor()->viewport()->repaint();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * keys.size()));
    state.counters["tape_lines"] = static_cast<double>(keypad.tapeWindow().tape().lineCount());
}

void BM_KeyToTapeOnEmptyTape(benchmark::State& state) {
    runChain(state, 0);
}
void BM_KeyToTapeOn100000Lines(benchmark::State& state) {
    runChain(state, 100000);
}

BENCHMARK(BM_KeyToTapeOnEmptyTape)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_KeyToTapeOn100000Lines)->Unit(benchmark::kMicrosecond)->Iterations(2000);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
