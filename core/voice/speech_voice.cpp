#include "core/voice/speech_voice.h"

#include "core/calc/registers.h"
#include "core/voice/number_words.h"

namespace zumbrel::voice {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr Message kTitle{"SMSG_MF_016_TITLE", "Option vocale indisponible"};
constexpr Message kLineA{"SMSG_MF_016_LINE_A", "Cette option vocale est absente"};
constexpr Message kLineB{"SMSG_MF_016_LINE_B",
                         "Veuillez changer le sexe de la voix, ou bien choisir"};
constexpr Message kLineC{"SMSG_MF_016_LINE_C",
                         "Sonorité commune\" en \"Options\" > Préférences\" > \"Voix"};
constexpr Message kIncomplete{"SMSG_MF_017", "Dossier voix vide ou incomplet..."};

}  // namespace

// A man's voice always speaks; a woman's voice stops while the calculator waits for Reset.
bool SpeechVoice::voiceSpeaks(const calc::Registers& regs) const {
    const VoiceKind k = state_.voiceKind();
    return k == VoiceKind::Man || (k == VoiceKind::Woman && !regs.halted);
}

void SpeechVoice::play(const std::string& name) {
    const std::string folder = state_.voiceFolder();
    if (folder.empty()) return;
    if (name.empty() || !files_.exists(folder + name)) {
        missingFileMessage(false);
        return;
    }
    sound_.playSync(folder + name);
}

void SpeechVoice::keyClick() {
    if (state_.voiceFolder().empty() || state_.install != config::InstallCode::ZMB) return;
    sound_.playAsync(state_.soundRoot + "FranW01/c.wav");
}

void SpeechVoice::commonClick(bool goodbye) {
    if (state_.voiceFolder().empty()) return;
    sound_.playAsync(goodbye ? state_.sharedSound("bye.wav") : state_.sharedSound("c.wav"));
}

void SpeechVoice::missingFileMessage(bool incompleteFolder) {
    // French texts, unless a language other than French or Quebec French is in force.
    const bool french = letter_ == 'F' || state_.install != config::InstallCode::ZMB;
    auto text = [&](const Message& m) { return french ? std::string(m.french) : tr_.text(m); };
    std::string body;
    if (incompleteFolder)
        body = text(kIncomplete) + "\n\n" + text(kLineA) + ". \n\n";
    else
        body = text(kLineA) + ".\n\n";
    body += text(kLineB) + "\n\"" + text(kLineC) + "\".";
    prompts_.messageBox(text(kTitle), body, Icon::Information, Buttons::Ok);
}

void SpeechVoice::speakKey(char c, calc::Registers& regs) {
    const char ds = regs.decimalSeparator;
    const bool entryEmpty = regs.edtSaisie.empty();
    const bool afterPercent = regs.lblTamponSign2 == '%';
    switch (state_.voiceKind()) {
        case VoiceKind::NoSound:
            if (isDigit(c)) regs.resultShown = false;
            return;
        case VoiceKind::CommonSound:
            if (state_.voiceFolder().empty()) return;
            if (isDigit(c)) {
                if (entryEmpty && afterPercent) return;
                armed_ = true;
                regs.resultShown = false;
                keyClick();
            } else if (c == '*' || c == '+' || c == '-' || c == '/') {
                if (!regs.lblbBegin) return;
                if (!regs.lblTamponSign1) armed_ = true;
                if (armed_) {
                    keyClick();
                    armed_ = false;
                }
            } else if (c == '\r') {
                if (entryEmpty && !afterPercent) return;
                if (regs.lblTamponSign2Caption() != "=") keyClick();
                armed_ = false;
            } else if (c == ds) {
                if (entryEmpty && afterPercent) return;
                keyClick();
                armed_ = false;
            } else if (c == '%' && armed_ && !afterPercent) {
                keyClick();
            }
            return;
        case VoiceKind::Man:
        case VoiceKind::Woman:
            break;
        case VoiceKind::Unknown:
            return;
    }
    if (!voiceSpeaks(regs) || !state_.speakKeys) return;
    if (isDigit(c) && !afterPercent) {
        armed_ = true;
        regs.resultShown = false;
        play(std::string(1, c) + ".wav");
    }
    if (c == ds && !afterPercent) play("separ.wav");
    if (!regs.lblTamponSign1) armed_ = true;
    if ((c == '+' || c == '-' || c == '*' || c == '/') && armed_) {
        const char* word = c == '+'   ? "plus.wav"
                           : c == '-' ? "moins.wav"
                           : c == '*' ? "multipl.wav"
                                      : "divis.wav";
        play(regs.lblbBegin ? word : "oups.wav");
        armed_ = false;
    }
    if (c == '%' && regs.lblTamponSign1 && regs.lblTamponSign2 && !afterPercent && armed_)
        play("pourcent.wav");
    if (c == '\r' && armed_ && !regs.lblTamponNum1.empty()) {
        play("egal.wav");
        armed_ = false;
    }
}

void SpeechVoice::readResult(const calc::Registers& regs) {
    const VoiceKind k = state_.voiceKind();
    if ((k != VoiceKind::Man && k != VoiceKind::Woman) || state_.install == config::InstallCode::E)
        return;
    if (state_.wavKeyOnly) return;
    const std::string folder = state_.voiceFolder();
    if (folder.empty()) return;
    if (!files_.exists(folder + "egal.wav")) {
        missingFileMessage(true);
        return;
    }
    if (beforeReading) beforeReading();
    std::vector<std::string> paths;
    for (const std::string& f : readNumberFiles(regs.edtSaisie, regs.decimalSeparator,
                                                regs.lblNbrDecPref, state_.languageFolder))
        paths.push_back(folder + f);  // a missing word is simply silent
    if (!paths.empty()) sound_.playSyncSequence(paths);
}

bool SpeechVoice::readAgain(const std::vector<std::string>& files) {
    const VoiceKind k = state_.voiceKind();
    if ((k != VoiceKind::Man && k != VoiceKind::Woman) || state_.install == config::InstallCode::E)
        return false;
    const std::string folder = state_.voiceFolder();
    if (folder.empty() || files.empty()) return false;
    if (!files_.exists(folder + "egal.wav")) {
        missingFileMessage(true);
        return false;
    }
    std::vector<std::string> paths;
    for (const std::string& f : files)
        paths.push_back(folder + f);
    sound_.playSyncSequence(paths);
    return true;
}

void SpeechVoice::keypadSound(KeypadSound s, const calc::Registers& regs) {
    if (state_.install == config::InstallCode::E) return;
    const VoiceKind k = state_.voiceKind();
    const bool clickKind = k == VoiceKind::CommonSound && !regs.halted;
    const bool speaks = voiceSpeaks(regs) && state_.speakKeys;
    switch (s) {
        case KeypadSound::DoubleZero:
        case KeypadSound::TripleZero:
        case KeypadSound::PercentButton:
            if (clickKind) keyClick();
            if (speaks) {
                play(s == KeypadSound::DoubleZero   ? "d0.wav"
                     : s == KeypadSound::TripleZero ? "t0.wav"
                                                    : "pourcent.wav");
            }
            break;
        case KeypadSound::PercentBeforeBegin:
            if (k == VoiceKind::Man || k == VoiceKind::Woman) play("oups.wav");
            break;
        case KeypadSound::NothingToCompute:
            if (speaks) play("oups.wav");
            break;
        case KeypadSound::CommonClick:
            if (k == VoiceKind::Man || k == VoiceKind::Woman || clickKind) commonClick();
            break;
    }
}

}  // namespace zumbrel::voice
