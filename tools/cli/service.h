#pragma once

#include <string>

namespace zumbrel::cli {

// --check-update [BASE]: "up-to-date", "newer 2006001 <what it is>", "impossible" or
// "offline". --public-ip [BASE]: the address, or "échoué". Both print one line.
std::string checkUpdate(const std::string& base, int timeoutMs);
std::string publicIp(const std::string& base, int timeoutMs);

}  // namespace zumbrel::cli
