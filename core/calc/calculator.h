#pragma once

#include "core/business/business_key.h"
#include "core/business/business_registers.h"
#include "core/calc/commands.h"
#include "core/calc/context.h"
#include "core/calc/engine.h"
#include "core/calc/entry.h"
#include "core/calc/input_line.h"
#include "core/calc/kept_places.h"
#include "core/live/corrections.h"
#include "core/live/journal.h"
#include "core/live/language_words.h"
#include "core/tape/annotations.h"
#include "core/tape/documents.h"

namespace zumbrel::calc {

// The calculator as the windows and the headless driver see it: keys and commands in,
// registers out. A key that cannot complete (a register that holds no number, a value out
// of range) restores every register, says why in a message box, and is otherwise ignored.
class Calculator {
  public:
    Calculator(Ports ports, CalcSettings settings = {});
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // A typed character or a keypad button that sends one; '\r' is Enter.
    void key(char c);
    void run(Command command);
    // A drop or choice of the memories, list, history, clipboard panel, or paste.
    PasteOutcome keep(const KeptKey& key);
    // A number dropped on the display, from a memory, a list or another program.
    void dropOnDisplay(std::string_view number);
    // A business button: VAT, currency, self-employed or golden-number block.
    void businessBlock(business::BusinessKey key);
    business::BusinessRegisters& business() { return business_; }
    const business::BusinessRegisters& business() const { return business_; }
    // A file command: new, open, save, save as, or the close's question.
    // Opens that tape file as [OPEN] opens the one chosen (a recent tape).
    void openDocument(const std::string& path);
    void document(tape::DocumentKey key);
    tape::Documents& documents() { return documents_; }
    const tape::Documents& documents() const { return documents_; }
    // Writing on the tape: date, title, comments, header, footer, and the eraser.
    void annotate(tape::AnnotationKey key);
    tape::Annotations& annotations() { return annotations_; }
    KeptPlaces& kept() { return kept_; }
    const KeptPlaces& kept() const { return kept_; }

    // The journal of the tape: every step since the tape was started or opened, each with the
    // lines it wrote; what a correction edits and replays.
    live::Journal& journal() { return journal_; }
    const live::Journal& journal() const { return journal_; }
    // Starts the journal again at the tape's end, from the present state: what came before
    // can no longer be corrected.
    void restartJournal();
    // Runs one step of a journal again and journals it, as typing it would have.
    void replayStep(const live::Step& step, const live::Journal& from);
    // A correction of an earlier line ([FIX 2=4] …): the status line says the new total, and
    // the voice reads it; a line that cannot be corrected beeps and the status says why.
    live::CorrectionOutcome correct(const live::CorrectionKey& key);
    live::Corrections& corrections() { return corrections_; }
    const live::Corrections& corrections() const { return corrections_; }
    // What the calculator writes to and asks: corrections rewrite the tape and the history.
    const Ports& ports() const { return ports_; }

    const Registers& registers() const { return regs_; }
    Registers& registers() { return regs_; }
    CalcSettings& settings() { return settings_; }
    CommandState& commands() { return commands_; }
    // The words of each language written in, kept when a language is chosen: corrections
    // write blocks again in their own language.
    live::LanguageWords& languageWords() { return languageWords_; }
    Entry& entry() { return entry_; }

  private:
    template <class Action>
    void guarded(Action&& action);

    // Journaling: a step's mark before it runs, the step journaled after it.
    struct StepMark {
        std::uint32_t operands = 0;
        std::uint32_t recalls = 0;
        std::size_t openLine = 0;
        std::size_t openLineBytes = 0;
    };
    enum class OpenLine { Unmarked, Marked };
    StepMark beginStep(OpenLine openLine = OpenLine::Unmarked);
    void recallNumber(const std::string& number);
    void endStep(const StepMark& mark, live::Step step);
    void journalRecalledNumber(const StepMark& mark);
    tape::RichText startingALine(const tape::RichText& fragment, const live::Step& step) const;
    // Lines something not replayed wrote since the mark, journaled as they stand.
    // `code`: Step::kInHistory when the lines went to the history too.
    void journalForeignLines(const StepMark& mark, std::uint8_t code = 0);
    void journalKept(const KeptKey& key, const StepMark& mark);
    void journalAnnotation(tape::AnnotationKey key, const StepMark& mark,
                           const std::string& commentBefore);

    Ports ports_;
    CalcSettings settings_;
    Registers regs_;
    CommandState commands_;
    Entry entry_;
    Engine engine_;
    InputLine inputLine_;
    KeptPlaces kept_;
    business::BusinessRegisters business_;
    tape::Documents documents_;
    tape::Annotations annotations_;
    live::Journal journal_;
    live::LanguageWords languageWords_;
    live::Corrections corrections_{*this};
};

}  // namespace zumbrel::calc
