#include "core/business/self_employed.h"

#include <algorithm>

#include "core/business/messages.h"
#include "core/calc/number_text.h"

namespace zumbrel::business {
namespace {

const Exact kHundred{100, 0};

// The turnover to work on, or nothing after a beep: an empty or zero entry computes nothing.
bool hasTurnover(Block& block) {
    const auto x = parseExact(block.entry().text());
    if (x && !x->isZero()) return true;
    if (!x && block.entry().text().find('-') != std::string::npos) return true;  // refused next
    block.ports().sound.beep(Beep::Default);
    return false;
}

struct Columns {
    std::string after;  // after a label: one space when the ceiling is the longer amount
    std::string minus;  // before a subtracted amount
    std::string pad;    // aligns the entry under the ceiling
};

void writeCharges(Block& block, const BusinessRegisters& b, const Exact& turnover,
                  const Exact& rate, const Columns& c) {
    const std::string& shown = block.display();
    const std::string rateShown = block.rateText(b.lblTauxAE);
    const int places = calc::resultPlaces(block.regs().lblNbrDecPref);
    const Exact charges = block.mulDiv(turnover, rate, kHundred, places);
    const std::string rest = block.grouped(
        formatFixed(block.difference(turnover, charges), places, block.regs().decimalSeparator));
    const std::string realized = block.text(msg::kRealizedCA);
    const std::string less = block.text(msg::kLessTheTaxes);
    const std::string restWord = block.text(msg::kRestLessTaxes);
    block.line(realized + c.after + c.pad + shown, blockColors::kFinal, false);
    block.line(less + c.pad + c.minus + rateShown + " %", blockColors::kCharges, false);
    block.rule();
    block.memo({realized + " " + shown, less + " - " + rateShown + " %", restWord + " " + rest});
    block.line(restWord + c.after + c.pad + rest, blockColors::kCharges, true);
    block.close();
}

}  // namespace

std::string ceilingText(const Exact& ceiling, std::string_view nbrDec, char ds) {
    const int wanted = calc::nbrDecPlaces(nbrDec).value_or(0);
    return formatFixed(ceiling, std::max(wanted, ceiling.scale), ds);
}

void BtnCAResteAEClick(Block& block, const BusinessRegisters& b) {
    const auto ceiling = block.rate(b.lblCAMaxAE, true, msg::kCeilingNotValid);
    const auto rate = ceiling ? block.rate(b.lblTauxAE, true, msg::kRateNotValid) : std::nullopt;
    if (!rate || !hasTurnover(block)) return;
    if (!block.start(Block::NegativeReport::MessageAndStatus)) return;
    const Exact turnover = block.entryValue();
    const bool exceeded = *ceiling < turnover;
    block.entry().AddZerosDec();

    const std::string& shown = block.display();
    const std::string cap = block.grouped(
        ceilingText(*ceiling, block.regs().lblNbrDecPref, block.regs().decimalSeparator));
    const bool capLonger = calc::characterCount(cap) > calc::characterCount(shown);
    const Columns c{capLonger ? " " : "  ", capLonger ? "- " : " - ", calc::AddPoint(cap, shown)};
    const std::string maximum = block.text(msg::kMaximumCA);
    const std::string realized = block.text(msg::kRealizedCA);
    const std::string remainingWord = block.text(msg::kCARemaining);
    block.line(maximum + c.after + cap, std::nullopt, true);
    block.line(realized + c.pad + c.minus + shown, blockColors::kFinal, false);
    block.rule();
    const Exact remaining = block.difference(*ceiling, turnover);
    const std::string left = block.grouped(block.amount(remaining));
    block.memo({maximum + " " + cap, realized + " " + shown, remainingWord + " " + left});
    if (exceeded) {
        block.line(block.text(msg::kExceedCA) + " " + left, colors::kRed, true);
        block.ports().prompts.messageBox("", block.text(msg::kFollowingExceedCA), Icon::Exclamation,
                                         Buttons::Ok);
        // The red stays on this line only.
        block.close();
    } else {
        block.line(remainingWord + c.after + left, blockColors::kFinal, true);
        block.close();
        writeCharges(block, b, turnover, *rate, c);
    }
    block.regs().lblResultat.clear();
    block.finish(std::nullopt, remaining.toLongDouble());
}

void BtnChargesAEClick(Block& block, const BusinessRegisters& b) {
    const auto rate = block.rate(b.lblTauxAE, true, msg::kRateNotValid);
    if (!rate || !hasTurnover(block)) return;
    if (!block.start(Block::NegativeReport::MessageAndStatus)) return;
    const Exact charges = block.mulDiv(block.entryValue(), *rate, kHundred, block.places());
    block.entry().AddZerosDec();

    const std::string& shown = block.display();
    const std::string due = block.grouped(block.amount(charges));
    const std::string realized = block.text(msg::kRealizedCA) + " ";
    const std::string label = block.text(msg::kChargeAE) + " " + block.rateText(b.lblTauxAE) +
                              " %" + block.spacer() + ": ";
    block.line(realized + shown, blockColors::kFinal, true);
    block.rule();
    block.memo({realized + shown, label + due});
    block.line(label + calc::AddPoint(shown, due) + due, blockColors::kCharges, true);
    block.close();
    block.finish(block.amount(charges), charges.toLongDouble());
}

}  // namespace zumbrel::business
