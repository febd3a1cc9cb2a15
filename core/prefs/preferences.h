#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/config/settings.h"

namespace zumbrel {
namespace calc {
struct CalcSettings;
struct Registers;
}  // namespace calc
namespace business {
struct BusinessRegisters;
}
namespace voice {
struct VoiceState;
}
}  // namespace zumbrel

namespace zumbrel::prefs {

// The tabs by name, in the window's order. The panels that open the window name a tab by an
// indicator "1" to "8": TabSheet1 to TabSheet8, wherever it stands.
inline constexpr std::array<std::string_view, 9> kTabs{"TabSheet1", "TabSheet2", "TabSheet3",
                                                       "TabSheet4", "TabSheet5", "TabSheet8",
                                                       "TabSheet6", "TabSheet7", "TabSheet9"};
std::string tabOfIndicator(int indicator);
// The update tab has no place in the "QT" installation, the voice tab none in "E".
bool tabHidden(std::string_view tab, config::InstallCode code);

// Thousands separators: the comma only where the decimal separator is ".", the point only
// where it is ",". A code the system cannot take stays checked and blinks.
bool separatorEnabled(char code, char ds);
char separatorOfCode(std::string_view code);  // N, S, Q, C or P; any other text: Q
int decimalsOfText(std::string_view text);    // "0" to "5"; any other text: 2

// What the window's controls hold, as plain values.
struct Choices {
    int decimals = 2;
    char separator = 'Q';
    bool warnCR = false;
    bool seekUpdate = false;
    std::string voice = "WWo";  // WMa, WWo, WCS, WNS
    bool speakKeys = true;
    double rate = 1;  // the voice's speed, 1 to 3
    std::array<std::string, 6> vat;
    std::string tps;
    std::string tvp;
    std::string taxName;
    std::string euroRate;
    std::string euroToFranc;
    std::string francToEuro;
    std::string francs;
    std::string euros;
    std::array<std::string, 3> aeRate;
    std::array<std::string, 3> aeCeiling;
    int profile = 3;  // 1 A, 2 B, 3 C
};

// What the window edits: the calculator's registers and flags, the business registers and
// the voice.
struct Holders {
    calc::Registers& registers;
    calc::CalcSettings& settings;
    business::BusinessRegisters& business;
    voice::VoiceState& voice;
};

// The controls filled when the window opens.
Choices choicesOf(const Holders& h);
// Every choice into its holder, as it stands: each change takes effect at once.
void apply(const Choices& c, Holders& h);
// Closing: an emptied field takes its default first (the field, so that copying it cannot
// empty its register), then everything is applied.
void repairEmptied(Choices& c, char ds);
inline void close(Choices& c, Holders& h, char ds) {
    repairEmptied(c, ds);
    apply(c, h);
}

}  // namespace zumbrel::prefs
