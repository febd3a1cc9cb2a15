#pragma once

#include <string>

#include "headless_calculator.h"

namespace zumbrel::cli {

enum class OutputFormat { Text, Ansi, Json };

// What the calculator shows after the keys: tape, history, entry, display, status, events.
std::string report(const HeadlessCalculator& h, OutputFormat format);

}  // namespace zumbrel::cli
