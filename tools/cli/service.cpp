#include "service.h"

#ifdef ZUMBREL_CLI_NETWORK
#include <QCoreApplication>

#include "core/net/replies.h"
#include "gui/net/service_client.h"

namespace zumbrel::cli {
namespace {

// The reply to base + path, or nothing (offline or failed: the kind says which).
gui::ServiceReply fetch(const std::string& base, const char* path, qint64 limit, int timeoutMs) {
    QString root = QString::fromStdString(
        base.empty() ? gui::ServiceClient::configuredBase().toStdString() : base);
    while (root.endsWith('/'))
        root.chop(1);
    if (root.isEmpty()) return {};
    int argc = 1;
    char name[] = "zumbrel-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    gui::ServiceClient client;
    client.timeoutMs = timeoutMs;
    gui::ServiceReply result;
    if (!client.fetch(QUrl(root + QLatin1String(path)), limit, [&](gui::ServiceReply r) {
            result = std::move(r);
            QCoreApplication::quit();
        }))
        return {};
    QCoreApplication::exec();
    return result;
}

}  // namespace

std::string checkUpdate(const std::string& base, int timeoutMs) {
    const gui::ServiceReply r =
        fetch(base, "/version/v_zmb.txt", static_cast<qint64>(net::kMaxVersionReply), timeoutMs);
    if (r.kind == gui::ServiceReply::Kind::Offline) return "offline";
    if (r.kind != gui::ServiceReply::Kind::Ok) return "impossible";
    const net::VersionCheck c = net::checkVersion(r.body.toStdString());
    switch (c.status) {
        case net::UpdateStatus::UpToDate:
            return "up-to-date";
        case net::UpdateStatus::Newer:
            return "newer " + std::to_string(c.version) +
                   (c.headline.empty() ? "" : " " + c.headline);
        case net::UpdateStatus::Impossible:
            break;
    }
    return "impossible";
}

std::string publicIp(const std::string& base, int timeoutMs) {
    const gui::ServiceReply r =
        fetch(base, "/getip.php", static_cast<qint64>(net::kMaxIpReply), timeoutMs);
    if (r.kind != gui::ServiceReply::Kind::Ok) return "échoué";
    return net::readPublicIP(r.body.toStdString());
}

}  // namespace zumbrel::cli

#else

namespace zumbrel::cli {

// Without its windows, this zumbrel-cli has no network code.
std::string checkUpdate(const std::string&, int) {
    return "impossible";
}
std::string publicIp(const std::string&, int) {
    return "échoué";
}

}  // namespace zumbrel::cli

#endif
