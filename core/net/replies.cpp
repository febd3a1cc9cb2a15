#include "core/net/replies.h"

#include "core/config/profile_file.h"
#include "core/text_util.h"

namespace zumbrel::net {

VersionCheck checkVersion(std::string_view reply, long current) {
    VersionCheck check;
    if (reply.size() > kMaxVersionReply) return check;
    const auto file = config::ProfileFile::fromBytes(std::string(reply));
    const auto dispo = file.find("version", "dispo");
    if (!dispo) return check;
    // Digits only: "2006001", not "0x1E9A21" nor "2006001abc".
    const std::string_view digits = trimSpaces(*dispo);
    if (digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return check;
    check.version = std::stol(std::string(digits));
    if (check.version <= 0) return check;
    if (check.version <= current) {
        check.status = UpdateStatus::UpToDate;
        return check;
    }
    check.status = UpdateStatus::Newer;
    check.headline = file.readString("info", "line1");
    for (int i = 2; i <= 8; ++i)
        check.news.push_back(file.readString("info", "line" + std::to_string(i)));
    return check;
}

std::string readPublicIP(std::string_view page) {
    if (page.size() > kMaxIpReply) return "échoué";
    std::size_t at = 0;
    for (int line = 0; line < 10; ++line) {
        at = page.find('\n', at);
        if (at == std::string_view::npos) return "échoué";
        ++at;
    }
    std::string_view eleventh = page.substr(at, page.find('\n', at) - at);
    if (!eleventh.empty() && eleventh.back() == '\r') eleventh.remove_suffix(1);
    eleventh = trimSpaces(eleventh);
    if (eleventh.empty()) return "échoué";
    if (eleventh == "<body>") return "échoué 404";
    return std::string(eleventh);
}

}  // namespace zumbrel::net
