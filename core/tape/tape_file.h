#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ports.h"
#include "tape/rtf_reader.h"
#include "tape/tape.h"

namespace zumbrel::tape {

// Writes the whole tape as an RTF file, atomically. False, with the reason, on failure.
bool saveTapeFile(const Tape& tape, FileSystem& files, std::string_view path, std::string& error);

struct OpenResult {
    bool ok = false;
    ReadProblem problem = ReadProblem::None;
    std::string error;  // why nothing was read
};

// Replaces the tape by a file: RTF, or plain text in the tape's default style, right-aligned.
// What is typed next starts a new line, even when the file's last line has no line break.
// The typing style and the calculator are not touched. A file that cannot be read, or that
// is not text, leaves the tape as it was.
OpenResult openTapeFile(Tape& tape, const FileSystem& files, std::string_view path);

// LoadStrangeRTF: a header or footer file, rich text when it begins with an RTF header and
// plain text otherwise; nothing when it cannot be read.
std::optional<RichText> LoadStrangeRTF(const FileSystem& files, std::string_view path,
                                       const ReadDefaults& defaults, std::string& error);

// Surligner: the background highlight of the open line and of the text typed next.
inline void Surligner(Tape& tape, Color background) {
    tape.highlightOpenLine(background);
}

}  // namespace zumbrel::tape
