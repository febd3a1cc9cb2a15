#pragma once

#include <string>

#include "core/calc/registers.h"

namespace zumbrel::calc {

// The grand total of an adding machine: every result (Enter, and a business block's final
// amount) is added to it from its text, without thousands separators, in exact decimals, so that no
// digit of a long result is lost. The GT key shows it; a new tape and the eraser start it again
// from zero.
void addToGrandTotal(Registers& regs, std::string_view resultText);
// Its value (zero when nothing was added) and its text as a result shows it.
long double grandTotalValue(const Registers& regs);
std::string grandTotalText(const Registers& regs);

}  // namespace zumbrel::calc
