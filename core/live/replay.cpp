#include "core/live/replay.h"

#include "core/calc/calculator.h"
#include "core/memory_ports.h"
#include "core/tape/memory_tape.h"

namespace zumbrel::live {

struct Replay::Parts {
    Parts(const ReplaySetup& setup)
        : tr(setup.tr),
          calc(calc::Ports{tape, history, status, prompts, sound, voice, tr, clipboard, files,
                           dialogs},
               setup.settings) {
        prompts.setDefaultAnswer(Answer::No);
    }

    EventLog log;
    tape::MemoryTape tape;
    MemoryHistory history;
    MemoryStatusLine status;
    ScriptedPrompts prompts{log};
    RecordingSound sound{log};
    SilentVoice voice;
    const Translator& tr;
    MemoryClipboard clipboard;
    MemoryFileSystem files;
    AnswerScript answers;
    ScriptedDialogs dialogs{log, answers};
    calc::Calculator calc;
};

Replay::Replay(const Journal& journal, const ReplaySetup& setup)
    : parts_(std::make_unique<Parts>(setup)) {
    const JournalStart& start = journal.start();
    calc::Calculator& c = parts_->calc;
    c.business() = setup.business;
    c.business().margin = start.margin;
    c.registers() = start.regs;
    parts_->tape.setDefaultStyle(setup.tapeStyle);
    parts_->tape.restoreDefaultStyle();
    parts_->tape.load(start.openLine);
    c.restartJournal();
}

Replay::~Replay() = default;

void Replay::run(const std::vector<Step>& steps, std::size_t from, std::size_t to,
                 const Journal& texts) {
    parts_->log.clear();
    for (std::size_t i = from; i < to && i < steps.size(); ++i)
        parts_->calc.replayStep(steps[i], texts);
}

calc::Calculator& Replay::calculator() {
    return parts_->calc;
}

const tape::MemoryTape& Replay::tape() const {
    return parts_->tape;
}

std::vector<std::string> Replay::history() const {
    return parts_->history.lines();
}

}  // namespace zumbrel::live
