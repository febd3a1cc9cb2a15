#include "core/business/bmi.h"

#include <algorithm>

#include "core/business/exact.h"

namespace zumbrel::business {
namespace {

struct CategoryText {
    Message name;
    std::string_view low, high;  // the bounds shown, "" for none
    long belowHundredths;        // the class holds every index below this, in hundredths
};

constexpr CategoryText kCategories[] = {
    {{"SEVERE_THINNESS", "Maigreur sévère"}, "", "16,00", 1600},
    {{"WEIGHT_INCAPACITY", "Insuffisance pondérale"}, "", "18,50", 1850},
    {{"NORMAL_VALUES", "Valeurs normales"}, "18,50", "24,99", 2500},
    {{"PRE_OBESE", "Pré-obèses"}, "25,00", "29,99", 3000},
    {{"OBESITE_CLASSIFY_I", "Obésité classe I"}, "30,00", "34,99", 3500},
    {{"OBESITE_CLASSIFY_II", "Obésité classe II"}, "35,00", "39,99", 4000},
    {{"OBESITE_CLASSIFY_III", "Obésité classe III"}, "40,00", "", -1},
};

// The words around the bounds, in the language of the messages.
constexpr Message kBelow{"BMI_BELOW", "inférieur à"};
constexpr Message kFrom{"BMI_FROM", "de"};
constexpr Message kTo{"BMI_TO", "à"};
constexpr Message kAbove{"BMI_ABOVE", "supérieur à"};

std::string bound(std::string_view number, char ds) {
    std::string out(number);
    std::replace(out.begin(), out.end(), ',', ds);
    return out;
}

// " de 18,50 à 24,99", " inférieur à 16,00", " supérieur à 40,00".
std::string rangeText(const CategoryText& c, const Translator& tr, char ds) {
    if (c.low.empty()) return " " + tr.text(kBelow) + " " + bound(c.high, ds);
    if (c.high.empty()) return " " + tr.text(kAbove) + " " + bound(c.low, ds);
    return " " + tr.text(kFrom) + " " + bound(c.low, ds) + " " + tr.text(kTo) + " " +
           bound(c.high, ds);
}

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
    if (!w || !m || !cm || *cm > 99 || *w == 0) return std::nullopt;
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
    return tr.text(c.name) + std::string(spacer) + ":" + rangeText(c, tr, ds);
}

}  // namespace zumbrel::business
