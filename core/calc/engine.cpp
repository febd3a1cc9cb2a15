#include "core/calc/engine.h"

#include <cmath>

#include "core/calc/decimal.h"
#include "core/calc/grand_total.h"
#include "core/calc/messages.h"
#include "core/text_util.h"

namespace zumbrel::calc {
namespace {

bool isArithmetic(char op) {
    return op == '+' || op == '-' || op == '*' || op == '/';
}

// What an operator prints as its own tape line, and what it adds to a history line.
std::string_view operatorLine(char op) {
    switch (op) {
        case '+':
            return "+ ";
        case '-':
            return "– ";  // an en dash, as a printing calculator prints minus
        case '*':
            return "* ";
        case '/':
            return "/ ";
        default:
            return "";
    }
}

std::string historySuffix(char op) {
    return std::string(" ") + op;
}

bool startsWith(std::string_view s, char c) {
    return !s.empty() && s.front() == c;
}

long double finite(long double v) {
    if (!std::isfinite(v)) throw CalcError(msg::kOutOfRange, {});
    return v;
}

}  // namespace

std::optional<long double> applyOperator(char op, long double a, long double b) {
    switch (op) {
        case '+':
            return finite(a + b);
        case '-':
            return finite(a - b);
        case '*':
            return finite(a * b);
        case '/':
            return finite(a / b);
        default:
            return std::nullopt;
    }
}

// A percent completes the operation waiting before it as an adding machine does: 200 + 5 %
// is 210 and 200 - 5 % is 190 (the base and its percentage), 200 * 5 % is the percentage
// itself, 10, and 200 / 5 % is 200 / 0.05 = 4 000. Empty for a division by a zero rate.
std::optional<long double> percentResult(char op, long double base, long double rate) {
    const long double share = finite(base / 100 * rate);
    switch (op) {
        case '*':
            return share;
        case '/':
            if (rate == 0) return std::nullopt;
            return finite(base * 100 / rate);
        default:
            return applyOperator(op, base, share);
    }
}

// ---- formatting helpers -------------------------------------------------------------------

std::string Engine::resultFormat(long double v) const {
    return GetResultConv(v, regs_.format(), regs_.extraDecimals);
}

std::string Engine::withSeparators(const std::string& s) const {
    return AddSepToMil(s, regs_.format());
}

// A square root shows NbrDec places from 2 to 5, and 2 for any other setting.
std::string Engine::rootFormat(long double v) const {
    const std::optional<int> places = nbrDecPlaces(regs_.lblNbrDecPref);
    return formatFixed(v, places && *places >= 2 ? *places : 2, regs_.decimalSeparator);
}

// ---- operator keys ------------------------------------------------------------------------

void Engine::operatorKey(char op) {
    regs_.lblPosNeg = false;
    if (entry_.text().empty() && regs_.lblTamponSign2 != '%') return;
    if (!regs_.lblbBegin) return;
    noteOperandDecimals();
    regs_.lblTamponSign1 = regs_.lblTamponSign1 ? regs_.lblTamponSign2 : op;
    regs_.setLatest(op);
    if (regs_.lblTamponSign1 == 'V') {
        ports_.tape.addLine(operatorLine(op));  // the root line stands for the operand
    } else {
        GetOperation();
    }
}

void Engine::percentKey() {
    regs_.lblPosNeg = false;
    if (entry_.text().empty() || (!regs_.lblTamponSign1 && !regs_.lblTamponSign2)) return;
    noteOperandDecimals();

    const std::string base =
        regs_.lblTamponNum2.empty() ? regs_.lblTamponNum1 : resultFormat(regs_.resultValue);
    const long double rate = number(entry_.text());
    // The intermediate result is the share, which + and - then add or take away and which
    // * keeps; after / it is the whole the = key gives (200 / 5 % shows 4 000, not 10).
    long double p = finite(number(base) * rate / 100);
    if (regs_.lblTamponSign1 == '/' && rate != 0) p = *percentResult('/', number(base), rate);
    regs_.lblTampon = base;
    regs_.lblResultat = resultFormat(p);
    regs_.lblMemory4 = regs_.lblResultat;
    ports_.status.show(text(settings_.shortInterim ? msg::kSubtotal : msg::kInterimResult) + " " +
                       withSeparators(regs_.lblResultat));

    if (regs_.lblTamponSign1) {
        regs_.lblTamponSign1 = regs_.lblTamponSign2;
        regs_.setLatest('%');
        regs_.lblTamponSign = regs_.lblTamponSign1;
    } else {
        regs_.lblTamponSign1 = '%';
        regs_.setLatest('%');
    }
    if (regs_.lblTamponSign1 == 'V') {
        ports_.tape.addLine(" %");
    } else {
        GetOperation();
    }
}

// An operand typed with more decimals than the setting keeps the chain's results whole until
// its end, even once the entry that showed them is gone.
void Engine::noteOperandDecimals() {
    regs_.chainExtraDecimals =
        (regs_.chainUnderWay() && regs_.chainExtraDecimals) || regs_.extraDecimals;
}

void Engine::GetOperation() {
    if (regs_.halted) return;
    if (entry_.text() == "-") entry_.set("");
    completeChainWith(regs_.lblTamponSign1);
    ports_.tape.scrollToEnd();
}

void Engine::completeChainWith(char op) {
    switch (op) {
        case '+':
        case '-':
        case '*':
            arithmeticStep(op);
            break;
        case '/':
            divisionStep();
            break;
        case '%':
            percentStep();
            break;
        default:
            break;
    }
}

void Engine::arithmeticStep(char op) {
    if (regs_.EdtVirt.empty()) {
        ports_.sound.beep(Beep::Default);
        return;
    }
    if (!entry_.text().empty()) {
        if (op == '+' || op == '-') ++regs_.itemCount;
        if (startsWith(regs_.lblsTemp, regs_.decimalSeparator)) entry_.set("0" + entry_.text());
        entry_.AddZerosDec();
        if (!regs_.lblTamponNum1.empty()) {
            const long double a = number(regs_.lblTamponNum1);
            const long double b = number(entry_.text());
            const long double r = *applyOperator(op, a, b);
            regs_.operand1 = a;
            regs_.operand2 = b;
            regs_.resultValue = r;
            if (regs_.lblTamponSign2 != '%') regs_.lblResultat = resultFormat(r);
            regs_.lblTamponNum2 = entry_.text();
            regs_.lblTamponNum1 = resultFormat(r);
        } else {
            regs_.lblTamponNum1 = entry_.text();
        }
    }
    if (!regs_.lblTamponNum2.empty() && regs_.lblTamponSign2 != '%') showInterimResult(true);
    writeOperand();
    AddSignOperation();
}

// Only a divisor is tested: a chain may well start with 0. Any text whose value is zero
// ("0", "0,0", "-0,") is a zero divisor.
void Engine::divisionStep() {
    if (!regs_.lblTamponNum1.empty() && !regs_.lblsTemp.empty() && number(regs_.lblsTemp) == 0) {
        divisionByZero();
        return;
    }
    arithmeticStep('/');
}

void Engine::percentStep() {
    if (!regs_.lblTamponNum1.empty()) {
        const char op = regs_.lblTamponSign;
        const auto r = percentResult(op, number(regs_.lblTampon), number(regs_.lblTamponNum2));
        if (op == '/' && !r) {
            divisionByZero();
            return;
        }
        if (r) regs_.resultValue = *r;
        regs_.lblResultat = resultFormat(regs_.resultValue);
        regs_.lblTamponNum2 = entry_.text();
        regs_.lblTamponNum1 = resultFormat(regs_.resultValue);
    } else {
        regs_.lblTamponNum1 = entry_.text();
    }
    if (!regs_.lblTamponNum2.empty()) showInterimResult(false);
    if (regs_.lblTamponSign1 != '%') writeOperand();
    ports_.tape.restoreDefaultStyle();
    AddSignOperation();
}

void Engine::AddSignOperation() {
    const char pending = regs_.lblTamponSign1;
    const char latest = regs_.lblTamponSign2;
    if (isArithmetic(latest)) {
        ports_.tape.addLine(operatorLine(latest));
        if (pending != '%') {
            ports_.history.addLine(regs_.EdtVirt + historySuffix(latest));
        } else {
            ports_.history.append(historySuffix(latest));
            ports_.history.addLine(regs_.EdtVirt);
        }
    } else if (latest == '%' || (!latest && pending == '%')) {
        ports_.tape.append(" %");
        if (latest == '%') ports_.history.append(regs_.EdtVirt + " %");
        entry_.set("");
    } else if (!latest) {
        ports_.tape.addLine(operatorLine(pending));
    }
}

// ---- equals -------------------------------------------------------------------------------

bool Engine::equalsKey() {
    if (regs_.lblsTemp == "-") return true;
    if (regs_.lblsTemp.empty() && regs_.lblTamponSign2 != '%') {
        ports_.voice.keypadSound(KeypadSound::NothingToCompute, regs_);
        return false;
    }
    ports_.status.show("");
    GetResult();
    regs_.latestShowsEquals = true;

    // A second "=" only shows, formats and reads the result again.
    if (!regs_.lblTamponSign1 && !regs_.lblTamponSign2 && !regs_.lblsTemp.empty()) {
        regs_.resultValue = number(regs_.lblsTemp);
        regs_.lblResultat = regs_.lblsTemp;
        entry_.set(regs_.lblsTemp);
    }
    const std::string result = resultFormat(regs_.resultValue);
    if (regs_.resultValue < 1 && startsWith(result, '-')) {
        // Through the sign flag, so that the entry check keeps the minus sign.
        entry_.set(result.substr(1));
        regs_.lblPosNeg = true;
        entry_.NbrNegatif();
        regs_.lblPosNeg = false;
    }
    entry_.set(result);
    ports_.voice.readResult(regs_);
    entry_.AddZerosDec();
    entry_.selectAll();
    ports_.tape.scrollToEnd();
    regs_.extraDecimals = false;
    regs_.shLedVisible = false;
    return true;
}

void Engine::GetResult() {
    regs_.lblMemory4.clear();
    if ((regs_.lblTamponNum1.empty() && regs_.lblTamponNum2.empty()) || regs_.halted) return;

    const char pending = regs_.lblTamponSign1;
    const char latest = regs_.lblTamponSign2;
    if (startsWith(regs_.lblsTemp, regs_.decimalSeparator) && latest != '%')
        entry_.set("0" + entry_.text());
    entry_.AddZerosDec();

    // Everything is computed before anything is written, so that an operation that cannot
    // complete leaves the tape as it was.
    const long double first = number(regs_.lblTamponNum1);
    const long double second = entry_.text().empty() ? regs_.operand2 : number(entry_.text());
    const char op = latest ? latest : pending;
    const bool addsAnAmount = (op == '+' || op == '-') && !entry_.text().empty();
    const bool bothPercent = pending == '%' && latest == '%';
    bool byZero = false;
    std::optional<long double> value;
    if (op == '/' && second == 0) {
        byZero = true;
    } else if (op != '%') {
        value = applyOperator(op, first, second);
    }
    if (!byZero && !bothPercent && latest == '%') {
        value = percentResult(pending, number(regs_.lblTampon), number(regs_.lblTamponNum2));
        byZero = pending == '/' && !value;
    }

    ports_.history.addLine(regs_.EdtVirt);
    if (latest != 'V' && latest != '%') writeOperand();
    regs_.operand1 = first;
    regs_.operand2 = second;
    if (byZero) {
        divisionByZero();
        return;
    }
    if (bothPercent) {
        ports_.voice.disarmKeySound();
        return;  // nothing is written
    }
    if (value) {
        regs_.resultValue = *value;
        regs_.lblResultat = resultFormat(*value);
    }
    if (addsAnAmount) ++regs_.itemCount;

    clearChain();
    entry_.set("");

    auto& tape = ports_.tape;
    tape.addLine(msg::kRuleLine);
    tape.restoreDefaultStyle();
    if (regs_.resultValue < 0) tape.setTypingColor(colors::kRed);
    std::string s = resultFormat(regs_.resultValue);
    if (!regs_.extraDecimals && regs_.lblSepDec != "N") s = withSeparators(s);
    // With the item count, the number of amounts stands on the result line's left.
    writeResultLine(settings_.countItems ? "n " + std::to_string(regs_.itemCount) + "  " + s : s);
    regs_.itemCount = 0;
    tape.restoreDefaultStyle();
    for (int i = 0; i < 3; ++i)
        tape.addLine("");
    regs_.lblPosNeg = false;
    addToGrandTotal(regs_, regs_.lblResultat);

    if (characterCount(regs_.lblResultat) > 19) {
        ports_.prompts.messageBox(msg::kErrorTitle, text(msg::kOverflow19), Icon::Exclamation,
                                  Buttons::Ok);
    }
    entry_.selectAll();
    ports_.history.addLine("= " + s);
    ports_.history.addLine("");
}

// The result line, after the result comment when one waits and is wanted.
void Engine::writeResultLine(const std::string& s) {
    auto& tape = ports_.tape;
    const std::string comment = regs_.edtComResult;
    bool withComment = !comment.empty();
    if (withComment && settings_.warnCR) {
        const std::string question = text(msg::kAddResultComment) + "\n\n" + comment;
        withComment = ports_.prompts.messageBox(text(msg::kConfirmTitle), question, Icon::Question,
                                                Buttons::YesNo) == Answer::Yes;
    }
    if (!withComment) {
        tape.addLine(s);
        return;
    }
    tape.setTypingColor(colors::kGreen);
    tape.addLine(comment + " ");
    tape.restoreDefaultStyle();
    if (regs_.resultValue < 0) tape.setTypingColor(colors::kRed);
    tape.append(s);
    regs_.edtComResult.clear();
}

// ---- division by zero ---------------------------------------------------------------------

void Engine::divisionByZero() {
    zeroDivisorMet_ = true;
    regs_.itemCount = 0;  // the chain stops: its amounts count no more
    entry_.set("0");
    ports_.sound.beep(Beep::Default);
    ports_.status.show(text(msg::kDivisionByZero));
    GestiErrorZeroDiv();
}

// The block shows the value the chain had before the division, in bold red.
void Engine::GestiErrorZeroDiv() {
    auto& tape = ports_.tape;
    tape.addLine(msg::kRuleLine);
    tape.setTypingBold(true);
    tape.setTypingColor(colors::kRed);
    if (regs_.lblTamponSign1 == '/' && regs_.lblTamponSign2 == '/') {
        entry_.set(regs_.lblTamponNum1);
        entry_.AddZerosDec();
        tape.addLine(regs_.EdtVirt);
    } else {
        // The accumulator, not a result value left over from an earlier calculation.
        const long double before =
            regs_.lblTamponNum1.empty() ? regs_.resultValue : number(regs_.lblTamponNum1);
        const std::string shown = resultFormat(before);
        tape.addLine(withSeparators(shown));
        entry_.set(shown);
    }
    tape.restoreDefaultStyle();
    for (int i = 0; i < 3; ++i)
        tape.addLine("");
    regs_.resultValue = 0;
    regs_.lblTampon.clear();
    regs_.lblTamponNum1.clear();
    regs_.lblTamponNum2.clear();
    regs_.lblTamponSign1 = regs_.lblTamponSign = 0;
    regs_.setLatest(0);
}

// ---- square root --------------------------------------------------------------------------

void Engine::btnRacineClick() {
    if (entry_.text().empty() || regs_.halted) return;
    const bool noChain = regs_.lblTamponNum1.empty() && regs_.lblTamponNum2.empty() &&
                         !regs_.lblTamponSign1 && !regs_.lblTamponSign2;
    const bool chain = !regs_.lblTamponNum1.empty() && regs_.lblTamponSign1 && regs_.lblTamponSign2;
    if (noChain) {
        if (!directRoot()) return;
    } else if (chain) {
        if (!combinedRoot()) return;
    } else {
        return;
    }
    ports_.voice.keypadSound(KeypadSound::CommonClick, regs_);
    ports_.tape.scrollToEnd();
    regs_.extraDecimals = false;
    regs_.shLedVisible = false;
}

void Engine::refuseNegativeValue() {
    ports_.sound.beep(Beep::Default);
    ports_.prompts.messageBox("", text(msg::kNegativeValue) + ".", Icon::Information, Buttons::Ok);
    ports_.status.show(text(msg::kNegativeValue));
    regs_.halted = true;
}

bool Engine::directRoot() {
    if (entry_.text().find('-') != std::string::npos) {
        refuseNegativeValue();
        return false;
    }
    const long double root = std::sqrt(number(entry_.text()));
    regs_.resultValue = root;
    entry_.AddZerosDec();
    auto& tape = ports_.tape;
    tape.addLine(regs_.EdtVirt);
    noteOperandLine();
    tape.addLine(msg::kRuleLine);
    const std::string r = rootFormat(root);
    regs_.lblResultat = r;
    tape.addLine("V² : " + withSeparators(r));
    ports_.status.show(text(msg::kSquareRoot) + " " + regs_.EdtVirt + " " + text(msg::kIs));
    ports_.history.addLine(text(msg::kSquareRoot) + " " + regs_.EdtVirt);
    ports_.history.addLine(text(msg::kIs) + " " + withSeparators(r));
    ports_.history.addLine("");
    tape.addLine("");
    tape.addLine("");
    entry_.set(r);
    clearChain();
    entry_.selectAll();
    return true;
}

bool Engine::combinedRoot() {
    auto& tape = ports_.tape;
    zeroDivisorMet_ = false;
    completeChainWith(regs_.lblTamponSign2);
    // The division-by-zero block has ended the chain: there is nothing left to take the root
    // of, whatever an earlier result left in the registers. The value the block shows stays
    // selected, so the next digit replaces it.
    if (zeroDivisorMet_) {
        entry_.selectAll();
        return false;
    }
    if (regs_.resultValue < 0) {
        if (tape.lineCount() > 0) tape.deleteLine(tape.lineCount() - 1);
        refuseNegativeValue();
        return false;
    }
    if (!regs_.lblResultat.empty()) {
        const long double former = regs_.resultValue;
        const std::string r = rootFormat(std::sqrt(former));
        const std::string formerText = formatGeneral(former, 15, regs_.decimalSeparator);
        ports_.history.addLine(text(msg::kSquareRoot) + " " + withSeparators(formerText));
        ports_.history.addLine(text(msg::kIs) + " " + withSeparators(r));
        ports_.history.addLine("");
        tape.addLine("V² : " + withSeparators(r));
        entry_.set(r);
        regs_.lblTamponNum1 = regs_.lblTamponNum2 = regs_.lblResultat = r;
        regs_.resultValue = number(r);
        regs_.setLatest('V');
    }
    // The operator line the chain step just wrote has no operand any more.
    const std::size_t n = tape.lineCount();
    if (n >= 2) {
        const std::string line = tape.line(n - 2);
        const std::string_view before = trimSpaces(line);
        if (before == "+" || before == "–" || before == "*" || before == "/" || before == "%")
            tape.deleteLine(n - 2);
    }
    entry_.selectAll();
    return true;
}

// ---- shared pieces ------------------------------------------------------------------------

void Engine::writeOperand() {
    auto& tape = ports_.tape;
    if (startsWith(entry_.text(), '-')) {
        tape.setTypingColor(colors::kRed);
        tape.setTypingFont(tape.defaultStyle().fontName, tape.defaultStyle().halfPoints);
    }
    tape.append(regs_.EdtVirt);
    tape.restoreDefaultStyle();
    noteOperandLine();
}

void Engine::noteOperandLine() {
    regs_.operandLine = ports_.tape.lineCount() - 1;
    ++regs_.operandsWritten;
}

void Engine::showInterimResult(bool colourMemory) {
    const std::string r = resultFormat(regs_.resultValue);
    ports_.status.show(text(settings_.shortInterim ? msg::kSubtotal : msg::kInterimResult) + " " +
                       withSeparators(r));
    if (colourMemory) regs_.memory4Color = regs_.resultValue < 0 ? colors::kRed : colors::kNavy;
    regs_.lblMemory4 = r;
}

void Engine::clearChain() {
    regs_.lblTampon.clear();
    regs_.lblTamponNum1.clear();
    regs_.lblTamponNum2.clear();
    regs_.lblTamponSign1 = regs_.lblTamponSign = 0;
    regs_.setLatest(0);
}

}  // namespace zumbrel::calc
