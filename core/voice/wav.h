#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zumbrel::voice {

// PCM sound as a WAV file holds it.
struct PcmWave {
    int sampleRate = 22050;
    int channels = 1;
    int bitsPerSample = 16;
    std::string data;  // the samples, little-endian

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    double seconds() const;
    bool sameFormat(const PcmWave& o) const {
        return sampleRate == o.sampleRate && channels == o.channels &&
               bitsPerSample == o.bitsPerSample;
    }
};

// A RIFF WAVE file with PCM samples (8, 16, 24 or 32 bits); nothing for anything else.
std::optional<PcmWave> readWav(std::string_view bytes);
std::string writeWav(const PcmWave& wave);

// Without the quiet at both ends (16-bit sound only), keeping a short margin.
PcmWave trimSilence(const PcmWave& wave, int threshold = 400, int marginMs = 8);

// One gapless sound from several of one format; nothing when the formats differ.
std::optional<PcmWave> join(const std::vector<PcmWave>& waves);

// A short, soft key click.
PcmWave keyClick(int sampleRate = 22050);

}  // namespace zumbrel::voice
