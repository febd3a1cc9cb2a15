#pragma once

#include <functional>

#include "voice/wav.h"

namespace zumbrel::gui {

// What plays PCM sound: loaded only at the first sound, so that the audio stack stays off
// the start-up path.
class AudioBackend {
  public:
    virtual ~AudioBackend() = default;
    // Plays to the end; the window keeps painting and user input waits until afterwards.
    // False when nothing was heard: no device, or the device failed.
    virtual bool playSync(const voice::PcmWave& wave) = 0;
    // Starts and returns; the next play cuts it off.
    virtual void playAsync(const voice::PcmWave& wave) = 0;
};

// Runs the event loop without user input until done() or the timeout: timers and painting
// go on, keys and clicks are handled afterwards, in order.
void waitKeepingWindowPainted(const std::function<bool()>& done, int timeoutMs);

}  // namespace zumbrel::gui

extern "C" zumbrel::gui::AudioBackend* zumbrel_create_audio_backend();
