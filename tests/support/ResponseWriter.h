#pragma once

#include "support/FakeResponse.h"

#include <QObject>
#include <QPointer>

class QTcpSocket;
class QTimer;

// Writes one FakeResponse to a connection of FakeJiraServer on its own schedule (after the delay,
// in drips, or without end). It is a child of the socket, so it goes when the client hangs up.
class ResponseWriter : public QObject
{
    Q_OBJECT

public:
    static void start(QTcpSocket *socket, FakeResponse response);

private:
    ResponseWriter(QTcpSocket *socket, FakeResponse response);
    void begin();
    void writeHead(bool withLength);
    void dripNext();
    void pourEndless();
    void finish(bool close);

    QPointer<QTcpSocket> m_socket;
    FakeResponse m_response;
    QTimer *m_timer = nullptr;
    qsizetype m_sent = 0;
    int m_chunk = 0;
};
