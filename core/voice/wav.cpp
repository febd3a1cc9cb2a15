#include "core/voice/wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zumbrel::voice {
namespace {

std::uint32_t u32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24);
}

std::uint16_t u16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

std::int16_t sample16(const std::string& data, std::size_t i) {
    return static_cast<std::int16_t>(u16(data, i * 2));
}

}  // namespace

double PcmWave::seconds() const {
    const int frame = bytesPerFrame();
    return frame > 0 && sampleRate > 0 ? static_cast<double>(data.size()) / frame / sampleRate
                                       : 0.0;
}

std::optional<PcmWave> readWav(std::string_view b) {
    if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
    PcmWave w;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string_view id = b.substr(at, 4);
        const std::uint32_t size = u32(b, at + 4);
        const std::size_t body = at + 8;
        const std::size_t available = std::min<std::size_t>(size, b.size() - body);
        if (id == "fmt ") {
            if (available < 16) return std::nullopt;
            const std::uint16_t format = u16(b, body);
            if (format != 1 && format != 0xFFFE) return std::nullopt;  // PCM, or extensible PCM
            w.channels = u16(b, body + 2);
            w.sampleRate = static_cast<int>(u32(b, body + 4));
            w.bitsPerSample = u16(b, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            w.data = std::string(b.substr(body, available));
            break;
        }
        if (size > b.size() - body) break;
        at = body + size + (size & 1);  // chunks are padded to an even size
    }
    const bool sane = haveFormat && w.channels >= 1 && w.channels <= 8 && w.sampleRate >= 1000 &&
                      w.sampleRate <= 384000 &&
                      (w.bitsPerSample == 8 || w.bitsPerSample == 16 || w.bitsPerSample == 24 ||
                       w.bitsPerSample == 32);
    if (!sane) return std::nullopt;
    w.data.resize(w.data.size() - w.data.size() % static_cast<std::size_t>(w.bytesPerFrame()));
    return w;
}

std::string writeWav(const PcmWave& w) {
    std::string out = "RIFF";
    put32(out, static_cast<std::uint32_t>(36 + w.data.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(w.channels));
    put32(out, static_cast<std::uint32_t>(w.sampleRate));
    put32(out, static_cast<std::uint32_t>(w.sampleRate * w.bytesPerFrame()));
    put16(out, static_cast<std::uint16_t>(w.bytesPerFrame()));
    put16(out, static_cast<std::uint16_t>(w.bitsPerSample));
    out += "data";
    put32(out, static_cast<std::uint32_t>(w.data.size()));
    out += w.data;
    return out;
}

PcmWave trimSilence(const PcmWave& w, int threshold, int marginMs) {
    if (w.bitsPerSample != 16) return w;
    const std::size_t frame = static_cast<std::size_t>(w.bytesPerFrame());
    const std::size_t frames = w.data.size() / frame;
    const std::size_t channels = static_cast<std::size_t>(w.channels);
    auto loud = [&](std::size_t f) {
        for (std::size_t c = 0; c < channels; ++c) {
            if (std::abs(static_cast<int>(sample16(w.data, f * channels + c))) > threshold)
                return true;
        }
        return false;
    };
    std::size_t first = 0;
    while (first < frames && !loud(first))
        ++first;
    if (first == frames) return PcmWave{w.sampleRate, w.channels, w.bitsPerSample, {}};
    std::size_t last = frames;
    while (last > first && !loud(last - 1))
        --last;
    const std::size_t margin =
        static_cast<std::size_t>(w.sampleRate) * static_cast<std::size_t>(marginMs) / 1000;
    first = first > margin ? first - margin : 0;
    last = std::min(frames, last + margin);
    PcmWave out = w;
    out.data = w.data.substr(first * frame, (last - first) * frame);
    return out;
}

std::optional<PcmWave> join(const std::vector<PcmWave>& waves) {
    if (waves.empty()) return std::nullopt;
    PcmWave out = waves.front();
    for (std::size_t i = 1; i < waves.size(); ++i) {
        if (!waves[i].sameFormat(out)) return std::nullopt;
        out.data += waves[i].data;
    }
    return out;
}

PcmWave keyClick(int sampleRate) {
    PcmWave w{sampleRate, 1, 16, {}};
    const int n = sampleRate * 18 / 1000;  // 18 ms
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double envelope = std::exp(-t * 320.0);
        const double v = 0.35 * envelope * std::sin(2 * M_PI * 1800.0 * t);
        put16(w.data, static_cast<std::uint16_t>(static_cast<std::int16_t>(v * 32767)));
    }
    return w;
}

}  // namespace zumbrel::voice
