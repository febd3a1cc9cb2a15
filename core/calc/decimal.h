#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zumbrel::calc {

// Conversions between register texts and extended-precision values. They never depend on
// the C locale: the decimal separator is always given.

// "-12,5" -> -12.5 with ds ','. Accepts spaces around, one leading sign, digits with at most
// one separator (a trailing separator as in "12," is fine) and at least one digit. Anything
// else, and magnitudes beyond the long double range, give nothing.
std::optional<long double> parseNumber(std::string_view text, char ds);

// Fixed notation with exactly `decimals` places. The value is first taken to 18 significant
// digits, then rounded half away from zero, so 0.125 gives 0,13 and 1.005 gives 1,01.
// A result that rounds to zero carries no minus sign. Never an exponent.
std::string formatFixed(long double value, int decimals, char ds);

// Up to `significant` significant digits, trailing zeros dropped, positional notation
// (no exponent, whatever the magnitude). Rounded like formatFixed: to 18 significant digits
// first, then half away from zero to `significant`.
std::string formatGeneral(long double value, int significant, char ds);

// Every decimal digit of a value, trailing zeros dropped, and where the point goes:
// 12.5 gives "125e2" (0.125 x 10^2), -0.03 gives "-3e-1".
std::string exactExpansion(long double value);

}  // namespace zumbrel::calc
