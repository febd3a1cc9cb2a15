#include "core/voice/speech_rate.h"

#include <sonic.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace zumbrel::voice {
namespace {

bool onStep(double rate) {
    const double steps = (rate - kSlowestRate) / kRateStep;
    return std::abs(steps - std::round(steps)) < 1e-9;
}

double snapped(double rate) {
    const double steps = std::round((rate - kSlowestRate) / kRateStep);
    return std::clamp(kSlowestRate + steps * kRateStep, kSlowestRate, kFastestRate);
}

struct StreamDeleter {
    void operator()(sonicStreamStruct* s) const { sonicDestroyStream(s); }
};
using Stream = std::unique_ptr<sonicStreamStruct, StreamDeleter>;

// Samples of one type through a sonic stream: written whole, flushed, read back.
template <typename Sample, typename Write, typename Read>
std::string throughStream(const PcmWave& wave, double rate, Write write, Read read) {
    Stream stream(sonicCreateStream(wave.sampleRate, wave.channels));
    if (!stream) return wave.data;
    sonicSetSpeed(stream.get(), static_cast<float>(rate));
    const std::size_t frames = wave.data.size() / static_cast<std::size_t>(wave.bytesPerFrame());
    std::vector<Sample> in(frames * static_cast<std::size_t>(wave.channels));
    std::memcpy(in.data(), wave.data.data(), in.size() * sizeof(Sample));
    if (!write(stream.get(), in.data(), static_cast<int>(frames)) ||
        !sonicFlushStream(stream.get()))
        return wave.data;
    std::string out;
    out.reserve(static_cast<std::size_t>(static_cast<double>(wave.data.size()) / rate) + 64);
    std::vector<Sample> chunk(4096 * static_cast<std::size_t>(wave.channels));
    for (;;) {
        const int got = read(stream.get(), chunk.data(), 4096);
        if (got <= 0) break;
        out.append(reinterpret_cast<const char*>(chunk.data()),
                   static_cast<std::size_t>(got) * static_cast<std::size_t>(wave.channels) *
                       sizeof(Sample));
    }
    return out;
}

}  // namespace

std::optional<double> parseRate(std::string_view text) {
    std::string t(text);
    std::replace(t.begin(), t.end(), ',', '.');
    if (t.empty() || t.size() > 8 || t.find_first_not_of("0123456789.") != std::string::npos ||
        std::count(t.begin(), t.end(), '.') > 1 || t.front() == '.' || t.back() == '.')
        return std::nullopt;
    const double rate = std::strtod(t.c_str(), nullptr);
    if (rate < kSlowestRate || rate > kFastestRate || !onStep(rate)) return std::nullopt;
    return rate;
}

std::string rateText(double rate) {
    rate = snapped(rate);
    const int hundredths = static_cast<int>(std::lround(rate * 100));
    std::string text = std::to_string(hundredths / 100);
    const int rest = hundredths % 100;
    if (rest != 0)
        text +=
            "." + std::string(rest % 10 == 0 ? std::to_string(rest / 10) : std::to_string(rest));
    return text;
}

double fasterRate(double rate) {
    return snapped(snapped(rate) + kRateStep);
}
double slowerRate(double rate) {
    return snapped(snapped(rate) - kRateStep);
}

PcmWave atRate(const PcmWave& wave, double rate) {
    if (std::abs(rate - 1.0) < 1e-9 || wave.data.empty() || wave.channels < 1 ||
        wave.sampleRate < 1000)
        return wave;
    PcmWave out = wave;
    if (wave.bitsPerSample == 16) {
        out.data =
            throughStream<short>(wave, rate, sonicWriteShortToStream, sonicReadShortFromStream);
    } else if (wave.bitsPerSample == 8) {
        out.data = throughStream<unsigned char>(wave, rate, sonicWriteUnsignedCharToStream,
                                                sonicReadUnsignedCharFromStream);
    }
    return out;
}

}  // namespace zumbrel::voice
