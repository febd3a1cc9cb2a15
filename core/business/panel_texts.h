#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/business/business_registers.h"
#include "core/ports.h"

namespace zumbrel::business {

// The captions the language sets on the business buttons, and which tax panel shows. The
// tax buttons' captions belong to the language; the self-employed buttons name the
// self-employed as the profile panel does (the SE text), followed by their own word.
struct ButtonCaptions {
    std::string_view btnTVAPlus;
    std::string_view btnTVAMoins;
    std::string BtnCAResteAE;
    std::string BtnChargesAE;
    bool quebecPanel;  // pnlTauxTPSTVP instead of pnlTauxTVA
};
ButtonCaptions buttonCaptions(const Translator& tr, std::optional<char> letter);

// A rate as the program shows it: its decimal mark, "," or ".", in the program's separator
// ("19.6" is "19,6" when the separator is ",").
std::string rateShown(std::string_view rate, char decimalSeparator);

// The hints that tell the rates and names in use: control name and text, for btnTVAPlus,
// btnTVAMoins, btnEuroToFranc, btnFrancToEuro and pnlTauxTPSTVP.
std::vector<std::pair<std::string_view, std::string>> composedHints(const Translator& tr,
                                                                    const BusinessRegisters& b);

}  // namespace zumbrel::business
