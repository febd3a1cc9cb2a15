#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The Windows private-profile functions on the bytes of one file, rule for rule: how lines,
// headers, comments and entries are read, and how a write changes only the line it must.
// Arguments and results are bytes in the file's own encoding.
namespace zumbrel::config {

using OptText = std::optional<std::string_view>;  // nothing stands for a NULL argument

struct GetResult {
    std::size_t returned = 0;
    std::optional<std::string> buffer;  // the bytes before the final NUL; nothing when untouched
};

// GetPrivateProfileStringA on a file's bytes (nothing: the file does not exist). Lists are
// returned with their NUL separators.
GetResult GetPrivateProfileString(const std::optional<std::string>& file, OptText section,
                                  OptText key, OptText defaultText, std::size_t size);

// WritePrivateProfileStringA: changes the bytes (creating the file when it did not exist).
// False only for a missing section argument.
bool WritePrivateProfileString(std::optional<std::string>& file, OptText section, OptText key,
                               OptText value);

// Names compare without regard to case, Windows-1252 letters included; a UTF-8 file
// compares its letters the same way.
bool sameName(std::string_view a, std::string_view b, bool utf8);

}  // namespace zumbrel::config
