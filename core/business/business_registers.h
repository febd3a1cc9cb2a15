#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/business/margin.h"
#include "core/config/settings.h"

namespace zumbrel::business {

// The rates, names and profiles the business blocks compute with: the captions of the
// keypad's rate panels and of their hidden labels, kept as the texts they are.
struct BusinessRegisters {
    config::InstallCode install = config::InstallCode::ZMB;
    std::optional<char> letter = 'F';  // the language letter: 'Q' computes the Quebec taxes

    // VAT and the Quebec sales taxes.
    std::string pnlTauxTVA = "19,6";  // the rate in use
    std::array<std::string, 6> lblTauxTVA{"2,1", "5,5", "19,6", "4", "5", "6"};
    std::string lblTauxTPS = "5";
    std::string lblTauxTVP = "9,975";
    std::string lblQuebTVP = "TVQ";  // the provincial tax's name

    // Currency: units of the other currency for one euro, and the two names.
    std::string lblTauxEuro = "6,55957";
    std::string lblRefMoneyEuros = "euros";
    std::string lblRefMoneyFrancs = "francs";
    std::string btnEuroToFranc = "€ > F";
    std::string btnFrancToEuro = "F > €";

    // Self-employed profiles A, B, C and the one in use ("1" to "3").
    std::array<std::string, 3> lblTauxAE_{"13", "20,5", "23"};
    std::array<std::string, 3> lblCAMaxAE_{"80000", "32000", "32000"};
    std::string lblTauxAE = "23";
    std::string lblCAMaxAE = "32000";
    std::string lblProfilAE = "3";

    // The cost, sale price and rate given so far to the margin block.
    MarginValues margin;

    bool quebec() const { return letter == 'Q'; }
    std::string pnlTauxTPSTVP() const { return lblTauxTPS + "   " + lblTauxTVP; }
    std::string pnlAE() const { return lblTauxAE + " %  " + lblCAMaxAE; }
    // The currency panel shows the rate the conversion uses.
    const std::string& pnlEuro() const { return lblTauxEuro; }

    // A row of the VAT rate list chosen (0 to 5).
    void chooseVatRate(std::size_t row);
    // A row of the profile list chosen (0 to 2): its rate and ceiling become the ones in use.
    void chooseProfile(std::size_t row);
    // The row of the profile in use: B and C by their numbers, any other text A.
    std::size_t profileRow() const { return lblProfilAE == "2" ? 1 : lblProfilAE == "3" ? 2 : 0; }
    // The rows of the profile list: "Profil AE  A  (23 %  32000)" with the given words.
    std::vector<std::string> profileRows(const std::string& profileWord,
                                         const std::string& seWord) const;

    // One register by the name scripts give it: tva, tps, tvp, tvp-name, money-rate,
    // ae-rate, ae-ceiling. False for any other name.
    bool set(std::string_view name, std::string text);

    // From and to the settings record (Money and RateMoney are written equal).
    void take(const config::Settings& s);
    void give(config::Settings& s) const;
};

}  // namespace zumbrel::business
