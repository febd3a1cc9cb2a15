#include "core/calc/kept_numbers.h"

#include <algorithm>

#include "core/calc/decimal.h"
#include "core/calc/number_text.h"

namespace zumbrel::calc {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A value whatever its separator: "," and "." both read as the decimal point.
std::optional<long double> anySeparatorValue(const std::string& text) {
    std::string t = text;
    std::replace(t.begin(), t.end(), '.', ',');
    return parseNumber(t, ',');
}

// A list item with its value, read once.
struct ListKey {
    std::optional<long double> value;
    std::string text;
};

// Numbers by value first, then what is no number, in text order.
bool listOrder(const ListKey& a, const ListKey& b) {
    if (a.value && b.value) return *a.value < *b.value;
    if (a.value || b.value) return a.value.has_value();
    return a.text < b.text;
}

// Keeps digits and the two separators, at most `limit` of them, and a sign standing right
// before the first digit (a minus, or the tape's en dash).
std::string signedDigits(std::string_view text, std::size_t limit = std::string::npos) {
    std::string out;
    bool negative = false;
    bool seenDigit = false;
    for (std::size_t i = 0; i < text.size() && out.size() < limit; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (!seenDigit) {
                const bool minusBefore = i > 0 && text[i - 1] == '-';
                const bool dashBefore = i >= 3 && text.substr(i - 3, 3) == "–";
                negative = minusBefore || dashBefore;
            }
            seenDigit = true;
            out.push_back(c);
        } else if (c == ',' || c == '.') {
            out.push_back(c);
        }
    }
    return negative ? "-" + out : out;
}

// One number: between two digits stands nothing, or one separator, space or apostrophe
// (grouping as "1 234,56", "1'234.56" or "1.234,56" write it), a no-break one included.
bool holdsOneNumber(std::string_view text) {
    constexpr std::string_view kJoiners[] = {",", ".", " ", "'", "\u00A0", "\u202F", "\u2009"};
    std::size_t afterDigit = std::string_view::npos;  // where the text after a digit begins
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isDigit(text[i])) continue;
        if (afterDigit != std::string_view::npos && i != afterDigit) {
            const std::string_view gap = text.substr(afterDigit, i - afterDigit);
            if (std::find(std::begin(kJoiners), std::end(kJoiners), gap) == std::end(kJoiners))
                return false;
        }
        afterDigit = i + 1;
    }
    return true;
}

}  // namespace

std::string normalisedValue(std::string_view text, char ds) {
    const std::string noBreak = DelSpace(text);
    std::string out;
    out.reserve(noBreak.size());
    const char other = ds == '.' ? ',' : '.';
    for (char c : noBreak) {
        if (c != ' ' && c != '\'' && c != other) out.push_back(c);
    }
    return out;
}

void addToNumberList(std::vector<std::string>& list, std::string value) {
    if (std::find(list.begin(), list.end(), value) != list.end()) return;
    // The list is in order already: the new item goes after the items it does not precede.
    const ListKey key{anySeparatorValue(value), value};
    const auto at = std::upper_bound(list.begin(), list.end(), key,
                                     [](const ListKey& k, const std::string& item) {
                                         return listOrder(k, {anySeparatorValue(item), item});
                                     });
    list.insert(at, std::move(value));
}

std::vector<std::string> numberListOf(const std::vector<std::string>& items) {
    std::vector<ListKey> keys;
    keys.reserve(items.size());
    for (const std::string& item : items) {
        const bool seen =
            std::any_of(keys.begin(), keys.end(), [&](const ListKey& k) { return k.text == item; });
        if (!seen) keys.push_back({anySeparatorValue(item), item});
    }
    std::stable_sort(keys.begin(), keys.end(), listOrder);
    std::vector<std::string> out;
    out.reserve(keys.size());
    for (ListKey& k : keys)
        out.push_back(std::move(k.text));
    return out;
}

std::string numberFromHistoryLine(std::string_view line, char ds) {
    const std::size_t mark = line.find_last_of(":=");
    if (mark != std::string_view::npos) line.remove_prefix(mark + 1);
    // The memory's number in "12,50 M2+" is no digit of the amount.
    if (const std::optional<MemoryLine> memory = memoryLine(line)) line = memory->amount;
    std::string out = signedDigits(line);
    const char grouping = ds == '.' ? ',' : '.';
    out.erase(std::remove(out.begin(), out.end(), grouping), out.end());
    return out;
}

std::optional<MemoryLine> memoryLine(std::string_view line) {
    const std::size_t space = line.rfind(' ');
    if (space == std::string_view::npos) return std::nullopt;
    std::string_view mark = line.substr(space + 1);
    if (!mark.starts_with('M')) return std::nullopt;
    mark.remove_prefix(1);
    if (mark.starts_with('2') || mark.starts_with('3')) mark.remove_prefix(1);
    if (mark != "+" && mark != "\u2212") return std::nullopt;
    return MemoryLine{line.substr(0, space), mark != "+"};
}

PastedNumber readPastedNumber(std::string_view clipboard, char ds) {
    std::string text;
    text.reserve(clipboard.size());
    for (std::size_t i = 0; i < clipboard.size(); ++i) {
        if (clipboard.substr(i, 2) == " %") {
            ++i;
            continue;
        }
        text.push_back(clipboard[i]);
    }
    if (!holdsOneNumber(text)) return {};
    std::string kept = signedDigits(text, kPasteLimit);
    const bool negative = !kept.empty() && kept.front() == '-';
    if (negative) kept.erase(0, 1);
    if (kept.find_first_of("0123456789") == std::string::npos) return {};

    const std::size_t commas = static_cast<std::size_t>(std::count(kept.begin(), kept.end(), ','));
    const std::size_t points = static_cast<std::size_t>(std::count(kept.begin(), kept.end(), '.'));
    char decimal = 0;
    if (commas && points) {
        decimal = kept.find_last_of(",.") == kept.rfind(',') ? ',' : '.';
    } else if (commas || points) {
        decimal = commas ? ',' : '.';
    }
    const char grouping = decimal == ',' ? '.' : ',';
    if (decimal && std::count(kept.begin(), kept.end(), decimal) > 1) return {};
    std::string out;
    for (char c : kept) {
        if (c == grouping && decimal) continue;
        out.push_back(c == decimal ? ds : c);
    }
    if (!out.empty() && out.front() == ds) out.insert(out.begin(), '0');
    if (significantDigits(out) > kEntryCapacity) return {};
    return {true, negative ? "-" + out : out};
}

std::string clippedForMessage(std::string_view clipboard) {
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < clipboard.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(clipboard[i]) & 0xC0) != 0x80;
        if (starts && ++characters > 200) return out + "…";
        out.push_back(clipboard[i]);
    }
    return out;
}

}  // namespace zumbrel::calc
