#include "core/business/exact.h"

#include <array>
#include <cmath>

namespace zumbrel::business {
namespace {

using Int = Int128;

// Every exact value stays below 10^36, so that a sum or a rounding step never overflows.
constexpr int kMaxDigits = 36;
constexpr int kMaxParsedDigits = 30;

constexpr std::array<Int, kMaxDigits + 1> kPowers = [] {
    std::array<Int, kMaxDigits + 1> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// 10^n for 0 <= n <= 36.
Int pow10(int n) {
    return kPowers[static_cast<std::size_t>(n)];
}

Int magnitude(Int v) {
    return v < 0 ? -v : v;
}

bool inRange(Int v) {
    return magnitude(v) < pow10(kMaxDigits);
}

std::optional<Int> times(Int a, Int b) {
    Int out = 0;
    if (__builtin_mul_overflow(a, b, &out) || !inRange(out)) return std::nullopt;
    return out;
}

// The units of v at a larger scale.
std::optional<Int> rescaled(const Exact& v, int scale) {
    if (scale - v.scale > kMaxDigits) return std::nullopt;
    return times(v.units, pow10(scale - v.scale));
}

// num / den rounded half away from zero; den is not zero.
Int divideRounded(Int num, Int den) {
    const bool negative = (num < 0) != (den < 0);
    const Int n = magnitude(num), d = magnitude(den);
    Int q = n / d;
    const Int r = n % d;
    if (r >= d - r) ++q;
    return negative ? -q : q;
}

std::string digitsOf(Int v) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    return s;
}

std::optional<Exact> combine(const Exact& a, const Exact& b, bool negateB) {
    const int scale = std::max(a.scale, b.scale);
    const auto x = rescaled(a, scale);
    const auto y = rescaled(b, scale);
    if (!x || !y) return std::nullopt;
    const Int sum = negateB ? *x - *y : *x + *y;
    if (!inRange(sum)) return std::nullopt;
    return Exact{sum, scale};
}

}  // namespace

long double Exact::toLongDouble() const {
    return static_cast<long double>(units) / std::pow(10.0L, static_cast<long double>(scale));
}

bool operator==(const Exact& a, const Exact& b) {
    const auto d = subtract(a, b);
    return d ? d->isZero() : a.toLongDouble() == b.toLongDouble();
}

bool operator<(const Exact& a, const Exact& b) {
    const auto d = subtract(a, b);
    return d ? d->isNegative() : a.toLongDouble() < b.toLongDouble();
}

std::optional<Exact> parseExact(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    Exact v;
    bool separator = false, digit = false;
    int significant = 0;
    for (char c : text) {
        if (c == ',' || c == '.') {
            if (separator) return std::nullopt;
            separator = true;
        } else if (c >= '0' && c <= '9') {
            digit = true;
            if (v.units == 0 && c == '0' && !separator) continue;  // a leading zero
            if (++significant > kMaxParsedDigits) return std::nullopt;
            v.units = v.units * 10 + (c - '0');
            if (separator) ++v.scale;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    // Trailing zeros of the decimals carry nothing: "6,559570" is the rate 6,55957.
    while (v.scale > 0 && v.units % 10 == 0) {
        v.units /= 10;
        --v.scale;
    }
    if (negative) v.units = -v.units;
    return v;
}

std::optional<Exact> add(const Exact& a, const Exact& b) {
    return combine(a, b, false);
}

std::optional<Exact> subtract(const Exact& a, const Exact& b) {
    return combine(a, b, true);
}

std::optional<Exact> mulDiv(const Exact& a, const Exact& b, const Exact& c, int places) {
    if (c.isZero()) return std::nullopt;
    // a.u·b.u·10^(places + c.s) / (c.u·10^(a.s + b.s)), the powers of ten cancelled first.
    const int e = places + c.scale - a.scale - b.scale;
    if (e > kMaxDigits || -e > kMaxDigits) return std::nullopt;
    auto num = times(a.units, b.units);
    Int den = c.units;
    if (!num) return std::nullopt;
    if (e >= 0) {
        num = times(*num, pow10(e));
        if (!num) return std::nullopt;
    } else {
        const auto d = times(den, pow10(-e));
        if (!d) return std::nullopt;
        den = *d;
    }
    return Exact{divideRounded(*num, den), places};
}

Exact roundTo(const Exact& v, int places) {
    if (v.scale <= places) return v;
    return Exact{divideRounded(v.units, pow10(v.scale - places)), places};
}

std::string formatFixed(const Exact& v, int places, char ds) {
    Exact r = roundTo(v, places);
    if (r.scale < places) r = Exact{r.units * pow10(places - r.scale), places};
    std::string digits = digitsOf(magnitude(r.units));
    if (digits.size() <= static_cast<std::size_t>(places))
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    if (places > 0) digits.insert(digits.size() - static_cast<std::size_t>(places), 1, ds);
    return r.units < 0 ? "-" + digits : digits;
}

std::string formatShortest(const Exact& v, char ds) {
    Exact r = v;
    while (r.scale > 0 && r.units % 10 == 0) {
        r.units /= 10;
        --r.scale;
    }
    return formatFixed(r, r.scale, ds);
}

}  // namespace zumbrel::business
