#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/business/business_registers.h"
#include "core/business/margin.h"
#include "core/calc/registers.h"
#include "core/tape/rich_text.h"

namespace zumbrel::live {

// One thing the calculator was told since the tape began, with where it left the tape.
// Twelve bytes: a long tape's journal costs about what its keys do.
struct Step {
    enum class Kind : std::uint8_t {
        Char,        // a typed character (code); '\r' is Enter
        Command,     // a calc::Command (code)
        Business,    // a business::BusinessKey (code)
        GrandTotal,  // code 0: [GT], 1: [GTC]
        Number,      // a number put in the entry from a memory, the list, the history, the
                     // clipboard panel or a paste (text arg): replayed as that number
        Comment,     // a result comment set to wait for the next result (text arg)
        Format,      // the decimals and grouping changed (text arg: NbrDec, then SepDec)
        Foreign,     // lines written by something that is not replayed: a title, a comment,
                     // the date, a header, M+ (fragment arg)
        State,       // the registers as they were here (state arg): a tape opened in the
                     // middle of another calculation goes on from that calculation
        Rates,       // the business rates changed (rates arg): blocks after it are replayed
                     // with the rates they were written with
    };
    Kind kind = Kind::Char;
    // Char, Command, Business, GrandTotal: which key. Foreign: kStartsALine when its lines
    // begin a tape line of their own (a comment before the next amount); kInHistory when its
    // lines were written to the history too (M+, M−).
    std::uint8_t code = 0;
    static constexpr std::uint8_t kStartsALine = 1;
    static constexpr std::uint8_t kInHistory = 2;
    // Keys: the tape line (from 0) plus one on which the key wrote the operand it consumed,
    // 0 when it wrote none. Number, Comment, Format: the text's index. Foreign: the fragment's.
    std::uint32_t arg = 0;
    std::uint32_t linesAfter = 0;  // the tape's lines once the step was done

    bool isKey() const {
        return kind == Kind::Char || kind == Kind::Command || kind == Kind::Business ||
               kind == Kind::GrandTotal;
    }
    std::optional<std::size_t> operandLine() const {
        if (!isKey() || arg == 0) return std::nullopt;
        return arg - 1;
    }
    // Whether the step only builds the entry (digits, separator, zeros, erasing, the sign,
    // a number brought back).
    bool buildsEntry() const;
    // Whether it is one of + - * /.
    bool isOperator() const;
    // Whether it writes nothing of the calculation: a comment, a result comment, a format.
    bool isAside() const {
        return kind == Kind::Foreign || kind == Kind::Comment || kind == Kind::Format;
    }
};

// Where the journal began and what the calculator held then.
struct JournalStart {
    calc::Registers regs;
    business::MarginValues margin;
    business::BusinessRegisters business;  // the rates in force
    std::size_t firstLine = 0;             // tape lines before the journal: they are not replayed
    tape::RichText openLine;               // the tape's open line when the journal began
    std::size_t historyLines = 0;          // history lines before the journal
    // A journal read from a file or rebuilt from a tape's lines wrote no history line here: a
    // correction leaves the history alone.
    bool rewritesHistory = true;
    bool countItems = false;  // result lines showed their item count ("n 3")
};

// The tape's journal: every step the calculator was told since the tape was started or
// opened, each knowing the lines it wrote. A correction edits it and replays it.
class Journal {
  public:
    // Starts again at the tape's end, from the calculator's present state.
    void restart(JournalStart start);
    const JournalStart& start() const { return start_; }

    void push(Step step) { steps_.push_back(step); }
    void reserve(std::size_t steps) { steps_.reserve(steps); }
    std::uint32_t addText(std::string text);
    std::uint32_t addFragment(tape::RichText fragment);
    const std::string& text(const Step& s) const { return texts_[s.arg]; }
    const tape::RichText& fragment(const Step& s) const { return fragments_[s.arg]; }
    std::uint32_t addState(const calc::Registers& regs);
    std::uint32_t addRates(const business::BusinessRegisters& rates);
    const business::BusinessRegisters& rates(const Step& s) const { return rates_[s.arg]; }
    // The rates last journaled: a change before the next step is journaled with it.
    const business::BusinessRegisters& ratesInForce() const { return ratesInForce_; }
    const calc::Registers& state(const Step& s) const { return states_[s.arg]; }

    const std::vector<Step>& steps() const { return steps_; }
    std::vector<Step>& steps() { return steps_; }
    std::size_t size() const { return steps_.size(); }
    // Bytes the journal holds, its start and texts included.
    std::size_t bytes() const;

    // The step that wrote an operand on `line` (from 0), if any.
    std::optional<std::size_t> operandStep(std::size_t line) const;
    // The first step of the entry that `step` consumed, asides typed among its keys (a line
    // comment) included: `step` itself when nothing came between.
    std::size_t entryBegin(std::size_t step) const;
    // Whether a key of [begin, end) built the entry.
    bool buildsEntry(std::size_t begin, std::size_t end) const;

    // Counts the restarts: corrections made on an earlier journal cannot be undone.
    std::uint64_t generation() const { return generation_; }
    // Takes the steps a replay journaled, its lines shifted by `lineOffset`; the start stays.
    void takeSteps(Journal&& replayed, std::size_t lineOffset);

    // The format last journaled: a change before the next step is journaled with it.
    const std::string& formatKey() const { return format_; }
    void noteFormat(std::string key) { format_ = std::move(key); }
    // Whether the registers' NbrDec and SepDec and the item count are the format last
    // journaled.
    bool formatIs(const calc::Registers& regs, bool countItems) const;

  private:
    JournalStart start_;
    std::vector<Step> steps_;
    std::vector<std::string> texts_;
    std::vector<tape::RichText> fragments_;
    std::vector<calc::Registers> states_;
    std::vector<business::BusinessRegisters> rates_;
    business::BusinessRegisters ratesInForce_;
    std::string format_;
    std::uint64_t generation_ = 0;
};

// Whether two sets of business registers compute alike (what waits for the margin block
// aside).
bool sameRates(const business::BusinessRegisters& a, const business::BusinessRegisters& b);

// How result lines were written: NbrDec, SepDec and whether they showed their item count, as a
// Format step keeps them ("2\tS\t0").
std::string formatKeyOf(const calc::Registers& regs, bool countItems);
struct LineFormat {
    std::string nbrDec;
    std::string sepDec;
    std::optional<bool> countItems;  // journals written before it was kept have none
};
LineFormat readFormatKey(std::string_view key);

}  // namespace zumbrel::live
