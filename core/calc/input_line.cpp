#include "core/calc/input_line.h"

#include <algorithm>

#include "core/calc/messages.h"
#include "core/calc/number_text.h"

namespace zumbrel::calc {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isOperator(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/';
}

}  // namespace

void InputLine::edtSaisieKeyPress(char c) {
    const char ds = regs_.decimalSeparator;
    if (c == ',' || c == '.') c = ds;
    // A second separator is refused, unless it replaces a selected result.
    if (c == ds && !regs_.entrySelected && entry_.text().find(ds) != std::string::npos) return;
    const bool accepted = c == '\r' || c == '%' || isOperator(c) || isDigit(c) || c == ds;
    if (!accepted) return;
    // A digit past the entry's capacity is refused before it is announced.
    const bool digitInEntry = isDigit(c) && regs_.lblTamponSign2 != '%';
    if (digitInEntry && !entry_.withinCapacity(entry_.afterTyping(c))) return;

    ports_.voice.speakKey(c, regs_);
    // After a percent only an operator or equals can follow: the user is told why the key
    // did nothing.
    if (regs_.lblTamponSign2 == '%' && (isDigit(c) || c == ds)) {
        ports_.sound.beep(Beep::Default);
        ports_.status.show(ports_.tr.text(msg::kAfterPercent));
        return;
    }
    ports_.status.show("");
    if (isOperator(c)) {
        engine_.operatorKey(c);
    } else if (c == '%') {
        engine_.percentKey();
    }
    // The operator character itself still reaches the entry, whose check clears it again.
    if (regs_.lblsTemp == "-") {
        if (c != '\r') entry_.insert(c);
        return;
    }
    if (c == '\r' && !engine_.equalsKey()) return;
    if (ports_.tape.editMode()) leaveTapeEditMode();
    if (c == '\r') regs_.lblPosNeg = false;
    ports_.tape.setTypingColor(ports_.tape.defaultStyle().color);
    if (c != '\r') entry_.insert(c);
}

void InputLine::leaveTapeEditMode() {
    ports_.tape.setEditMode(false);
    ports_.sound.beep(Beep::Asterisk);
    commands_.editCommands = true;
}

void InputLine::run(Command command) {
    switch (command) {
        case Command::Backspace:
            undo();
            break;
        case Command::Delete:
            clean();
            break;
        case Command::Escape:
            // A message about the number cleared ("Le Nombre d'Or de : 100,00 est :") would
            // stand beside the 0 as if it were its result.
            if (!regs_.halted) ports_.status.show("");
            if (!entry_.text().empty()) entry_.set("0");
            sayPendingOperation();
            break;
        case Command::DoubleZero:
            btnExtraZerosClick(KeypadSound::DoubleZero, "00");
            break;
        case Command::TripleZero:
            btnExtraZerosClick(KeypadSound::TripleZero, "000");
            break;
        case Command::PercentButton:
            btnPourcentClick();
            break;
        case Command::SignChange:
            btnPlus_MoinsClick();
            break;
        case Command::SquareRoot:
            engine_.btnRacineClick();
            break;
        case Command::Reset:
            btnResetClick();
            break;
    }
}

// Zeros go at the end of the entry wherever the caret stands; the entry check then applies
// ("0" followed by "00" stays "0").
void InputLine::btnExtraZerosClick(KeypadSound sound, const char* zeros) {
    regs_.resultShown = false;
    if (entry_.text().empty()) return;
    const std::string longer = entry_.text() + zeros;
    if (!entry_.withinCapacity(longer)) return;
    ports_.voice.keypadSound(sound, regs_);
    entry_.set(longer);
}

// Escape clears the entry, not the operation under way: the status line says what still waits
// for its second number ("Opération en cours : 7,00 +"), which nothing else would tell.
void InputLine::sayPendingOperation() {
    const char op = regs_.lblTamponSign1;
    if (!op || op == '%' || op == 'V' || regs_.lblTamponNum1.empty() || regs_.halted) return;
    const std::string shown = AddSepToMil(regs_.lblTamponNum1, regs_.format());
    ports_.status.show(ports_.tr.text(msg::kPendingOperation) + " " + shown + " " + op);
}

void InputLine::btnPourcentClick() {
    if (!regs_.lblbBegin) ports_.voice.keypadSound(KeypadSound::PercentBeforeBegin, regs_);
    const bool accepted = !entry_.text().empty() && (regs_.lblTamponSign1 || regs_.lblTamponSign2);
    if (accepted) ports_.voice.keypadSound(KeypadSound::PercentButton, regs_);
    engine_.percentKey();
}

void InputLine::btnPlus_MoinsClick() {
    if (entry_.text().empty() && regs_.lblTamponSign2Caption() == "%") return;
    ports_.voice.keypadSound(KeypadSound::CommonClick, regs_);
    if (regs_.lblsTemp.empty() || regs_.lblsTemp.front() != '-') {
        regs_.lblPosNeg = true;
        entry_.NbrNegatif();
    } else {
        std::string positive = regs_.lblsTemp;
        positive.erase(std::remove(positive.begin(), positive.end(), '-'), positive.end());
        entry_.set(positive);
        regs_.lblPosNeg = false;
    }
    entry_.selectAll();
}

void InputLine::btnResetClick() {
    if (!regs_.halted) {
        ports_.sound.beep(Beep::Default);
        return;
    }
    regs_.halted = false;
    ports_.status.show(ports_.tr.text(msg::kResetDone));
    regs_.resetPanelVisible = false;
    ports_.tape.addLine("");
    ports_.tape.addLine("");
}

void InputLine::undo() {
    const std::string& t = entry_.text();
    if (!t.empty()) entry_.set(t.substr(0, t.size() - 1));
    entry_.caretToEnd();
    regs_.resultShown = false;
}

void InputLine::clean() {
    if (entry_.text().empty()) {
        ports_.sound.beep(Beep::Default);
        return;
    }
    entry_.set("0");
}

}  // namespace zumbrel::calc
