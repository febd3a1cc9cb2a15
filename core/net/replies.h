#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/version.h"

// The two replies of the maker's web server, read in memory (never through a file that
// someone else could have put in the temporary folder).
namespace zumbrel::net {

// The largest replies read; a longer one is no reply of ours.
inline constexpr std::size_t kMaxVersionReply = 64 * 1024;
inline constexpr std::size_t kMaxIpReply = 16 * 1024;

enum class UpdateStatus {
    UpToDate,    // a version number was read, and it is not newer
    Newer,       // a newer version is out
    Impossible,  // no version number could be read: nothing can be said
};

struct VersionCheck {
    UpdateStatus status = UpdateStatus::Impossible;
    long version = 0;
    std::string headline;           // [info] line1
    std::vector<std::string> news;  // [info] line2 to line8
};

// The version file ([version] dispo, [info] line1 to line8) against this program's version.
// Only a version number actually read may say "up to date".
VersionCheck checkVersion(std::string_view reply, long current = kVersionConstant);

// The public address: the page's eleventh line, trimmed; "échoué" when it has none, "échoué
// 404" for an error page ("<body>" there).
std::string readPublicIP(std::string_view page);

}  // namespace zumbrel::net
