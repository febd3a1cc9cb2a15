#pragma once

#include <functional>

#include "core/ports.h"
#include "core/voice/voice_state.h"

namespace zumbrel::voice {

// The talking calculator: the key speaker, the result reader and the keypad's own sounds,
// played through a SoundOutput from the voice folders.
class SpeechVoice final : public Voice {
  public:
    SpeechVoice(VoiceState& state, SoundOutput& sound, const FileSystem& files, Prompts& prompts,
                const Translator& tr)
        : state_(state), sound_(sound), files_(files), prompts_(prompts), tr_(tr) {}

    void speakKey(char key, calc::Registers& regs) override;
    void readResult(const calc::Registers& regs) override;
    void keypadSound(KeypadSound sound, const calc::Registers& regs) override;
    void disarmKeySound() override { armed_ = false; }

    // Files of the voice folder read on demand (the last result, a tape line), whatever
    // WavKeyOnly says; false when no voice speaks (the common sound, silence, the "E"
    // installation), when there is nothing to read or the folder is incomplete.
    bool readAgain(const std::vector<std::string>& files);

    // The common click, or the goodbye sound when "bye.wav" is pending (hiding a window).
    void commonClick(bool goodbye = false);
    bool armed() const { return armed_; }
    // Runs before a result is read: the window shows the result first.
    std::function<void()> beforeReading;
    // Shows the language letter (the language code table); "F" and "Q" keep French texts.
    void setLanguageLetter(char letter) { letter_ = letter; }

  private:
    void play(const std::string& name);  // the voice player: synchronous, folder checked
    void keyClick();                     // the common-sound key click
    void missingFileMessage(bool incompleteFolder);
    bool voiceSpeaks(const calc::Registers& regs) const;

    VoiceState& state_;
    SoundOutput& sound_;
    const FileSystem& files_;
    Prompts& prompts_;
    const Translator& tr_;
    bool armed_ = false;
    char letter_ = 'F';
};

}  // namespace zumbrel::voice
