#pragma once

#include <functional>

#include "core/voice/wav.h"

namespace zumbrel::gui {

// What plays PCM sound: loaded only at the first sound, so that the audio stack stays off
// the start-up path.
class AudioBackend {
  public:
    virtual ~AudioBackend() = default;
    // Plays to the end, or until cutShort() says so; the window keeps painting. User input
    // waits until afterwards, or with cutShort given is delivered meanwhile to whoever holds
    // it back (HeldInput). False when nothing was heard: no device, or the device failed.
    virtual bool playSync(const voice::PcmWave& wave,
                          const std::function<bool()>& cutShort = nullptr) = 0;
    // Starts and returns; the next play cuts it off.
    virtual void playAsync(const voice::PcmWave& wave) = 0;
};

// Runs the event loop until done() or the timeout: timers and painting go on; keys and clicks
// are handled afterwards, in order, or with `withInput` delivered meanwhile (to a filter
// that holds them back).
void waitKeepingWindowPainted(const std::function<bool()>& done, int timeoutMs,
                              bool withInput = false);

}  // namespace zumbrel::gui

extern "C" zumbrel::gui::AudioBackend* zumbrel_create_audio_backend();
