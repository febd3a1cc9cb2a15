#pragma once

#include "core/business/block.h"

namespace zumbrel::business {

// A conversion at a fixed rate (units of the other currency for one euro), rounded half up
// to hundredths; back to euros divides by the rate. Nothing when the rate is zero or the
// numbers are too large.
std::optional<Exact> euroToOther(const Exact& euros, const Exact& rate);
std::optional<Exact> otherToEuro(const Exact& amount, const Exact& rate);

// btnEuroToFrancClick and btnFrancToEuroClick.
void btnEuroToFrancClick(Block& block, const BusinessRegisters& b);
void btnFrancToEuroClick(Block& block, const BusinessRegisters& b);

}  // namespace zumbrel::business
