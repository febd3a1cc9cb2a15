#include "config/profile_text.h"

#include <algorithm>

#include "config/codepage.h"
#include "text_util.h"

namespace zumbrel::config {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

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

std::vector<Line> splitLines(std::string_view data) {
    std::vector<Line> out;
    std::size_t i = 0;
    while (i < data.size()) {
        std::size_t j = i;
        while (j < data.size() && data[j] != '\r' && data[j] != '\n')
            ++j;
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

// The file as lines; a UTF-8 byte-order mark stays in the bytes but not in the first line's
// meaning, so that a file saved by a Linux editor still has its first section.
struct Document {
    std::string_view bom;
    std::vector<Line> lines;
    std::vector<Parsed> parsed;
    bool utf8 = false;

    explicit Document(std::string_view data) : utf8(codepage::looksUtf8(data)) {
        if (data.starts_with(kBom)) {
            bom = data.substr(0, 3);
            data.remove_prefix(3);
        }
        lines = splitLines(data);
        parsed.reserve(lines.size());
        for (const Line& l : lines)
            parsed.push_back(classify(l.content));
    }

    // The first header of that name and the end of its body.
    std::optional<std::pair<std::size_t, std::size_t>> section(std::string_view name) const {
        for (std::size_t i = 0; i < parsed.size(); ++i) {
            if (parsed[i].kind == Kind::Header && sameName(parsed[i].name, name, utf8)) {
                std::size_t j = i + 1;
                while (j < parsed.size() && parsed[j].kind != Kind::Header)
                    ++j;
                return std::make_pair(i, j);
            }
        }
        return std::nullopt;
    }

    std::string join(const std::vector<std::pair<std::string, std::string>>& replaced) const {
        std::string out(bom);
        for (const auto& [content, end] : replaced) {
            out += content;
            out += end;
        }
        return out;
    }
};

std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '\'' || v.front() == '"') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

GetResult copyText(std::string_view text, std::size_t size) {
    text = text.substr(0, size - 1);
    return {text.size(), std::string(text)};
}

GetResult copyList(const std::vector<std::string_view>& names, std::size_t size) {
    std::string out;
    for (std::string_view n : names) {
        if (out.size() + n.size() + 1 > size - 1) {
            const long room = static_cast<long>(size) - 2 - static_cast<long>(out.size());
            if (room <= 0) return {size >= 2 ? size - 2 : 0, out};
            out += n.substr(0, static_cast<std::size_t>(room - 1));
            out += '\0';
            return {size - 2, out};
        }
        out += n;
        out += '\0';
    }
    return {out.size(), out};
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

std::u32string folded(std::string_view s, bool utf8) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = utf8 ? codepage::nextCodePoint(s, i)
                                : codepage::cp1252ToCodePoint(static_cast<unsigned char>(s[i++]));
        out.push_back(foldCodePoint(c));
    }
    return out;
}

}  // namespace

bool sameName(std::string_view a, std::string_view b, bool utf8) {
    if (a.size() == b.size() && a == b) return true;
    return folded(a, utf8) == folded(b, utf8);
}

GetResult GetPrivateProfileString(const std::optional<std::string>& file, OptText section,
                                  OptText key, OptText defaultText, std::size_t size) {
    if (size == 0) return {};
    std::string_view def = defaultText.value_or("");
    while (!def.empty() && def.back() == ' ')
        def.remove_suffix(1);
    if (!file) return copyText(def, size);
    const Document doc(*file);
    if (!section) {
        std::vector<std::string_view> names;
        for (const Parsed& p : doc.parsed) {
            if (p.kind == Kind::Header) names.push_back(p.name);
        }
        return copyList(names, size);
    }
    const auto range = doc.section(trimSpaces(*section));
    if (!range) return copyText(def, size);
    if (!key) {
        std::vector<std::string_view> names;
        for (std::size_t i = range->first + 1; i < range->second; ++i) {
            if (doc.parsed[i].kind == Kind::Entry && doc.parsed[i].value)
                names.push_back(doc.parsed[i].name);
        }
        return copyList(names, size);
    }
    const std::string_view want = trimSpaces(*key);
    for (std::size_t i = range->first + 1; i < range->second; ++i) {
        const Parsed& p = doc.parsed[i];
        if (p.kind != Kind::Entry || !sameName(p.name, want, doc.utf8)) continue;
        if (!p.value) break;  // a name without "=" is not found
        return copyText(unquote(*p.value), size);
    }
    return copyText(def, size);
}

bool WritePrivateProfileString(std::optional<std::string>& file, OptText sectionArg, OptText keyArg,
                               OptText value) {
    if (!sectionArg) return false;
    const std::string_view section = trimSpaces(*sectionArg);
    const std::optional<std::string_view> key =
        keyArg ? std::optional<std::string_view>(trimSpaces(*keyArg)) : std::nullopt;
    if (!file) {
        if (!key || !value) {
            file = std::string();
            return true;
        }
        file = "[" + std::string(section) + "]\r\n" + std::string(*key) + "=" +
               std::string(*value) + "\r\n";
        return true;
    }
    const Document doc(*file);
    std::vector<std::pair<std::string, std::string>> lines;
    lines.reserve(doc.lines.size() + 2);
    for (const Line& l : doc.lines)
        lines.emplace_back(std::string(l.content), std::string(l.end));
    const auto range = doc.section(section);

    if (!key) {  // delete the section; its comments and blank lines stay
        if (!range) return true;
        std::vector<std::pair<std::string, std::string>> kept;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool inSection = i > range->first && i < range->second;
            if (i == range->first || (inSection && doc.parsed[i].kind == Kind::Entry)) continue;
            kept.push_back(lines[i]);
        }
        *file = doc.join(kept);
        return true;
    }
    if (range) {
        std::optional<std::size_t> hit;
        if (!key->starts_with(';')) {
            for (std::size_t i = range->first + 1; i < range->second; ++i) {
                if (doc.parsed[i].kind == Kind::Entry &&
                    sameName(doc.parsed[i].name, *key, doc.utf8)) {
                    hit = i;
                    break;
                }
            }
        }
        if (!value) {  // delete the key
            if (hit) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*hit));
            *file = doc.join(lines);
            return true;
        }
        if (hit) {  // replace it in place, unless it already holds the value
            if (doc.parsed[*hit].value && *doc.parsed[*hit].value == *value) return true;
            lines[*hit] = {std::string(doc.parsed[*hit].name) + "=" + std::string(*value),
                           std::string(kCrLf)};
            *file = doc.join(lines);
            return true;
        }
        std::size_t last = range->first;  // after the last entry of the section
        for (std::size_t i = range->first + 1; i < range->second; ++i) {
            if (doc.parsed[i].kind == Kind::Entry) last = i;
        }
        if (lines[last].second.empty()) lines[last].second = kCrLf;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                     {std::string(*key) + "=" + std::string(*value), std::string(kCrLf)});
        *file = doc.join(lines);
        return true;
    }
    if (!value) return true;
    std::string out = *file;
    if (!out.empty() && out.back() != '\r' && out.back() != '\n') out += kCrLf;
    out += "[" + std::string(section) + "]\r\n" + std::string(*key) + "=" + std::string(*value) +
           "\r\n";
    *file = std::move(out);
    return true;
}

}  // namespace zumbrel::config
