#include "core/tape/spoken_lines.h"

namespace zumbrel::tape {
namespace {

constexpr std::string_view kEmDash = "\xE2\x80\x94";
constexpr std::string_view kEnDash = "\xE2\x80\x93";   // the subtraction's sign
constexpr std::string_view kRootMark = "V\xC2\xB2 :";  // "V² :"

std::string_view trimmed(std::string_view s) {
    const auto notSpace = [](char c) { return c != ' ' && c != '\t' && c != '\r'; };
    while (!s.empty() && !notSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && !notSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// Three em dashes or more, and nothing else.
bool isRule(std::string_view line) {
    line = trimmed(line);
    int dashes = 0;
    for (; line.substr(0, kEmDash.size()) == kEmDash; line.remove_prefix(kEmDash.size()))
        ++dashes;
    return dashes >= 3 && line.empty();
}

// A number as the tape writes it: a sign, digits, and the separators of the decimals and
// of the thousands (space, no-break spaces, apostrophe, comma, point).
bool isNumber(std::string_view line) {
    line = trimmed(line);
    if (!line.empty() && (line.front() == '-' || line.front() == '+')) line.remove_prefix(1);
    if (line.empty() || line.front() < '0' || line.front() > '9') return false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if ((c >= '0' && c <= '9') || c == ' ' || c == '\'' || c == ',' || c == '.') continue;
        const std::string_view rest = line.substr(i);
        if (rest.substr(0, 2) == "\xC2\xA0") {  // no-break space
            ++i;
            continue;
        }
        if (rest.substr(0, 3) == "\xE2\x80\xAF" || rest.substr(0, 3) == "\xE2\x80\x99") {
            i += 2;  // narrow no-break space, typographic apostrophe
            continue;
        }
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> spokenLine(std::string_view line, std::string_view above,
                                      std::string_view twoAbove, const SpokenWords& words) {
    if (isRule(line)) return words.rule;
    const std::string_view shown = trimmed(line);
    if (shown.substr(0, kRootMark.size()) == kRootMark) {
        const std::string_view root = trimmed(shown.substr(kRootMark.size()));
        if (isRule(above) && isNumber(twoAbove))
            return words.rootOf + " " + std::string(trimmed(twoAbove)) + " : " + std::string(root);
        return words.root + " : " + std::string(root);
    }
    if (isRule(above) && isNumber(shown)) return words.total + " " + std::string(shown);
    if (shown == kEnDash) return words.minus;
    if (shown.starts_with(kEnDash) && shown.substr(kEnDash.size()).starts_with(' '))
        return words.minus + " " + std::string(shown.substr(kEnDash.size() + 1));
    return std::nullopt;
}

}  // namespace zumbrel::tape
