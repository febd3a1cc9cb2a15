#include "core/live/replay.h"

#include "core/calc/calculator.h"
#include "core/calc/messages.h"
#include "core/memory_ports.h"
#include "core/tape/memory_tape.h"

namespace zumbrel::live {
namespace {

// A replay asks nothing, plays nothing and shows nothing: what the user was told when the
// keys were typed stays told.
class Unheard final : public StatusLine, public SoundOutput, public Prompts {
  public:
    // `tr`: the words the steps are replayed in, which change with the language of each.
    explicit Unheard(const WordsInForce& tr) : tr_(tr) {}

    // The warnings a step gave (a division by zero, a root of a negative value, a result of
    // more than 19 digits), by step. Kept as messages: they are said in the language of the
    // interface, not in that of the steps.
    std::vector<std::pair<std::size_t, Message>> alerts;
    std::size_t step = 0;

    void show(std::string_view text) override { noteWarning(text); }
    std::string text() const override { return {}; }
    void playSync(std::string_view) override {}
    void playAsync(std::string_view) override {}
    void beep(Beep) override {}
    // The question whether to write the waiting result comment is answered yes: a comment
    // the user confirmed stays on the tape (answered no, it was lost at each correction).
    // Any other question is answered no; a question is no warning.
    Answer messageBox(std::string_view, std::string_view text, Icon, Buttons) override {
        if (text.starts_with(tr_.current().text(calc::msg::kAddResultComment))) return Answer::Yes;
        noteWarning(text);
        return Answer::No;
    }
    std::optional<std::string> inputBox(std::string_view, std::string_view,
                                        std::string_view) override {
        return std::nullopt;
    }

  private:
    static constexpr Message kStops[] = {calc::msg::kDivisionByZero, calc::msg::kNegativeValue,
                                         calc::msg::kOutOfRange, calc::msg::kOverflow19};

    // Called at nearly every key: the warnings' texts are looked up again only when the
    // language of the steps changes, and an emptied status line is no warning.
    void noteWarning(std::string_view text) {
        if (text.empty()) return;
        if (&tr_.current() != stopsOf_) {
            stopsOf_ = &tr_.current();
            for (std::size_t i = 0; i < std::size(kStops); ++i)
                stops_[i] = stopsOf_->text(kStops[i]);
        }
        // The negative root's box adds a full stop to its message.
        const std::string_view bare = text.ends_with('.') ? text.substr(0, text.size() - 1) : text;
        for (std::size_t i = 0; i < std::size(kStops); ++i) {
            if (text == stops_[i] || bare == stops_[i]) alerts.emplace_back(step, kStops[i]);
        }
    }

    const WordsInForce& tr_;
    const Translator* stopsOf_ = nullptr;  // the words `stops_` were read in
    std::string stops_[std::size(kStops)];
};

}  // namespace

struct Replay::Parts {
    Parts(const ReplaySetup& setup)
        : tr(setup.tr),
          unheard(tr),
          words(setup.words),
          calc(calc::Ports{tape, history, unheard, unheard, unheard, voice, tr, clipboard, files,
                           dialogs},
               setup.settings) {}

    EventLog log;
    tape::MemoryTape tape;
    MemoryHistory history;
    live::WordsInForce tr;
    Unheard unheard;
    const LanguageWords* words;
    SilentVoice voice;
    MemoryClipboard clipboard;
    MemoryFileSystem files;
    AnswerScript answers;
    ScriptedDialogs dialogs{log, answers};
    calc::Calculator calc;
    std::optional<std::size_t> historyBeforeState;
};

Replay::Replay(const Journal& journal, const ReplaySetup& setup, std::size_t expectedLines)
    : parts_(std::make_unique<Parts>(setup)) {
    parts_->tape.reserve(expectedLines + 8, expectedLines * 2 + 8, expectedLines * 12 + 64);
    parts_->calc.journal().reserve(journal.size() + 8);
    const JournalStart& start = journal.start();
    calc::Calculator& c = parts_->calc;
    c.business() = start.business;
    c.business().margin = start.margin;
    parts_->tr.follow(setup.words, start.business.letter);
    c.registers() = start.regs;
    c.registers().decimalSeparator = setup.decimalSeparator;
    c.settings().countItems = start.countItems;
    parts_->tape.setDefaultStyle(setup.tapeStyle);
    parts_->tape.restoreDefaultStyle();
    parts_->tape.load(start.openLine);
    c.restartJournal();
}

Replay::~Replay() = default;

void Replay::run(const std::vector<Step>& steps, std::size_t from, std::size_t to,
                 const Journal& texts) {
    parts_->log.clear();
    for (std::size_t i = from; i < to && i < steps.size(); ++i) {
        parts_->unheard.step = i;
        runStep(steps[i], texts);
    }
}

void Replay::runStep(const Step& step, const Journal& texts) {
    parts_->calc.replayStep(step, texts);
    // A block after this one is written in the words of its own language.
    if (step.kind == Step::Kind::Rates)
        parts_->tr.follow(parts_->words, parts_->calc.business().letter);
    if (step.kind == Step::Kind::State) parts_->historyBeforeState = parts_->history.lineCount();
}

std::optional<Message> Replay::firstAlertFrom(std::size_t step) const {
    for (const auto& [at, message] : parts_->unheard.alerts) {
        if (at >= step) return message;
    }
    return std::nullopt;
}

calc::Calculator& Replay::calculator() {
    return parts_->calc;
}

const tape::MemoryTape& Replay::tape() const {
    return parts_->tape;
}

tape::MemoryTape& Replay::tape() {
    return parts_->tape;
}

std::vector<std::string> Replay::history() const {
    return parts_->history.lines();
}

std::optional<std::size_t> Replay::historyBeforeState() const {
    return parts_->historyBeforeState;
}

}  // namespace zumbrel::live
