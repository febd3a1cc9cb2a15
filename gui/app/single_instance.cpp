#include "gui/app/single_instance.h"

#include <unistd.h>
#include <QLocalServer>
#include <QLocalSocket>

namespace zumbrel::gui {

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultName() {
    return QStringLiteral("zumbrel-%1").arg(::getuid());
}

bool SingleInstance::becomePrimary() {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(500)) {
        probe.write("front\n");
        probe.waitForBytesWritten(500);
        probe.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket left by a copy that crashed is ours to replace.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) return true;  // still run, only without the check
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().startsWith("front") && onAnotherStart) onAnotherStart();
                s->deleteLater();
            });
        }
    });
    return true;
}

}  // namespace zumbrel::gui
