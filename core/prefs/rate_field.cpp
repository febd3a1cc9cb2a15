#include "core/prefs/rate_field.h"

namespace zumbrel::prefs {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<char> rateCharacter(char typed, std::string_view text, char ds) {
    if (isDigit(typed)) return typed;
    if (typed != ',' && typed != '.') return std::nullopt;
    if (text.find(ds) != std::string_view::npos) return std::nullopt;
    return ds;
}

std::optional<char> ceilingCharacter(char typed) {
    return isDigit(typed) ? std::optional<char>(typed) : std::nullopt;
}

std::optional<char> taxNameCharacter(char typed) {
    return typed >= 'A' && typed <= 'Z' ? std::optional<char>(typed) : std::nullopt;
}

CleanedRate cleanRate(std::string text, char ds) {
    CleanedRate out;
    if (!text.empty() && text.front() == ds) text.insert(text.begin(), '0');
    while (text.size() >= 2 && text[0] == '0' && isDigit(text[1])) {
        text.erase(text.begin());
        out.beep = true;
    }
    out.text = std::move(text);
    return out;
}

}  // namespace zumbrel::prefs
