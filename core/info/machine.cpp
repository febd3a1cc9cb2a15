#include "core/info/machine.h"

#include <cmath>
#include <cstdio>

namespace zumbrel::info {
namespace {

// The number after "key:" on its line, in the text of a /proc file.
std::optional<std::uint64_t> field(std::string_view text, std::string_view key) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        std::string_view name = line.substr(0, colon);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
            name.remove_suffix(1);
        if (name != key) continue;
        std::uint64_t n = 0;
        bool digit = false;
        for (char c : line.substr(colon + 1)) {
            if (c >= '0' && c <= '9') {
                if (n > (UINT64_MAX - 9) / 10) return std::nullopt;
                n = n * 10 + static_cast<std::uint64_t>(c - '0');
                digit = true;
            } else if (digit) {
                break;
            }
        }
        return digit ? std::optional(n) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint64_t> memoryTotalKb(std::string_view meminfo) {
    return field(meminfo, "MemTotal");
}

std::optional<int> memoryLoadPercent(std::string_view meminfo) {
    const auto total = field(meminfo, "MemTotal");
    const auto available = field(meminfo, "MemAvailable");
    if (!total || !available || *total == 0 || *available > *total) return std::nullopt;
    return static_cast<int>(std::lround(100.0 * static_cast<double>(*total - *available) /
                                        static_cast<double>(*total)));
}

std::string processorRevision(std::string_view cpuinfo) {
    const auto family = field(cpuinfo, "cpu family");
    const auto model = field(cpuinfo, "model");
    const auto stepping = field(cpuinfo, "stepping");
    if (!family || !model || !stepping) return std::string(kUnknown);
    return "family " + std::to_string(*family) + ", model " + std::to_string(*model) +
           ", stepping " + std::to_string(*stepping);
}

std::string groupThousands(std::uint64_t n, std::string_view separator) {
    std::string digits = std::to_string(n);
    for (std::size_t i = digits.size(); i > 3; i -= 3)
        digits.insert(i - 3, separator);
    return digits;
}

std::string memoryText(const MachineFigures& f, std::string_view separator, std::string_view unit) {
    return f.memoryKb ? groupThousands(*f.memoryKb, separator) + " " + std::string(unit)
                      : std::string(kUnknown);
}

std::string loadText(const MachineFigures& f) {
    return f.memoryLoad ? std::to_string(*f.memoryLoad) + " %" : std::string(kUnknown);
}

std::string diskTotalText(const MachineFigures& f, std::string_view separator,
                          std::string_view unit) {
    return f.diskTotal ? groupThousands(*f.diskTotal, separator) + " " + std::string(unit)
                       : std::string(kUnknown);
}

std::string diskFreeText(const MachineFigures& f, std::string_view separator,
                         std::string_view unit) {
    return f.diskFree ? groupThousands(*f.diskFree, separator) + " " + std::string(unit)
                      : std::string(kUnknown);
}

std::string diskUsedText(const MachineFigures& f, std::string_view caption) {
    const std::string start = std::string(caption) + " ";
    if (!f.diskTotal || !f.diskFree || *f.diskTotal == 0 || *f.diskFree > *f.diskTotal)
        return start + std::string(kUnknown);
    const double used =
        static_cast<double>(*f.diskTotal - *f.diskFree) / static_cast<double>(*f.diskTotal) * 100.0;
    return start + std::to_string(std::lround(used)) + " %";
}

}  // namespace zumbrel::info
