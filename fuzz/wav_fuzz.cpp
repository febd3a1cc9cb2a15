// Arbitrary bytes as WAV files: no crash, no hang; what is read writes and reads back.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/voice/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zumbrel::voice;
    const auto wave = readWav(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!wave) return 0;
    const auto again = readWav(writeWav(*wave));
    if (!again || again->data != wave->data || !again->sameFormat(*wave)) std::abort();
    const PcmWave trimmed = trimSilence(*wave);
    if (trimmed.data.size() > wave->data.size()) std::abort();
    join({*wave, trimmed});
    return 0;
}
