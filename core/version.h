#pragma once

#include <string_view>

namespace zumbrel {

// The program's version, and the same as the version constant the update check compares:
// one digit of major version, three of minor, three of patch (2.6.0 is 2006000).
inline constexpr std::string_view kVersion = "2.6.0";
inline constexpr long kVersionConstant = 2006000;

}  // namespace zumbrel
