#include "core/prefs/preferences.h"

#include "core/business/business_registers.h"
#include "core/calc/context.h"
#include "core/calc/registers.h"
#include "core/voice/voice_state.h"

namespace zumbrel::prefs {
namespace {

void orDefault(std::string& field, std::string def) {
    if (field.empty()) field = std::move(def);
}

}  // namespace

std::string tabOfIndicator(int indicator) {
    if (indicator < 1 || indicator > 8) indicator = 1;
    return "TabSheet" + std::to_string(indicator);
}

bool tabHidden(std::string_view tab, config::InstallCode code) {
    return (tab == "TabSheet3" && code == config::InstallCode::QT) ||
           (tab == "TabSheet4" && code == config::InstallCode::E);
}

bool separatorEnabled(char code, char ds) {
    if (code == 'C') return ds == '.';
    if (code == 'P') return ds == ',';
    return true;
}

char separatorOfCode(std::string_view code) {
    if (code.size() == 1 && std::string_view("NSQCP").find(code[0]) != std::string_view::npos)
        return code[0];
    return 'Q';
}

int decimalsOfText(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '5') return text[0] - '0';
    return 2;
}

Choices choicesOf(const Holders& h) {
    const business::BusinessRegisters& b = h.business;
    Choices c;
    c.decimals = decimalsOfText(h.registers.lblNbrDecPref);
    c.separator = separatorOfCode(h.registers.lblSepDec);
    c.warnCR = h.settings.warnCR;
    c.seekUpdate = h.settings.seekUpdate;
    c.voice = h.voice.kind;
    c.speakKeys = h.voice.speakKeys;
    c.rate = h.voice.rate;
    c.vat = b.lblTauxTVA;
    c.tps = b.lblTauxTPS;
    c.tvp = b.lblTauxTVP;
    c.taxName = b.lblQuebTVP;
    c.euroRate = b.lblTauxEuro;
    c.euroToFranc = b.btnEuroToFranc;
    c.francToEuro = b.btnFrancToEuro;
    c.francs = b.lblRefMoneyFrancs;
    c.euros = b.lblRefMoneyEuros;
    c.aeRate = b.lblTauxAE_;
    c.aeCeiling = b.lblCAMaxAE_;
    c.profile = static_cast<int>(b.profileRow()) + 1;
    return c;
}

void apply(const Choices& c, Holders& h) {
    h.registers.lblNbrDecPref = std::to_string(c.decimals);
    h.voice.wavKeyOnly = c.decimals >= 4;  // four and five decimals are read digit by digit
    h.registers.lblSepDec = std::string(1, c.separator);
    h.settings.warnCR = c.warnCR;
    h.settings.seekUpdate = c.seekUpdate;
    h.voice.kind = c.voice;
    h.voice.voiceCode = c.voice == "WMa" ? "M01" : "W01";
    h.voice.speakKeys = c.speakKeys;
    h.voice.rate = c.rate;

    business::BusinessRegisters& b = h.business;
    // The rate in use follows an edit of its place in the list, as the profile in use does:
    // 19,6 retyped 20 there makes the keypad's rate 20.
    for (std::size_t i = 0; i < c.vat.size(); ++i) {
        if (c.vat[i] != b.lblTauxTVA[i] && b.pnlTauxTVA == b.lblTauxTVA[i]) {
            b.pnlTauxTVA = c.vat[i];
            break;
        }
    }
    b.lblTauxTVA = c.vat;
    b.lblTauxTPS = c.tps;
    b.lblTauxTVP = c.tvp;
    b.lblQuebTVP = c.taxName;
    b.lblTauxEuro = c.euroRate;
    b.btnEuroToFranc = c.euroToFranc;
    b.btnFrancToEuro = c.francToEuro;
    b.lblRefMoneyFrancs = c.francs;
    b.lblRefMoneyEuros = c.euros;
    b.lblTauxAE_ = c.aeRate;
    b.lblCAMaxAE_ = c.aeCeiling;
    const int p = c.profile >= 1 && c.profile <= 3 ? c.profile : 3;
    b.lblProfilAE = std::to_string(p);
    b.lblTauxAE = c.aeRate[p - 1];
    b.lblCAMaxAE = c.aeCeiling[p - 1];
}

void repairEmptied(Choices& c, char ds) {
    const std::string sep(1, ds);
    const std::array<std::string, 6> vat{
        "2" + sep + "1", "5" + sep + "5", "19" + sep + "6", "4", "5", "6"};
    for (std::size_t i = 0; i < vat.size(); ++i)
        orDefault(c.vat[i], vat[i]);
    orDefault(c.tps, "5");
    orDefault(c.tvp, "9" + sep + "975");  // today's Quebec rate and name
    orDefault(c.taxName, "TVQ");
    orDefault(c.euroRate, "6" + sep + "55957");
    orDefault(c.euroToFranc, "€ > F");
    orDefault(c.francToEuro, "F > €");
    orDefault(c.francs, "francs");
    orDefault(c.euros, "euros");
    const std::array<std::string, 3> rates{"13", "20" + sep + "5", "23"};
    const std::array<std::string, 3> ceilings{"80000", "32000", "32000"};
    for (std::size_t i = 0; i < 3; ++i) {
        orDefault(c.aeRate[i], rates[i]);
        orDefault(c.aeCeiling[i], ceilings[i]);
    }
}

}  // namespace zumbrel::prefs
