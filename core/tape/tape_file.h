#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ports.h"
#include "core/tape/rtf_reader.h"
#include "core/tape/tape.h"

namespace zumbrel::tape {

// Writes the whole tape as an RTF file, atomically. False, with the reason, on failure.
// `journal`: the calculator's journal of the tape, kept where word processors skip it.
bool saveTapeFile(const Tape& tape, FileSystem& files, std::string_view path, std::string& error,
                  std::string_view journal = {});

// A tape file larger than this is refused before it is read.
inline constexpr std::uint64_t kMaxTapeFileBytes = 64u << 20;
// A tape file of more lines than this is refused; reading stops at the first line too many,
// so the document is never built.
inline constexpr std::size_t kMaxTapeLines = 2'000'000;

// Why a file was not opened.
enum class OpenFailure {
    None,
    Unreadable,    // the system could not read it (error says why)
    TooLarge,      // over kMaxTapeFileBytes: not read at all
    NotATape,      // neither RTF nor text (a picture, an archive)
    TooManyLines,  // over kMaxTapeLines lines
};

struct OpenResult {
    bool ok = false;
    ReadProblem problem = ReadProblem::None;
    OpenFailure failure = OpenFailure::None;
    std::string error;    // the system's reason, for an unreadable file
    std::string journal;  // the calculator's journal the file keeps, if any
    bool rtf = false;     // the file was RTF (a text file is not saved over as RTF unasked)
};

// What becomes of a file's last line when it has no line break.
enum class LastLine {
    Closed,    // what is typed next starts a new line below it (a tape opened)
    StaysOpen  // it is the tape's open line, as it was (a tape restored after a crash)
};

// Replaces the tape by a file: RTF, or plain text in the tape's default style, right-aligned.
// The typing style and the calculator are not touched. A file that cannot be read, that is
// larger than kMaxTapeFileBytes, longer than kMaxTapeLines or that is not text, leaves the
// tape as it was.
OpenResult openTapeFile(Tape& tape, const FileSystem& files, std::string_view path,
                        LastLine last = LastLine::Closed);

// LoadStrangeRTF: a header or footer file, rich text when it begins with an RTF header and
// plain text otherwise; nothing when it cannot be read.
std::optional<RichText> LoadStrangeRTF(const FileSystem& files, std::string_view path,
                                       const ReadDefaults& defaults, std::string& error);

// Surligner: the background highlight of the open line and of the text typed next.
inline void Surligner(Tape& tape, Color background) {
    tape.highlightOpenLine(background);
}

}  // namespace zumbrel::tape
