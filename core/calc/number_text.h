#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zumbrel::calc {

// How numbers are written: the system's decimal separator (DS) and the two settings
// mirrored in the registers lblNbrDecPref (NbrDec) and lblSepDec (SepDec), kept as the
// texts they are, since any text may stand there.
struct FormatOptions {
    char decimalSeparator = ',';
    std::string nbrDec = "2";
    std::string sepDec = "Q";
};

// NbrDec as a number when it is one of "0" to "5".
std::optional<int> nbrDecPlaces(std::string_view nbrDec);
// Decimal places of results: NbrDec, or 2 for any other text.
int resultPlaces(std::string_view nbrDec);
// The thousands separator in use, or nothing ("N", an unknown letter, or a letter that
// would clash with the decimal separator).
std::optional<char> thousandsSeparator(const FormatOptions& opt);

// Count of decimals of a number text ("12,345" -> 3, "12,5+" -> 1).
int IndicNbrDecim(std::string_view text, char ds);

// Integer part grouped by thousands, decimal part cut to 5 characters.
std::string AddSepToMil(std::string_view text, const FormatOptions& opt);

// The display filled with zeros to the decimal places (to 2 places after a percent).
std::string AddZerosDec(std::string_view display, const FormatOptions& opt, bool afterPercent);

// The result format of a value: fixed NbrDec places, or all significant digits (up to 15)
// while the extra-decimals flag is set. The value must be finite.
std::string GetResultConv(long double value, const FormatOptions& opt, bool extraDecimals);

// The text without its no-break spaces (U+00A0).
std::string DelSpace(std::string_view text);

// The spaces that align b under a (as many as a is longer than b, in characters).
std::string AddPoint(std::string_view a, std::string_view b);

// 1 when b is shorter than a, otherwise 2.
int DedectPlusLongStr(std::string_view a, std::string_view b);

// A text as a screen reader should hear it: a thousands separator between two digits (an
// apostrophe, or whichever of "," and "." is not the decimal separator) becomes a space, so
// that "6'000,00" is read as six thousand, not as "six, zero zero zero".
std::string spokenGrouping(std::string_view text, char ds);

// The entry's capacity: every number is computed to 18 significant digits, so an entry with
// more could only give a false result.
inline constexpr std::size_t kEntryCapacity = 18;
// The significant digits of a number text: its digits from the first one that is not a
// zero (leading zeros, the sign and the separator are not counted; "0,050" has 2).
std::size_t significantDigits(std::string_view text);

// Length in characters of UTF-8 text.
std::size_t characterCount(std::string_view text);

}  // namespace zumbrel::calc
