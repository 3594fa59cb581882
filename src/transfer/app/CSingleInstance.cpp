#include "CSingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace caldo {

CSingleInstance::CSingleInstance(const QString& programName, QObject* parent)
    : QObject(parent), m_serverName(QStringLiteral("%1-%2").arg(programName).arg(::getuid())) {}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::ActivatePrimary() {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(1000)) {
        return false;
    }
    socket.write("activate\n");
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

bool CSingleInstance::TryBecomePrimary() {
    {
        QLocalSocket probe;
        probe.connectToServer(m_serverName);
        if (probe.waitForConnected(500)) {
            probe.disconnectFromServer();
            return false; // another copy answers
        }
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // A socket left behind by a copy that crashed: nobody answered the probe.
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName)) {
            return true; // run without the guard rather than not at all
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().startsWith("activate")) {
                    emit activationRequested();
                }
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace caldo
