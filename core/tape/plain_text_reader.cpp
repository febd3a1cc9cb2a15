// Plain text files, and the choice between plain and rich text.

#include <algorithm>

#include "core/config/codepage.h"
#include "core/tape/rtf_reader.h"

namespace zumbrel::tape {
namespace {

// Line breaks as the reader ends lines: CR LF, a lone CR and a lone LF each end one.
std::size_t countLineBreaks(std::string_view bytes) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++n;
    }
    return n;
}

}  // namespace

ReadResult readPlainText(std::string_view bytes, const ReadDefaults& defaults,
                         std::size_t maxLineBreaks) {
    ReadResult result;
    if (bytes.find('\0') != std::string_view::npos) {
        result.problem = ReadProblem::NotText;
        return result;
    }
    const std::size_t breaks = countLineBreaks(bytes);
    if (breaks > maxLineBreaks) {
        result.problem = ReadProblem::TooManyLines;
        return result;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::string text =
        codepage::isValidUtf8(bytes) ? std::string(bytes) : codepage::cp1252ToUtf8(bytes);
    // Control characters have no place on a tape; line breaks and tabs stay.
    std::erase_if(text, [](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n';
    });
    // U+FFFE and U+FFFF are no characters: they read as an unknown one, as in rich text.
    for (std::size_t at = text.find("\xEF\xBF"); at != std::string::npos;
         at = text.find("\xEF\xBF", at + 1)) {
        if (at + 2 < text.size() && (text[at + 2] == '\xBE' || text[at + 2] == '\xBF'))
            text[at + 2] = '\xBD';
    }
    result.text.reserve(breaks + 1, breaks + 1, text.size());
    const std::uint32_t style = result.text.intern(defaults.style);
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find_first_of("\r\n", start);
        result.text.setAlign(defaults.align);
        result.text.append(std::string_view(text).substr(
                               start, end == std::string::npos ? std::string::npos : end - start),
                           style);
        if (end == std::string::npos) break;
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
        result.text.newParagraph(defaults.align);
    }
    return result;
}

bool looksLikeRtf(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return bytes.starts_with("{\\rtf");
}

ReadResult readRichOrPlain(std::string_view bytes, const ReadDefaults& defaults,
                           std::size_t maxLineBreaks) {
    return looksLikeRtf(bytes) ? readRtf(bytes, defaults, maxLineBreaks)
                               : readPlainText(bytes, defaults, maxLineBreaks);
}

}  // namespace zumbrel::tape
