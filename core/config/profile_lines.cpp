#include "core/config/profile_lines.h"

#include <algorithm>

#include "core/config/codepage.h"

namespace zumbrel::config::profile {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char32_t foldCodePoint(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
        case 0x160:
            return 0x161;  // Š
        case 0x152:
            return 0x153;  // Œ
        case 0x17D:
            return 0x17E;  // Ž
        case 0x178:
            return 0xFF;  // Ÿ
        default:
            return c;
    }
}

}  // namespace

std::vector<Line> splitLines(std::string_view data) {
    std::vector<Line> out;
    std::size_t i = 0;
    while (i < data.size()) {
        const std::size_t j = std::min(data.find_first_of("\r\n", i), data.size());
        std::size_t endLength = 0;
        if (j < data.size())
            endLength = (data[j] == '\r' && j + 1 < data.size() && data[j + 1] == '\n') ? 2 : 1;
        out.push_back({data.substr(i, j - i), data.substr(j, endLength)});
        i = j + endLength;
    }
    return out;
}

Parsed classify(std::string_view content) {
    const std::string_view t = trimBlanks(content);
    if (t.empty()) return {};
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        const std::string_view name =
            close == std::string_view::npos ? t.substr(1) : t.substr(1, close - 1);
        return {Kind::Header, trimBlanks(name), std::nullopt};
    }
    if (t.front() == ';') return {Kind::Comment, {}, std::nullopt};
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return {Kind::Entry, t, std::nullopt};
    std::string_view key = t.substr(0, eq);
    while (!key.empty() && isBlank(key.back()))
        key.remove_suffix(1);
    std::string_view value = t.substr(eq + 1);
    while (!value.empty() && isBlank(value.front()))
        value.remove_prefix(1);
    return {Kind::Entry, key, value};
}

std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '\'' || v.front() == '"') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

char32_t nextFoldedNonAscii(std::string_view s, std::size_t& i, bool utf8) {
    const char32_t c = utf8 ? codepage::nextCodePoint(s, i)
                            : codepage::cp1252ToCodePoint(static_cast<unsigned char>(s[i++]));
    return foldCodePoint(c);
}

std::u32string foldedName(std::string_view s, bool utf8) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();)
        out.push_back(nextFoldedCodePoint(s, i, utf8));
    return out;
}

}  // namespace zumbrel::config::profile
