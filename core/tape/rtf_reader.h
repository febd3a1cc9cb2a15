#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tape/rich_text.h"

namespace zumbrel::tape {

enum class ReadProblem {
    None,
    Truncated,  // the document ends before its last group closes: what was read is kept
    NotText,    // neither RTF nor text (binary data): nothing was read
};

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
// in the size of the input, and bounded in memory by a small multiple of it.
ReadResult readRtf(std::string_view bytes, const ReadDefaults& defaults);

// Lines of plain text (UTF-8 when the bytes are valid UTF-8, else Windows-1252).
ReadResult readPlainText(std::string_view bytes, const ReadDefaults& defaults);

// Rich text when the bytes begin with an RTF header, plain text otherwise.
ReadResult readRichOrPlain(std::string_view bytes, const ReadDefaults& defaults);

bool looksLikeRtf(std::string_view bytes);

}  // namespace zumbrel::tape
