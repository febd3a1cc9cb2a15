#pragma once

#include "core/business/block.h"

namespace zumbrel::business {

// BtnCAResteAEClick: the turnover still allowed under the ceiling of the profile in use (or
// by how much it is exceeded), then what remains of the turnover once the charges are paid.
void BtnCAResteAEClick(Block& block, const BusinessRegisters& b);
// BtnChargesAEClick: the charges due on the turnover in the entry.
void BtnChargesAEClick(Block& block, const BusinessRegisters& b);

// The ceiling as the tape shows it: the current decimal separator and at least the decimal
// places in use (nothing appended for none).
std::string ceilingText(const Exact& ceiling, std::string_view nbrDec, char ds);

}  // namespace zumbrel::business
