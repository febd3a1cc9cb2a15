#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "config/profile_text.h"

namespace zumbrel::config {

// A file's bytes read once into its sections and entries, so that a read costs a lookup
// instead of a scan of the whole file. Every answer is the one GetPrivateProfileStringA gives
// on the same bytes: the first section of a name, the first entry of a key in it, nothing
// before the first header, comments never found. Arguments and results are bytes in the
// file's own encoding.
class ProfileIndex {
  public:
    explicit ProfileIndex(std::string bytes);
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

    // Names are kept folded, under the number of their section (0 for a section's own
    // name); a name asked for is folded as it is compared, without a copy.
    struct FoldedName {
        std::size_t section = 0;
        std::u32string folded;
    };
    struct AskedName {
        std::size_t section = 0;
        std::string_view text;
        bool utf8 = false;
    };
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(const FoldedName& n) const;
        std::size_t operator()(const AskedName& n) const;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(const FoldedName& a, const FoldedName& b) const;
        bool operator()(const AskedName& a, const FoldedName& b) const;
        bool operator()(const FoldedName& a, const AskedName& b) const { return (*this)(b, a); }
    };

    std::string_view text(Span s) const { return std::string_view(data_).substr(s.at, s.size); }
    Span spanOf(std::string_view part) const;
    std::optional<std::size_t> sectionNumber(std::string_view name) const;

    std::string data_;
    bool utf8_ = false;
    std::vector<Span> headers_;                // every header's name, in file order
    std::vector<std::vector<Span>> keyLists_;  // per first section of a name: keys with "="
    std::unordered_map<FoldedName, std::size_t, NameHash, NameEqual> sections_;  // → first
    std::unordered_map<FoldedName, Entry, NameHash, NameEqual> entries_;         // first of a key
};

}  // namespace zumbrel::config
