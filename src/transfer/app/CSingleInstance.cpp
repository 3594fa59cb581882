#include "CSingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace caldo {

namespace {

constexpr char kActivate[] = "activate\t";

} // namespace

CSingleInstance::CSingleInstance(const QString& programName, QObject* parent)
    : QObject(parent), m_serverName(QStringLiteral("%1-%2").arg(programName).arg(::getuid())) {}

CSingleInstance::~CSingleInstance() = default;

bool CSingleInstance::ActivatePrimary(const QString& packagePath, QString* answer) {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(1000)) {
        return false;
    }
    socket.write(QByteArray(kActivate) + packagePath.toUtf8() + "\n");
    socket.waitForBytesWritten(1000);
    // The reply ends when the first copy closes the connection.
    QByteArray reply;
    while (socket.state() == QLocalSocket::ConnectedState && socket.waitForReadyRead(3000)) {
        reply += socket.readAll();
    }
    reply += socket.readAll();
    if (answer) {
        *answer = QString::fromUtf8(reply);
    }
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
                if (!client->canReadLine()) {
                    return;
                }
                const QByteArray line = client->readLine().trimmed();
                if (!line.startsWith(QByteArray(kActivate).trimmed())) {
                    client->disconnectFromServer();
                    return;
                }
                emit activationRequested();
                const QString path = QString::fromUtf8(line.mid(sizeof kActivate - 1));
                if (m_responder) {
                    client->write(m_responder(path).toUtf8());
                }
                client->flush();
                client->disconnectFromServer();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    return true;
}

} // namespace caldo
