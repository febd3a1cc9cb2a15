#include "core/calc/decimal.h"
#include "core/text_util.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <system_error>

namespace zumbrel::calc {
namespace {

// Significant digits and decimal exponent of a finite value: value = 0.d1d2d3... x 10^(pointPos).
struct Digits {
    bool negative = false;
    std::string digits;  // without leading zeros, unless the value is 0
    int pointPos = 0;    // digits before the decimal point (may be <= 0)
};

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

// Every digit of the value: a long double m x 2^q (m below 2^64) has at most about
// 20 + 0.7 |q| significant digits when q < 0 and 20 + 0.31 q when q >= 0, so asking for
// that many gives the expansion itself, with nothing rounded away.
// The same digits by integer arithmetic, for a value m x 2^q with -124 <= q <= 63 (every
// amount a calculation meets): the fraction's digits come one by one from m's low bits,
// and stop when the fraction is spent. False for any other value.
bool exactDigitsByIntegers(long double mantissa, int exp2, int precision, Digits& d) {
    const int q = exp2 - 64;
    if (q < -124 || q > 63) return false;
    __extension__ using Wide = unsigned __int128;
    const bool negative = mantissa < 0;
    const auto m = static_cast<std::uint64_t>(std::ldexp(std::fabs(mantissa), 64));
    d.negative = negative;
    Wide whole = 0;
    Wide fraction = 0;
    const int s = q < 0 ? -q : 0;
    if (q >= 0) {
        whole = static_cast<Wide>(m) << q;
    } else {
        whole = s < 64 ? static_cast<Wide>(m >> s) : 0;
        fraction =
            s < 64 ? static_cast<Wide>(m & ((std::uint64_t{1} << s) - 1)) : static_cast<Wide>(m);
    }
    const Wide mask = s > 0 ? (Wide{1} << s) - 1 : 0;
    char wholeDigits[40];
    int n = 0;
    Wide w = whole;
    for (; w > ~std::uint64_t{0}; w /= 10)
        wholeDigits[n++] = static_cast<char>('0' + static_cast<int>(w % 10));
    for (auto small = static_cast<std::uint64_t>(w); small != 0; small /= 10)
        wholeDigits[n++] = static_cast<char>('0' + static_cast<int>(small % 10));
    d.digits.clear();
    d.digits.reserve(static_cast<std::size_t>(precision) + 1);
    for (int i = n - 1; i >= 0; --i)
        d.digits.push_back(wholeDigits[i]);
    d.pointPos = n;
    while (fraction != 0) {
        fraction *= 10;
        const auto digit = static_cast<char>('0' + static_cast<int>(fraction >> s));
        fraction &= mask;
        if (d.digits.empty() && digit == '0') {
            --d.pointPos;  // a leading zero of a value below 1
            continue;
        }
        d.digits.push_back(digit);
    }
    if (d.digits.empty()) {  // cannot be: the value is not zero
        d.digits = "0";
        d.pointPos = 1;
    }
    return d.digits.size() <= static_cast<std::size_t>(precision) + 1;
}

Digits exactDigits(long double value) {
    Digits d;
    if (value == 0) {
        d.digits = "0";
        d.pointPos = 1;
        return d;
    }
    int exp2 = 0;
    const long double mantissa = std::frexp(value, &exp2);
    const int q = exp2 - 64;
    const int precision = 24 + (q < 0 ? (-q * 7) / 10 : (q * 31) / 100);
    if (std::isfinite(value) && exactDigitsByIntegers(mantissa, exp2, precision, d)) return d;
    d = {};
    std::string buf(static_cast<std::size_t>(precision) + 32, '\0');
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, precision);
    std::string_view s(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    if (!s.empty() && s.front() == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    const std::size_t e = s.find('e');
    for (char c : s.substr(0, e)) {
        if (c != '.') d.digits.push_back(c);
    }
    d.pointPos = std::atoi(std::string(s.substr(e + 1)).c_str()) + 1;
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero on the first digit dropped.
void roundDigits(Digits& d, long keep) {
    if (keep < 0) {
        d.digits = "0";
        d.pointPos = 1;
        return;
    }
    const auto k = static_cast<std::size_t>(keep);
    if (k >= d.digits.size()) return;
    const bool up = d.digits[k] >= '5';
    d.digits.resize(k);
    if (up && incrementDigits(d.digits)) ++d.pointPos;
    if (d.digits.empty()) {
        d.digits = "0";
        d.pointPos = 1;
    }
}

// The value as the calculator knows it: 18 significant digits, the last one rounded half
// away from zero. Every number shown, spoken or written starts from these digits.
Digits calculatorDigits(long double value) {
    Digits d = exactDigits(value);
    roundDigits(d, 18);
    return d;
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

std::string exactExpansion(long double value) {
    Digits d = exactDigits(value);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return (d.negative ? "-" : "") + d.digits + "e" + std::to_string(d.pointPos);
}

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
    Digits d = calculatorDigits(value);
    roundDigits(d, static_cast<long>(d.pointPos) + decimals);
    return positional(d.negative, d.digits, d.pointPos, decimals, ds);
}

std::string formatGeneral(long double value, int significant, char ds) {
    if (!std::isfinite(value)) value = 0;
    if (value == 0) return "0";
    Digits d = calculatorDigits(value);
    roundDigits(d, significant);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return positional(d.negative, d.digits, d.pointPos, -1, ds);
}

}  // namespace zumbrel::calc
