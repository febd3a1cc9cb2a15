#include "core/tape/tape_search.h"

#include <algorithm>

namespace zumbrel::tape {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Spaces that group thousands: the space, the no-break space and the narrow no-break space
// (in UTF-8), and the apostrophe. Returns the length of the one at `at`, 0 if none.
std::size_t groupingSpaceAt(std::string_view s, std::size_t at) {
    if (s[at] == ' ' || s[at] == '\'') return 1;
    if (s.substr(at, 2) == "\xC2\xA0") return 2;
    if (s.substr(at, 3) == "\xE2\x80\xAF") return 3;
    return 0;
}

std::size_t digitsFrom(std::string_view s, std::size_t at) {
    std::size_t n = 0;
    while (at + n < s.size() && isDigit(s[at + n]))
        ++n;
    return n;
}

// "0012.500" -> "12.5", "0,0" -> "0": the value's digits, compared as text.
std::string canonical(std::string digits) {
    const std::size_t point = digits.find('.');
    if (point != std::string::npos) {
        while (digits.back() == '0')
            digits.pop_back();
        if (digits.back() == '.') digits.pop_back();
    }
    const std::size_t firstKept = digits.find_first_not_of('0');
    if (firstKept == std::string::npos) return "0";
    digits.erase(0, digits[firstKept] == '.' ? firstKept - 1 : firstKept);
    return digits;
}

// The number starting at `at` (a digit not preceded by one) as the tape writes it: groups of
// three digits after a grouping space or the separator that is not the decimal one, then the
// decimal separator and the decimals. Returns its canonical digits; `end` is where it stops.
std::string numberAt(std::string_view s, std::size_t at, char ds, std::size_t& end) {
    const char grouping = ds == ',' ? '.' : ',';
    std::string digits(s.substr(at, digitsFrom(s, at)));
    std::size_t i = at + digits.size();
    for (;;) {
        std::size_t gap = i < s.size() ? groupingSpaceAt(s, i) : 0;
        if (gap == 0 && i < s.size() && s[i] == grouping) gap = 1;
        if (gap == 0 || digitsFrom(s, i + gap) != 3) break;
        digits.append(s.substr(i + gap, 3));
        i += gap + 3;
    }
    if (i + 1 < s.size() && s[i] == ds && isDigit(s[i + 1])) {
        const std::size_t n = digitsFrom(s, i + 1);
        digits += '.';
        digits.append(s.substr(i + 1, n));
        i += 1 + n;
    }
    end = i;
    return canonical(std::move(digits));
}

// The typed amount: digits, grouping spaces and separators. With both "," and "." the last
// one is the decimal separator; with one of them, once, it is; several times, they group.
std::string amountOf(std::string_view typed) {
    std::string kept;
    for (std::size_t i = 0; i < typed.size();) {
        if (const std::size_t gap = groupingSpaceAt(typed, i)) {
            i += gap;
            continue;
        }
        const char c = typed[i++];
        if (!isDigit(c) && c != ',' && c != '.') return {};
        kept += c;
    }
    if (kept.empty() || !std::any_of(kept.begin(), kept.end(), isDigit)) return {};
    const std::size_t lastSeparator = kept.find_last_of(",.");
    char decimal = 0;
    if (lastSeparator != std::string::npos) {
        const char last = kept[lastSeparator];
        const bool both = kept.find(last == ',' ? '.' : ',') != std::string::npos;
        if (both || std::count(kept.begin(), kept.end(), last) == 1) decimal = last;
    }
    std::string digits;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (isDigit(kept[i])) {
            digits += kept[i];
        } else if (kept[i] == decimal && i == lastSeparator) {
            digits += '.';
        }
    }
    if (digits.front() == '.') digits.insert(0, "0");
    if (digits.back() == '.') digits.pop_back();
    return canonical(std::move(digits));
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

TapeSearch::TapeSearch(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(' ');
    const std::size_t last = typed.find_last_not_of(' ');
    if (first == std::string_view::npos) return;
    typed = typed.substr(first, last - first + 1);
    text_.reserve(typed.size());
    for (char c : typed)
        text_ += lower(c);
    amount_ = amountOf(typed);
}

bool TapeSearch::matches(std::string_view line, char decimalSeparator) const {
    if (text_.empty()) return false;
    if (!amount_.empty()) {
        for (std::size_t i = 0; i < line.size();) {
            if (!isDigit(line[i]) || (i > 0 && isDigit(line[i - 1]))) {
                ++i;
                continue;
            }
            std::size_t end = i;
            if (numberAt(line, i, decimalSeparator, end) == amount_) return true;
            i = end;
        }
        return false;
    }
    const auto same = [](char a, char b) { return lower(a) == b; };
    return std::search(line.begin(), line.end(), text_.begin(), text_.end(), same) != line.end();
}

std::vector<std::size_t> findLines(const TapeSearch& search, std::size_t lineCount,
                                   const std::function<std::string_view(std::size_t)>& line,
                                   char decimalSeparator) {
    std::vector<std::size_t> found;
    if (search.empty()) return found;
    for (std::size_t i = 0; i < lineCount; ++i) {
        if (search.matches(line(i), decimalSeparator)) found.push_back(i);
    }
    return found;
}

}  // namespace zumbrel::tape
