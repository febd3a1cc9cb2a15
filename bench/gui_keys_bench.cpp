// From a key press to the tape showing the result, in the real windows: on an empty tape
// and on a tape of 10^5 lines. The cost must not grow with the tape.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <chrono>
#include <optional>

#include "core/calc/key_script.h"
#include "core/local_file_system.h"
#include "core/memory_ports.h"
#include "core/tape/tape_file.h"
#include "core/voice/voice_state.h"
#include "gui/app/composition.h"
#include "gui/keypad/kept_numbers_panel.h"
#include "gui/keypad/keypad_window.h"
#include "gui/tape/document_tape.h"
#include "gui/tape/find_bar.h"
#include "gui/tape/tape_recovery.h"
#include "gui/tape/tape_view.h"
#include "gui/tape/tape_window.h"
#include "gui/ui/number_list_popup.h"
#include "gui/voice/audio_backend.h"
#include "gui/voice/sound_output.h"

namespace {

using zumbrel::gui::composeFeatures;
using zumbrel::gui::KeypadWindow;

void runChain(benchmark::State& state, int prefilled, bool recovering = false) {
    KeypadWindow keypad(composeFeatures);
    keypad.show();
    // The recovery copy of an unsaved tape, as the program makes it; its copies are made
    // while the keys go on.
    std::optional<zumbrel::gui::TapeRecovery> recovery;
    QTemporaryDir folder;
    if (recovering)
        recovery.emplace(zumbrel::gui::recoveryParts(keypad),
                         folder.filePath("recovery.rtf").toStdString());
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
void BM_KeyToTapeWithRecoveryCopies(benchmark::State& state) {
    runChain(state, 0, true);
}

// The find bar searching a tape of 10^5 lines in the window (each line read from the view's
// document), from a new text to the current match shown.
void BM_FindOnTapeOf100000Lines(benchmark::State& state) {
    KeypadWindow keypad(composeFeatures);
    keypad.show();
    for (int i = 0; i < 100000; ++i)
        keypad.tapeWindow().tape().addLine(i % 2 ? "+ 1 234,50" : "2 469,00");
    QApplication::processEvents();
    keypad.findChild<QAction*>("mItemFind")->trigger();
    auto* bar = zumbrel::gui::findBarOf(keypad.tapeWindow());
    bool second = false;
    for (auto _ : state) {
        second = !second;
        bar->field()->setText(second ? "2469" : "2469 ");  // a new text, the same amount
        bar->next();  // searches at once rather than after the typing pause
    }
    state.counters["matches"] = static_cast<double>(bar->matches().size());
}

// The snapshot the recovery copy takes of a tape of 10^5 lines, when the typing pauses: the
// longest a key pressed at that moment can wait (the writing is the copy's own thread's).
void BM_RecoverySnapshotOf100000Lines(benchmark::State& state) {
    KeypadWindow keypad(composeFeatures);
    for (int i = 0; i < 100000; ++i)
        keypad.tapeWindow().tape().addLine(i % 2 ? "+ 1 234,50" : "2 469,00");
    for (auto _ : state)
        benchmark::DoNotOptimize(keypad.tapeWindow().tape().richText());
}

// Saving and opening a tape of 10^5 lines from the windows: the file commands' own work,
// without their dialogs.
std::string longTapeFile(QTemporaryDir& folder) {
    KeypadWindow keypad(composeFeatures);
    for (int i = 0; i < 100000; ++i)
        keypad.tapeWindow().tape().addLine(i % 2 ? "+ 1 234,50" : "2 469,00");
    const std::string path = folder.filePath("long.rtf").toStdString();
    zumbrel::LocalFileSystem files;
    std::string error;
    zumbrel::tape::saveTapeFile(keypad.tapeWindow().tape(), files, path, error);
    return path;
}

void BM_SaveTapeOf100000Lines(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string path = longTapeFile(folder);
    KeypadWindow keypad(composeFeatures);
    zumbrel::LocalFileSystem files;
    zumbrel::tape::openTapeFile(keypad.tapeWindow().tape(), files, path);
    keypad.tapeWindow().tape().finishReading();  // saved from the document, not the file read
    std::string error;
    for (auto _ : state)
        zumbrel::tape::saveTapeFile(keypad.tapeWindow().tape(), files, path, error);
}

// Opening a tape of 10^5 lines, until the window shows the file's last lines, or (allIn) until
// every line is in the document, handling events as the window does. The counter is the
// longest the window was held by a slice of lines going in: a key pressed then waits at most
// that long.
void openLongTape(benchmark::State& state, bool allIn) {
    QTemporaryDir folder;
    const std::string path = longTapeFile(folder);
    KeypadWindow keypad(composeFeatures);
    keypad.show();
    zumbrel::LocalFileSystem files;
    auto& tape = keypad.tapeWindow().tape();
    std::chrono::steady_clock::duration longest{};
    for (auto _ : state) {
        zumbrel::tape::openTapeFile(tape, files, path);
        keypad.tapeWindow().editor()->viewport()->repaint();
        while (allIn && tape.linesWaiting() > 0) {
            const auto start = std::chrono::steady_clock::now();
            QCoreApplication::processEvents();
            longest = std::max(longest, std::chrono::steady_clock::now() - start);
        }
    }
    if (allIn)
        state.counters["longest_slice_ms"] =
            std::chrono::duration<double, std::milli>(longest).count();
}

void BM_OpenTapeOf100000Lines(benchmark::State& state) {
    openLongTape(state, false);
}
void BM_OpenTapeOf100000LinesAllIn(benchmark::State& state) {
    openLongTape(state, true);
}

// A sink that only notes when it was handed the sound.
class NullSink final : public zumbrel::gui::AudioBackend {
  public:
    bool playSync(const zumbrel::voice::PcmWave&, const std::function<bool()>&) override {
        if (!first) first = std::chrono::steady_clock::now();
        return true;
    }
    void playAsync(const zumbrel::voice::PcmWave&) override {}
    std::optional<std::chrono::steady_clock::time_point> first;
};

// From Enter to the first sound handed to the device, with the woman's French voice, at the
// rate given in hundredths (100: as recorded; 200 and 300: sped up, each word processed once
// per rate and kept, so after the first reading the rate costs nothing).
void BM_EnterToFirstAudio(benchmark::State& state) {
    const QString wav = QCoreApplication::applicationDirPath() + "/../gui/Resources/Wav/";
    if (!QFile::exists(wav + "FranW01/egal.wav")) {
        state.SkipWithError("no voice folders (espeak-ng missing at build time)");
        return;
    }
    KeypadWindow keypad(composeFeatures);
    auto& v = keypad.voiceState();
    v.install = zumbrel::config::InstallCode::ZMB;
    v.soundRoot = wav.toStdString();
    v.kind = "WWo";
    v.rate = static_cast<double>(state.range(0)) / 100;
    auto sink = std::make_unique<NullSink>();
    NullSink* null = sink.get();
    keypad.sound().setBackend(std::move(sink));
    for (auto _ : state) {
        for (char c : std::string("12+3"))
            keypad.keyAction(c);
        null->first.reset();
        const auto start = std::chrono::steady_clock::now();
        keypad.keyAction('\r');
        state.SetIterationTime(std::chrono::duration<double>(*null->first - start).count());
    }
}

// Opening the history list on 10^5 lines, to its first painted rows: the list reads the
// history lazily, so this stays within a frame whatever the history's length.
void BM_OpenHistoryOf100000Lines(benchmark::State& state) {
    KeypadWindow keypad(composeFeatures);
    keypad.show();
    for (int i = 0; i < 100000; ++i)
        keypad.history().addLine(i % 2 ? "1 234,50 +" : "= 2 469,00");
    keypad.refresh();
    QApplication::processEvents();
    zumbrel::gui::KeptNumbersPanel& kept = keypad.keptNumbers();
    for (auto _ : state) {
        kept.openHistory();
        kept.historyList()->repaint();
        kept.historyList()->hide();
    }
    state.counters["history_lines"] = static_cast<double>(keypad.history().lineCount());
}

BENCHMARK(BM_OpenHistoryOf100000Lines)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_EnterToFirstAudio)
    ->Arg(100)
    ->Arg(200)
    ->Arg(300)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);
BENCHMARK(BM_KeyToTapeOnEmptyTape)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_KeyToTapeOn100000Lines)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_KeyToTapeWithRecoveryCopies)->Unit(benchmark::kMicrosecond)->Iterations(2000);
BENCHMARK(BM_FindOnTapeOf100000Lines)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_RecoverySnapshotOf100000Lines)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SaveTapeOf100000Lines)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_OpenTapeOf100000Lines)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_OpenTapeOf100000LinesAllIn)->Unit(benchmark::kMillisecond)->Iterations(5);

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
