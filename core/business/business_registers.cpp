#include "core/business/business_registers.h"

#include <utility>

namespace zumbrel::business {

void BusinessRegisters::chooseVatRate(std::size_t row) {
    if (row < lblTauxTVA.size()) pnlTauxTVA = lblTauxTVA[row];
}

void BusinessRegisters::chooseProfile(std::size_t row) {
    if (row >= lblTauxAE_.size()) return;
    lblTauxAE = lblTauxAE_[row];
    lblCAMaxAE = lblCAMaxAE_[row];
    lblProfilAE = std::to_string(row + 1);
}

std::vector<std::string> BusinessRegisters::profileRows(const std::string& profileWord,
                                                        const std::string& seWord) const {
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < lblTauxAE_.size(); ++i) {
        const char letter = static_cast<char>('A' + i);
        rows.push_back(profileWord + " " + seWord + "  " + letter + "  (" + lblTauxAE_[i] + " %  " +
                       lblCAMaxAE_[i] + ")");
    }
    return rows;
}

bool BusinessRegisters::set(std::string_view name, std::string text) {
    const std::pair<std::string_view, std::string*> registers[] = {
        {"tva", &pnlTauxTVA},        {"tps", &lblTauxTPS},         {"tvp", &lblTauxTVP},
        {"tvp-name", &lblQuebTVP},   {"money-rate", &lblTauxEuro}, {"ae-rate", &lblTauxAE},
        {"ae-ceiling", &lblCAMaxAE},
    };
    for (const auto& [n, r] : registers) {
        if (n == name) {
            *r = std::move(text);
            return true;
        }
    }
    return false;
}

void BusinessRegisters::take(const config::Settings& s) {
    pnlTauxTVA = s.tva;
    lblTauxTVA = s.rateTVA;
    lblTauxTPS = s.rateTPS;
    lblTauxTVP = s.rateTVP;
    lblQuebTVP = s.quebTVP;
    // The rate the conversions compute with is the one the panel shows.
    lblTauxEuro = s.rateMoney.empty() ? s.money : s.rateMoney;
    lblRefMoneyEuros = s.exchangeOtherEu;
    lblRefMoneyFrancs = s.exchangeOtherFr;
    btnEuroToFranc = s.btnEToFTitle;
    btnFrancToEuro = s.btnFToETitle;
    lblTauxAE_ = s.rateAEs;
    lblCAMaxAE_ = s.caMaxAEs;
    lblTauxAE = s.rateAE;
    lblCAMaxAE = s.caMaxAE;
    lblProfilAE = s.profilAE;
}

void BusinessRegisters::give(config::Settings& s) const {
    s.tva = pnlTauxTVA;
    s.rateTVA = lblTauxTVA;
    s.rateTPS = lblTauxTPS;
    s.rateTVP = lblTauxTVP;
    s.quebTVP = lblQuebTVP;
    s.money = s.rateMoney = lblTauxEuro;
    s.exchangeOtherEu = lblRefMoneyEuros;
    s.exchangeOtherFr = lblRefMoneyFrancs;
    s.btnEToFTitle = btnEuroToFranc;
    s.btnFToETitle = btnFrancToEuro;
    s.rateAEs = lblTauxAE_;
    s.caMaxAEs = lblCAMaxAE_;
    s.rateAE = lblTauxAE;
    s.caMaxAE = lblCAMaxAE;
    s.profilAE = lblProfilAE;
}

}  // namespace zumbrel::business
