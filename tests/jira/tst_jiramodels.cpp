// The small pure pieces of Jira access: Jira's timestamps, the site URL as typed, the board link.
#include "jira/JiraClient.h"
#include "jira/JiraConfig.h"
#include "jira/JiraDate.h"
#include "jira/ReviewIssue.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestJiraModels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateParses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("instant");
        const auto utc = [](int h, int mi, int s, int ms, QDate day = QDate(2024, 3, 5)) {
            return QDateTime(day, QTime(h, mi, s, ms), Qt::UTC);
        };
        QTest::newRow("east offset") << u"2024-03-05T14:07:09.123+0100"_s << utc(13, 7, 9, 123);
        QTest::newRow("west offset") << u"2024-03-05T14:07:09.123-0530"_s << utc(19, 37, 9, 123);
        QTest::newRow("across midnight")
            << u"2024-03-05T23:30:00.999-0100"_s << utc(0, 30, 0, 999, QDate(2024, 3, 6));
        QTest::newRow("leap day") << u"2024-02-29T00:00:00.001+1000"_s
                                  << utc(14, 0, 0, 1, QDate(2024, 2, 28));
        QTest::newRow("colon offset") << u"2024-03-05T14:07:09.123+10:00"_s << utc(4, 7, 9, 123);
        QTest::newRow("Z") << u"2024-03-05T14:07:09.123Z"_s << utc(14, 7, 9, 123);
    }

    void dateParses()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, instant);
        QCOMPARE(JiraDate::parse(text), std::optional(instant));
    }

    void dateRejected_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("no fraction") << u"2024-03-05T14:07:09+0100"_s;
        QTest::newRow("no offset") << u"2024-03-05T14:07:09.123"_s;
        QTest::newRow("two fraction digits") << u"2024-03-05T14:07:09.12+0100"_s;
        QTest::newRow("space for T") << u"2024-03-05 14:07:09.123+0100"_s;
        QTest::newRow("short offset") << u"2024-03-05T14:07:09.123+01"_s;
        QTest::newRow("offset minutes 60") << u"2024-03-05T14:07:09.123+0160"_s;
        QTest::newRow("lowercase z") << u"2024-03-05T14:07:09.123z"_s;
        QTest::newRow("trailing text") << u"2024-03-05T14:07:09.123+0100 "_s;
        QTest::newRow("30 February") << u"2024-02-30T14:07:09.123+0100"_s;
        QTest::newRow("hour 24") << u"2024-03-05T24:00:00.000+0100"_s;
        QTest::newRow("arabic-indic digits") << u"٢٠٢٤-03-05T14:07:09.123+0100"_s;
    }

    void dateRejected()
    {
        QFETCH(QString, text);
        QCOMPARE(JiraDate::parse(text), std::nullopt);
    }

    void normalizeSiteURL_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("normalized");
        QTest::newRow("bare host with blanks")
            << u"  acme.atlassian.net \n"_s << u"https://acme.atlassian.net"_s;
        QTest::newRow("trailing slashes")
            << u"https://acme.atlassian.net///"_s << u"https://acme.atlassian.net"_s;
        QTest::newRow("blanks only") << u" \t\n "_s << QString();
        QTest::newRow("capital http") << u"HTTP://Acme.atlassian.net"_s << u"https://Acme.atlassian.net"_s;
        QTest::newRow("capital https kept")
            << u"HTTPS://acme.atlassian.net/"_s << u"HTTPS://acme.atlassian.net"_s;
        QTest::newRow("path stays") << u"acme.atlassian.net/jira/"_s << u"https://acme.atlassian.net/jira"_s;
        QTest::newRow("scheme only") << u"http://"_s << u"https://http:"_s;
        QTest::newRow("no-break space and line separator")
            << u"\u00a0acme.atlassian.net\u2028"_s << u"https://acme.atlassian.net"_s;
    }

    void normalizeSiteURL()
    {
        QFETCH(QString, raw);
        QFETCH(QString, normalized);
        QCOMPARE(JiraConfig::normalizeSiteURL(raw), normalized);
    }

    void boardURL_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("boardId");
        QTest::addColumn<QString>("link");
        QTest::newRow("plain") << u"https://acme.atlassian.net"_s << u"42"_s
                               << u"https://acme.atlassian.net/secure/RapidBoard.jspa?rapidView=42"_s;
        QTest::newRow("tabs and spaces trimmed")
            << u"\t https://acme.atlassian.net  "_s << u"42"_s
            << u"https://acme.atlassian.net/secure/RapidBoard.jspa?rapidView=42"_s;
        QTest::newRow("path stays") << u"https://acme.example/jira"_s << u"7"_s
                                    << u"https://acme.example/jira/secure/RapidBoard.jspa?rapidView=7"_s;
        QTest::newRow("not a URL") << u"https://acme atlassian.net"_s << u"42"_s << QString();
    }

    void boardURL()
    {
        QFETCH(QString, site);
        QFETCH(QString, boardId);
        QFETCH(QString, link);
        JiraConfig config;
        config.siteURL = site;
        config.boardId = boardId;
        const auto url = JiraClient(config).boardURL();
        QCOMPARE(url ? url->toString() : QString(), link);
    }

    void issueIdentityAndEquality()
    {
        const QDateTime when(QDate(2024, 3, 5), QTime(13, 7, 9, 123), Qt::UTC);
        const ReviewIssue a{u"AB-1"_s, u"Fix it"_s, u"Ann"_s, when};
        ReviewIssue b = a;
        b.updated = when.addMSecs(1);
        QVERIFY(a != b);
        QCOMPARE(a.id(), b.id());
        // The same instant written with another offset is the same time.
        b.updated = JiraDate::parse(u"2024-03-05T14:07:09.123+0100");
        QCOMPARE(a, b);
    }
};

QTEST_GUILESS_MAIN(TestJiraModels)
#include "tst_jiramodels.moc"
