#pragma once

#include <string>

#include "core/config/settings.h"

namespace zumbrel::voice {

enum class VoiceKind { Man, Woman, CommonSound, NoSound, Unknown };
VoiceKind voiceKind(const std::string& text);  // "WMa", "WWo", "WCS", "WNS"

// Where the voices are and which one speaks.
struct VoiceState {
    config::InstallCode install = config::InstallCode::E;
    std::string soundRoot;  // with a trailing '/', or empty: silence
    std::string languageFolder = "Fran";
    std::string voiceCode = "W01";  // "M01", "W01" or empty
    std::string kind = "WWo";       // the voice kind as the settings hold it
    bool speakKeys = true;          // RR
    bool wavKeyOnly = false;
    double rate = 1;  // VoiceRate: 1 to 3, the speech sped up at the same pitch

    std::string voiceFolder() const {
        return soundRoot.empty() ? std::string() : soundRoot + languageFolder + voiceCode + "/";
    }
    VoiceKind voiceKind() const { return voice::voiceKind(kind); }
    // The shared click and goodbye sounds of the French woman's folder.
    std::string sharedSound(const char* file) const;
    // Hiding a window says goodbye: with a voice, or with the common sound while the
    // calculator is not halted; never in the "E" installation.
    bool saysGoodbye(bool halted) const;
};

// The language folder code of a language number (1 Fran … 8 Queb); "Fran" for any other.
std::string languageFolderOf(int lang);

}  // namespace zumbrel::voice
