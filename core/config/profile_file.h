#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports.h"

namespace zumbrel::config {
class ProfileIndex;
}

namespace zumbrel::config {

// A settings or language file: read once for a group of reads, changed in memory by a
// group of writes, and written back whole and atomically. Reads are answered from an index of
// the bytes, made on the first read after a load or a change (one thread at a time). Texts in and
// out are UTF-8; the file keeps its own encoding: Windows-1252 as written, UTF-8 when it was read
// as valid UTF-8 (or had a byte-order mark); a new file is Windows-1252.
class ProfileFile {
  public:
    static ProfileFile load(const FileSystem& files, std::string path);
    // A file's bytes held in memory only (a reply from the network), never written.
    static ProfileFile fromBytes(std::string bytes);

    const std::string& path() const { return path_; }
    bool exists() const { return bytes_.has_value(); }
    bool isUtf8() const { return utf8_; }
    bool hasSection(std::string_view section) const;

    // The value as GetPrivateProfileStringA gives it into a 2048-byte buffer, or the default.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view def = {}) const;
    // Nothing when the key is absent (or has no "=").
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    // Decimal, or hexadecimal after "$" or "0x"; anything else gives the default.
    long readInteger(std::string_view section, std::string_view key, long def) const;
    // An integer other than 0 is true; anything else gives the default.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, long value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    void eraseSection(std::string_view section);

    bool changed() const { return changed_; }
    // Writes the bytes to disk atomically; false, with the reason, when it cannot.
    bool save(FileSystem& files, std::string& error);
    const std::optional<std::string>& bytes() const { return bytes_; }

    static std::optional<long> parseInteger(std::string_view text);

  private:
    std::string toFile(std::string_view utf8) const;
    // The same bytes without a copy when the text is plain ASCII (the same in both encodings);
    // otherwise converted into store.
    std::string_view inFile(std::string_view utf8, std::string& store) const;
    std::string fromFile(std::string_view bytes) const;
    // Nothing when the file does not exist.
    const ProfileIndex* index() const;
    void changeTo(std::optional<std::string> bytes);

    std::string path_;
    std::optional<std::string> bytes_;
    bool utf8_ = false;
    bool changed_ = false;
    mutable std::shared_ptr<const ProfileIndex> index_;  // of bytes_; shared by copies
};

}  // namespace zumbrel::config
