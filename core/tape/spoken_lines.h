#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zumbrel::tape {

// The words a screen reader says for the tape's drawn lines, in the interface language.
struct SpokenWords {
    std::string rule = "trait";               // a rule line
    std::string total = "total";              // before the result under a rule
    std::string rootOf = "racine carrée de";  // "racine carrée de 9,00 : 3,00"
    std::string root = "racine carrée";       // a root whose number is not above it
    std::string minus = "moins";              // the subtraction's en dash, "– 120,00"
};

// What a screen reader should say for a tape line, given the two lines above it (empty at
// the top of the tape); nothing when the line reads well as it stands. A rule line (em
// dashes) is "trait", the number under a rule is "total 108,00", and a root line
// ("V² : 3,00") names the number it is the root of when that number stands above the rule.
// The subtraction's sign, an en dash a reader may skip, is said in words: "moins 120,00".
std::optional<std::string> spokenLine(std::string_view line, std::string_view above,
                                      std::string_view twoAbove, const SpokenWords& words);

}  // namespace zumbrel::tape
