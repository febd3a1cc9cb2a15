#include "core/config/settings.h"

namespace zumbrel::config {
namespace {

constexpr std::string_view kConfig = "CONFIG";
constexpr std::string_view kForm = "FORM1";
constexpr std::string_view kRibbon = "RIBBON";
constexpr std::string_view kMemories = "MEMORYDAD";
constexpr std::string_view kList = "LISTMEMORY";
constexpr std::string_view kRecent = "RECENT";
constexpr int kRecentTapes = 8;

std::string rate(const char* whole, char ds, const char* fraction) {
    return std::string(whole) + ds + fraction;
}

std::string firstChars(std::string s, std::size_t n) {
    // Characters, not bytes: a UTF-8 sequence is never cut.
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && count++ == n) {
            s.resize(i);
            break;
        }
    }
    return s;
}

// A translucency value must hold an integer; anything else keeps the default.
std::string alphaValue(const ProfileFile& f, std::string_view section, std::string_view key,
                       ReadReport& report) {
    const std::string v = f.readString(section, key, "255");
    if (ProfileFile::parseInteger(v)) return v;
    report.ignoredValues.push_back(std::string(key));
    return "255";
}

}  // namespace

const char* installCodeText(InstallCode code) {
    switch (code) {
        case InstallCode::ZMB:
            return "ZMB";
        case InstallCode::QT:
            return "QT";
        case InstallCode::E:
            return "E";
    }
    return "E";
}

Settings Settings::firstRun(char ds) {
    Settings s;
    s.tva = rate("19", ds, "6");
    s.rateTVA = {rate("2", ds, "10"), rate("5", ds, "5"), rate("19", ds, "6"), "4", "5", "6"};
    s.rateTVP = rate("9", ds, "975");
    s.money = s.rateMoney = rate("6", ds, "55957");
    s.rateAEs = {"13", rate("20", ds, "5"), "23"};
    return s;
}

std::optional<int> Settings::opacity(const std::string& alphaBool, const std::string& alphaValue) {
    if (alphaBool != "True") return std::nullopt;
    const long v = ProfileFile::parseInteger(alphaValue).value_or(255);
    return static_cast<int>(((v % 256) + 256) % 256);
}

void ReadSettings(const ProfileFile& f, char ds, Settings& s, ReadReport& report) {
    for (int i = 0; i < 4; ++i)
        s.memories[i] = f.readString(kMemories, "Memory" + std::to_string(i + 1));

    s.nbrDec = firstChars(f.readString(kConfig, "NbrDec", "2"), 4);
    s.sepDec = f.readString(kConfig, "SepDec", "Q");
    s.warnCR = f.readBool(kConfig, "WarnCR", true);
    s.tva = f.readString(kConfig, "TVA", rate("19", ds, "6"));
    const std::string rateDefaults[6] = {
        rate("2", ds, "10"), rate("5", ds, "5"), rate("19", ds, "6"), "4", "5", "6"};
    for (int i = 0; i < 6; ++i)
        s.rateTVA[i] = f.readString(kConfig, "RateTVA" + std::to_string(i + 1), rateDefaults[i]);
    s.rateTPS = f.readString(kConfig, "RateTPS", "5");
    s.rateTVP = f.readString(kConfig, "RateTVP", rate("7", ds, "50"));
    s.quebTVP = f.readString(kConfig, "QuebTVP", "TVP");
    s.money = f.readString(kConfig, "Money", rate("6", ds, "55957"));
    s.rateMoney = f.readString(kConfig, "RateMoney", rate("6", ds, "55957"));

    s.keyboardAlphaBlendBool = f.readString(kForm, "KeyboardAlphaBlendBool", "False");
    s.keyboardAlphaBlendValue = alphaValue(f, kForm, "KeyboardAlphaBlendValue", report);
    s.ribbonAlphaBlendBool = f.readString(kRibbon, "RibbonAlphaBlendBool", "False");
    s.ribbonAlphaBlendValue = alphaValue(f, kRibbon, "RibbonAlphaBlendValue", report);

    for (int i = 0; i < 3; ++i)
        s.rateAEs[i] = f.readString(kConfig, "RateAE" + std::to_string(i + 1));
    s.rateAE = f.readString(kConfig, "RateAE");
    s.profilAE = f.readString(kConfig, "ProfilAE");
    for (int i = 0; i < 3; ++i)
        s.caMaxAEs[i] = f.readString(kConfig, "CAMaxAE" + std::to_string(i + 1));
    s.caMaxAE = f.readString(kConfig, "CAMaxAE");

    s.modifiedWarn = f.readBool(kConfig, "ModifiedWarn", true);
    s.okBoxGum = f.readBool(kConfig, "OKBoxGum", true);
    s.shortAnnouncements = f.readBool(kConfig, "ShortAnnouncements", false);
    s.countItems = f.readBool(kConfig, "CountItems", false);
    s.voiceRate = f.readString(kConfig, "VoiceRate", "1");
    s.btnFToETitle = f.readString(kConfig, "BtnFToETitle", "F > €");
    s.btnEToFTitle = f.readString(kConfig, "BtnEToFTitle", "€ > F");
    s.exchangeOtherFr = f.readString(kConfig, "ExchangeOtherFr", "francs");
    s.exchangeOtherEu = f.readString(kConfig, "ExchangeOtherEu", "euros");

    s.displayFontName = f.readString(kConfig, "DisplayFontName", "7LED");
    s.displayFontColor = f.readInteger(kConfig, "DisplayFontColor", 8388608);
    s.displayFontSize = f.readInteger(kConfig, "DisplayFontSize", 24);
    const long style = f.readInteger(kConfig, "DisplayFontStyle", s.displayFontStyle);
    if (style >= 1 && style <= 3) s.displayFontStyle = style;  // other values change nothing
    s.displayBackColor = f.readInteger(kConfig, "DisplayBackColor", 16770790);
    s.displayTop = f.readInteger(kConfig, "DisplayTop", 34);
    s.displayHeight = f.readInteger(kConfig, "DisplayHeight", 33);

    s.ribbonFontName = f.readString(kRibbon, "RibbonFontName", "Courier New");
    s.ribbonFontColor = f.readInteger(kRibbon, "RibbonFontColor", 0);
    s.ribbonFontSize = static_cast<int>(f.readInteger(kRibbon, "RibbonFontSize", 12) & 0xFF);
    s.ribbonBackColor = f.readInteger(kRibbon, "RibbonBackColor", 16766935);

    s.magnet = f.readBool(kForm, "Magnet", false);
    s.stayOnTop = f.readBool(kConfig, "StayOnTop", false);
    s.wavKeyOnly = f.readBool(kConfig, "WavKeyOnly", false);
    s.hideKeyboard = f.readBool(kForm, "HideKeyboard", false);
    s.hideRibbon = f.readBool(kRibbon, "HideRibbon", false);
    s.skin = f.readString(kForm, "Skin", "");
    s.lblRibbonTop = f.readString(kRibbon, "Top", "0");
    s.lblRibbonLeft = f.readString(kRibbon, "Left", "0");
    s.lblRibbonHeight = f.readString(kRibbon, "Height", "0");
    s.lblRibbonWidth = f.readString(kRibbon, "Width", "0");

    s.listNbr.clear();
    for (int i = 0;; ++i) {
        auto item = f.find(kList, "Nbr" + std::to_string(i));
        if (!item) break;
        s.listNbr.push_back(std::move(*item));
    }
    s.recentTapes.clear();
    for (int i = 1; i <= kRecentTapes; ++i) {
        auto file = f.find(kRecent, "File" + std::to_string(i));
        if (!file) break;
        if (!file->empty()) s.recentTapes.push_back(std::move(*file));
    }
    // Four or five decimals are spoken digit by digit.
    if (s.nbrDec == "0" || s.nbrDec == "1" || s.nbrDec == "2" || s.nbrDec == "3")
        s.wavKeyOnly = false;
    if (s.nbrDec == "4" || s.nbrDec == "5") s.wavKeyOnly = true;
}

ReadReport ReadINI(const ProfileFile& f, InstallCode code, char ds, Settings& s) {
    ReadReport report;
    report.markerPresent = f.find(kConfig, "Alpha").has_value();
    auto readVoice = [&] {
        s.rr = f.readBool(kConfig, "RR", true);
        s.voice = firstChars(f.readString(kConfig, "Voice", ""), 4);
    };
    switch (code) {
        case InstallCode::ZMB:
            if (!report.markerPresent) {
                s.lang = 1;
                s.rr = true;
                s.magnet = false;
                break;
            }
            s.lang = static_cast<int>(f.readInteger(kConfig, "Lang", 0) & 0xFF);
            readVoice();
            ReadSettings(f, ds, s, report);
            s.seekUpdate = f.readBool(kConfig, "SeekUpdate", true);
            break;
        case InstallCode::QT:
            if (!report.markerPresent) {
                s.rr = true;
                break;
            }
            ReadSettings(f, ds, s, report);
            readVoice();
            break;
        case InstallCode::E:
            if (!report.markerPresent) break;
            ReadSettings(f, ds, s, report);
            s.seekUpdate = f.readBool(kConfig, "SeekUpdate", true);
            break;
    }
    return report;
}

void WriteSettings(ProfileFile& f, const Settings& s) {
    f.writeString(kConfig, "Alpha", "1");
    for (int i = 0; i < 4; ++i)
        f.writeString(kMemories, "Memory" + std::to_string(i + 1), s.memories[i]);
    f.writeString(kConfig, "NbrDec", s.nbrDec);
    f.writeString(kConfig, "SepDec", s.sepDec);
    f.writeBool(kConfig, "WarnCR", s.warnCR);
    if (!s.tva.empty()) f.writeString(kConfig, "TVA", s.tva);
    for (int i = 0; i < 6; ++i)
        f.writeString(kConfig, "RateTVA" + std::to_string(i + 1), s.rateTVA[i]);
    f.writeString(kConfig, "RateTPS", s.rateTPS);
    f.writeString(kConfig, "RateTVP", s.rateTVP);
    f.writeString(kConfig, "QuebTVP", s.quebTVP);
    if (!s.money.empty()) f.writeString(kConfig, "Money", s.money);
    f.writeString(kConfig, "RateMoney", s.rateMoney);
    f.writeString(kForm, "KeyboardAlphaBlendBool", s.keyboardAlphaBlendBool);
    f.writeString(kForm, "KeyboardAlphaBlendValue", s.keyboardAlphaBlendValue);
    f.writeString(kRibbon, "RibbonAlphaBlendBool", s.ribbonAlphaBlendBool);
    f.writeString(kRibbon, "RibbonAlphaBlendValue", s.ribbonAlphaBlendValue);
    for (int i = 0; i < 3; ++i)
        f.writeString(kConfig, "RateAE" + std::to_string(i + 1), s.rateAEs[i]);
    f.writeString(kConfig, "RateAE", s.rateAE);
    f.writeString(kConfig, "ProfilAE", s.profilAE);
    for (int i = 0; i < 3; ++i)
        f.writeString(kConfig, "CAMaxAE" + std::to_string(i + 1), s.caMaxAEs[i]);
    f.writeString(kConfig, "CAMaxAE", s.caMaxAE);
    f.writeBool(kConfig, "ModifiedWarn", s.modifiedWarn);
    f.writeBool(kConfig, "OKBoxGum", s.okBoxGum);
    f.writeBool(kConfig, "ShortAnnouncements", s.shortAnnouncements);
    f.writeBool(kConfig, "CountItems", s.countItems);
    f.writeString(kConfig, "VoiceRate", s.voiceRate);
    f.writeString(kConfig, "BtnFToETitle", s.btnFToETitle);
    f.writeString(kConfig, "BtnEToFTitle", s.btnEToFTitle);
    f.writeString(kConfig, "ExchangeOtherFr", s.exchangeOtherFr);
    f.writeString(kConfig, "ExchangeOtherEu", s.exchangeOtherEu);
    f.writeString(kConfig, "DisplayFontName", s.displayFontName);
    f.writeInteger(kConfig, "DisplayFontColor", s.displayFontColor);
    f.writeInteger(kConfig, "DisplayFontSize", s.displayFontSize);
    f.writeInteger(kConfig, "DisplayFontStyle", s.displayFontStyle);
    f.writeInteger(kConfig, "DisplayBackColor", s.displayBackColor);
    f.writeInteger(kConfig, "DisplayTop", s.displayTop);
    f.writeInteger(kConfig, "DisplayHeight", s.displayHeight);
    f.writeString(kRibbon, "RibbonFontName", s.ribbonFontName);
    f.writeInteger(kRibbon, "RibbonFontColor", s.ribbonFontColor);
    f.writeInteger(kRibbon, "RibbonFontSize", s.ribbonFontSize);
    f.writeInteger(kRibbon, "RibbonBackColor", s.ribbonBackColor);
    f.writeBool(kForm, "Magnet", s.magnet);
    f.writeBool(kConfig, "StayOnTop", s.stayOnTop);
    f.writeBool(kConfig, "WavKeyOnly", s.wavKeyOnly);
    f.writeBool(kForm, "HideKeyboard", s.hideKeyboard);
    f.writeBool(kRibbon, "HideRibbon", s.hideRibbon);
    // Files of users who never chose a skin stay as they were.
    if (!s.skin.empty() || f.find(kForm, "Skin")) f.writeString(kForm, "Skin", s.skin);
    f.eraseSection(kList);
    for (std::size_t i = 0; i < s.listNbr.size(); ++i)
        f.writeString(kList, "Nbr" + std::to_string(i), s.listNbr[i]);
    f.eraseSection(kRecent);
    for (std::size_t i = 0; i < s.recentTapes.size() && i < kRecentTapes; ++i)
        f.writeString(kRecent, "File" + std::to_string(i + 1), s.recentTapes[i]);
}

void writeOnClose(ProfileFile& f, InstallCode code, const Settings& s) {
    if (code == InstallCode::ZMB) f.writeInteger(kConfig, "LANG", s.lang);
    WriteSettings(f, s);
    if (code != InstallCode::QT) f.writeBool(kConfig, "SeekUpdate", s.seekUpdate);
    if (code != InstallCode::E) {
        f.writeBool(kConfig, "RR", s.rr);
        f.writeString(kConfig, "Voice", s.voice);
    }
}

std::optional<Point> LoadFormPlacement(const ProfileFile& f) {
    if (!f.exists()) return Point{429, 87};
    if (!f.hasSection(kForm)) return std::nullopt;
    return Point{f.readInteger(kForm, "Left", 0), f.readInteger(kForm, "Top", 0)};
}

void SaveFormPlacement(ProfileFile& f, Point topLeft) {
    f.writeInteger(kForm, "Left", topLeft.x);
    f.writeInteger(kForm, "Top", topLeft.y);
}

std::optional<RibbonPlacement> LoadRibbonPlacement(const ProfileFile& f) {
    if (!f.hasSection(kRibbon)) return std::nullopt;
    RibbonPlacement p;
    p.maximized = f.readBool(kRibbon, "Maximized", false);
    p.normal = {f.readInteger(kRibbon, "Left", 0), f.readInteger(kRibbon, "Top", 0),
                f.readInteger(kRibbon, "Width", 0), f.readInteger(kRibbon, "Height", 0)};
    return p;
}

// The normal rectangle is written even while the tape is maximised: the next start restores
// the tape to it, not to the screen's corner.
void SaveRibbonPlacement(ProfileFile& f, const RibbonPlacement& p) {
    f.writeBool(kRibbon, "Maximized", p.maximized);
    f.writeInteger(kRibbon, "Left", p.normal.left);
    f.writeInteger(kRibbon, "Top", p.normal.top);
    f.writeInteger(kRibbon, "Height", p.normal.height);
    f.writeInteger(kRibbon, "Width", p.normal.width);
}

}  // namespace zumbrel::config
