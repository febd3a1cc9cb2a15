#include "core/business/panel_texts.h"

#include "core/business/messages.h"
#include "core/config/language.h"

namespace zumbrel::business {
namespace {

constexpr Message kTvaPlusHint{"MSG_MF_MM_031", "Calcul TVA"};
constexpr Message kTvaMinusHint{"MSG_MF_MM_032", "Calcul HT sur un TTC"};
constexpr Message kEuroToOtherHint{"MSG_MF_MM_033", "Calcul convertir"};
constexpr Message kOtherToEuroHint{"MSG_MF_MM_034", "Calcul convertir"};
constexpr Message kQuebecPanelHint{"MSG_MF_MM_030", "Affiche le taux TPS et "};
constexpr Message kQuebecPanelHintEnd{"QUEBEC_PANEL_DOUBLE_CLICK",
                                      "(double-clic afin de paramétrer)"};

}  // namespace

ButtonCaptions buttonCaptions(const Translator& tr, std::optional<char> letter) {
    const std::string se = tr.text(msg::kSE) + " ";
    // Quebec French keeps the built-in French words, with its own word for the charges.
    const std::string charges = letter == 'Q' ? "Taxes" : tr.text(msg::kChargesButton);
    ButtonCaptions c{"+ TVA", "- TVA", se + tr.text(msg::kRemainingButton), se + charges, false};
    switch (letter.value_or('F')) {
        case 'E':
            c.btnTVAPlus = "+ VAT";
            c.btnTVAMoins = "- VAT";
            break;
        case 'G':
            c.btnTVAPlus = "+ Steuern";
            c.btnTVAMoins = "- Steuern";
            break;
        case 'I':
        case 'P':
        case 'S':
            c.btnTVAPlus = "+ IVA";
            c.btnTVAMoins = "- IVA";
            break;
        case 'Q':
            c.btnTVAPlus = "+ Taxes";
            c.btnTVAMoins = "- Taxes";
            c.quebecPanel = true;
            break;
        default:
            break;
    }
    return c;
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
        {"pnlTauxTPSTVP", quebecPanel + name + " " + tr.text(kQuebecPanelHintEnd)},
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
