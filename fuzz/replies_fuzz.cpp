// Arbitrary replies of the update and IP services: no crash, no hang, and an answer that
// says what was read (no "up to date" without a version number).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/config/codepage.h"
#include "core/net/replies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const zumbrel::net::VersionCheck c = zumbrel::net::checkVersion(reply);
    if (c.status != zumbrel::net::UpdateStatus::Impossible && c.version <= 0) {
        std::fprintf(stderr, "a status without a version number\n");
        std::abort();
    }
    const std::string ip = zumbrel::net::readPublicIP(reply);
    if (ip.empty() || ip.size() > zumbrel::net::kMaxIpReply) {
        std::fprintf(stderr, "an address that is no answer\n");
        std::abort();
    }
    return 0;
}
