#include "gui/voice/sound_output.h"

#include <QApplication>

#include "core/voice/speech_rate.h"
#include "gui/voice/held_input.h"

namespace zumbrel::gui {

QtSoundOutput::~QtSoundOutput() {
    backend_.reset();
}

AudioBackend* QtSoundOutput::backend() {
    if (backend_ || triedLoading_) return backend_.get();
    triedLoading_ = true;
    // Beside the program in a build, under <prefix>/lib/.../zumbrel once installed.
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {dir + "/libzumbrel_audio", dir + "/" ZUMBREL_AUDIO_FROM_BIN "/libzumbrel_audio"}) {
        library_.setFileName(candidate);
        if (library_.load()) break;
    }
    using Factory = AudioBackend* (*)();
    if (auto create = reinterpret_cast<Factory>(library_.resolve("zumbrel_create_audio_backend")))
        backend_.reset(create());
    return backend_.get();
}

const voice::PcmWave* QtSoundOutput::wave(const std::string& path) {
    if (auto it = cache_.find(path); it != cache_.end()) return &it->second;
    std::string error;
    const auto bytes = files_.read(path, error);
    if (!bytes) return nullptr;  // a missing word is silent
    auto decoded = voice::readWav(*bytes);
    if (!decoded) return nullptr;
    return &cache_.emplace(path, std::move(*decoded)).first->second;
}

const voice::PcmWave* QtSoundOutput::spoken(const std::string& path) {
    const voice::PcmWave* original = wave(path);
    const double r = rate ? rate() : 1.0;
    if (!original || r == 1.0) return original;
    const std::string key = path + '@' + voice::rateText(r);
    if (auto it = atRateCache_.find(key); it != atRateCache_.end()) return &it->second;
    return &atRateCache_.emplace(key, voice::atRate(*original, r)).first->second;
}

void QtSoundOutput::playSync(std::string_view path) {
    playSyncSequence({std::string(path)});
}

void QtSoundOutput::playSyncSequence(const std::vector<std::string>& paths) {
    lastHeard_ = false;
    std::vector<voice::PcmWave> waves;
    for (const std::string& p : paths) {
        if (const voice::PcmWave* w = spoken(p)) waves.push_back(*w);
    }
    if (waves.empty() || !backend()) return;
    // A word missing from the folder leaves a gap in the reading: it was not heard whole.
    bool heard = waves.size() == paths.size();
    // What the user types or clicks meanwhile waits for the end of the reading; a key cuts
    // it short.
    HeldInput input;
    const auto keyPressed = [&input] { return input.keyPressed(); };
    if (auto joined = voice::join(waves)) {
        heard = backend()->playSync(*joined, keyPressed) && heard;
    } else {
        for (const voice::PcmWave& w : waves) {
            if (input.keyPressed()) break;
            heard = backend()->playSync(w, keyPressed) && heard;
        }
    }
    lastHeard_ = heard;
}

void QtSoundOutput::playAsync(std::string_view path) {
    const voice::PcmWave* w = wave(std::string(path));
    if (w && backend()) backend()->playAsync(*w);
}

void QtSoundOutput::beep(Beep) {
    QApplication::beep();
}

}  // namespace zumbrel::gui
