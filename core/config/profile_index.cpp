#include "core/config/profile_index.h"

#include <cstdint>

#include "core/config/codepage.h"
#include "core/config/profile_lines.h"
#include "core/text_util.h"

namespace zumbrel::config {
namespace {

GetResult copyText(std::string_view text, std::size_t size) {
    text = text.substr(0, size - 1);
    return {text.size(), std::string(text)};
}

// Names, each followed by a NUL; a list that does not fit has its last name cut and ends
// with two NULs.
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

// Trailing spaces (and only spaces) of a default are dropped.
std::string_view defaultOf(OptText defaultText) {
    std::string_view def = defaultText.value_or("");
    while (!def.empty() && def.back() == ' ')
        def.remove_suffix(1);
    return def;
}

}  // namespace

ProfileIndex::ProfileIndex(std::string bytes)
    : data_(std::move(bytes)), utf8_(codepage::looksUtf8(data_)) {
    std::string_view body = data_;
    // A UTF-8 byte-order mark stays in the bytes but not in the first line's meaning.
    if (body.starts_with(profile::kBom)) body.remove_prefix(profile::kBom.size());
    // Entries go to the first section of a name; before the first header and under a
    // repeated header they can never be read.
    std::optional<std::size_t> current;
    for (const profile::Line& line : profile::splitLines(body)) {
        const profile::Parsed p = profile::classify(line.content);
        if (p.kind == profile::Kind::Header) {
            headers_.push_back(spanOf(p.name));
            const auto [at, added] =
                sections_.try_emplace(Name{0, p.name, utf8_}, keyLists_.size());
            current.reset();
            if (added) {
                keyLists_.emplace_back();
                current = at->second;
            }
        } else if (p.kind == profile::Kind::Entry && current) {
            Entry e;
            if (p.value) {
                keyLists_[*current].push_back(spanOf(p.name));
                e = {spanOf(profile::unquote(*p.value)), true};
            }
            entries_.try_emplace(Name{*current, p.name, utf8_}, e);
        }
    }
}

GetResult ProfileIndex::absentFile(OptText defaultText, std::size_t size) {
    if (size == 0) return {};
    return copyText(defaultOf(defaultText), size);
}

GetResult ProfileIndex::get(OptText section, OptText key, OptText defaultText,
                            std::size_t size) const {
    if (size == 0) return {};
    std::vector<std::string_view> names;
    if (!section) {
        for (Span s : headers_)
            names.push_back(text(s));
        return copyList(names, size);
    }
    if (!key) {
        const auto number = sectionNumber(trimSpaces(*section));
        if (!number) return copyText(defaultOf(defaultText), size);
        for (Span s : keyLists_[*number])
            names.push_back(text(s));
        return copyList(names, size);
    }
    const auto found = value(*section, *key);
    return copyText(found ? *found : defaultOf(defaultText), size);
}

std::optional<std::string_view> ProfileIndex::value(std::string_view section,
                                                    std::string_view key) const {
    const auto number = sectionNumber(trimSpaces(section));
    if (!number) return std::nullopt;
    const auto at = entries_.find(Name{*number, trimSpaces(key), utf8_});
    if (at == entries_.end() || !at->second.hasValue) return std::nullopt;
    return text(at->second.value);
}

bool ProfileIndex::hasSection(std::string_view section) const {
    return sectionNumber(section).has_value();
}

ProfileIndex::Span ProfileIndex::spanOf(std::string_view part) const {
    return {static_cast<std::size_t>(part.data() - data_.data()), part.size()};
}

namespace {

// FNV-1a over the section's number and the folded characters.
struct NameHasher {
    std::uint64_t h = 14695981039346656037ull;
    void add(std::uint64_t v) {
        h ^= v;
        h *= 1099511628211ull;
    }
};

}  // namespace

std::size_t ProfileIndex::NameHash::operator()(const Name& n) const {
    NameHasher h;
    h.add(n.section);
    for (std::size_t i = 0; i < n.text.size();)
        h.add(profile::nextFoldedCodePoint(n.text, i, n.utf8));
    return static_cast<std::size_t>(h.h);
}

bool ProfileIndex::NameEqual::operator()(const Name& a, const Name& b) const {
    if (a.section != b.section) return false;
    std::size_t i = 0, j = 0;
    while (i < a.text.size() && j < b.text.size()) {
        if (profile::nextFoldedCodePoint(a.text, i, a.utf8) !=
            profile::nextFoldedCodePoint(b.text, j, b.utf8))
            return false;
    }
    return i == a.text.size() && j == b.text.size();
}

std::optional<std::size_t> ProfileIndex::sectionNumber(std::string_view name) const {
    const auto at = sections_.find(Name{0, name, utf8_});
    if (at == sections_.end()) return std::nullopt;
    return at->second;
}

}  // namespace zumbrel::config
