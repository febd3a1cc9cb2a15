#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zumbrel::business {

// 128-bit integers are a compiler extension (GCC and Clang on 64-bit targets).
__extension__ typedef __int128 Int128;

// A decimal number held exactly, as units of 10^-scale. Money is computed with it so that
// a tax block adds up to the cent: no binary fraction ever stands between two amounts.
struct Exact {
    Int128 units = 0;
    int scale = 0;

    bool isZero() const { return units == 0; }
    bool isNegative() const { return units < 0; }
    long double toLongDouble() const;
    friend bool operator==(const Exact&, const Exact&);
    friend bool operator<(const Exact&, const Exact&);
};

// "12,5", "12.5", "-3", " 7 " -> the number; "," and "." are both taken as the decimal
// separator, so a rate written under another locale still reads. Anything else (no digit,
// two separators, letters, more than 30 digits) gives nothing.
std::optional<Exact> parseExact(std::string_view text);

// Sums and differences are exact; they fail only beyond 10^36.
std::optional<Exact> add(const Exact& a, const Exact& b);
std::optional<Exact> subtract(const Exact& a, const Exact& b);

// a × b / c rounded half away from zero to `places` decimals; nothing when c is zero or the
// numbers are too large to compute exactly.
std::optional<Exact> mulDiv(const Exact& a, const Exact& b, const Exact& c, int places);

// The number rounded half away from zero to `places` decimals.
Exact roundTo(const Exact& v, int places);

// Fixed notation with exactly `places` decimals (rounded half away from zero).
std::string formatFixed(const Exact& v, int places, char ds);
// The shortest notation: no trailing zeros, no separator for a whole number ("9,975", "5").
std::string formatShortest(const Exact& v, char ds);

}  // namespace zumbrel::business
