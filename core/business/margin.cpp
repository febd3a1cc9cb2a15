#include "core/business/margin.h"

#include <string>
#include <vector>

#include "core/business/block.h"
#include "core/business/business_registers.h"
#include "core/business/messages.h"
#include "core/calc/messages.h"

namespace zumbrel::business {
namespace {

const Exact kHundred{100, 0};
constexpr int kRatePlaces = 2;

// The cost and the sale price from the two values given, rounded to `places`.
std::optional<std::pair<Exact, Exact>> costAndSale(const MarginValues& v, int places,
                                                   MarginRefusal& refusal) {
    if (v.rate && v.rateOnSale && !(*v.rate < kHundred)) {
        refusal = MarginRefusal::RateOnSaleTooHigh;
        return std::nullopt;
    }
    if (v.cost && v.sale) return std::pair{roundTo(*v.cost, places), roundTo(*v.sale, places)};
    if (v.cost && v.rate) {
        const Exact cost = roundTo(*v.cost, places);
        std::optional<Exact> sale;
        if (v.rateOnSale) {
            const auto rest = subtract(kHundred, *v.rate);
            sale = rest ? mulDiv(cost, kHundred, *rest, places) : std::nullopt;
        } else {
            const auto margin = mulDiv(cost, *v.rate, kHundred, places);
            sale = margin ? add(cost, *margin) : std::nullopt;
        }
        if (sale) return std::pair{cost, *sale};
    } else if (v.sale && v.rate) {
        const Exact sale = roundTo(*v.sale, places);
        std::optional<Exact> cost;
        if (v.rateOnSale) {
            const auto margin = mulDiv(sale, *v.rate, kHundred, places);
            cost = margin ? subtract(sale, *margin) : std::nullopt;
        } else {
            const auto whole = add(kHundred, *v.rate);
            cost = whole ? mulDiv(sale, kHundred, *whole, places) : std::nullopt;
        }
        if (cost) return std::pair{*cost, sale};
    }
    refusal = MarginRefusal::TooLarge;
    return std::nullopt;
}

Message refusalMessage(MarginRefusal why) {
    switch (why) {
        case MarginRefusal::ZeroCost:
            return msg::kMarginZeroCost;
        case MarginRefusal::ZeroSale:
            return msg::kMarginZeroSale;
        case MarginRefusal::RateOnSaleTooHigh:
            return msg::kMarginRateOnSaleTooHigh;
        case MarginRefusal::TooLarge:
            break;
    }
    return msg::kRateNotValid;
}

void refuse(Block& block, MarginRefusal why) {
    block.ports().prompts.messageBox(calc::msg::kErrorTitle, block.text(refusalMessage(why)),
                                     Icon::Exclamation, Buttons::Ok);
}

void writeMarginBlock(Block& block, const MarginValues& given, const MarginAmounts& a) {
    const std::string sp = block.spacer() + ": ";
    const char ds = block.regs().decimalSeparator;
    const auto money = [&](const Exact& v) { return block.grouped(block.amount(v)); };
    const std::string cost = block.text(msg::kMarginCost) + sp + money(a.cost);
    const std::string margin = block.text(msg::kMarginAmount) + sp + money(a.margin);
    const std::string sale = block.text(msg::kMarginSale) + sp + money(a.sale);
    const std::string onCost =
        block.text(msg::kMarginRateOnCost) + sp + formatFixed(a.rateOnCost, kRatePlaces, ds);
    const std::string onSale =
        block.text(msg::kMarginRateOnSale) + sp + formatFixed(a.rateOnSale, kRatePlaces, ds);
    // The block adds up as printed: cost, plus the margin, under the rule the sale price.
    block.line(cost, blockColors::kEntered, true);
    block.line(margin, blockColors::kTax, false);
    block.rule();
    block.line(sale, blockColors::kFinal, true);
    block.line(onCost, blockColors::kTax, false);
    block.line(onSale, blockColors::kTax, false);
    block.memo({cost, margin, sale, onCost, onSale});
    block.close();
    // The amount the block found stays in the entry.
    const Exact& found = !given.sale ? a.sale : !given.cost ? a.cost : a.margin;
    block.finish(block.amount(found), found.toLongDouble());
}

}  // namespace

std::optional<MarginAmounts> computeMargin(const MarginValues& v, int places,
                                           MarginRefusal& refusal) {
    const auto pair = costAndSale(v, places, refusal);
    if (!pair) return std::nullopt;
    const auto& [cost, sale] = *pair;
    if (cost.isZero()) {
        refusal = MarginRefusal::ZeroCost;
        return std::nullopt;
    }
    if (sale.isZero()) {
        refusal = MarginRefusal::ZeroSale;
        return std::nullopt;
    }
    const auto margin = subtract(sale, cost);
    const auto onCost = margin ? mulDiv(*margin, kHundred, cost, kRatePlaces) : std::nullopt;
    const auto onSale = margin ? mulDiv(*margin, kHundred, sale, kRatePlaces) : std::nullopt;
    if (!onCost || !onSale) {
        refusal = MarginRefusal::TooLarge;
        return std::nullopt;
    }
    return MarginAmounts{cost, *margin, sale, *onCost, *onSale};
}

void marginKey(MarginKey key, Block& block, BusinessRegisters& b) {
    if (!block.start(Block::NegativeReport::MessageAndStatus)) return;
    const Exact value = block.entryValue();
    // A zero cost or sale price can give no rate: refused at once, whatever comes first.
    if (value.isZero() && (key == MarginKey::Cost || key == MarginKey::Sale)) {
        refuse(block, key == MarginKey::Cost ? MarginRefusal::ZeroCost : MarginRefusal::ZeroSale);
        return;
    }
    MarginValues& m = b.margin;
    const MarginValues before = m;
    switch (key) {
        case MarginKey::Cost:
            m.cost = value;
            break;
        case MarginKey::Sale:
            m.sale = value;
            break;
        case MarginKey::RateOnCost:
        case MarginKey::RateOnSale:
            m.rate = value;
            m.rateOnSale = key == MarginKey::RateOnSale;
            break;
    }
    if (!m.complete()) {
        // One value so far: it stands whole in the entry, waits for the second, and the status
        // line tells it ("Coût HT : 80,00").
        const Message& label = key == MarginKey::Cost         ? msg::kMarginCost
                               : key == MarginKey::Sale       ? msg::kMarginSale
                               : key == MarginKey::RateOnCost ? msg::kMarginRateOnCost
                                                              : msg::kMarginRateOnSale;
        block.ports().status.show(block.text(label) + block.spacer() + ": " +
                                  block.grouped(block.amount(value)));
        block.finish(std::nullopt, block.regs().resultValue);
        return;
    }
    MarginRefusal why{};
    const auto amounts = computeMargin(m, block.places(), why);
    if (!amounts) {
        m = before;  // the value just given goes; the ones before stay
        refuse(block, why);
        return;
    }
    const MarginValues given = m;
    m = {};
    writeMarginBlock(block, given, *amounts);
}

}  // namespace zumbrel::business
