#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/tape/rich_text.h"

namespace zumbrel::tape {

enum class ReadProblem {
    None,
    Truncated,     // the document ends before its last group closes: what was read is kept
    NotText,       // neither RTF nor text (binary data): nothing was read
    TooManyLines,  // more line breaks than allowed: reading stopped there, nothing is kept
};

// No limit on the number of lines read.
inline constexpr std::size_t kNoLineLimit = static_cast<std::size_t>(-1);

struct ReadResult {
    RichText text;
    bool wasRtf = false;
    ReadProblem problem = ReadProblem::None;
};

// What text gets where the file does not say: the tape's default attributes, or a plain
// text file's whole formatting.
struct ReadDefaults {
    TextStyle style;
    Align align = Align::Left;
};

// Reads the RTF that word processors and rich-edit controls write. Never recursive, linear
// in the size of the input, and bounded in memory by a small multiple of it. A document with
// more than maxLineBreaks paragraph marks is not built: reading stops at the first mark too
// many (TooManyLines).
ReadResult readRtf(std::string_view bytes, const ReadDefaults& defaults,
                   std::size_t maxLineBreaks = kNoLineLimit);

// Lines of plain text (UTF-8 when the bytes are valid UTF-8, else Windows-1252). The line
// breaks are counted before anything is built.
ReadResult readPlainText(std::string_view bytes, const ReadDefaults& defaults,
                         std::size_t maxLineBreaks = kNoLineLimit);

// Rich text when the bytes begin with an RTF header, plain text otherwise.
ReadResult readRichOrPlain(std::string_view bytes, const ReadDefaults& defaults,
                           std::size_t maxLineBreaks = kNoLineLimit);

bool looksLikeRtf(std::string_view bytes);

}  // namespace zumbrel::tape
