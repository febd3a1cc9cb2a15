// What the calculator journals of each step, and how a journaled step runs again.

#include "core/business/block.h"
#include "core/business/run_block.h"
#include "core/calc/calculator.h"

namespace zumbrel::calc {

using live::Step;

void Calculator::restartJournal() {
    live::JournalStart start;
    start.regs = regs_;
    start.margin = business_.margin;
    start.business = business_;
    const std::size_t stored = ports_.tape.storedLines();
    start.firstLine = stored - 1;
    start.openLine = ports_.tape.richTextFrom(stored - 1);
    start.historyLines = ports_.history.lineCount();
    start.countItems = settings_.countItems;
    journal_.restart(std::move(start));
}

Calculator::StepMark Calculator::beginStep(OpenLine openLine) {
    // Decimals or grouping changed since the last step (the preferences): journaled first, so
    // that a replay writes the lines after it as they were written.
    if (!journal_.formatIs(regs_, settings_.countItems)) {
        std::string key = live::formatKeyOf(regs_, settings_.countItems);
        Step format{Step::Kind::Format};
        format.arg = journal_.addText(key);
        format.linesAfter = static_cast<std::uint32_t>(ports_.tape.lineCount());
        journal_.push(format);
        journal_.noteFormat(std::move(key));
    }
    // The rates changed (the rate panels, the preferences): a replay writes the blocks after
    // this with the new ones, and the blocks before with the old.
    if (!live::sameRates(business_, journal_.ratesInForce())) {
        Step rates{Step::Kind::Rates};
        rates.arg = journal_.addRates(business_);
        rates.linesAfter = static_cast<std::uint32_t>(ports_.tape.lineCount());
        journal_.push(rates);
    }
    StepMark mark{regs_.operandsWritten, kept_.recalls()};
    // Where the open line stood: only what may write foreign lines needs it, never a key.
    if (openLine == OpenLine::Marked) {
        mark.openLine = ports_.tape.storedLines() - 1;
        mark.openLineBytes = ports_.tape.line(mark.openLine).size();
    }
    return mark;
}

void Calculator::endStep(const StepMark& mark, Step step) {
    step.linesAfter = static_cast<std::uint32_t>(ports_.tape.lineCount());
    if (regs_.operandsWritten != mark.operands)
        step.arg = static_cast<std::uint32_t>(regs_.operandLine + 1);
    journal_.push(step);
}

void Calculator::journalForeignLines(const StepMark& mark, std::uint8_t code) {
    const std::size_t stored = ports_.tape.storedLines();
    if (stored - 1 == mark.openLine && ports_.tape.line(mark.openLine).size() == mark.openLineBytes)
        return;                        // nothing written
    if (stored - 1 < mark.openLine) {  // lines went away: nothing before can be trusted
        restartJournal();
        return;
    }
    const tape::RichText from = ports_.tape.richTextFrom(mark.openLine);
    tape::RichText fragment;
    appendParagraphs(fragment, from, 0, from.paragraphCount(), true, mark.openLineBytes);
    Step step{Step::Kind::Foreign, code};
    // Its first text begins a line: it ended the line that held text, or it was written on
    // an empty one.
    const bool endedAWrittenLine =
        mark.openLineBytes > 0 && fragment.paragraphCount() > 1 && fragment.text(0).empty();
    const bool wroteOnAnEmptyLine = mark.openLineBytes == 0 && !fragment.text(0).empty();
    if (endedAWrittenLine || wroteOnAnEmptyLine) step.code |= Step::kStartsALine;
    step.arg = journal_.addFragment(std::move(fragment));
    step.linesAfter = static_cast<std::uint32_t>(ports_.tape.lineCount());
    journal_.push(step);
}

// Lines that began a tape line of their own still do when a correction changed the line
// before them: after a deleted first amount, a comment that ended the amount's line no longer
// leaves an empty line above it; a line that was empty and now holds an operator is ended
// first.
tape::RichText Calculator::startingALine(const tape::RichText& fragment, const Step& step) const {
    if ((step.code & Step::kStartsALine) == 0) return fragment;
    const bool openLineEmpty = ports_.tape.line(ports_.tape.storedLines() - 1).empty();
    const bool beginsWithABreak = fragment.paragraphCount() > 1 && fragment.text(0).empty();
    tape::RichText moved;
    if (openLineEmpty && beginsWithABreak) {
        appendParagraphs(moved, fragment, 1, fragment.paragraphCount() - 1, true);
    } else if (!openLineEmpty && !beginsWithABreak) {
        appendParagraphs(moved, fragment, 0, fragment.paragraphCount(), false);
    } else {
        return fragment;
    }
    return moved;
}

void Calculator::journalKept(const KeptKey& key, const StepMark& mark) {
    using Kind = KeptKey::Kind;
    switch (key.kind) {
        case Kind::GrandTotal:
        case Kind::GrandTotalClear:
            endStep(mark, {Step::Kind::GrandTotal,
                           static_cast<std::uint8_t>(key.kind == Kind::GrandTotal ? 0 : 1)});
            return;
        case Kind::MemoryPlus:
        case Kind::MemoryMinus:
            // The memory's line says what the memory was given: it stays as it stands, on the
            // tape and in the history. The entry it leaves whole is journaled after it.
            journalForeignLines(mark, Step::kInHistory);
            break;
        default:
            break;
    }
    journalRecalledNumber(mark);
}

// A number brought back is journaled as that number: a replay never depends on what the
// memories, the list or the clipboard hold later.
void Calculator::journalRecalledNumber(const StepMark& mark) {
    if (kept_.recalls() != mark.recalls) {
        Step step{Step::Kind::Number};
        step.arg = journal_.addText(kept_.lastRecalled());
        step.linesAfter = static_cast<std::uint32_t>(ports_.tape.lineCount());
        journal_.push(step);
    }
}

void Calculator::journalAnnotation(tape::AnnotationKey key, const StepMark& mark,
                                   const std::string& commentBefore) {
    if (key == tape::AnnotationKey::Erase) {
        if (ports_.tape.isEmpty()) restartJournal();
        return;
    }
    if (key == tape::AnnotationKey::Result) {
        if (regs_.edtComResult != commentBefore) {
            Step step{Step::Kind::Comment};
            step.arg = journal_.addText(regs_.edtComResult);
            step.linesAfter = static_cast<std::uint32_t>(ports_.tape.lineCount());
            journal_.push(step);
        }
        return;
    }
    journalForeignLines(mark);
}

live::CorrectionOutcome Calculator::correct(const live::CorrectionKey& key) {
    live::CorrectionOutcome out = corrections_.run(key);
    const std::string message = out.message(ports_.tr);
    ports_.status.show(message);
    if (!out.done) {
        ports_.sound.beep(Beep::Default);
        return out;
    }
    ports_.tape.scrollToEnd();
    // The new total is read as a result is.
    if (!out.correction.totalAfter.empty()) {
        Registers total = regs_;
        total.edtSaisie.clear();
        for (const char c : out.correction.totalAfter)
            if ((c >= '0' && c <= '9') || c == '-' || c == regs_.decimalSeparator)
                total.edtSaisie += c;
        ports_.voice.readResult(total);
    }
    return out;
}

void Calculator::replayStep(const Step& step, const live::Journal& from) {
    switch (step.kind) {
        case Step::Kind::Char:
            key(static_cast<char>(step.code));
            return;
        case Step::Kind::Command:
            run(static_cast<Command>(step.code));
            return;
        case Step::Kind::Business:
            businessBlock(static_cast<business::BusinessKey>(step.code));
            return;
        case Step::Kind::GrandTotal:
            keep({step.code == 0 ? KeptKey::Kind::GrandTotal : KeptKey::Kind::GrandTotalClear});
            return;
        case Step::Kind::Number: {
            const StepMark mark = beginStep();
            recallNumber(from.text(step));
            journalKept({KeptKey::Kind::MemoryToDisplay, 1}, mark);
            return;
        }
        case Step::Kind::Comment: {
            regs_.edtComResult = from.text(step);
            Step copy = step;
            copy.arg = journal_.addText(regs_.edtComResult);
            copy.linesAfter = static_cast<std::uint32_t>(ports_.tape.lineCount());
            journal_.push(copy);
            return;
        }
        case Step::Kind::Format: {
            live::LineFormat format = live::readFormatKey(from.text(step));
            regs_.lblNbrDecPref = std::move(format.nbrDec);
            regs_.lblSepDec = std::move(format.sepDec);
            if (format.countItems) settings_.countItems = *format.countItems;
            return;  // journaled by the next step's beginning
        }
        case Step::Kind::Rates: {
            const business::MarginValues waiting = business_.margin;
            business_ = from.rates(step);
            business_.margin = waiting;
            return;  // journaled by the next step's beginning
        }
        case Step::Kind::State: {
            regs_ = from.state(step);
            Step copy = step;
            copy.arg = journal_.addState(regs_);
            copy.linesAfter = static_cast<std::uint32_t>(ports_.tape.lineCount());
            journal_.push(copy);
            return;
        }
        case Step::Kind::Foreign: {
            const StepMark mark = beginStep(OpenLine::Marked);
            const tape::RichText& fragment = from.fragment(step);
            ports_.tape.insertRichText(startingALine(fragment, step));
            ports_.tape.restoreDefaultStyle();
            const auto inHistory = static_cast<std::uint8_t>(step.code & Step::kInHistory);
            for (std::size_t p = 0; inHistory && p < fragment.paragraphCount(); ++p) {
                if (!fragment.text(p).empty()) ports_.history.addLine(fragment.text(p));
            }
            journalForeignLines(mark, inHistory);
            return;
        }
    }
}

}  // namespace zumbrel::calc
