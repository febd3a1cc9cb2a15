#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace zumbrel::gui {

// One answer of the maker's web server.
struct ServiceReply {
    enum class Kind {
        Ok,       // status 200, within the size allowed
        Offline,  // the request could not reach any server
        Failed,   // a server answered something else, too much, too late, or unsafely
    };
    Kind kind = Kind::Failed;
    QByteArray body;
};

// Fetches the service's small files asynchronously: HTTPS with the certificates verified
// (plain HTTP only to this machine, for tests), at most 3 redirects and never to a less
// safe place, a transfer timeout, and a bound on the size; one request at a time.
class ServiceClient final : public QObject {
  public:
    explicit ServiceClient(QObject* parent = nullptr);

    // Whether a URL may be asked: https, or http to a loopback address.
    static bool allowed(const QUrl& url);
    // The build-time base address of the service; empty when there is none.
    static QString configuredBase();

    int timeoutMs = 10000;
    // Certificates trusted besides the system's (a test's own authority); verification
    // stays on whatever is here.
    QList<QSslCertificate> trustedCertificates;
    bool busy() const { return reply_ != nullptr; }
    // False when a request is already running or the URL is not allowed.
    bool fetch(const QUrl& url, qint64 limit, std::function<void(ServiceReply)> done);

  private:
    void finish(ServiceReply::Kind kind);

    QNetworkAccessManager* manager_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    qint64 limit_ = 0;
    bool refused_ = false;  // aborted by us: too large, or an unsafe redirect
    QByteArray body_;
    std::function<void(ServiceReply)> done_;
};

}  // namespace zumbrel::gui
