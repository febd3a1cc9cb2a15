#include "special/vat.h"

#include "calc/messages.h"
#include "calc/number_text.h"
#include "special/messages.h"

namespace zumbrel::special {
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

void CalculTVAPlus(Block& block, const BusinessRegisters& b) {
    const auto rate = block.rate(b.pnlTauxTVA, true, msg::kRateNotValid);
    if (!rate || !block.start(Block::NegativeReport::MessageAndStatus)) return;
    const auto a = vatForward(block.entryValue(), *rate, block.places());
    const Exact total = checked(a, &VatAmounts::withTax);
    block.entry().AddZerosDec();

    const std::string sp = block.spacer();
    const std::string& shown = block.display();
    const std::string tax = block.grouped(block.amount(a->tax));
    const std::string withTax = block.grouped(block.amount(total));
    const std::string ht = block.text(msg::kHT) + sp + ": ";
    const std::string tva =
        block.text(msg::kTVA) + " " + block.rateText(b.pnlTauxTVA) + " %" + sp + ": ";
    const std::string ttc = block.text(msg::kTTC) + sp + ": ";
    block.line(ht + shown, blockColors::kEntered, true);
    block.line(tva + calc::AddPoint(shown, tax) + tax, blockColors::kTax, false);
    block.rule();
    block.memo({ht + shown, tva + tax, ttc + withTax});
    block.line(ttc + withTax, blockColors::kFinal, true);
    block.close();
    block.finish(block.amount(total), total.toLongDouble());
}

void CalculTVAMoins(Block& block, const BusinessRegisters& b) {
    const auto rate = block.rate(b.pnlTauxTVA, true, msg::kRateNotValid);
    if (!rate || !block.start(Block::NegativeReport::MessageAndStatus)) return;
    const auto a = vatBackward(block.entryValue(), *rate, block.places());
    const Exact beforeTax = checked(a, &VatAmounts::beforeTax);
    block.entry().AddZerosDec();

    const std::string sp = block.spacer();
    const std::string& shown = block.display();
    const std::string tax = block.grouped(block.amount(a->tax));
    const std::string net = block.grouped(block.amount(beforeTax));
    const std::string ht = block.text(msg::kHT) + sp + ": ";
    const std::string tva =
        block.text(msg::kTVA) + " " + block.rateText(b.pnlTauxTVA) + " %" + sp + ": ";
    const std::string ttc = block.text(msg::kTTC) + sp + ": ";
    block.line(ttc + shown, blockColors::kFinal, true);
    block.line(tva + calc::AddPoint(shown, tax) + tax, blockColors::kTax, false);
    block.rule();
    block.memo({ttc + shown, tva + tax, ht + net});
    block.line(ht + net, blockColors::kEntered, true);
    block.close();
    block.finish(block.amount(beforeTax), beforeTax.toLongDouble());
}

void CalculTaxesPlus(Block& block, const BusinessRegisters& b) {
    const auto tps = block.rate(b.lblTauxTPS, true, msg::kRateNotValid);
    const auto tvp = tps ? block.rate(b.lblTauxTVP, true, msg::kRateNotValid) : std::nullopt;
    if (!tvp || !block.start(Block::NegativeReport::FrenchMessageAndStatus)) return;
    const auto a = quebecForward(block.entryValue(), *tps, *tvp, block.places());
    const Exact total = checked(a, &VatAmounts::withTax);
    block.entry().AddZerosDec();

    const char ds = block.regs().decimalSeparator;
    const std::string& shown = block.display();
    const std::string federal = block.grouped(block.amount(a->tax));
    const std::string provincial = block.grouped(block.amount(a->provincial));
    const std::string sum = block.grouped(block.amount(total));
    const std::string tpsWord = "TPS " + formatShortest(*tps, ds) + " % : ";
    const std::string tvpWord = b.lblQuebTVP + " " + formatShortest(*tvp, ds) + " % : ";
    block.line(std::string(kBeforeTaxes) + shown, blockColors::kEntered, true);
    block.line(tpsWord + calc::AddPoint(shown, federal) + federal, blockColors::kTax, false);
    block.line(tvpWord + calc::AddPoint(shown, provincial) + provincial, blockColors::kTax, false);
    block.rule();
    block.memo({std::string(kBeforeTaxes) + shown, tpsWord + federal, tvpWord + provincial,
                std::string(kTotal) + sum});
    block.line(std::string(kTotal) + sum, blockColors::kFinal, true);
    block.close();
    block.finish(block.amount(total), total.toLongDouble());
}

void CalculTaxesMoins(Block& block, const BusinessRegisters& b) {
    const auto tps = block.rate(b.lblTauxTPS, true, msg::kRateNotValid);
    const auto tvp = tps ? block.rate(b.lblTauxTVP, true, msg::kRateNotValid) : std::nullopt;
    if (!tvp || !block.start(Block::NegativeReport::FrenchMessageAndStatus)) return;
    const auto a = quebecBackward(block.entryValue(), *tps, *tvp, block.places());
    const Exact beforeTax = checked(a, &VatAmounts::beforeTax);
    block.entry().AddZerosDec();

    const char ds = block.regs().decimalSeparator;
    const std::string& shown = block.display();
    const std::string federal = block.grouped(block.amount(a->tax));
    const std::string provincial = block.grouped(block.amount(a->provincial));
    const std::string net = block.grouped(block.amount(beforeTax));
    const std::string tpsWord = "TPS " + formatShortest(*tps, ds) + " % : ";
    const std::string tvpWord = b.lblQuebTVP + " " + formatShortest(*tvp, ds) + " % : ";
    block.line(std::string(kTotal) + shown, blockColors::kFinal, true);
    block.line(tvpWord + calc::AddPoint(shown, provincial) + provincial, blockColors::kTax, false);
    block.line(tpsWord + calc::AddPoint(shown, federal) + federal, blockColors::kTax, false);
    block.rule();
    block.memo({std::string(kTotal) + shown, tvpWord + provincial, tpsWord + federal,
                "Hors-taxes :  " + net});
    block.line(std::string(kBeforeTaxes) + net, blockColors::kEntered, true);
    block.close();
    block.finish(block.amount(beforeTax), beforeTax.toLongDouble());
}

}  // namespace zumbrel::special
