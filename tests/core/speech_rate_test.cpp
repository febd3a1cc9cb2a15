// The voice's rate: the setting's values, and speech sped up at the same pitch.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/voice/speech_rate.h"

namespace zumbrel::voice {
namespace {

struct RateText {
    const char* text;
    std::optional<double> rate;
};

TEST(SpeechRate, the_setting_takes_one_to_three_in_quarters) {
    const RateText cases[] = {
        {"1", 1.0},    {"1.25", 1.25}, {"1,5", 1.5},
        {"2", 2.0},    {"3", 3.0},     {"3.00", 3.0},
        {"0.75", {}},  {"3.25", {}},   {"1.3", {}},
        {"", {}},      {"2.", {}},     {".5", {}},
        {"1.2.5", {}}, {"-1", {}},     {"abc", {}},
        {"2.5x", {}},  {"1e0", {}},    {"99999999999999999999", {}},
    };
    for (const RateText& c : cases)
        EXPECT_EQ(parseRate(c.text), c.rate) << '"' << c.text << '"';
}

TEST(SpeechRate, is_written_back_as_read_and_stepped_within_bounds) {
    for (double r = kSlowestRate; r <= kFastestRate; r += kRateStep)
        EXPECT_EQ(parseRate(rateText(r)), r) << rateText(r);
    EXPECT_EQ(rateText(1.5), "1.5");
    EXPECT_EQ(rateText(2.75), "2.75");
    EXPECT_EQ(fasterRate(1.0), 1.25);
    EXPECT_EQ(fasterRate(3.0), 3.0);
    EXPECT_EQ(slowerRate(1.0), 1.0);
    EXPECT_EQ(slowerRate(2.0), 1.75);
}

// A voiced sound: a 150 Hz glottal-like pulse train through a resonance, one second long.
PcmWave voicedSound(double pitchHz, int sampleRate = 22050) {
    PcmWave w;
    w.sampleRate = sampleRate;
    const int n = sampleRate;
    double y1 = 0, y2 = 0;
    for (int i = 0; i < n; ++i) {
        const double phase = std::fmod(i * pitchHz / sampleRate, 1.0);
        const double pulse = phase < 0.1 ? 1.0 : 0.0;
        const double y = pulse + 1.6 * y1 - 0.8 * y2;  // a resonance near 800 Hz
        y2 = y1;
        y1 = y;
        const auto s = static_cast<std::int16_t>(std::lround(y * 2500));
        w.data.push_back(static_cast<char>(s & 0xFF));
        w.data.push_back(static_cast<char>((s >> 8) & 0xFF));
    }
    return w;
}

std::vector<double> samples(const PcmWave& w) {
    std::vector<double> x;
    for (std::size_t i = 0; i + 1 < w.data.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(w.data[i]);
        const auto hi = static_cast<unsigned char>(w.data[i + 1]);
        x.push_back(static_cast<std::int16_t>(lo | (hi << 8)));
    }
    return x;
}

// The fundamental frequency by autocorrelation over the middle of the sound (70 to 400 Hz).
double fundamental(const PcmWave& w) {
    const std::vector<double> x = samples(w);
    const std::size_t frame = 2048;
    const std::size_t start = x.size() / 2 - frame / 2;
    int bestLag = 0;
    double best = -1e300;
    for (int lag = w.sampleRate / 400; lag <= w.sampleRate / 70; ++lag) {
        double c = 0;
        for (std::size_t i = 0; i < frame; ++i)
            c += x[start + i] * x[start + i + static_cast<std::size_t>(lag)];
        if (c > best) {
            best = c;
            bestLag = lag;
        }
    }
    return static_cast<double>(w.sampleRate) / bestLag;
}

class AtRate : public ::testing::TestWithParam<double> {};

TEST_P(AtRate, lasts_a_rate_th_of_the_time_at_the_same_pitch) {
    const double rate = GetParam();
    const PcmWave original = voicedSound(150);
    const PcmWave faster = atRate(original, rate);
    ASSERT_TRUE(faster.sameFormat(original));
    EXPECT_NEAR(faster.seconds(), original.seconds() / rate, 0.05 * original.seconds() / rate);
    EXPECT_NEAR(fundamental(faster), fundamental(original), 0.10 * fundamental(original));
}

INSTANTIATE_TEST_SUITE_P(SpeechRate, AtRate, ::testing::Values(1.25, 1.5, 2.0, 2.5, 3.0),
                         [](const auto& info) {
                             return "rate_x" + std::to_string(static_cast<int>(info.param * 100));
                         });

TEST(SpeechRate, leaves_rate_one_and_other_formats_as_they_are) {
    const PcmWave original = voicedSound(150);
    EXPECT_EQ(atRate(original, 1.0).data, original.data);
    PcmWave wide = original;
    wide.bitsPerSample = 32;
    wide.data.resize(wide.data.size() / 4 * 4);
    EXPECT_EQ(atRate(wide, 2.0).data, wide.data);
    EXPECT_TRUE(atRate(PcmWave{}, 2.0).data.empty());
}

}  // namespace
}  // namespace zumbrel::voice
