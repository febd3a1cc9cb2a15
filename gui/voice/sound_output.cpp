#include "voice/sound_output.h"

#include <QApplication>

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

void QtSoundOutput::playSync(std::string_view path) {
    playSyncSequence({std::string(path)});
}

void QtSoundOutput::playSyncSequence(const std::vector<std::string>& paths) {
    lastHeard_ = false;
    std::vector<voice::PcmWave> waves;
    for (const std::string& p : paths) {
        if (const voice::PcmWave* w = wave(p)) waves.push_back(*w);
    }
    if (waves.empty() || !backend()) return;
    // A word missing from the folder leaves a gap in the reading: it was not heard whole.
    bool heard = waves.size() == paths.size();
    if (auto joined = voice::join(waves)) {
        heard = backend()->playSync(*joined) && heard;
    } else {
        for (const voice::PcmWave& w : waves)
            heard = backend()->playSync(w) && heard;
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
