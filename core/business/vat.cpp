#include "core/business/vat.h"

#include "core/business/messages.h"
#include "core/calc/messages.h"
#include "core/calc/number_text.h"

#include <utility>
#include <vector>

namespace zumbrel::business {
namespace {

const Exact kHundred{100, 0};

Exact plus(const Exact& a, const Exact& b) {
    return add(a, b).value_or(Exact{});
}

// The fixed words of the Quebec blocks, never translated.
constexpr std::string_view kBeforeTaxes = "Hors-taxes : ";
constexpr std::string_view kTotal = "Total : ";

Exact checked(const std::optional<VatAmounts>& a, Exact VatAmounts::*field) {
    if (!a) throw calc::CalcError(calc::msg::kOutOfRange, "");
    return (*a).*field;
}

}  // namespace

std::optional<VatAmounts> vatForward(const Exact& price, const Exact& rate, int places) {
    return quebecForward(price, rate, Exact{}, places);
}

std::optional<VatAmounts> vatBackward(const Exact& total, const Exact& rate, int places) {
    return quebecBackward(total, rate, Exact{}, places);
}

std::optional<VatAmounts> quebecForward(const Exact& price, const Exact& tps, const Exact& tvp,
                                        int places) {
    const auto t1 = mulDiv(price, tps, kHundred, places);
    const auto t2 = mulDiv(price, tvp, kHundred, places);
    if (!t1 || !t2) return std::nullopt;
    const auto taxes = add(*t1, *t2);
    const auto total = taxes ? add(price, *taxes) : std::nullopt;
    if (!total) return std::nullopt;
    return VatAmounts{price, *t1, *t2, *total};
}

std::optional<VatAmounts> quebecBackward(const Exact& total, const Exact& tps, const Exact& tvp,
                                         int places) {
    const auto divisor = add(kHundred, plus(tps, tvp));
    if (!divisor) return std::nullopt;
    const auto beforeTax = mulDiv(total, kHundred, *divisor, places);
    if (!beforeTax) return std::nullopt;
    const auto t1 = mulDiv(*beforeTax, tps, kHundred, places);
    const auto rest = t1 ? subtract(total, *beforeTax) : std::nullopt;
    const auto t2 = rest ? subtract(*rest, *t1) : std::nullopt;
    if (!t2) return std::nullopt;
    // With one tax only, the whole difference is that tax.
    if (tvp.isZero()) return VatAmounts{*beforeTax, *rest, Exact{}, total};
    return VatAmounts{*beforeTax, *t1, *t2, total};
}

namespace {

struct TaxLine {
    std::string label;  // up to and with ": "
    Exact amount;
};

// A tax block: the amount typed, the tax lines padded under it, the rule, the final amount;
// the same lines in the memo.
struct TaxBlock {
    std::string firstLabel;
    Color firstColor;
    std::vector<TaxLine> taxes;
    std::string lastLabel;
    std::string lastMemoLabel;
    Color lastColor;
    Exact result;
};

void writeTaxBlock(Block& block, const TaxBlock& t) {
    block.entry().AddZerosDec();
    const std::string& shown = block.display();
    const std::string result = block.grouped(block.amount(t.result));
    block.line(t.firstLabel + shown, t.firstColor, true);
    std::vector<std::string> memo{t.firstLabel + shown};
    for (const TaxLine& tax : t.taxes) {
        const std::string amount = block.grouped(block.amount(tax.amount));
        block.line(tax.label + calc::AddPoint(shown, amount) + amount, blockColors::kTax, false);
        memo.push_back(tax.label + amount);
    }
    block.rule();
    memo.push_back(t.lastMemoLabel + result);
    block.memo(memo);
    block.line(t.lastLabel + result, t.lastColor, true);
    block.close();
    block.finish(block.amount(t.result), t.result.toLongDouble());
}

// The words of a VAT block: "HT : ", "TVA 20 % : ", "TTC : ".
struct VatWords {
    std::string ht, tva, ttc;
};

VatWords vatWords(const Block& block, const BusinessRegisters& b) {
    const std::string sp = block.spacer() + ": ";
    return {block.text(msg::kHT) + sp,
            block.text(msg::kTVA) + " " + block.rateText(b.pnlTauxTVA) + " %" + sp,
            block.text(msg::kTTC) + sp};
}

// The words of a Quebec block, never translated: "TPS 5 % : ", "TVQ 9,975 % : ".
std::pair<std::string, std::string> quebecWords(Block& block, const BusinessRegisters& b,
                                                const Exact& tps, const Exact& tvp) {
    const char ds = block.regs().decimalSeparator;
    return {"TPS " + formatShortest(tps, ds) + " % : ",
            b.lblQuebTVP + " " + formatShortest(tvp, ds) + " % : "};
}

// The VAT rate checked, then the common start: nothing when no block is to be written.
std::optional<Exact> startVat(Block& block, const BusinessRegisters& b) {
    const auto rate = block.rate(b.pnlTauxTVA, true, msg::kRateNotValid);
    if (!rate || !block.start(Block::NegativeReport::MessageAndStatus)) return std::nullopt;
    return rate;
}

// The two Quebec rates checked, then the common start with the French message.
std::optional<std::pair<Exact, Exact>> startQuebec(Block& block, const BusinessRegisters& b) {
    const auto tps = block.rate(b.lblTauxTPS, true, msg::kRateNotValid);
    const auto tvp = tps ? block.rate(b.lblTauxTVP, true, msg::kRateNotValid) : std::nullopt;
    if (!tvp || !block.start(Block::NegativeReport::FrenchMessageAndStatus)) return std::nullopt;
    return std::pair{*tps, *tvp};
}

}  // namespace

void CalculTVAPlus(Block& block, const BusinessRegisters& b) {
    const auto rate = startVat(block, b);
    if (!rate) return;
    const auto a = vatForward(block.entryValue(), *rate, block.places());
    const Exact total = checked(a, &VatAmounts::withTax);
    const VatWords w = vatWords(block, b);
    writeTaxBlock(
        block,
        {w.ht, blockColors::kEntered, {{w.tva, a->tax}}, w.ttc, w.ttc, blockColors::kFinal, total});
}

void CalculTVAMoins(Block& block, const BusinessRegisters& b) {
    const auto rate = startVat(block, b);
    if (!rate) return;
    const auto a = vatBackward(block.entryValue(), *rate, block.places());
    const Exact beforeTax = checked(a, &VatAmounts::beforeTax);
    const VatWords w = vatWords(block, b);
    writeTaxBlock(block, {w.ttc,
                          blockColors::kFinal,
                          {{w.tva, a->tax}},
                          w.ht,
                          w.ht,
                          blockColors::kEntered,
                          beforeTax});
}

void CalculTaxesPlus(Block& block, const BusinessRegisters& b) {
    const auto rates = startQuebec(block, b);
    if (!rates) return;
    const auto& [tps, tvp] = *rates;
    const auto a = quebecForward(block.entryValue(), tps, tvp, block.places());
    const Exact total = checked(a, &VatAmounts::withTax);
    const auto [federal, provincial] = quebecWords(block, b, tps, tvp);
    writeTaxBlock(block, {std::string(kBeforeTaxes),
                          blockColors::kEntered,
                          {{federal, a->tax}, {provincial, a->provincial}},
                          std::string(kTotal),
                          std::string(kTotal),
                          blockColors::kFinal,
                          total});
}

void CalculTaxesMoins(Block& block, const BusinessRegisters& b) {
    const auto rates = startQuebec(block, b);
    if (!rates) return;
    const auto& [tps, tvp] = *rates;
    const auto a = quebecBackward(block.entryValue(), tps, tvp, block.places());
    const Exact beforeTax = checked(a, &VatAmounts::beforeTax);
    const auto [federal, provincial] = quebecWords(block, b, tps, tvp);
    writeTaxBlock(block, {std::string(kTotal),
                          blockColors::kFinal,
                          {{provincial, a->provincial}, {federal, a->tax}},
                          std::string(kBeforeTaxes),
                          "Hors-taxes :  ",
                          blockColors::kEntered,
                          beforeTax});
}

}  // namespace zumbrel::business
