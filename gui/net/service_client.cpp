#include "gui/net/service_client.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

namespace zumbrel::gui {

ServiceClient::ServiceClient(QObject* parent) : QObject(parent) {}

bool ServiceClient::allowed(const QUrl& url) {
    if (!url.isValid()) return false;
    if (url.scheme() == QLatin1String("https")) return true;
    if (url.scheme() != QLatin1String("http")) return false;
    const QString host = url.host();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

QString ServiceClient::configuredBase() {
    return QStringLiteral(ZUMBREL_SERVICE_URL);
}

bool ServiceClient::fetch(const QUrl& url, qint64 limit, std::function<void(ServiceReply)> done) {
    if (reply_ || !allowed(url)) return false;
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setMaximumRedirectsAllowed(3);
    // Every redirect is checked by us: never to plain HTTP elsewhere than this machine.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Zumbrel"));
    if (!trustedCertificates.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(trustedCertificates);
        request.setSslConfiguration(tls);
    }
    limit_ = limit;
    refused_ = false;
    body_.clear();
    done_ = std::move(done);
    // Made on the first request: most runs never ask the network, and start-up stays light.
    if (!manager_) manager_ = new QNetworkAccessManager(this);
    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::redirected, this, [this](const QUrl& to) {
        if (allowed(to)) {
            emit reply_->redirectAllowed();
        } else {
            refused_ = true;
            reply_->abort();
        }
    });
    connect(reply_, &QNetworkReply::readyRead, this, [this] {
        body_ += reply_->readAll();
        if (body_.size() > limit_) {  // no reply of ours is this long
            refused_ = true;
            reply_->abort();
        }
    });
    connect(reply_, &QNetworkReply::finished, this, [this] {
        const QNetworkReply::NetworkError error = reply_->error();
        const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (!refused_ && reply_->isOpen()) body_ += reply_->readAll();
        using Kind = ServiceReply::Kind;
        switch (error) {
            case QNetworkReply::NoError:
                finish(status == 200 && !refused_ && body_.size() <= limit_ ? Kind::Ok
                                                                            : Kind::Failed);
                break;
            case QNetworkReply::ConnectionRefusedError:
            case QNetworkReply::HostNotFoundError:
            case QNetworkReply::NetworkSessionFailedError:
            case QNetworkReply::TemporaryNetworkFailureError:
            case QNetworkReply::UnknownNetworkError:
                finish(refused_ ? Kind::Failed : Kind::Offline);
                break;
            default:
                finish(Kind::Failed);
                break;
        }
    });
    return true;
}

void ServiceClient::finish(ServiceReply::Kind kind) {
    ServiceReply result{kind, kind == ServiceReply::Kind::Ok ? body_ : QByteArray()};
    reply_->deleteLater();
    reply_ = nullptr;
    auto done = std::move(done_);
    done_ = nullptr;
    if (done) done(std::move(result));
}

}  // namespace zumbrel::gui
