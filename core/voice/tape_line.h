#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/calc/number_text.h"

namespace zumbrel::voice {

// What a tape line says when it is read back: its operator's word, then its number, in the
// words of a language folder ("+ 12,50" is plus.wav then the files of 12,5). A line without
// a number (a title, a comment, a rule) says nothing.
std::vector<std::string> readTapeLineFiles(std::string_view line, const calc::FormatOptions& opt,
                                           std::string_view language);

}  // namespace zumbrel::voice
