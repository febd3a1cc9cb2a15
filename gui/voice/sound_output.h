#pragma once

#include <QLibrary>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "core/ports.h"
#include "gui/voice/audio_backend.h"

namespace zumbrel::gui {

// Sound files through the audio backend: decoded once and kept, the words of one reading
// joined into one gapless sound, the backend loaded only at the first sound.
class QtSoundOutput final : public SoundOutput {
  public:
    explicit QtSoundOutput(const FileSystem& files) : files_(files) {}
    ~QtSoundOutput() override;

    void playSync(std::string_view path) override;
    void playSyncSequence(const std::vector<std::string>& paths) override;
    void playAsync(std::string_view path) override;
    void beep(Beep kind) override;

    // Tests give their own backend; otherwise the Qt Multimedia one is loaded when needed.
    void setBackend(std::unique_ptr<AudioBackend> backend) { backend_ = std::move(backend); }
    bool backendLoaded() const { return backend_ != nullptr; }
    // Whether the last synchronous reading was heard whole: false when a file was missing or
    // unreadable, when there is no audio device or when the device failed. The window then
    // tells the screen reader what the voice could not say.
    bool lastReadingHeard() const { return lastHeard_; }
    void forgetLastReading() { lastHeard_ = false; }
    // The voice's rate (1 to 3): readings are sped up at the same pitch, each file once per
    // rate and kept. Clicks and beeps keep their speed.
    std::function<double()> rate;

  private:
    AudioBackend* backend();
    const voice::PcmWave* wave(const std::string& path);
    const voice::PcmWave* spoken(const std::string& path);  // at the rate

    const FileSystem& files_;
    std::unique_ptr<AudioBackend> backend_;
    QLibrary library_;
    bool triedLoading_ = false;
    bool lastHeard_ = false;
    std::unordered_map<std::string, voice::PcmWave> cache_;
    std::unordered_map<std::string, voice::PcmWave> atRateCache_;  // "path@rate"
};

}  // namespace zumbrel::gui
