#pragma once

#include <string>
#include <vector>

namespace zumbrel::cli {

// The voice folders beside the program: the build's (gui/Resources/Wav) or the installed
// ones (<prefix>/share/zumbrel/Resources/Wav), with a trailing '/'; empty when neither is.
std::string voiceRootBesideProgram();

// Writes the reading of `files` (names in `folder`, as --read lists them) as one WAV file
// spoken `rate` times faster. False, with the reason, when a file is missing or unreadable
// or the WAV cannot be written.
bool renderReading(const std::vector<std::string>& files, const std::string& folder, double rate,
                   const std::string& outPath, std::string& error);

}  // namespace zumbrel::cli
