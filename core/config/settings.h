#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/config/profile_file.h"

namespace zumbrel::config {

enum class InstallCode { ZMB, QT, E };
const char* installCodeText(InstallCode code);

// Every setting of Zumbrel.ini, as the program holds it while it runs. Texts are kept as
// they are written; the windows and the calculator take what they need from here and give
// their state back before the settings are written.
struct Settings {
    // [CONFIG]
    int lang = 1;  // 1 FRAN … 8 QUEB; held in one byte
    std::string nbrDec = "2";
    std::string sepDec = "Q";
    bool warnCR = false;
    std::string tva;  // caption of the VAT rate panel
    std::array<std::string, 6> rateTVA;
    std::string rateTPS = "5";
    std::string rateTVP;
    std::string quebTVP = "TVQ";
    std::string money;  // caption of the exchange-rate panel
    std::string rateMoney;
    std::array<std::string, 3> rateAEs{"13", "", "23"};
    std::string rateAE = "23";
    std::string profilAE = "3";
    std::array<std::string, 3> caMaxAEs{"80000", "32000", "32000"};
    std::string caMaxAE = "32000";
    bool modifiedWarn = true;
    bool okBoxGum = true;
    bool shortAnnouncements =
        false;                    // [CONFIG] ShortAnnouncements: "Sous-total" for interim results
    bool countItems = false;      // [CONFIG] CountItems: result lines show their item count
    std::string voiceRate = "1";  // [CONFIG] VoiceRate: the voice's speed, "1" to "3"
    std::string btnFToETitle = "F > €";
    std::string btnEToFTitle = "€ > F";
    std::string exchangeOtherFr = "francs";
    std::string exchangeOtherEu = "euros";
    std::string displayFontName = "MS Sans Serif";
    long displayFontColor = 8388672;
    long displayFontSize = 24;
    long displayFontStyle = 1;  // style bits: 1 bold, 2 italic, 4 underline, 8 strike-out
    long displayBackColor = 16766935;
    long displayTop = 35;
    long displayHeight = 33;
    bool stayOnTop = false;
    bool wavKeyOnly = false;
    bool seekUpdate = false;
    bool rr = true;
    std::string voice = "WWo";

    // [FORM1]
    std::string keyboardAlphaBlendBool = "False";
    std::string keyboardAlphaBlendValue = "255";
    bool magnet = false;
    bool hideKeyboard = false;
    std::string skin;  // the skin chosen in the skins window; empty: the built-in one

    // [RIBBON]
    std::string ribbonAlphaBlendBool = "False";
    std::string ribbonAlphaBlendValue = "255";
    std::string ribbonFontName = "Courier New";
    long ribbonFontColor = 0;
    int ribbonFontSize = 12;  // one byte
    long ribbonBackColor = 16766935;
    bool hideRibbon = false;
    std::string lblRibbonTop = "10", lblRibbonLeft = "10", lblRibbonHeight = "544",
                lblRibbonWidth = "405";

    // [MEMORYDAD] and [LISTMEMORY]
    std::array<std::string, 4> memories;
    std::vector<std::string> listNbr;
    // [RECENT] File1…File8: the last tapes opened or saved, newest first.
    std::vector<std::string> recentTapes;

    // The values before any file is read; rates use the system's decimal separator.
    static Settings firstRun(char ds);
    // Opacity of a window from its translucency texts: nothing when it is opaque.
    static std::optional<int> opacity(const std::string& alphaBool, const std::string& alphaValue);
};

struct ReadReport {
    bool markerPresent = false;
    std::vector<std::string> ignoredValues;  // keys whose text could not be used
};

// ReadINI: the settings the installation code allows, when the file has the settings marker.
ReadReport ReadINI(const ProfileFile& file, InstallCode code, char ds, Settings& s);
// ReadSettings: every key but Alpha, Lang, SeekUpdate, RR, Voice and the placements.
void ReadSettings(const ProfileFile& file, char ds, Settings& s, ReadReport& report);
// WriteSettings with what the close writes around it for the installation code.
void writeOnClose(ProfileFile& file, InstallCode code, const Settings& s);
void WriteSettings(ProfileFile& file, const Settings& s);

struct Point {
    long x = 0;
    long y = 0;
};
struct Rect {
    long left = 0, top = 0, width = 0, height = 0;
};

// The keypad window: where it goes when shown (nothing: where the system puts it).
std::optional<Point> LoadFormPlacement(const ProfileFile& file);
void SaveFormPlacement(ProfileFile& file, Point topLeft);

struct RibbonPlacement {
    bool maximized = false;
    Rect normal;
};
// The tape window: nothing when the file has no [RIBBON] section.
std::optional<RibbonPlacement> LoadRibbonPlacement(const ProfileFile& file);
void SaveRibbonPlacement(ProfileFile& file, const RibbonPlacement& placement);

}  // namespace zumbrel::config
