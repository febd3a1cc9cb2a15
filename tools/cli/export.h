#pragma once

#include <string>

#include "core/headless_calculator.h"

namespace zumbrel::cli {

// --export FILE: the tape as CSV, or as PDF in the printed layout (when the program was built
// with its windows). The format comes from the extension. False, with the reason, on failure.
bool exportTape(const HeadlessCalculator& h, const std::string& path, std::string& error);

}  // namespace zumbrel::cli
