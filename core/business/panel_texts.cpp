#include "business/panel_texts.h"

#include "config/language.h"

namespace zumbrel::business {
namespace {

constexpr Message kTvaPlusHint{"MSG_MF_MM_031", "Calcul TVA"};
constexpr Message kTvaMinusHint{"MSG_MF_MM_032", "Calcul HT sur un TTC"};
constexpr Message kEuroToOtherHint{"MSG_MF_MM_033", "Calcul convertir"};
constexpr Message kOtherToEuroHint{"MSG_MF_MM_034", "Calcul convertir"};
constexpr Message kQuebecPanelHint{"MSG_MF_MM_030", "Affiche le taux TPS et "};

}  // namespace

ButtonCaptions buttonCaptions(std::optional<char> letter) {
    switch (letter.value_or('F')) {
        case 'C':
            return {"+ TVA", "- TVA", "AE Resto", "AE Tasse", false};
        case 'E':
            return {"+ VAT", "- VAT", "IC Rest", "IC Taxes", false};
        case 'G':
            return {"+ Steuern", "- Steuern", "EU Rest", "EU Steuern", false};
        case 'I':
            return {"+ IVA", "- IVA", "AI Resto", "AI Tasse", false};
        case 'P':
            return {"+ IVA", "- IVA", "AE Resto", "AE Taxa", false};
        case 'S':
            return {"+ IVA", "- IVA", "A Resto", "A Imp.", false};
        case 'Q':
            return {"+ Taxes", "- Taxes", "AE Reste", "AE Taxes", true};
        default:
            return {"+ TVA", "- TVA", "AE Reste", "AE Charges", false};
    }
}

std::vector<std::pair<std::string_view, std::string>> composedHints(const Translator& tr,
                                                                    const BusinessRegisters& b) {
    const std::string& rate = b.pnlTauxTVA;
    const std::string& name = b.lblQuebTVP;
    std::string plus, minus;
    if (b.quebec()) {
        plus = "Calcul TPS (" + b.lblTauxTPS + " %) et " + name + " (" + b.lblTauxTVP +
               " %) sur un hors-taxes";
        minus = "Calcul " + name + " (" + b.lblTauxTVP + " %) et TPS (" + b.lblTauxTPS +
                " %) sur un total";
    } else if (config::usesFrenchTexts(b.install, b.letter)) {
        plus = tr.text(kTvaPlusHint) + " (" + rate + " %) sur un HT";
        minus = tr.text(kTvaMinusHint) + " (TVA " + rate + " %)";
    } else {
        // The language files hold the words before the rate only.
        plus = tr.text(kTvaPlusHint) + " (" + rate + " %)";
        minus = tr.text(kTvaMinusHint) + " (" + rate + " %)";
    }
    const std::string& euros = b.lblRefMoneyEuros;
    const std::string& other = b.lblRefMoneyFrancs;
    std::string quebecPanel = tr.text(kQuebecPanelHint);
    if (!quebecPanel.empty() && quebecPanel.back() != ' ') quebecPanel += ' ';
    return {
        {"btnTVAPlus", plus},
        {"btnTVAMoins", minus},
        {"btnEuroToFranc", tr.text(kEuroToOtherHint) + " " + euros + " > " + other},
        {"btnFrancToEuro", tr.text(kOtherToEuroHint) + " " + other + " > " + euros},
        {"pnlTauxTPSTVP", quebecPanel + name + " (double-clic afin de paramétrer)"},
    };
}

std::string rateShown(std::string_view rate, char decimalSeparator) {
    std::string out(rate);
    for (char& c : out) {
        if (c == ',' || c == '.') c = decimalSeparator;
    }
    return out;
}

}  // namespace zumbrel::business
