#pragma once

#include <string_view>

namespace zumbrel {

// The text without the spaces (character 32 only) at both ends.
constexpr std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

}  // namespace zumbrel
