#include "business/bmi.h"

#include <algorithm>

#include "business/exact.h"

namespace zumbrel::business {
namespace {

struct CategoryText {
    Message name;
    std::string_view range;
    long belowHundredths;  // the class holds every index below this, in hundredths
};

constexpr CategoryText kCategories[] = {
    {{"SEVERE_THINNESS", "Maigreur sévère"}, " inférieur à 16,00", 1600},
    {{"WEIGHT_INCAPACITY", "Insuffisance pondérale"}, " inférieur à 18,50", 1850},
    {{"NORMAL_VALUES", "Valeurs normales"}, " de 18,50 à 24,99", 2500},
    {{"PRE_OBESE", "Pré-obèses"}, " de 25,00 à 29,99", 3000},
    {{"OBESITE_CLASSIFY_I", "Obésité classe I"}, " de 30,00 à 34,99", 3500},
    {{"OBESITE_CLASSIFY_II", "Obésité classe II"}, " de 35,00 à 39,99", 4000},
    {{"OBESITE_CLASSIFY_III", "Obésité classe III"}, " supérieur à 40,00", -1},
};

// A field of digits only, as the window lets them be typed.
std::optional<long> wholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 4) return std::nullopt;
    long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

std::optional<BodyMassIndex> bodyMassIndex(std::string_view kilos, std::string_view metres,
                                           std::string_view centimetres, char ds) {
    const auto w = wholeNumber(kilos);
    const auto m = wholeNumber(metres);
    const auto cm = wholeNumber(centimetres);
    if (!w || !m || !cm || *cm > 99) return std::nullopt;
    const long height = *m * 100 + *cm;  // in centimetres
    if (height == 0) return std::nullopt;
    // W / (H/100)² = W × 10 000 / H², exactly, to the hundredth.
    const auto index = mulDiv(Exact{*w, 0}, Exact{10000, 0}, Exact{height * height, 0}, 2);
    if (!index) return std::nullopt;
    const long hundredths = static_cast<long>(index->units);
    std::size_t c = 0;
    while (kCategories[c].belowHundredths >= 0 && hundredths >= kCategories[c].belowHundredths)
        ++c;
    const auto category = static_cast<BmiCategory>(c);
    return BodyMassIndex{formatFixed(*index, 2, ds), category, category != BmiCategory::Normal};
}

BmiUnits bmiUnits(std::optional<char> letter, int metres) {
    BmiUnits u{"kilos", "mètre"};
    switch (letter.value_or('F')) {
        case 'C':
            u = {"chili", "metru"};
            break;
        case 'E':
        case 'G':
            u = {"kilos", "meter"};
            break;
        case 'I':
            u = {"chili", "metro"};
            break;
        case 'P':
            u = {"quilos", "metro"};
            break;
        case 'S':
            u = {"kilos", "metro"};
            break;
        default:
            break;
    }
    if (metres < 2) return u;
    u.metres += "s";
    const auto plural = [&](std::string_view ending) {
        if (const auto at = u.metres.find(ending); at != std::string::npos)
            u.metres.replace(at, ending.size(), "i");
    };
    if (letter == 'C') plural("us");
    if (letter == 'I') plural("os");
    return u;
}

std::string categoryName(BmiCategory category, const Translator& tr) {
    return tr.text(kCategories[static_cast<std::size_t>(category)].name);
}

std::string categoryLine(BmiCategory category, const Translator& tr, std::string_view spacer,
                         char ds) {
    const CategoryText& c = kCategories[static_cast<std::size_t>(category)];
    std::string range(c.range);
    std::replace(range.begin(), range.end(), ',', ds);
    return tr.text(c.name) + std::string(spacer) + ":" + range;
}

}  // namespace zumbrel::business
