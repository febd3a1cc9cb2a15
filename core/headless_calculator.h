#pragma once

#include "core/calc/calculator.h"
#include "core/memory_ports.h"
#include "core/tape/memory_tape.h"
#include "core/voice/speech_voice.h"

namespace zumbrel {

// Sound files that all exist, for hearing what would be played without any recording.
class EveryWavFile final : public FileSystem {
  public:
    bool exists(std::string_view path) const override { return path.ends_with(".wav"); }
    std::optional<std::string> read(std::string_view, std::string& error) const override {
        error = "no file";
        return std::nullopt;
    }
    bool writeAtomically(std::string_view, std::string_view, std::string& error) override {
        error = "read-only";
        return false;
    }
    std::vector<std::string> list(std::string_view) const override { return {}; }
    bool folderExists(std::string_view) const override { return true; }
    bool canWriteIn(std::string_view) const override { return false; }
    bool createFolders(std::string_view) override { return false; }
};

// A calculator wired to in-memory ports: the headless driver, tests, benchmarks, fuzzing.
// With `speaking`, the real key speaker and result reader choose the files, played into the
// event log; otherwise the voice requests themselves are logged.
struct HeadlessCalculator {
    // Tape files are kept in memory unless `documentFiles` is given.
    explicit HeadlessCalculator(char decimalSeparator = ',', calc::CalcSettings settings = {},
                                bool speaking = false, const FileSystem* voiceFiles = nullptr,
                                FileSystem* documentFiles = nullptr)
        : speech(voiceState, sound, voiceFiles ? *voiceFiles : everyWav, prompts, translator),
          calc(calc::Ports{tape, history, status, prompts, sound,
                           speaking ? static_cast<Voice&>(speech) : voice, translator, clipboard,
                           documentFiles ? *documentFiles : files, dialogs},
               settings) {
        calc.registers().decimalSeparator = decimalSeparator;
        prompts.useScript(&answers);
        files.folders.insert(".");
        voiceState.install = config::InstallCode::ZMB;
        voiceState.soundRoot = "Resources/Wav/";
    }

    EventLog log;
    tape::MemoryTape tape;
    MemoryHistory history;
    MemoryStatusLine status;
    ScriptedPrompts prompts{log};
    RecordingSound sound{log};
    RecordingVoice voice{log};
    FrenchTranslator translator;
    MemoryClipboard clipboard;
    MemoryFileSystem files;
    AnswerScript answers;  // for questions and file dialogs, in order
    ScriptedDialogs dialogs{log, answers};
    EveryWavFile everyWav;
    voice::VoiceState voiceState;
    voice::SpeechVoice speech;
    calc::Calculator calc;
};

}  // namespace zumbrel
