#include "core/config/profile_file.h"

#include <algorithm>
#include <charconv>

#include "core/config/codepage.h"
#include "core/config/profile_index.h"
#include "core/config/profile_text.h"
#include "core/text_util.h"

namespace zumbrel::config {
namespace {

constexpr std::size_t kBuffer = 2048;

}  // namespace

ProfileFile ProfileFile::load(const FileSystem& files, std::string path) {
    ProfileFile f;
    f.path_ = std::move(path);
    std::string error;
    if (files.exists(f.path_)) f.bytes_ = files.read(f.path_, error);
    f.utf8_ = f.bytes_ && codepage::looksUtf8(*f.bytes_);
    return f;
}

ProfileFile ProfileFile::fromBytes(std::string bytes) {
    ProfileFile f;
    f.utf8_ = codepage::looksUtf8(bytes);
    f.bytes_ = std::move(bytes);
    return f;
}

std::string ProfileFile::toFile(std::string_view utf8) const {
    return utf8_ ? std::string(utf8) : codepage::utf8ToCp1252(utf8);
}

std::string_view ProfileFile::inFile(std::string_view utf8, std::string& store) const {
    const bool ascii =
        std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
    if (utf8_ || ascii) return utf8;
    store = codepage::utf8ToCp1252(utf8);
    return store;
}

std::string ProfileFile::fromFile(std::string_view bytes) const {
    if (!utf8_) return codepage::cp1252ToUtf8(bytes);
    if (codepage::isValidUtf8(bytes)) return std::string(bytes);
    // A file that starts with a byte-order mark may still hold stray bytes, and the read
    // buffer may cut a character in two: invalid bytes become U+FFFD, never reach the texts.
    std::string text;
    for (std::size_t i = 0; i < bytes.size();)
        codepage::appendUtf8(text, codepage::nextCodePoint(bytes, i));
    return text;
}

const ProfileIndex* ProfileFile::index() const {
    if (!bytes_) return nullptr;
    if (!index_) index_ = std::make_shared<const ProfileIndex>(*bytes_);
    return index_.get();
}

bool ProfileFile::hasSection(std::string_view section) const {
    const ProfileIndex* idx = index();
    std::string s;
    return idx && idx->hasSection(inFile(section, s));
}

std::optional<std::string> ProfileFile::find(std::string_view section, std::string_view key) const {
    const ProfileIndex* idx = index();
    std::string s, k;
    const auto value = idx ? idx->value(inFile(section, s), inFile(key, k)) : std::nullopt;
    if (!value) return std::nullopt;
    return fromFile(value->substr(0, kBuffer - 1));
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    if (auto value = find(section, key)) return std::move(*value);
    if (def.empty()) return {};
    std::string d;
    return fromFile(*ProfileIndex::absentFile(inFile(def, d), kBuffer).buffer);
}

std::optional<long> ProfileFile::parseInteger(std::string_view t) {
    t = trimSpaces(t);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    int base = 10;
    if (t.starts_with("$")) {
        base = 16;
        t.remove_prefix(1);
    } else if (t.starts_with("0x") || t.starts_with("0X")) {
        base = 16;
        t.remove_prefix(2);
    }
    if (t.empty()) return std::nullopt;
    long long v = 0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), v, base);
    if (res.ec != std::errc{} || res.ptr != t.data() + t.size()) return std::nullopt;
    if (negative) v = -v;
    // Integers are 32 bits wide; hexadecimal wraps as the bit pattern says.
    if (base == 16 && v > 0x7FFFFFFFLL && v <= 0xFFFFFFFFLL) v -= 0x100000000LL;
    if (v < -2147483648LL || v > 2147483647LL) return std::nullopt;
    return static_cast<long>(v);
}

long ProfileFile::readInteger(std::string_view section, std::string_view key, long def) const {
    const auto text = find(section, key);
    if (!text) return def;
    return parseInteger(*text).value_or(def);
}

bool ProfileFile::readBool(std::string_view section, std::string_view key, bool def) const {
    const auto text = find(section, key);
    if (!text) return def;
    const auto v = parseInteger(*text);
    return v ? *v != 0 : def;
}

void ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    std::string v = toFile(value);
    std::erase_if(v, [](char c) { return c == '\r' || c == '\n'; });  // a value never breaks a line
    std::optional<std::string> after = bytes_;
    WritePrivateProfileString(after, toFile(section), toFile(key), v);
    changeTo(std::move(after));
}

void ProfileFile::writeInteger(std::string_view section, std::string_view key, long value) {
    writeString(section, key, std::to_string(value));
}

void ProfileFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void ProfileFile::eraseSection(std::string_view section) {
    if (!bytes_) return;
    std::optional<std::string> after = bytes_;
    WritePrivateProfileString(after, toFile(section), std::nullopt, std::nullopt);
    changeTo(std::move(after));
}

void ProfileFile::changeTo(std::optional<std::string> bytes) {
    if (bytes == bytes_) return;
    bytes_ = std::move(bytes);
    index_.reset();
    changed_ = true;
}

bool ProfileFile::save(FileSystem& files, std::string& error) {
    if (!changed_) return true;
    if (!files.writeAtomically(path_, bytes_.value_or(std::string()), error)) return false;
    changed_ = false;
    return true;
}

}  // namespace zumbrel::config
