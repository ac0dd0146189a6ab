#include "support/ResponseWriter.h"

#include <QHash>
#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr qint64 endlessLimit = 64 * 1024 * 1024;
constexpr qint64 endlessChunk = 256 * 1024;

// The reason phrases of the statuses the tests send, as a server words them.
// clang-format off
const QHash<int, QByteArray> reasonPhrases{
    {200, "OK"}, {301, "Moved Permanently"}, {302, "Found"}, {307, "Temporary Redirect"}, {400, "Bad Request"},
    {401, "Unauthorized"}, {403, "Forbidden"}, {404, "Not Found"}, {429, "Too Many Requests"},
    {500, "Internal Server Error"}};
// clang-format on

} // namespace

void ResponseWriter::start(QTcpSocket *socket, FakeResponse response)
{
    auto *writer = new ResponseWriter(socket, std::move(response));
    if (writer->m_response.delay.count() > 0)
        writer->m_timer->start(writer->m_response.delay);
    else
        writer->begin();
}

ResponseWriter::ResponseWriter(QTcpSocket *socket, FakeResponse response)
    : QObject(socket), m_socket(socket), m_response(std::move(response)), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ResponseWriter::begin);
}

void ResponseWriter::writeHead(bool withLength)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(m_response.status) + ' ' +
                      reasonPhrases.value(m_response.status, "Status") + "\r\n";
    if (!m_response.contentType.isEmpty())
        head += "Content-Type: " + m_response.contentType + "\r\n";
    if (withLength)
        head += "Content-Length: " + QByteArray::number(m_response.body.size()) + "\r\n";
    if (m_response.delivery == FakeResponse::Delivery::endless ||
        m_response.delivery == FakeResponse::Delivery::cutOff)
        head += "Connection: close\r\n";
    for (const auto &[name, value] : m_response.headers)
        head += name + ": " + value + "\r\n";
    head += "\r\n";
    m_socket->write(head);
}

void ResponseWriter::begin()
{
    disconnect(m_timer, nullptr, this, nullptr);
    if (!m_socket)
        return;
    switch (m_response.delivery) {
    case FakeResponse::Delivery::whole:
        writeHead(true);
        m_socket->write(m_response.body);
        finish(false);
        return;
    case FakeResponse::Delivery::cutOff:
        writeHead(true);
        m_socket->write(m_response.body.left(m_response.body.size() / 2));
        finish(true);
        return;
    case FakeResponse::Delivery::dripped:
        writeHead(true);
        m_timer->setSingleShot(false);
        connect(m_timer, &QTimer::timeout, this, &ResponseWriter::dripNext);
        m_timer->start(m_response.dripInterval);
        return;
    case FakeResponse::Delivery::endless:
        writeHead(false);
        connect(m_socket, &QIODevice::bytesWritten, this, &ResponseWriter::pourEndless);
        pourEndless();
        return;
    }
}

void ResponseWriter::dripNext()
{
    if (!m_socket)
        return;
    const int chunks = std::max(1, m_response.dripChunks);
    const qsizetype size = m_response.body.size();
    const qsizetype end = m_chunk + 1 >= chunks ? size : size * (m_chunk + 1) / chunks;
    m_socket->write(m_response.body.mid(m_sent, end - m_sent));
    m_sent = end;
    if (++m_chunk >= chunks)
        finish(false);
}

void ResponseWriter::pourEndless()
{
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState)
        return;
    // Keep a little queued; bytesWritten asks for more as the client reads.
    while (m_socket->bytesToWrite() < endlessChunk && m_sent < endlessLimit) {
        m_socket->write(QByteArray(endlessChunk, ' '));
        m_sent += endlessChunk;
    }
    if (m_sent >= endlessLimit)
        finish(true);
}

void ResponseWriter::finish(bool close)
{
    m_timer->stop();
    if (close && m_socket)
        m_socket->disconnectFromHost();
    deleteLater();
}
