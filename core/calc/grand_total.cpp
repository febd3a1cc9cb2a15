#include "core/calc/grand_total.h"

#include <cmath>

#include "core/calc/decimal.h"
#include "core/calc/number_text.h"

namespace zumbrel::calc {

long double grandTotalValue(const Registers& regs) {
    if (regs.grandTotal.empty()) return 0;
    return parseNumber(regs.grandTotal, regs.decimalSeparator).value_or(0);
}

void addToGrandTotal(Registers& regs, long double result) {
    const long double sum = grandTotalValue(regs) + result;
    // A total beyond what a number holds keeps the last one that was.
    if (!std::isfinite(sum)) return;
    regs.grandTotal = GetResultConv(sum, regs.format(), true);
}

std::string grandTotalText(const Registers& regs) {
    return GetResultConv(grandTotalValue(regs), regs.format(), false);
}

}  // namespace zumbrel::calc
