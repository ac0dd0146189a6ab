#include "support/FakeJiraServer.h"

#include "support/ResponseWriter.h"
#include "support/TestCertificateAuthority.h"

#include <QHttpServerRequest>
#include <QMetaEnum>
#include <QPointer>
#include <QTcpSocket>
#include <memory>

namespace {

QByteArray methodName(QHttpServerRequest::Method method)
{
    const QMetaEnum names = QMetaEnum::fromType<QHttpServerRequest::Method>();
    return QByteArray(names.valueToKey(static_cast<int>(method))).toUpper();
}

RecordedRequest record(const QHttpServerRequest &request)
{
    RecordedRequest recorded;
    recorded.method = methodName(request.method());
    const QUrl url = request.url();
    recorded.path = url.path();
    recorded.rawPath = url.path(QUrl::FullyEncoded).toLatin1();
    recorded.rawQuery = url.query(QUrl::FullyEncoded).toLatin1();
    recorded.query = RecordedRequest::decodeQuery(recorded.rawQuery);
    recorded.headers = request.headers();
    return recorded;
}

} // namespace

FakeJiraServer::FakeJiraServer(Transport transport, QObject *parent)
    : QAbstractHttpServer(parent), m_transport(transport)
{
}

bool FakeJiraServer::start()
{
    if (m_transport == Transport::tls) {
        const TestCertificateAuthority &authority = TestCertificateAuthority::shared();
        if (!authority.isValid()) {
            m_error = authority.error();
            return false;
        }
        authority.trustInThisProcess();
        sslSetup(authority.serverCertificate(), authority.serverKey());
    }
    m_port = listen(QHostAddress::LocalHost, 0);
    if (m_port == 0) {
        m_error = QStringLiteral("cannot listen on 127.0.0.1");
        return false;
    }
    return true;
}

QString FakeJiraServer::siteURL() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(m_transport == Transport::tls ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(m_port);
}

QUrl FakeJiraServer::url(const QString &path) const
{
    QUrl result(siteURL());
    result.setPath(path);
    return result;
}

void FakeJiraServer::setResponse(const QString &path, FakeResponse response)
{
    m_handlers.insert(path, [response](const RecordedRequest &) { return response; });
}

void FakeJiraServer::setResponses(const QString &path, QList<FakeResponse> responses)
{
    Q_ASSERT(!responses.isEmpty());
    auto queue = std::make_shared<QList<FakeResponse>>(std::move(responses));
    m_handlers.insert(path, [queue](const RecordedRequest &) {
        return queue->size() > 1 ? queue->takeFirst() : queue->first();
    });
}

void FakeJiraServer::setHandler(const QString &path, Handler handler)
{
    m_handlers.insert(path, std::move(handler));
}

void FakeJiraServer::reset()
{
    m_handlers.clear();
    m_requests.clear();
}

QList<RecordedRequest> FakeJiraServer::requests(const QString &path) const
{
    QList<RecordedRequest> matching;
    for (const RecordedRequest &request : m_requests)
        if (request.path == path)
            matching.append(request);
    return matching;
}

FakeResponse FakeJiraServer::responseFor(const RecordedRequest &request)
{
    const auto handler = m_handlers.constFind(request.path);
    if (handler == m_handlers.constEnd())
        return FakeResponse::json(R"({"errorMessages":["No such resource in the fake Jira."],"errors":{}})",
                                  404);
    return (*handler)(request);
}

bool FakeJiraServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    RecordedRequest recorded = record(request);
    m_requests.append(recorded);
    ResponseWriter::start(socket, responseFor(recorded));
    Q_EMIT requestReceived(recorded);
    return true;
}

void FakeJiraServer::missingHandler(const QHttpServerRequest &, QTcpSocket *socket)
{
    ResponseWriter::start(socket, FakeResponse::noBody(404));
}
