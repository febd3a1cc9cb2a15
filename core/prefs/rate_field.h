#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zumbrel::prefs {

// What a character typed in a rate field becomes: digits stay, "," and "." become the
// system's decimal separator (refused when the text already holds one); nothing: refused.
std::optional<char> rateCharacter(char typed, std::string_view text, char ds);
// Ceilings take digits only.
std::optional<char> ceilingCharacter(char typed);
// The provincial tax's name takes capital letters only, at most three.
inline constexpr std::size_t kTaxNameLength = 3;
std::optional<char> taxNameCharacter(char typed);

// A rate as the user left it: a leading "0" that a digit follows goes (with a beep): "05"
// is 5; a separator typed first becomes "0,": ",9" is 0,9; "0" and "0,787564" stay.
struct CleanedRate {
    std::string text;
    bool beep = false;
};
CleanedRate cleanRate(std::string text, char ds);

}  // namespace zumbrel::prefs
