#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/config/profile_text.h"

namespace zumbrel::config {

// A file's bytes read once into its sections and entries, so that a read costs a lookup
// instead of a scan of the whole file. Every answer is the one GetPrivateProfileStringA gives
// on the same bytes: the first section of a name, the first entry of a key in it, nothing
// before the first header, comments never found. Arguments and results are bytes in the
// file's own encoding.
class ProfileIndex {
  public:
    explicit ProfileIndex(std::string bytes);
    // Its names are views of its own bytes.
    ProfileIndex(const ProfileIndex&) = delete;
    ProfileIndex& operator=(const ProfileIndex&) = delete;
    // What a read of a file that does not exist gives: the default.
    static GetResult absentFile(OptText defaultText, std::size_t size);

    // GetPrivateProfileStringA on these bytes.
    GetResult get(OptText section, OptText key, OptText defaultText, std::size_t size) const;
    // The whole value, its quotes removed, of the entry a read finds (arguments trimmed of
    // spaces); nothing when the section or key is missing or the entry has no "=".
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
    // Whether a header of that name exists.
    bool hasSection(std::string_view section) const;
    bool isUtf8() const { return utf8_; }

  private:
    struct Span {
        std::size_t at = 0;
        std::size_t size = 0;
    };
    struct Entry {
        Span value;
        bool hasValue = false;  // a name without "=" is found, but reads as absent
    };

    // A name under the number of its section (0 for a section's own name): a view of the
    // file's bytes, or of a name asked for, folded as it is hashed and compared.
    struct Name {
        std::size_t section = 0;
        std::string_view text;
        bool utf8 = false;
    };
    struct NameHash {
        std::size_t operator()(const Name& n) const;
    };
    struct NameEqual {
        bool operator()(const Name& a, const Name& b) const;
    };

    std::string_view text(Span s) const { return std::string_view(data_).substr(s.at, s.size); }
    Span spanOf(std::string_view part) const;
    std::optional<std::size_t> sectionNumber(std::string_view name) const;

    std::string data_;
    bool utf8_ = false;
    std::vector<Span> headers_;                // every header's name, in file order
    std::vector<std::vector<Span>> keyLists_;  // per first section of a name: keys with "="
    std::unordered_map<Name, std::size_t, NameHash, NameEqual> sections_;  // → first of a name
    std::unordered_map<Name, Entry, NameHash, NameEqual> entries_;         // first of a key
};

}  // namespace zumbrel::config
