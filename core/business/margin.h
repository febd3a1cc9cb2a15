#pragma once

#include <optional>

#include "core/business/exact.h"

namespace zumbrel::business {

class Block;
struct BusinessRegisters;

// French traders price with two rates that are easily confused: the taux de marge (the
// margin over the cost, a markup) and the taux de marque (the margin over the sale price).
// The block is given two of cost, sale price and one rate, and prints the rest, both rates
// always.
struct MarginValues {
    std::optional<Exact> cost;  // before tax
    std::optional<Exact> sale;  // before tax
    std::optional<Exact> rate;  // in percent
    bool rateOnSale = false;    // the rate is a taux de marque (else a taux de marge)

    // Two of the three are set: the block can be written.
    bool complete() const { return (cost ? 1 : 0) + (sale ? 1 : 0) + (rate ? 1 : 0) >= 2; }
    friend bool operator==(const MarginValues&, const MarginValues&) = default;
};

struct MarginAmounts {
    Exact cost, margin, sale;
    Exact rateOnCost;  // taux de marge, in percent
    Exact rateOnSale;  // taux de marque, in percent
};

enum class MarginRefusal { ZeroCost, ZeroSale, RateOnSaleTooHigh, TooLarge };

// The amounts rounded half away from zero to `places`, the sale price always the cost plus
// the margin as printed, the rates the true ones of those amounts rounded to two decimals.
// `refusal` says why when nothing can be computed.
std::optional<MarginAmounts> computeMargin(const MarginValues& v, int places,
                                           MarginRefusal& refusal);

// The keys Coût, Vente, Marge % and its long press (the taux de marque): the entry sets the
// value; once two are set the block is written and the values are cleared.
enum class MarginKey { Cost, Sale, RateOnCost, RateOnSale };
void marginKey(MarginKey key, Block& block, BusinessRegisters& b);

}  // namespace zumbrel::business
