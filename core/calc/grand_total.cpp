#include "core/calc/grand_total.h"

#include <string>

#include "core/business/exact.h"
#include "core/calc/decimal.h"
#include "core/calc/number_text.h"

namespace zumbrel::calc {

long double grandTotalValue(const Registers& regs) {
    if (regs.grandTotal.empty()) return 0;
    return parseNumber(regs.grandTotal, regs.decimalSeparator).value_or(0);
}

void addToGrandTotal(Registers& regs, std::string_view resultText) {
    const auto result = business::parseExact(resultText);
    const auto before =
        business::parseExact(regs.grandTotal.empty() ? std::string("0") : regs.grandTotal);
    const auto sum = result && before ? business::add(*before, *result) : std::nullopt;
    // A total beyond what the entry can hold back keeps the last one that was.
    if (!sum) return;
    const std::string text = business::formatShortest(*sum, regs.decimalSeparator);
    if (significantDigits(text) <= kEntryCapacity) regs.grandTotal = text;
}

std::string grandTotalText(const Registers& regs) {
    return GetResultConv(grandTotalValue(regs), regs.format(), false);
}

}  // namespace zumbrel::calc
