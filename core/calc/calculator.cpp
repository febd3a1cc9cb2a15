#include "core/calc/calculator.h"

#include "core/business/block.h"
#include "core/business/run_block.h"
#include "core/calc/messages.h"
#include "core/live/journal_file.h"

namespace zumbrel::calc {

Calculator::Calculator(Ports ports, CalcSettings settings)
    : ports_(ports),
      settings_(settings),
      entry_(regs_, ports_),
      engine_(regs_, entry_, ports_, settings_),
      inputLine_(regs_, entry_, engine_, ports_, commands_),
      kept_(regs_, entry_, ports_),
      documents_({ports_.tape, ports_.files, ports_.dialogs, ports_.prompts, ports_.sound,
                  ports_.tr, ports_.status},
                 commands_),
      annotations_({ports_.tape, ports_.prompts, ports_.sound, ports_.tr, ports_.files}, regs_,
                   settings_, documents_) {
    // A tape opened starts the grand total and the item count again.
    documents_.onTapeOpened = [this] {
        regs_.grandTotal.clear();
        regs_.itemCount = 0;
        restartJournal();
        live::journalOpenedTape(*this, documents_.openedJournal());
    };
    documents_.journalText = [this] { return live::journalText(journal_); };
    // The tape reset starts the calculation afresh: no operation, no result, no entry.
    documents_.clearCalculator = [this] {
        regs_.lblTampon.clear();
        regs_.lblTamponNum1.clear();
        regs_.lblTamponNum2.clear();
        regs_.lblTamponSign1 = regs_.lblTamponSign = 0;
        regs_.setLatest(0);
        regs_.lblResultat.clear();
        regs_.resultValue = 0;
        regs_.grandTotal.clear();
        regs_.itemCount = 0;
        entry_.set("");
        restartJournal();
    };
    restartJournal();
}

template <class Action>
void Calculator::guarded(Action&& action) {
    const Registers before = regs_;
    regs_.grandTotalShown = false;  // GT twice in a row clears only with no key between
    try {
        action();
    } catch (const CalcError& e) {
        regs_ = before;
        std::string text = ports_.tr.text(e.message());
        if (!e.detail().empty()) text += " " + e.detail();
        ports_.prompts.messageBox(msg::kErrorTitle, text, Icon::Exclamation, Buttons::Ok);
    }
}

void Calculator::recallNumber(const std::string& number) {
    guarded([&] { kept_.EdtVirtDragDrop(number); });
}

void Calculator::key(char c) {
    // The "=" key is the equals key, as on every calculator, and is journaled as Enter:
    // swallowed, it would join the amounts typed on either side of it into one ("7=100"
    // giving 7100).
    if (c == '=') c = '\r';
    const StepMark mark = beginStep();
    guarded([&] { inputLine_.edtSaisieKeyPress(c); });
    endStep(mark, {live::Step::Kind::Char, static_cast<std::uint8_t>(c)});
}

void Calculator::run(Command command) {
    const StepMark mark = beginStep();
    // Escape and Reset forget what the margin block was given.
    if (command == Command::Escape || command == Command::Reset) business_.margin = {};
    guarded([&] { inputLine_.run(command); });
    endStep(mark, {live::Step::Kind::Command, static_cast<std::uint8_t>(command)});
}

void Calculator::document(tape::DocumentKey key) {
    guarded([&] { documents_.run(key); });
}

void Calculator::openDocument(const std::string& path) {
    guarded([&] { documents_.openFile(path); });
}

void Calculator::annotate(tape::AnnotationKey key) {
    const StepMark mark = beginStep(OpenLine::Marked);
    const std::string commentBefore = regs_.edtComResult;
    guarded([&] {
        annotations_.install = business_.install;
        annotations_.letter = business_.letter;
        annotations_.run(key);
    });
    journalAnnotation(key, mark, commentBefore);
}

void Calculator::businessBlock(business::BusinessKey key) {
    const StepMark mark = beginStep();
    guarded([&] {
        business::Block block(regs_, entry_, ports_, business_);
        business::runBusinessBlock(key, block, business_);
    });
    endStep(mark, {live::Step::Kind::Business, static_cast<std::uint8_t>(key)});
}

PasteOutcome Calculator::keep(const KeptKey& key) {
    using Kind = KeptKey::Kind;
    // M+, M− and G.T. write a line of their own: in the middle of a calculation they first
    // end it, as "=" would, and take its result; when there is nothing to end it with (an
    // operator just typed), they are refused rather than cut its lines in two.
    const bool writesLine = key.kind == Kind::MemoryPlus || key.kind == Kind::MemoryMinus ||
                            key.kind == Kind::GrandTotal;
    if (writesLine && regs_.chainUnderWay()) {
        this->key('\r');
        if (regs_.chainUnderWay()) {
            ports_.sound.beep(Beep::Default);
            return PasteOutcome::Nothing;
        }
    }
    PasteOutcome outcome = PasteOutcome::Nothing;
    const auto shown = [&] { return kept_.displayCanBeDragged(); };
    const bool grandTotalShown = regs_.grandTotalShown;
    const int memory = static_cast<int>(key.index) - 1;
    const StepMark mark = beginStep(OpenLine::Marked);  // M+ writes its line
    const std::size_t linesBefore = ports_.tape.lineCount();
    guarded([&] {
        switch (key.kind) {
            case Kind::DisplayToMemory:
                if (shown())
                    kept_.lblMemoryDragDrop(static_cast<int>(key.index) - 1, regs_.EdtVirt);
                break;
            case Kind::MemoryToDisplay:
                if (key.index >= 1 && key.index <= 3)
                    kept_.EdtVirtDragDrop(kept_.values().lblMemory[key.index - 1]);
                break;
            case Kind::DisplayToList:
                if (shown()) kept_.BMemComboDragDrop(regs_.EdtVirt);
                break;
            case Kind::ListItem:
                if (kept_.BMemComboMouseDown()) kept_.cbbListNbrChange(key.index - 1);
                break;
            case Kind::HistoryLine:
                if (key.index >= 1 && key.index <= ports_.history.lineCount())
                    kept_.cbbListHistorOpeChange(ports_.history.line(key.index - 1));
                else
                    ports_.sound.beep(Beep::Default);
                break;
            case Kind::DisplayToPanel:
                if (shown()) kept_.pnlPPDragDrop(regs_.EdtVirt);
                break;
            case Kind::PanelToDisplay:
                kept_.pnlPPDblClick();
                break;
            case Kind::Paste:
                outcome = kept_.mItemCollerClick();
                break;
            case Kind::MemoryPlus:
            case Kind::MemoryMinus:
                kept_.memoryArithmetic(memory, key.kind == Kind::MemoryMinus);
                break;
            case Kind::MemoryClear:
                kept_.memoryClear(memory);
                break;
            case Kind::GrandTotal:
                kept_.grandTotalKey(grandTotalShown);
                break;
            case Kind::GrandTotalClear:
                regs_.grandTotal.clear();
                break;
        }
        const bool fromDisplay = key.kind == Kind::DisplayToMemory ||
                                 key.kind == Kind::DisplayToList ||
                                 key.kind == Kind::DisplayToPanel;
        if (fromDisplay && shown()) kept_.displayKept();
    });
    // M+ and G.T. write on the tape: it shows their line, wherever the caret was.
    if (ports_.tape.lineCount() != linesBefore) ports_.tape.scrollToEnd();
    journalKept(key, mark);
    return outcome;
}

void Calculator::dropOnDisplay(std::string_view number) {
    const StepMark mark = beginStep();
    guarded([&] { kept_.EdtVirtDragDrop(number); });
    journalRecalledNumber(mark);
}

}  // namespace zumbrel::calc
