#include "core/config/profile_text.h"

#include <algorithm>

#include "core/config/codepage.h"
#include "core/config/profile_index.h"
#include "core/config/profile_lines.h"
#include "core/text_util.h"

namespace zumbrel::config {
namespace {

using profile::Kind;
using profile::Line;
using profile::Parsed;

constexpr std::string_view kCrLf = "\r\n";

// The file as lines; a UTF-8 byte-order mark stays in the bytes but not in the first line's
// meaning, so that a file saved by a Linux editor still has its first section.
struct Document {
    std::string_view bom;
    std::vector<Line> lines;
    std::vector<Parsed> parsed;
    bool utf8 = false;

    explicit Document(std::string_view data) : utf8(codepage::looksUtf8(data)) {
        if (data.starts_with(profile::kBom)) {
            bom = data.substr(0, 3);
            data.remove_prefix(3);
        }
        lines = profile::splitLines(data);
        parsed.reserve(lines.size());
        for (const Line& l : lines)
            parsed.push_back(profile::classify(l.content));
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

}  // namespace

bool sameName(std::string_view a, std::string_view b, bool utf8) {
    if (a.size() == b.size() && a == b) return true;
    return profile::foldedName(a, utf8) == profile::foldedName(b, utf8);
}

GetResult GetPrivateProfileString(const std::optional<std::string>& file, OptText section,
                                  OptText key, OptText defaultText, std::size_t size) {
    if (!file) return ProfileIndex::absentFile(defaultText, size);
    return ProfileIndex(*file).get(section, key, defaultText, size);
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
