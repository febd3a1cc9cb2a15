// The journal of a tape that was opened: read from its file and checked, or rebuilt from its
// lines.

#include "core/calc/calculator.h"
#include "core/live/journal_file.h"
#include "core/live/replay.h"
#include "core/tape/memory_tape.h"

namespace zumbrel::live {
namespace {

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    return t;
}

bool isAmount(std::string_view t) {
    std::vector<Step> keys;
    return !t.empty() && (t.front() == '-' || (t.front() >= '0' && t.front() <= '9')) &&
           amountKeys(t, keys);
}

// "+ 3,00", "– 3,00", "* 3,00", "/ 3,00": the operator and the amount.
bool operatorLine(std::string_view t, char& op, std::string_view& amount) {
    constexpr std::string_view kMinus = "– ";
    if (t.starts_with(kMinus)) {
        op = '-';
        amount = t.substr(kMinus.size());
    } else if (t.size() > 2 && t[1] == ' ' &&
               (t[0] == '+' || t[0] == '-' || t[0] == '*' || t[0] == '/')) {
        op = t[0];
        amount = t.substr(2);
    } else {
        return false;
    }
    return isAmount(amount);
}

// Bytes [begin, end) of paragraph p of `from`, added to `to`'s last paragraph.
void appendBytes(tape::RichText& to, const tape::RichText& from, std::size_t p, std::size_t begin,
                 std::size_t end) {
    std::size_t at = 0;
    for (const tape::RichText::Run& r : from.runs(p)) {
        const std::size_t b = std::max(begin, at);
        const std::size_t e = std::min(end, at + r.text.size());
        if (b < e) to.append(r.text.substr(b - at, e - b), from.style(r.style));
        at += r.text.size();
    }
}

// The lines a foreign step wrote, taken from the opened tape: from byte `skip` of paragraph
// p, over `breaks` line breaks, then `lastBytes` bytes.
tape::RichText fragmentOf(const tape::RichText& loaded, std::size_t p, std::size_t skip,
                          std::size_t breaks, std::size_t lastBytes) {
    tape::RichText f;
    if (p + breaks >= loaded.paragraphCount()) return f;
    if (breaks == 0) {
        appendBytes(f, loaded, p, skip, skip + lastBytes);
        return f;
    }
    appendParagraphs(f, loaded, p, breaks, true, skip);
    f.newParagraph(loaded.align(p + breaks));
    appendBytes(f, loaded, p + breaks, 0, lastBytes);
    return f;
}

bool sameLines(const tape::MemoryTape& replayed, const tape::RichText& loaded) {
    if (replayed.storedLines() != loaded.paragraphCount()) return false;
    for (std::size_t i = 0; i < loaded.paragraphCount(); ++i) {
        if (replayed.line(i) != loaded.text(i)) return false;
    }
    return true;
}

class Opened {
  public:
    Opened(calc::Calculator& calc, const tape::RichText& loaded)
        : calc_(calc),
          loaded_(loaded),
          setup_{calc.settings(),
                 calc.business(),
                 calc.ports().tr,
                 calc.ports().tape.defaultStyle(),
                 calc.registers().decimalSeparator,
                 &calc.languageWords()} {
        start_.historyLines = calc.ports().history.lineCount();
        start_.business = calc.business();
        start_.rewritesHistory = false;
        const calc::Registers& live = calc.registers();
        start_.regs.decimalSeparator = live.decimalSeparator;
        start_.regs.lblNbrDecPref = live.lblNbrDecPref;
        start_.regs.lblSepDec = live.lblSepDec;
        start_.countItems = calc.settings().countItems;
    }

    bool replayFile(const ReadJournal& file) {
        if (file.firstLine != 0) return false;
        LineFormat format = readFormatKey(file.format);
        start_.regs.lblNbrDecPref = std::move(format.nbrDec);
        start_.regs.lblSepDec = std::move(format.sepDec);
        if (format.countItems) start_.countItems = *format.countItems;
        begin();
        for (const ReadJournal::Item& item : file.items) {
            Step s = item.step;
            if (s.kind == Step::Kind::Foreign) {
                const tape::MemoryTape& t = replay_->tape();
                const std::size_t open = t.storedLines() - 1;
                foreign(
                    fragmentOf(loaded_, open, t.line(open).size(), item.breaks, item.lastBytes));
                continue;
            }
            if (s.kind == Step::Kind::Number || s.kind == Step::Kind::Comment ||
                s.kind == Step::Kind::Format)
                s.arg = scratch_.addText(item.text);
            if (s.kind == Step::Kind::Rates) s.arg = scratch_.addRates(file.rates[item.rates]);
            replay_->runStep(s, scratch_);
            if (replay_->tape().storedLines() > loaded_.paragraphCount()) return false;
        }
        return sameLines(replay_->tape(), loaded_);
    }

    // Calculations read back from their lines, each checked by typing it; every other line
    // is kept as it stands.
    void rebuild() {
        const calc::Registers& live = calc_.registers();
        start_.regs.lblNbrDecPref = live.lblNbrDecPref;
        start_.regs.lblSepDec = live.lblSepDec;
        start_.countItems = calc_.settings().countItems;
        begin();
        std::size_t i = 0;
        const std::size_t last = loaded_.paragraphCount() - 1;
        while (i < last) {
            const std::size_t written = calculationAt(i);
            if (written > 0) {
                i += written;
                continue;
            }
            std::size_t j = i + 1;
            while (j < last && calculationKeys(j).empty())
                ++j;
            foreign(fragmentOf(loaded_, i, 0, j - i, 0));
            i = j;
        }
        if (!loaded_.text(last).empty())
            foreign(fragmentOf(loaded_, last, 0, 0, loaded_.text(last).size()));
    }

    void adopt() {
        Journal& j = calc_.journal();
        j.restart(start_);
        j.takeSteps(std::move(replay_->calculator().journal()), 0);
        // What is typed next goes on from the calculator as it stands, not from the tape.
        Step state{Step::Kind::State};
        state.arg = j.addState(calc_.registers());
        state.linesAfter = static_cast<std::uint32_t>(calc_.ports().tape.lineCount());
        j.push(state);
    }

    // The replayed journal becomes the calculator's own, and the calculation under way goes
    // on from where it stood: its pending operation and the grand total.
    void resume() {
        calc::Calculator& replayed = replay_->calculator();
        calc_.registers() = replayed.registers();
        calc_.business().margin = replayed.business().margin;
        Journal& j = calc_.journal();
        j.restart(start_);
        j.takeSteps(std::move(replayed.journal()), 0);
    }

  private:
    void begin() {
        scratch_.restart(start_);
        replay_ = std::make_unique<Replay>(scratch_, setup_, loaded_.paragraphCount());
    }

    void foreign(tape::RichText fragment) {
        Step s{Step::Kind::Foreign};
        s.arg = scratch_.addFragment(std::move(fragment));
        replay_->calculator().replayStep(s, scratch_);
    }

    // The keys of a calculation whose first line is `i`: an amount, operator lines, the rule
    // line; nothing when the lines are not one.
    std::vector<Step> calculationKeys(std::size_t i) const {
        std::vector<Step> keys;
        const std::string first = loaded_.text(i);
        if (!isAmount(trimmed(first)) || !amountKeys(trimmed(first), keys)) return {};
        std::size_t j = i + 1;
        for (; j < loaded_.paragraphCount(); ++j) {
            const std::string line = loaded_.text(j);
            char op = 0;
            std::string_view amount;
            if (!operatorLine(trimmed(line), op, amount)) break;
            std::vector<Step> more;
            amountKeys(amount, more);
            keys.push_back({Step::Kind::Char, static_cast<std::uint8_t>(op)});
            keys.insert(keys.end(), more.begin(), more.end());
        }
        if (j >= loaded_.paragraphCount() || trimmed(loaded_.text(j)) != "——————————") return {};
        keys.push_back({Step::Kind::Char, '\r'});
        return keys;
    }

    // Types the calculation at line i; the lines it wrote when they are the tape's, else 0
    // and the typing undone.
    std::size_t calculationAt(std::size_t i) {
        const std::vector<Step> keys = calculationKeys(i);
        if (keys.empty()) return 0;
        calc::Calculator& c = replay_->calculator();
        const calc::Registers regs = c.registers();
        const std::size_t steps = c.journal().size();
        tape::MemoryTape& t = replay_->tape();
        const std::size_t before = t.storedLines();
        for (const Step& k : keys)
            c.replayStep(k, scratch_);
        const std::size_t after = t.storedLines();
        bool same = after > before && after - 1 <= loaded_.paragraphCount() - 1;
        for (std::size_t l = before - 1; same && l < after - 1; ++l)
            same = trimmed(t.line(l)) == trimmed(loaded_.text(l));  // a text file pads
        if (same) return after - before;
        c.registers() = regs;
        c.journal().steps().resize(steps);
        t.deleteLine(t.storedLines() - 1);
        while (t.storedLines() > before)
            t.deleteLine(t.storedLines() - 2);
        return 0;
    }

    calc::Calculator& calc_;
    const tape::RichText& loaded_;
    ReplaySetup setup_;
    JournalStart start_;
    Journal scratch_;
    std::unique_ptr<Replay> replay_;
};

// Reads the journal of the tape just loaded, or rebuilds one from its lines; `goOn`: when the
// journal replays to the tape's lines, the calculator goes on from where it left. True then.
bool readBack(calc::Calculator& calc, std::string_view text, bool goOn) {
    const std::optional<ReadJournal> file = readJournalText(text);
    {
        const tape::RichText loaded = calc.ports().tape.richText();
        Opened opened(calc, loaded);
        if (file && opened.replayFile(*file)) {
            if (goOn) {
                opened.resume();
                return true;
            }
            opened.adopt();
            return false;
        }
    }
    // A calculation that cannot go on: what is typed next starts a line of its own, below
    // the one left open, as on a tape opened.
    tape::Tape& tape = calc.ports().tape;
    if (goOn && tape.lineCount() > 0 && !tape.line(tape.lineCount() - 1).empty()) tape.addLine("");
    const tape::RichText loaded = tape.richText();
    Opened opened(calc, loaded);
    opened.rebuild();
    opened.adopt();
    return false;
}

}  // namespace

void journalOpenedTape(calc::Calculator& calc, std::string_view text) {
    readBack(calc, text, false);
}

bool resumeRecoveredTape(calc::Calculator& calc, std::string_view text) {
    return readBack(calc, text, true);
}

}  // namespace zumbrel::live
