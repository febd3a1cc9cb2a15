#include "core/business/block.h"

#include <cmath>

#include "core/business/panel_texts.h"
#include "core/calc/decimal.h"
#include "core/calc/grand_total.h"
#include "core/calc/messages.h"
#include "core/calc/number_text.h"
#include "core/config/language.h"

namespace zumbrel::business {

bool Block::start(NegativeReport report) {
    const bool busy = !regs_.lblTamponNum1.empty() || !regs_.lblTamponNum2.empty() ||
                      regs_.lblTamponSign1 || regs_.lblTamponSign2 || regs_.halted;
    if (entry_.text().empty()) {
        // Right after an operator the entry is empty: the button cannot work, say so.
        if (busy) ports_.sound.beep(Beep::Default);
        return false;
    }
    if (business_.install != config::InstallCode::E)
        ports_.voice.keypadSound(KeypadSound::CommonClick, regs_);
    if (entry_.text().find('-') != std::string::npos) {
        ports_.sound.beep(Beep::Default);
        const std::string why = report == NegativeReport::FrenchMessageAndStatus
                                    ? std::string(calc::msg::kNegativeValue.french)
                                    : text(calc::msg::kNegativeValue);
        ports_.prompts.messageBox("", why + ".", Icon::Information, Buttons::Ok);
        if (report != NegativeReport::MessageOnly) ports_.status.show(why);
        return false;
    }
    if (busy) {
        ports_.sound.beep(Beep::Default);
        return false;
    }
    return true;
}

std::optional<Exact> Block::rate(std::string_view caption, bool zeroAllowed,
                                 const Message& why) const {
    const std::optional<Exact> r = parseExact(caption);
    if (r && !r->isNegative() && (zeroAllowed || !r->isZero())) return r;
    // A rate that cannot be computed with writes nothing, and the user learns which one.
    const std::string message = text(why) + " « " + std::string(caption) + " »";
    ports_.sound.beep(Beep::Default);
    ports_.prompts.messageBox("", message, Icon::Exclamation, Buttons::Ok);
    ports_.status.show(message);
    return std::nullopt;
}

Exact Block::entryValue() const {
    const std::optional<Exact> v = parseExact(entry_.text());
    if (!v) throw calc::CalcError(calc::msg::kNotANumber, entry_.text());
    return *v;
}

int Block::places() const {
    const auto n = calc::nbrDecPlaces(regs_.lblNbrDecPref);
    return n && *n >= 3 ? *n : 2;
}

std::string Block::amount(const Exact& v) const {
    return formatFixed(v, places(), regs_.decimalSeparator);
}

std::string Block::amount(long double v) const {
    if (!std::isfinite(v)) throw calc::CalcError(calc::msg::kOutOfRange, "");
    return calc::formatFixed(v, places(), regs_.decimalSeparator);
}

std::string Block::grouped(std::string_view amountText) const {
    return calc::AddSepToMil(amountText, regs_.format());
}

std::string Block::rateText(std::string_view caption) const {
    return rateShown(caption, regs_.decimalSeparator);
}

std::string Block::spacer() const {
    return config::FrenchSpace(business_.install, business_.letter);
}

Exact Block::mulDiv(const Exact& a, const Exact& b, const Exact& c, int places) const {
    const auto r = business::mulDiv(a, b, c, places);
    if (!r) throw calc::CalcError(calc::msg::kOutOfRange, "");
    return *r;
}

Exact Block::sum(const Exact& a, const Exact& b) const {
    const auto r = add(a, b);
    if (!r) throw calc::CalcError(calc::msg::kOutOfRange, "");
    return *r;
}

Exact Block::difference(const Exact& a, const Exact& b) const {
    const auto r = subtract(a, b);
    if (!r) throw calc::CalcError(calc::msg::kOutOfRange, "");
    return *r;
}

void Block::line(std::string_view text, std::optional<Color> color, bool bold) {
    auto& tape = ports_.tape;
    tape.restoreDefaultStyle();
    if (color) tape.setTypingColor(*color);
    tape.setTypingBold(bold);
    tape.addLine(text);
}

void Block::rule() {
    ports_.tape.addLine(calc::msg::kRuleLine);
}

void Block::highlightedLine(std::string_view text, Color background) {
    auto& tape = ports_.tape;
    tape.restoreDefaultStyle();
    tape.setTypingColor(colors::kBlack);
    tape.setTypingBackground(true, background);
    tape.addLine(text);
    tape.restoreDefaultStyle();
}

void Block::memo(const std::vector<std::string>& lines) {
    for (const std::string& l : lines)
        ports_.history.addLine(l);
    ports_.history.addLine("");
}

void Block::close() {
    ports_.tape.restoreDefaultStyle();
    ports_.tape.addLine("");
    ports_.tape.addLine("");
}

void Block::finish(std::optional<std::string> entryText, long double value) {
    if (entryText) {
        regs_.lblPosNeg = true;  // a negative amount (a loss) keeps its sign in the entry
        entry_.set(*entryText);
        regs_.lblPosNeg = false;
        regs_.lblResultat = *entryText;
        calc::addToGrandTotal(regs_, *entryText);
    }
    regs_.resultValue = value;
    regs_.extraDecimals = false;
    regs_.shLedVisible = false;
    entry_.selectAll();
    ports_.tape.scrollToEnd();
}

}  // namespace zumbrel::business
