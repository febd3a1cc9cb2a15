#pragma once

#include <cstddef>
#include <memory>
#include <optional>

#include "core/live/journal.h"
#include "core/live/language_words.h"
#include "core/ports.h"
#include "core/tape/style.h"

namespace zumbrel::business {
struct BusinessRegisters;
}
namespace zumbrel::calc {
class Calculator;
struct CalcSettings;
}  // namespace zumbrel::calc
namespace zumbrel::tape {
class MemoryTape;
}

namespace zumbrel::live {

// What a replay takes from the calculator it replays for.
struct ReplaySetup {
    const calc::CalcSettings& settings;
    const business::BusinessRegisters& business;  // the rates, the language
    const Translator& tr;
    tape::TextStyle tapeStyle;    // the tape's default style
    char decimalSeparator = ',';  // the system's, whatever the journal began with
    // The words of the languages the steps were written in; without them, `tr`'s.
    const LanguageWords* words = nullptr;
};

// A fresh calculator that runs a journal again from the journal's start: it asks nobody
// anything, says nothing, and journals what it runs, with the lines it writes now.
class Replay {
  public:
    // `expectedLines`: about how many lines the replay will write (room is made for them).
    Replay(const Journal& journal, const ReplaySetup& setup, std::size_t expectedLines = 0);
    ~Replay();
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    // Runs the steps [from, to) of `steps` (the journal's own, or edited ones).
    void run(const std::vector<Step>& steps, std::size_t from, std::size_t to,
             const Journal& texts);
    // Runs one step, the blocks after a change of language written in its words.
    void runStep(const Step& step, const Journal& texts);

    // The first warning a step from `step` on gave (what typing would have shown), if any.
    std::optional<Message> firstAlertFrom(std::size_t step) const;

    calc::Calculator& calculator();
    // The lines written, the journal's first line being line 0 here.
    const tape::MemoryTape& tape() const;
    tape::MemoryTape& tape();
    // The history lines written since the journal's start.
    std::vector<std::string> history() const;
    // How many of them the steps before the calculator's own state wrote (an opened tape's
    // steps, whose lines the history never had); none when no such state was replayed.
    std::optional<std::size_t> historyBeforeState() const;

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace zumbrel::live
