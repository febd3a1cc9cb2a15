#include "calc/decimal.h"
#include "text_util.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace zumbrel::calc {
namespace {

// Significant digits and decimal exponent of a finite value: value = 0.d1d2d3... x 10^(exp).
struct Digits {
    bool negative = false;
    std::string digits;  // without leading zeros, unless the value is 0
    int pointPos = 0;    // digits before the decimal point (may be <= 0)
};

Digits scientificDigits(long double value, int significant) {
    Digits d;
    char buf[128];
    auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    if (!s.empty() && s.front() == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    const std::size_t e = s.find('e');
    for (char c : s.substr(0, e)) {
        if (c != '.') d.digits.push_back(c);
    }
    const int exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    d.pointPos = exponent + 1;
    return d;
}

// Adds one unit at the last digit; returns true when a new leading digit appeared.
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// Lays digits (with pointPos digits before the point) out in positional notation.
std::string positional(bool negative, const std::string& digits, int pointPos, int decimals,
                       char ds) {
    std::string intPart;
    std::string fracPart;
    if (pointPos <= 0) {
        intPart = "0";
        fracPart.assign(static_cast<std::size_t>(-pointPos), '0');
        fracPart += digits;
    } else if (static_cast<std::size_t>(pointPos) >= digits.size()) {
        intPart = digits;
        intPart.append(static_cast<std::size_t>(pointPos) - digits.size(), '0');
    } else {
        intPart = digits.substr(0, static_cast<std::size_t>(pointPos));
        fracPart = digits.substr(static_cast<std::size_t>(pointPos));
    }
    if (decimals >= 0) fracPart.resize(static_cast<std::size_t>(decimals), '0');
    const bool zero = intPart.find_first_not_of('0') == std::string::npos &&
                      fracPart.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !zero) ? "-" : "";
    out += intPart;
    if (!fracPart.empty()) {
        out += ds;
        out += fracPart;
    }
    return out;
}

}  // namespace

std::optional<long double> parseNumber(std::string_view text, char ds) {
    text = trimSpaces(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string plain;
    plain.reserve(text.size() + 1);
    bool seenSeparator = false;
    bool seenDigit = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            plain.push_back(c);
            seenDigit = true;
        } else if (c == ds && !seenSeparator) {
            plain.push_back('.');
            seenSeparator = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) return std::nullopt;
    if (plain.front() == '.') plain.insert(plain.begin(), '0');
    if (plain.back() == '.') plain.pop_back();
    long double value = 0;
    auto res =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (res.ec != std::errc{} || res.ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::string formatFixed(long double value, int decimals, char ds) {
    if (!std::isfinite(value)) value = 0;
    if (decimals < 0) decimals = 0;
    Digits d = scientificDigits(value, 18);
    if (value == 0) d.pointPos = 1;
    // Keep the digits down to the wanted place; the first dropped digit decides the rounding.
    const long keep = static_cast<long>(d.pointPos) + decimals;
    if (keep < 0) return positional(d.negative, "0", 1, decimals, ds);
    std::string kept = d.digits.substr(0, static_cast<std::size_t>(keep));
    const bool roundUp = static_cast<std::size_t>(keep) < d.digits.size() &&
                         d.digits[static_cast<std::size_t>(keep)] >= '5';
    int pointPos = d.pointPos;
    if (kept.empty()) {
        kept = roundUp ? "1" : "0";
        if (roundUp)
            pointPos = -decimals + 1;
        else
            pointPos = 1;
    } else if (roundUp && incrementDigits(kept)) {
        ++pointPos;
    }
    return positional(d.negative, kept, pointPos, decimals, ds);
}

std::string formatGeneral(long double value, int significant, char ds) {
    if (!std::isfinite(value)) value = 0;
    if (value == 0) return "0";
    Digits d = scientificDigits(value, significant);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return positional(d.negative, d.digits, d.pointPos, -1, ds);
}

}  // namespace zumbrel::calc
