#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ports.h"

namespace zumbrel::business {

// The World Health Organization's classes of the body-mass index.
enum class BmiCategory {
    SevereThinness,
    Underweight,
    Normal,
    PreObese,
    ObesityI,
    ObesityII,
    ObesityIII
};

struct BodyMassIndex {
    std::string index;  // two decimals, with the decimal separator: "23,94"
    BmiCategory category;
    bool advice;  // "consult your doctor" goes with every class but the normal one
};

// The index of a weight in kilograms and a height of `metres` and `centimetres` (1 and "5"
// is 1,05 m), computed exactly and rounded half up to two decimals; the class is the one of
// the number shown, so they always agree. Nothing when a field is no whole number, or the
// weight or the height is zero.
std::optional<BodyMassIndex> bodyMassIndex(std::string_view kilos, std::string_view metres,
                                           std::string_view centimetres, char ds);

// The unit words after the fields, by language letter: "kilos" and "mètre", "mètres" for
// two metres ("metri" in Corsican and Italian).
struct BmiUnits {
    std::string kilos;
    std::string metres;
};
BmiUnits bmiUnits(std::optional<char> letter, int metres);

// The class's name ("Valeurs normales") and its line on the window ("Valeurs normales : de
// 18,50 à 24,99"), in the language of the messages, its bounds written with the decimal
// separator the index is written with.
std::string categoryName(BmiCategory category, const Translator& tr);
std::string categoryLine(BmiCategory category, const Translator& tr, std::string_view spacer,
                         char ds);

}  // namespace zumbrel::business
