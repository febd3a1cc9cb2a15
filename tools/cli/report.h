#pragma once

#include <optional>
#include <string>

#include "core/headless_calculator.h"

namespace zumbrel::cli {

enum class OutputFormat { Text, Ansi, Json };

// What the calculator shows after the keys: tape, history, entry, display, status, events.
// With `find`, the numbers (1-based) of the tape lines that hold it: a last line "found: 1 3"
// ("found:" alone when none does), or "found":[1,3] in JSON.
std::string report(const HeadlessCalculator& h, OutputFormat format,
                   const std::optional<std::string>& find = std::nullopt);

}  // namespace zumbrel::cli
