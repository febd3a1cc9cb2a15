#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zumbrel::info {

// The machine figures of the About window, read on Linux from /proc/meminfo, sysconf,
// /proc/cpuinfo and the home folder's file system. A figure that cannot be read is nothing,
// and is shown as "—".
struct MachineFigures {
    std::optional<std::uint64_t> memoryKb;  // total physical memory
    std::optional<int> memoryLoad;          // percent in use
    std::optional<long> processors;
    std::string processorRevision;           // "family 6, model 85, stepping 7"
    std::optional<std::uint64_t> diskTotal;  // bytes
    std::optional<std::uint64_t> diskFree;
};

// From the text of /proc/meminfo: MemTotal, and the share not MemAvailable.
std::optional<std::uint64_t> memoryTotalKb(std::string_view meminfo);
std::optional<int> memoryLoadPercent(std::string_view meminfo);
// From the text of /proc/cpuinfo: the first processor's family, model and stepping.
std::string processorRevision(std::string_view cpuinfo);

// The window's lines.
inline constexpr std::string_view kUnknown = "—";
std::string groupThousands(std::uint64_t n, std::string_view separator);
std::string memoryText(const MachineFigures& f, std::string_view separator,
                       std::string_view unit = "Ko");  // "16 384 000 Ko"
std::string loadText(const MachineFigures& f);         // "42 %"
std::string diskTotalText(const MachineFigures& f, std::string_view separator,
                          std::string_view unit = "octets");
std::string diskFreeText(const MachineFigures& f, std::string_view separator,
                         std::string_view unit = "octets");
// "Espace utilisé  : 75 %"; "—" when the size is unknown or zero.
std::string diskUsedText(const MachineFigures& f, std::string_view caption = "Espace utilisé  :");

}  // namespace zumbrel::info
