#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zumbrel::voice {

// The files that read a result aloud in French words: "-12,05" gives moins.wav, 12.wav,
// separ.wav, 0.wav, 5.wav. nbrDecPref is the decimal-places setting.
std::vector<std::string> readNumberFiles(std::string_view text, char ds,
                                         std::string_view nbrDecPref);

}  // namespace zumbrel::voice
