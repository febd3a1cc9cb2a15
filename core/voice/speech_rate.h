#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/voice/wav.h"

namespace zumbrel::voice {

// The voice's speed, from 1 (as recorded) to 3, in steps of 0,25.
inline constexpr double kSlowestRate = 1.0;
inline constexpr double kFastestRate = 3.0;
inline constexpr double kRateStep = 0.25;

// A rate as written in the settings ("1.5", "1,5", "2"): within 1 to 3 and on a step; nothing
// for anything else.
std::optional<double> parseRate(std::string_view text);
// The rate as the settings keep it: "1", "1.25", "3".
std::string rateText(double rate);
// One step faster or slower, within 1 to 3.
double fasterRate(double rate);
double slowerRate(double rate);

// The sound spoken `rate` times faster at the same pitch, the way speech is sped up (whole
// pitch periods are dropped, not the tape played faster). 8- and 16-bit sound; any other
// format, or a rate of 1, comes back as it was.
PcmWave atRate(const PcmWave& wave, double rate);

}  // namespace zumbrel::voice
