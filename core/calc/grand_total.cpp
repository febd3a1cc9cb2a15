#include "core/calc/grand_total.h"

#include <optional>
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
    if (!sum) return;
    std::string text = business::formatShortest(*sum, regs.decimalSeparator);
    // More digits than the entry takes: rounded to them, as every result is (a result added
    // silently changed nothing). A whole part beyond them keeps the last total that was.
    if (significantDigits(text) > kEntryCapacity) {
        const std::optional<long double> value = parseNumber(text, regs.decimalSeparator);
        if (!value) return;
        text = formatGeneral(*value, static_cast<int>(kEntryCapacity), regs.decimalSeparator);
    }
    if (significantDigits(text) <= kEntryCapacity) regs.grandTotal = text;
}

std::string grandTotalText(const Registers& regs) {
    return GetResultConv(grandTotalValue(regs), regs.format(), false);
}

}  // namespace zumbrel::calc
