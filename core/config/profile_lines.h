#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the private-profile functions see a file: lines, and what each line is. Shared by the
// functions that change a file and by the index that answers reads.
namespace zumbrel::config::profile {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Line {
    std::string_view content;
    std::string_view end;  // CR LF, CR, LF or nothing
};

enum class Kind { Blank, Header, Comment, Entry };

struct Parsed {
    Kind kind = Kind::Blank;
    std::string_view name;                  // header name or entry key
    std::optional<std::string_view> value;  // entry value, when the line has "="
};

// CR LF, LF and CR each end a line; the last line needs no end.
std::vector<Line> splitLines(std::string_view data);
// A line trimmed of blanks (space, tab, vertical tab): blank, header, comment or entry.
Parsed classify(std::string_view content);
// One pair of enclosing quotes, ' or ", is removed from a value of two characters or more.
std::string_view unquote(std::string_view value);
// A name folded for comparison without regard to case: Windows-1252 letters, or the
// letters of a UTF-8 file (an invalid byte folds to U+FFFD).
std::u32string foldedName(std::string_view name, bool utf8);
// The folded character at i of a name, and i moved past it.
char32_t nextFoldedNonAscii(std::string_view name, std::size_t& i, bool utf8);
inline char32_t nextFoldedCodePoint(std::string_view name, std::size_t& i, bool utf8) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c >= 0x80) return nextFoldedNonAscii(name, i, utf8);
    ++i;
    return c >= 'A' && c <= 'Z' ? c + 32 : c;  // the same byte in both encodings
}

}  // namespace zumbrel::config::profile
