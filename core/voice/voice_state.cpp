#include "core/voice/voice_state.h"

namespace zumbrel::voice {

VoiceKind voiceKind(const std::string& text) {
    if (text == "WMa") return VoiceKind::Man;
    if (text == "WWo") return VoiceKind::Woman;
    if (text == "WCS") return VoiceKind::CommonSound;
    if (text == "WNS") return VoiceKind::NoSound;
    return VoiceKind::Unknown;
}

std::string VoiceState::sharedSound(const char* file) const {
    if (install == config::InstallCode::QT && std::string(file) == "c.wav")
        return soundRoot + "W01/c.wav";
    return soundRoot + "FranW01/" + file;
}

std::string languageFolderOf(int lang) {
    static const char* const kFolders[] = {"Fran", "Cors", "Engl", "Germ",
                                           "Ital", "Port", "Span", "Queb"};
    return lang >= 1 && lang <= 8 ? kFolders[lang - 1] : "Fran";
}

bool VoiceState::saysGoodbye(bool halted) const {
    if (install == config::InstallCode::E) return false;
    const VoiceKind k = voiceKind();
    return k == VoiceKind::Man || k == VoiceKind::Woman || (k == VoiceKind::CommonSound && !halted);
}

}  // namespace zumbrel::voice
