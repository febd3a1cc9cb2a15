#pragma once

#include "core/business/block.h"

namespace zumbrel::business {

// φ = (1 + √5) / 2 to the precision of a long double.
long double goldenRatio();

// btnNbrGoldClick: the entry times the golden number, highlighted on the tape.
void btnNbrGoldClick(Block& block);

}  // namespace zumbrel::business
