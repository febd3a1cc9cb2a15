#include "core/calc/number_text.h"

#include <algorithm>

#include "core/calc/decimal.h"

namespace zumbrel::calc {

std::optional<int> nbrDecPlaces(std::string_view nbrDec) {
    if (nbrDec.size() == 1 && nbrDec[0] >= '0' && nbrDec[0] <= '5') return nbrDec[0] - '0';
    return std::nullopt;
}

int resultPlaces(std::string_view nbrDec) {
    return nbrDecPlaces(nbrDec).value_or(2);
}

std::optional<char> thousandsSeparator(const FormatOptions& opt) {
    const bool dotIsDs = opt.decimalSeparator == '.';
    if (opt.sepDec == "S") return ' ';
    if (opt.sepDec == "Q") return '\'';
    if (opt.sepDec == "C" && dotIsDs) return ',';
    if (opt.sepDec == "P" && !dotIsDs) return '.';
    return std::nullopt;
}

int IndicNbrDecim(std::string_view text, char ds) {
    std::string t;
    t.reserve(text.size());
    for (char c : text) {
        if (c != '-') t.push_back(c);
    }
    const std::size_t pos = t.find(ds);
    if (pos == std::string::npos) return 0;
    std::size_t length = t.size();
    if (t.find_first_of("+-*/%") != std::string::npos) --length;
    return static_cast<int>(length) - static_cast<int>(pos + 1);
}

std::string AddSepToMil(std::string_view text, const FormatOptions& opt) {
    const std::size_t dsPos = text.find(opt.decimalSeparator);
    const std::string_view intPart = text.substr(0, dsPos);
    const std::optional<char> sep = thousandsSeparator(opt);

    // Walk the integer part from its end; a leading minus counts as a character here.
    std::string reversed;
    reversed.reserve(intPart.size() + intPart.size() / 3 + 1);
    std::size_t copied = 0;
    for (std::size_t i = intPart.size(); i-- > 0;) {
        reversed.push_back(intPart[i]);
        ++copied;
        if (copied % 3 == 0 && i != 0 && sep) reversed.push_back(*sep);
    }
    std::string out(reversed.rbegin(), reversed.rend());
    if (sep && text.find('-') != std::string_view::npos && out.size() > 1 && out[0] == '-' &&
        out[1] == *sep) {
        out.erase(1, 1);  // never "- 123 456"
    }
    if (dsPos != std::string_view::npos) {
        out += opt.decimalSeparator;
        out += text.substr(dsPos + 1, 5);
    }
    return out;
}

std::string AddZerosDec(std::string_view display, const FormatOptions& opt, bool afterPercent) {
    const std::optional<int> places = nbrDecPlaces(opt.nbrDec);
    std::string out(display);
    if (!places) return out;
    // After a percent the display always shows at least two decimals.
    const int target = afterPercent ? 2 : *places;
    if (display.find(opt.decimalSeparator) == std::string_view::npos) {
        if (target > 0) {
            out += opt.decimalSeparator;
            out.append(static_cast<std::size_t>(target), '0');
        }
        return out;
    }
    const int have = IndicNbrDecim(display, opt.decimalSeparator);
    if (have < target) out.append(static_cast<std::size_t>(target - have), '0');
    return out;
}

std::string GetResultConv(long double value, const FormatOptions& opt, bool extraDecimals) {
    if (extraDecimals) return formatGeneral(value, 15, opt.decimalSeparator);
    return formatFixed(value, resultPlaces(opt.nbrDec), opt.decimalSeparator);
}

std::string DelSpace(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
            ++i;
            continue;
        }
        out.push_back(text[i]);
    }
    return out;
}

std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string AddPoint(std::string_view a, std::string_view b) {
    const std::size_t la = characterCount(a);
    const std::size_t lb = characterCount(b);
    return la > lb ? std::string(la - lb, ' ') : std::string();
}

int DedectPlusLongStr(std::string_view a, std::string_view b) {
    return characterCount(b) < characterCount(a) ? 1 : 2;
}

std::string spokenGrouping(std::string_view text, char ds) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const char otherSeparator = ds == '.' ? ',' : '.';
    std::string out(text);
    for (std::size_t i = 1; i + 1 < out.size(); ++i) {
        const bool grouping = out[i] == '\'' || out[i] == otherSeparator;
        if (grouping && digit(out[i - 1]) && digit(out[i + 1])) out[i] = ' ';
    }
    return out;
}

std::size_t significantDigits(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        if (count > 0 || c != '0') ++count;
    }
    return count;
}

}  // namespace zumbrel::calc
