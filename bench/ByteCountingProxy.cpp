#include "ByteCountingProxy.h"

#include <QTcpSocket>

ByteCountingProxy::ByteCountingProxy(quint16 targetPort, QObject *parent)
    : QTcpServer(parent), m_targetPort(targetPort)
{
    connect(this, &QTcpServer::newConnection, this, &ByteCountingProxy::relay);
}

bool ByteCountingProxy::start()
{
    return listen(QHostAddress::LocalHost, 0);
}

void ByteCountingProxy::relay()
{
    while (QTcpSocket *client = nextPendingConnection()) {
        ++m_connections;
        auto *upstream = new QTcpSocket(client);
        // Bytes the client sends before the upstream connection is up wait in the client socket.
        auto forwardFromClient = [this, client, upstream] {
            if (upstream->state() != QAbstractSocket::ConnectedState)
                return;
            const QByteArray bytes = client->readAll();
            m_fromClient += bytes.size();
            upstream->write(bytes);
        };
        connect(client, &QTcpSocket::readyRead, upstream, forwardFromClient);
        connect(upstream, &QTcpSocket::connected, client, forwardFromClient);
        connect(upstream, &QTcpSocket::readyRead, client, [this, client, upstream] {
            const QByteArray bytes = upstream->readAll();
            m_toClient += bytes.size();
            client->write(bytes);
        });
        connect(client, &QTcpSocket::disconnected, upstream, &QTcpSocket::disconnectFromHost);
        connect(upstream, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        upstream->connectToHost(QHostAddress::LocalHost, m_targetPort);
    }
}
