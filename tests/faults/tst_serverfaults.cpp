// Faults of the Jira site as the running monitor meets them: a rate limit and a certificate the
// system does not trust. Each must leave a clear message in the state, keep the last good list and
// lose no card: the first good answer afterwards announces what arrived meanwhile.
#include "jira/JiraRequest.h"
#include "jira/Network.h"
#include "monitor/MonitorRig.h"
#include "support/FakeJiraDocuments.h"
#include "support/TestCertificateAuthority.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Issue = FakeJiraDocuments::Issue;
using StateKind = ReviewMonitor::StateKind;

namespace {

const QString boardId = QStringLiteral("7");

Issue card(int number)
{
    return {QStringLiteral("AB-%1").arg(number), QStringLiteral("Card %1").arg(number), std::nullopt,
            QStringLiteral("2024-03-05T10:%1:00.000+0000").arg(number, 2, 10, QLatin1Char('0'))};
}

} // namespace

class ServerFaultsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FakeJiraServer> m_jira;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<MonitorRig> m_rig;

    ReviewMonitor &monitor() { return *m_rig->monitor; }
    void serve(FakeResponse response)
    {
        m_jira->setResponse(FakeJiraDocuments::issuesPath(boardId), std::move(response));
    }
    void serveCards(const QList<Issue> &cards)
    {
        serve(FakeResponse::json(FakeJiraDocuments::issues(cards)));
    }

    // A good column of two cards, learned by a first poll.
    void runWithTwoCards()
    {
        serveCards({card(1), card(2)});
        m_rig->poll(true);
        QCOMPARE(monitor().state().kind, StateKind::ok);
        QCOMPARE(monitor().issues().size(), 2);
    }

    // After the fault: the list of before is still shown, and the next good answer announces the
    // card that arrived meanwhile, and nothing else.
    void recoverWithThirdCard()
    {
        QCOMPARE(monitor().issues().size(), 2);
        QVERIFY(monitor().lastUpdated().has_value());
        serveCards({card(1), card(2), card(3)});
        m_rig->poll();
        QVERIFY2(monitor().state().kind == StateKind::ok, qPrintable(monitor().state().message));
        QCOMPARE(monitor().issues().size(), 3);
        QCOMPARE(m_rig->center.added.size(), 1);
        QVERIFY2(m_rig->center.added.first().subtitle.contains(QStringLiteral("AB-3")),
                 qPrintable(m_rig->center.added.first().subtitle));
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_jira = std::make_unique<FakeJiraServer>();
        QVERIFY2(m_jira->start(), qPrintable(m_jira->errorString()));
        m_settings = std::make_unique<AppSettings>(m_dir.filePath(QStringLiteral("Norrid.conf")));
        MonitorRig::configure(*m_settings, *m_jira, boardId);
        QVERIFY2(m_settings->isConfigured(), qPrintable(m_settings->tokenProblem()));
        m_rig = std::make_unique<MonitorRig>(*m_settings);
    }

    void cleanup()
    {
        JiraRequest::setTotalDeadlineForTesting(std::chrono::milliseconds(0));
        TestCertificateAuthority::shared().trustInThisProcess();
        m_rig.reset();
        m_settings.reset();
        m_jira.reset();
        Network::shared().clearConnectionCache();
    }

    void rateLimitIsExplained_data()
    {
        QTest::addColumn<QByteArray>("retryAfter"); // empty: no header
        QTest::addColumn<QString>("wait"); // the text up to the time of the next try, if there is one
        const auto row = [](const char *name, const QByteArray &retryAfter, const char *wait) {
            const QLatin1StringView asked(wait);
            QTest::newRow(name)
                << retryAfter
                << QStringLiteral("Jira returned HTTP 429. Too many requests: Jira is rate limiting "
                                  "this account %1. Norrid tries again at ")
                           .arg(asked) +
                       (asked == QLatin1StringView("for now") ? QStringLiteral("the next poll.") : QString());
        };
        row("seconds", "30", "and asks to wait 30 seconds");
        row("one second", "1", "and asks to wait 1 second");
        row("long wait in minutes", "601", "and asks to wait 11 minutes");
        // Beyond a day, and beyond 32 and 64 bits: a day at most.
        row("beyond a day", "2147483647", "and asks to wait 1440 minutes");
        row("beyond 64 bits", "99999999999999999999999", "and asks to wait 1440 minutes");
        // An HTTP date ten minutes ahead; the seconds that pass before it is read round up.
        row("HTTP date",
            QDateTime::currentDateTimeUtc()
                .addSecs(600)
                .toString(u"ddd, dd MMM yyyy HH:mm:ss 'GMT'")
                .toLatin1(),
            "and asks to wait 10 minutes");
        row("no header", {}, "for now");
        row("unreadable header", "soon", "for now");
        row("date in the past", "Wed, 21 Oct 2015 07:28:00 GMT", "for now");
    }

    void rateLimitIsExplained()
    {
        QFETCH(QByteArray, retryAfter);
        QFETCH(QString, wait);
        runWithTwoCards();
        FakeResponse limited = FakeResponse::json(R"({"errorMessages":["Rate limit exceeded."]})", 429);
        if (!retryAfter.isEmpty())
            limited.withHeader("Retry-After", retryAfter);
        serve(limited);
        m_rig->poll();
        QCOMPARE(monitor().state().kind, StateKind::error);
        // The time of the next try is the one the monitor keeps: the wait, or the next poll if later.
        QVERIFY2(monitor().state().message.startsWith(wait) && monitor().state().message.endsWith(u'.'),
                 qPrintable(monitor().state().message));
        recoverWithThirdCard();
    }

    // A server that sends a byte every few seconds: the request ends at its deadline with the
    // time-out error, the timer goes on, and the next poll asks again.
    void aDrippingServerTimesOutAndPollingGoesOn()
    {
        runWithTwoCards();
        JiraRequest::setTotalDeadlineForTesting(std::chrono::milliseconds(1500));
        serve(FakeResponse::json(FakeJiraDocuments::issues({card(1), card(2), card(3)}))
                  .dripped(60, std::chrono::milliseconds(200)));
        m_rig->poll();
        QCOMPARE(monitor().state(),
                 ReviewMonitor::State::error(QStringLiteral("The request to Jira timed out.")));
        QVERIFY(monitor().timer().isActive());
        recoverWithThirdCard();
    }

    void untrustedCertificateIsNamed()
    {
        // A server whose certificate was never trusted, on the first poll of the process: no
        // request reaches it, and nothing is shown as if it had answered.
        TestCertificateAuthority::shared().distrustInThisProcess();
        Network::shared().clearConnectionCache();
        serveCards({card(1), card(2)});
        m_rig->poll(true);
        QCOMPARE(monitor().state().kind, StateKind::error);
        QVERIFY(monitor().issues().isEmpty() && !monitor().lastUpdated().has_value());
        QVERIFY(m_jira->requests().isEmpty());

        // Trusted (the user installed the company's authority); later the same site presents a
        // certificate this system does not trust, as behind an intercepting proxy.
        TestCertificateAuthority::shared().trustInThisProcess();
        Network::shared().clearConnectionCache();
        runWithTwoCards();
        TestCertificateAuthority::shared().distrustInThisProcess();
        Network::shared().clearConnectionCache();
        const qsizetype requestsBefore = m_jira->requests().size();
        m_rig->poll();
        QCOMPARE(monitor().state().kind, StateKind::error);
        const QString message = monitor().state().message;
        QVERIFY2(message.startsWith(QStringLiteral("The certificate of the Jira site is not trusted (")),
                 qPrintable(message));
        QVERIFY2(!message.contains(QStringLiteral("secret-token")), qPrintable(message));
        QCOMPARE(m_jira->requests().size(), requestsBefore);

        // Trusted again: back to normal. Qt keeps the connection with the verdict of before for
        // its next request, so that goes first.
        TestCertificateAuthority::shared().trustInThisProcess();
        Network::shared().clearConnectionCache();
        recoverWithThirdCard();
    }
};

QTEST_GUILESS_MAIN(ServerFaultsTest)
#include "tst_serverfaults.moc"
