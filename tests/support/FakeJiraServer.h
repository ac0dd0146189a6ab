#pragma once

#include "support/FakeResponse.h"
#include "support/RecordedRequest.h"

#include <QAbstractHttpServer>
#include <QHash>
#include <QList>
#include <QUrl>
#include <functional>

class QTcpSocket;

// A Jira site on loopback for tests: HTTPS with a certificate of TestCertificateAuthority (or plain
// HTTP, to stand for an insecure address), answering each path with scripted responses and
// recording every request it receives. Paths without a script answer 404.
//
//   FakeJiraServer jira;
//   QVERIFY2(jira.start(), qPrintable(jira.errorString()));
//   jira.setResponse(u"/rest/agile/1.0/board/7/issue"_qs, FakeResponse::json(body));
//   config.siteURL = jira.siteURL();
//   ... QCOMPARE(jira.requests().size(), 1);
class FakeJiraServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    enum class Transport
    {
        tls,
        plain
    };
    using Handler = std::function<FakeResponse(const RecordedRequest &)>;

    explicit FakeJiraServer(Transport transport = Transport::tls, QObject *parent = nullptr);

    // Listens on 127.0.0.1 on a free port. With TLS, also makes the process trust the test
    // authority. False with errorString() when that fails.
    bool start();
    const QString &errorString() const { return m_error; }

    quint16 port() const { return m_port; }
    // "https://127.0.0.1:<port>" (or http), the form a JiraConfig holds.
    QString siteURL() const;
    QUrl url(const QString &path = {}) const;

    // Every request to `path` gets this response.
    void setResponse(const QString &path, FakeResponse response);
    // One response per request, in order; the last one answers every request after it.
    void setResponses(const QString &path, QList<FakeResponse> responses);
    // The response is computed from the request (for pages chosen by startAt, for example).
    void setHandler(const QString &path, Handler handler);
    // Forgets the scripts and the recorded requests.
    void reset();

    const QList<RecordedRequest> &requests() const { return m_requests; }
    QList<RecordedRequest> requests(const QString &path) const;

Q_SIGNALS:
    void requestReceived(const RecordedRequest &request);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    FakeResponse responseFor(const RecordedRequest &request);

    Transport m_transport;
    quint16 m_port = 0;
    QString m_error;
    QList<RecordedRequest> m_requests;
    QHash<QString, Handler> m_handlers;
};
