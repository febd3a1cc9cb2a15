#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zumbrel::voice {

// The files that read a result aloud in the words of a language folder ("Fran", "Engl",
// "Germ", "Ital", "Span", "Port", "Cors", "Queb"; French for any other): "-12,05" gives, in
// French, moins.wav, 12.wav, separ.wav, 0.wav, 5.wav. Decimals are read as a number up to
// three places, digit by digit beyond. nbrDecPref is the decimal-places setting. Only plain
// number texts are read.
std::vector<std::string> readNumberFiles(std::string_view text, char ds,
                                         std::string_view nbrDecPref,
                                         std::string_view language = "Fran");
// The words those files say, separated by spaces.
std::string wordsOfFiles(const std::vector<std::string>& files, std::string_view language);

}  // namespace zumbrel::voice
