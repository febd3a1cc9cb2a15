#include "core/business/currency.h"

#include "core/business/messages.h"
#include "core/calc/messages.h"
#include "core/calc/number_text.h"

namespace zumbrel::business {
namespace {

const Exact kOne{1, 0};
constexpr int kHundredths = 2;

struct Side {
    const std::string& name;
    Color color;
};

// The block of a conversion: the amount typed, the rule, the amount converted; the shorter
// of the two amounts is padded so that both end in the same column.
void writeConversion(Block& block, const Side& from, const Side& to, const Exact& result) {
    block.entry().AddZerosDec();
    const std::string sum = block.text(msg::kTheSum) + " ";
    const std::string sp = block.spacer();
    const std::string& shown = block.display();
    const std::string converted = block.grouped(block.amount(result));
    block.line(sum + from.name + sp + ": " + calc::AddPoint(converted, shown) + shown, from.color,
               true);
    block.rule();
    block.memo({sum + from.name + sp + ": " + shown, sum + to.name + sp + ": " + converted});
    block.line(sum + to.name + sp + ": " + calc::AddPoint(shown, converted) + converted, to.color,
               true);
    block.close();
    block.finish(block.amount(result), result.toLongDouble());
}

template <class Convert>
void convert(Block& block, const BusinessRegisters& b, const Side& from, const Side& to,
             Convert&& how) {
    const auto rate = block.rate(b.lblTauxEuro, false, msg::kRateNotValid);
    if (!rate) return;
    if (!block.start(Block::NegativeReport::MessageOnly)) return;
    const auto result = how(block.entryValue(), *rate);
    if (!result) throw calc::CalcError(calc::msg::kOutOfRange, "");
    writeConversion(block, from, to, *result);
}

}  // namespace

std::optional<Exact> euroToOther(const Exact& euros, const Exact& rate) {
    return mulDiv(euros, rate, kOne, kHundredths);
}

std::optional<Exact> otherToEuro(const Exact& amount, const Exact& rate) {
    return mulDiv(amount, kOne, rate, kHundredths);
}

void btnEuroToFrancClick(Block& block, const BusinessRegisters& b) {
    convert(block, b, {b.lblRefMoneyEuros, blockColors::kEuro},
            {b.lblRefMoneyFrancs, blockColors::kOther}, euroToOther);
}

void btnFrancToEuroClick(Block& block, const BusinessRegisters& b) {
    convert(block, b, {b.lblRefMoneyFrancs, blockColors::kOther},
            {b.lblRefMoneyEuros, blockColors::kEuro}, otherToEuro);
}

}  // namespace zumbrel::business
