#pragma once

#include <QHostAddress>
#include <QTcpServer>

// A TCP relay on 127.0.0.1 in front of a local server that counts every byte in each direction,
// so a benchmark can tell what one poll costs on the wire, TLS records and handshakes included.
class ByteCountingProxy : public QTcpServer
{
    Q_OBJECT

public:
    explicit ByteCountingProxy(quint16 targetPort, QObject *parent = nullptr);

    // Listens on a free port of 127.0.0.1; false when that fails.
    bool start();

    qint64 bytesFromClient() const { return m_fromClient; }
    qint64 bytesToClient() const { return m_toClient; }
    // Client connections opened so far (each one costs a TLS handshake).
    int connections() const { return m_connections; }

private:
    void relay();

    quint16 m_targetPort;
    qint64 m_fromClient = 0;
    qint64 m_toClient = 0;
    int m_connections = 0;
};
