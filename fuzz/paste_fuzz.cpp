// Arbitrary clipboard texts and history lines: no crash, no hang, and what is read is one
// number made of an optional minus, digits and at most one decimal separator.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/calc/kept_numbers.h"

namespace {

void expectOneNumber(const std::string& text, char ds) {
    std::size_t separators = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ds) {
            ++separators;
        } else if (!(c >= '0' && c <= '9') && !(c == '-' && i == 0)) {
            std::abort();
        }
    }
    if (separators > 1) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zumbrel::calc;
    if (size < 1) return 0;
    const char ds = data[0] & 1 ? '.' : ',';
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const PastedNumber pasted = readPastedNumber(text, ds);
    if (pasted.valid) expectOneNumber(pasted.text, ds);
    clippedForMessage(text);
    const std::string fromHistory = numberFromHistoryLine(text, ds);
    if (fromHistory.find_first_not_of("-0123456789.,") != std::string::npos) std::abort();
    std::vector<std::string> list;
    for (std::size_t i = 0; i < text.size(); i += 7)
        addToNumberList(list, normalisedValue(text.substr(i, 7), ds));
    for (std::size_t i = 1; i < list.size(); ++i) {
        if (list[i] == list[i - 1]) std::abort();  // each number once
    }
    return 0;
}
