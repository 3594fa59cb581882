#include "CSingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace caldo {

CSingleInstance::CSingleInstance(const QString& programName, QObject* parent)
    : QObject(parent), serverName_(QStringLiteral("%1-%2").arg(programName).arg(::getuid())) {}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::ActivatePrimary() {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

bool CSingleInstance::TryBecomePrimary() {
    {
        QLocalSocket probe;
        probe.connectToServer(serverName_);
        if (probe.waitForConnected(500)) {
            probe.disconnectFromServer();
            return false;  // another copy answers
        }
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(serverName_)) {
        // A socket left behind by a copy that crashed: nobody answered the probe.
        QLocalServer::removeServer(serverName_);
        if (!server_->listen(serverName_))
            return true;  // run without the guard rather than not at all
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().startsWith("activate"))
                    emit activationRequested();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace caldo
