// The fake Jira site of the benchmarks, as a process of its own so that the program measured does
// not pay for the server's work. It serves board 7 with a column of cards over TLS, behind a
// relay that counts the bytes on the wire, and talks on its standard streams:
//
//   bench_fakejira [--cards 100] [--churn-every N] [--churn-cards K]
//                  [--data-center CONTEXT-PATH] [--bearer TOKEN] [--log-requests]
//                  [--boards B --statuses S]
//   prints:  site https://127.0.0.1:<port>      the address to configure (the relay)
//            ca <folder>/ca.pem                 the authority that signed the server certificate
//   then, on the first request:  first-request <milliseconds since the epoch>
//   reads "stats" lines, answers: stats requests <n> bytes-in <n> bytes-out <n> connections <n>
//   exits when its standard input closes, so it never outlives whoever started it.
//
// With churn, every N-th request gets K cards replaced by new ones (so a watcher announces them),
// and every tenth churn K + 3 cards. With --data-center, the site is a Jira Data Center under that
// context path ("" for none): the column is the agile read's, and serverInfo says which Jira it is;
// with --bearer it takes that personal access token alone and answers Basic credentials as a site
// with Basic authentication turned off does. --log-requests prints "request <path> <status>" for
// every request. With --boards, boards 7 … 7+B-1 each hold --cards cards in each of S statuses
// ("In Review", "Ready for QA", "Status 3" …) and answer with the cards of the statuses their JQL
// names, as Jira's search does (no churn then).
#include "ByteCountingProxy.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"
#include "support/TestCertificateAuthority.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

using Issue = FakeJiraDocuments::Issue;

int intArgument(const QStringList &arguments, const QString &name, int fallback)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toInt() : fallback;
}

// A column that changes in a fixed way: card n is "AB-<n>"; a churn drops the K oldest cards and
// adds K new ones with later numbers and later times.
class Column
{
public:
    explicit Column(int size)
    {
        for (int i = 0; i < size; ++i)
            m_cards.append(card(++m_lastNumber));
        render();
    }

    void churn(int count)
    {
        for (int i = 0; i < count && !m_cards.isEmpty(); ++i) {
            m_cards.removeFirst();
            m_cards.append(card(++m_lastNumber));
        }
        render();
    }

    const QByteArray &document() const { return m_document; }

private:
    static Issue card(int number)
    {
        Issue issue;
        issue.key = QStringLiteral("AB-%1").arg(number);
        issue.summary = QStringLiteral("Make the thing %1 do what it says on the tin").arg(number);
        if (number % 5 != 0)
            issue.assignee = QStringLiteral("Reviewer %1").arg(number % 7);
        const QDateTime time = QDateTime::fromSecsSinceEpoch(1'700'000'000 + qint64(number) * 60, Qt::UTC);
        issue.updated = time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz+0000"));
        return issue;
    }

    void render() { m_document = FakeJiraDocuments::issues(m_cards); }

    QList<Issue> m_cards;
    int m_lastNumber = 0;
    QByteArray m_document;
};

void say(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString stringArgument(const QStringList &arguments, const QString &name)
{
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int churnEvery = intArgument(arguments, QStringLiteral("--churn-every"), 0);
    const int churnCards = intArgument(arguments, QStringLiteral("--churn-cards"), 3);
    Column column(intArgument(arguments, QStringLiteral("--cards"), 100));

    FakeJiraServer jira;
    if (!jira.start()) {
        std::fprintf(stderr, "bench_fakejira: %s\n", qPrintable(jira.errorString()));
        return 1;
    }
    ByteCountingProxy proxy(jira.port());
    if (!proxy.start()) {
        std::fprintf(stderr, "bench_fakejira: cannot listen on 127.0.0.1\n");
        return 1;
    }

    qint64 served = 0;
    const bool dataCenter = arguments.contains(QStringLiteral("--data-center"));
    const QString contextPath = stringArgument(arguments, QStringLiteral("--data-center"));
    const QByteArray bearer = stringArgument(arguments, QStringLiteral("--bearer")).toUtf8();
    const QString path = contextPath + (dataCenter ? FakeJiraDocuments::agileIssuesPath(QStringLiteral("7"))
                                                   : FakeJiraDocuments::issuesPath(QStringLiteral("7")));
    if (arguments.contains(QStringLiteral("--log-requests")))
        QObject::connect(&jira, &FakeJiraServer::requestReceived, &jira,
                         [](const RecordedRequest &request) { say("request " + request.path.toUtf8()); });
    std::function<void()> installHandler = [&] {
        if (dataCenter)
            jira.setResponse(contextPath + QStringLiteral("/rest/api/2/serverInfo"),
                             FakeResponse::json(FakeJiraDocuments::serverInfo(QStringLiteral("DataCenter"),
                                                                              QStringLiteral("9.12.2"))));
        FakeJiraServer::Handler columnHandler = [&](const RecordedRequest &) {
            if (served == 0)
                say("first-request " + QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
            ++served;
            // Every tenth churn moves more cards at once, so a watcher also sends its summary.
            if (churnEvery > 0 && served > 1 && served % churnEvery == 0)
                column.churn((served / churnEvery) % 10 == 0 ? churnCards + 3 : churnCards);
            return FakeResponse::json(column.document());
        };
        jira.setHandler(path, bearer.isEmpty() ? columnHandler
                                               : FakeJiraDocuments::bearerOnly(bearer, columnHandler));
    };
    const int boards = intArgument(arguments, QStringLiteral("--boards"), 0);
    const int statuses = intArgument(arguments, QStringLiteral("--statuses"), 1);
    const int cardsPerColumn = intArgument(arguments, QStringLiteral("--cards"), 100);
    if (boards > 0) {
        installHandler = [&, boards, statuses, cardsPerColumn] {
            for (int board = 0; board < boards; ++board) {
                QList<Issue> cards;
                for (int status = 0; status < statuses; ++status) {
                    const QString name = status == 0   ? QStringLiteral("In Review")
                                         : status == 1 ? QStringLiteral("Ready for QA")
                                                       : QStringLiteral("Status %1").arg(status + 1);
                    for (int n = 0; n < cardsPerColumn; ++n) {
                        const int number = (board * statuses + status) * cardsPerColumn + n + 1;
                        cards.append(
                            {QStringLiteral("AB-%1").arg(number),
                             QStringLiteral("Make the thing %1 do what it says on the tin").arg(number),
                             QStringLiteral("Reviewer %1").arg(number % 7),
                             QDateTime::fromSecsSinceEpoch(1'700'000'000 + qint64(number) * 60, Qt::UTC)
                                 .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz+0000")),
                             name});
                    }
                }
                const FakeJiraServer::Handler filtered = FakeJiraDocuments::boardByStatus(cards);
                jira.setHandler(FakeJiraDocuments::issuesPath(QString::number(7 + board)),
                                [&, filtered](const RecordedRequest &request) {
                                    if (served == 0)
                                        say("first-request " +
                                            QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
                                    ++served;
                                    return filtered(request);
                                });
            }
        };
    }
    installHandler();
    // The server keeps every request for tests to look at; a long run must not pile them up.
    QObject::connect(&jira, &FakeJiraServer::requestReceived, &jira, [&] {
        if (jira.requests().size() >= 1000) {
            jira.reset();
            installHandler();
        }
    });

    say("site https://127.0.0.1:" + QByteArray::number(proxy.serverPort()));
    say("ca " + TestCertificateAuthority::shared().directory().toLocal8Bit() + "/ca.pem");

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, got);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray command = pending.left(end).trimmed();
            pending.remove(0, end + 1);
            if (command == "stats")
                say("stats requests " + QByteArray::number(served) + " bytes-in " +
                    QByteArray::number(proxy.bytesFromClient()) + " bytes-out " +
                    QByteArray::number(proxy.bytesToClient()) + " connections " +
                    QByteArray::number(proxy.connections()));
        }
    });
    return QCoreApplication::exec();
}
