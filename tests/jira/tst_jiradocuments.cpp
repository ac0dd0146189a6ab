// Strict decoding of the board issues document and the quick-filter page, and the turn of a raw
// issue into a ReviewIssue.
#include "jira/JiraDocuments.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray withIssueFields(const QByteArray &fields)
{
    return R"({"startAt":0,"total":1,"issues":[{"id":"1","key":"AB-1","fields":)" + fields + "}]}";
}

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(NORRID_JIRA_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s, int ms)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

} // namespace

class TestJiraDocuments : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boardIssuesRejected_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("message");
        // Not a document at all.
        QTest::newRow("empty body") << QByteArray() << u"the response is empty"_s;
        QTest::newRow("html page") << QByteArray("<html><body>Log in</body></html>")
                                   << u"is not valid JSON"_s;
        QTest::newRow("array") << QByteArray("[]") << u"is not a JSON object"_s;
        QTest::newRow("truncated") << QByteArray("{\"issues\":[{\"key\":\"A") << u"is not valid JSON"_s;
        // Required members: missing, null, another type.
        QTest::newRow("empty object") << QByteArray("{}") << u"issues is missing"_s;
        QTest::newRow("issues null") << QByteArray(R"({"issues":null})") << u"issues is null"_s;
        QTest::newRow("issues object")
            << QByteArray(R"({"issues":{}})") << u"issues is an object, expected an array"_s;
        QTest::newRow("issue not object") << QByteArray(R"({"issues":[7]})") << u"issues[0] is a number"_s;
        QTest::newRow("key missing") << QByteArray(R"({"issues":[{"fields":{"summary":"s"}}]})")
                                     << u"issues[0].key is missing"_s;
        QTest::newRow("key number") << QByteArray(R"({"issues":[{"key":12,"fields":{"summary":"s"}}]})")
                                    << u"issues[0].key is a number, expected a string"_s;
        QTest::newRow("fields missing")
            << QByteArray(R"({"issues":[{"key":"A-1"}]})") << u"issues[0].fields is missing"_s;
        QTest::newRow("fields null") << QByteArray(R"({"issues":[{"key":"A-1","fields":null}]})")
                                     << u"issues[0].fields is null"_s;
        QTest::newRow("summary missing") << withIssueFields("{}") << u"issues[0].fields.summary is missing"_s;
        QTest::newRow("summary null")
            << withIssueFields(R"({"summary":null})") << u"issues[0].fields.summary is null"_s;
        QTest::newRow("summary bool") << withIssueFields(R"({"summary":true})")
                                      << u"issues[0].fields.summary is a boolean, expected a string"_s;
        // Optional members of another type still fail.
        QTest::newRow("updated number") << withIssueFields(R"({"summary":"s","updated":1})")
                                        << u"issues[0].fields.updated is a number, expected a string"_s;
        QTest::newRow("assignee string") << withIssueFields(R"({"summary":"s","assignee":"Ann"})")
                                         << u"issues[0].fields.assignee is a string, expected an object"_s;
        QTest::newRow("displayName number")
            << withIssueFields(R"({"summary":"s","assignee":{"displayName":5}})")
            << u"issues[0].fields.assignee.displayName is a number, expected a string"_s;
        // One bad issue fails the whole list.
        QTest::newRow("second issue bad")
            << QByteArray(R"({"issues":[{"key":"A-1","fields":{"summary":"ok"}},{"key":"A-2","fields":{}}]})")
            << u"issues[1].fields.summary is missing"_s;
    }

    void boardIssuesRejected()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        const auto result = JiraDocuments::decodeBoardIssues(body);
        QVERIFY(!result.ok());
        QCOMPARE(result.error().kind(), JiraError::Kind::decoding);
        QVERIFY2(result.error().message().contains(message), qPrintable(result.error().message()));
        QVERIFY(!result.error().message().contains(u'\n'));
        QVERIFY(result.error().errorDescription().startsWith(u"Couldn't read Jira's response: "_s));
    }

    void issueFieldsRead_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<std::optional<QString>>("assignee");
        QTest::addColumn<std::optional<QDateTime>>("updated");
        const std::optional<QString> nobody;
        const std::optional<QDateTime> never;
        QTest::newRow("assignee null") << QByteArray(R"({"summary":"s","assignee":null})") << nobody << never;
        QTest::newRow("assignee missing") << QByteArray(R"({"summary":"s"})") << nobody << never;
        QTest::newRow("assignee empty") << QByteArray(R"({"summary":"s","assignee":{}})") << nobody << never;
        QTest::newRow("displayName null")
            << QByteArray(R"({"summary":"s","assignee":{"displayName":null}})") << nobody << never;
        QTest::newRow("displayName empty") << QByteArray(R"({"summary":"s","assignee":{"displayName":""}})")
                                           << std::optional(QString(u""_s)) << never;
        QTest::newRow("displayName") << QByteArray(R"({"summary":"s","assignee":{"displayName":"Åsa Ö"}})")
                                     << std::optional(u"Åsa Ö"_s) << never;
        QTest::newRow("updated null") << QByteArray(R"({"summary":"s","updated":null})") << nobody << never;
        QTest::newRow("updated unparsable")
            << QByteArray(R"({"summary":"s","updated":"2024-03-05"})") << nobody << never;
        QTest::newRow("updated") << QByteArray(R"({"summary":"s","updated":"2024-03-05T14:07:09.123+0100"})")
                                 << nobody << std::optional(utc(2024, 3, 5, 13, 7, 9, 123));
        QTest::newRow("extra members everywhere")
            << QByteArray(
                   R"({"summary":"s","status":{"name":"Review"},"assignee":{"displayName":"Bo","x":[1]}})")
            << std::optional(u"Bo"_s) << never;
    }

    void issueFieldsRead()
    {
        QFETCH(QByteArray, fields);
        QFETCH(std::optional<QString>, assignee);
        QFETCH(std::optional<QDateTime>, updated);
        const auto result = JiraDocuments::decodeBoardIssues(withIssueFields(fields));
        QVERIFY2(result.ok(), qPrintable(result.ok() ? QString() : result.error().message()));
        QCOMPARE(result.value().issues.size(), 1);
        const ReviewIssue issue = result.value().issues.first().toReviewIssue();
        QCOMPARE(issue.key, u"AB-1"_s);
        QCOMPARE(issue.summary, u"s"_s);
        QCOMPARE(issue.assignee, assignee);
        QCOMPARE(issue.updated, updated);
    }

    void issuesKeepOrderAndCount()
    {
        QCOMPARE(JiraDocuments::decodeBoardIssues(R"({"issues":[]})").value().issues.size(), 0);
        const auto result = JiraDocuments::decodeBoardIssues(
            R"({"issues":[{"key":"Z-9","fields":{"summary":"last"}},{"key":"A-1","fields":{"summary":"first"}},)"
            R"({"key":"Z-9","fields":{"summary":"again"}}]})");
        QVERIFY(result.ok());
        QStringList keys;
        for (const RawIssue &raw : result.value().issues)
            keys.append(raw.toReviewIssue().key);
        QCOMPARE(keys, (QStringList{u"Z-9"_s, u"A-1"_s, u"Z-9"_s}));
    }

    void quickFilterPageRejected_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("message");
        QTest::newRow("values missing") << QByteArray(R"({"isLast":true})") << u"values is missing"_s;
        QTest::newRow("values null") << QByteArray(R"({"values":null})") << u"values is null"_s;
        QTest::newRow("id string") << QByteArray(R"({"values":[{"id":"1","name":"n","jql":"j"}]})")
                                   << u"values[0].id is a string, expected an integer"_s;
        QTest::newRow("id fraction") << QByteArray(R"({"values":[{"id":1.5,"name":"n","jql":"j"}]})")
                                     << u"values[0].id is not a 64-bit integer"_s;
        QTest::newRow("id beyond int64")
            << QByteArray(R"({"values":[{"id":9223372036854775808,"name":"n","jql":"j"}]})")
            << u"values[0].id is not a 64-bit integer"_s;
        QTest::newRow("id huge") << QByteArray(R"({"values":[{"id":1e300,"name":"n","jql":"j"}]})")
                                 << u"values[0].id is not a 64-bit integer"_s;
        QTest::newRow("id null") << QByteArray(R"({"values":[{"id":null,"name":"n","jql":"j"}]})")
                                 << u"values[0].id is null"_s;
        QTest::newRow("jql missing") << QByteArray(R"({"values":[{"id":1,"name":"n"}]})")
                                     << u"values[0].jql is missing"_s;
        QTest::newRow("name number") << QByteArray(R"({"values":[{"id":1,"name":2,"jql":"j"}]})")
                                     << u"values[0].name is a number"_s;
        QTest::newRow("isLast string")
            << QByteArray(R"({"values":[],"isLast":"true"})") << u"isLast is a string, expected a boolean"_s;
        QTest::newRow("second filter bad")
            << QByteArray(R"({"values":[{"id":1,"name":"n","jql":"j"},{"id":2,"name":"m"}]})")
            << u"values[1].jql is missing"_s;
    }

    void quickFilterPageRejected()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, message);
        const auto result = JiraDocuments::decodeQuickFilterPage(body);
        QVERIFY(!result.ok());
        QCOMPARE(result.error().kind(), JiraError::Kind::decoding);
        QVERIFY2(result.error().message().contains(message), qPrintable(result.error().message()));
    }

    void quickFilterPageRead_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<qint64>("id");
        QTest::addColumn<std::optional<bool>>("isLast");
        QTest::newRow("isLast missing") << QByteArray(R"({"values":[{"id":3,"name":"n","jql":"j"}]})")
                                        << qint64(3) << std::optional<bool>();
        QTest::newRow("isLast null") << QByteArray(
                                            R"({"values":[{"id":3,"name":"n","jql":"j"}],"isLast":null})")
                                     << qint64(3) << std::optional<bool>();
        QTest::newRow("isLast false")
            << QByteArray(R"({"values":[{"id":3,"name":"n","jql":"j"}],"isLast":false})") << qint64(3)
            << std::optional(false);
        QTest::newRow("largest id") << QByteArray(
                                           R"({"values":[{"id":9223372036854775807,"name":"n","jql":"j"}]})")
                                    << std::numeric_limits<qint64>::max() << std::optional<bool>();
        QTest::newRow("smallest id")
            << QByteArray(R"({"values":[{"id":-9223372036854775808,"name":"n","jql":"j"}]})")
            << std::numeric_limits<qint64>::min() << std::optional<bool>();
        QTest::newRow("integral exponent") << QByteArray(R"({"values":[{"id":1e3,"name":"n","jql":"j"}]})")
                                           << qint64(1000) << std::optional<bool>();
    }

    void quickFilterPageRead()
    {
        QFETCH(QByteArray, body);
        QFETCH(qint64, id);
        QFETCH(std::optional<bool>, isLast);
        const auto result = JiraDocuments::decodeQuickFilterPage(body);
        QVERIFY2(result.ok(), qPrintable(result.ok() ? QString() : result.error().message()));
        QCOMPARE(result.value().values, (QList<QuickFilter>{{id, u"n"_s, u"j"_s}}));
        QCOMPARE(result.value().isLast, isLast);
        QCOMPARE(JiraDocuments::decodeQuickFilterPage(R"({"values":[]})").value().values.size(), 0);
    }

    // Documents recorded from Jira or published by Atlassian. Three were fetched without asking
    // for the summary and lack it, which fails them as a whole.
    void publishedDocuments_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("failure");
        QTest::newRow("atlassian-python-api") << u"atlassian-python-api-epic-issues.json"_s << QString();
        QTest::newRow("openapi example")
            << u"board-issues-openapi-example.json"_s << u"issues[0].fields.summary is missing"_s;
        QTest::newRow("go-jira") << u"go-jira-issues_in_sprint.json"_s
                                 << u"issues[0].fields.summary is missing"_s;
        QTest::newRow("airbyte") << u"airbyte-source-jira-board_issues.json"_s
                                 << u"issues[0].fields.summary is missing"_s;
    }

    void publishedDocuments()
    {
        QFETCH(QString, file);
        QFETCH(QString, failure);
        const auto result = JiraDocuments::decodeBoardIssues(fixture(file));
        if (failure.isEmpty()) {
            QVERIFY(result.ok());
            return;
        }
        QVERIFY(!result.ok());
        QCOMPARE(result.error().message(), failure);
    }

    void publishedDocumentsWithSummary()
    {
        // With the summary Jira sends when asked for it, the recorded documents decode; the
        // OpenAPI example still fails, as its "updated" is a number.
        const auto addSummaries = [](const QByteArray &body) {
            QJsonObject document = QJsonDocument::fromJson(body).object();
            QJsonArray issues = document.value(u"issues").toArray();
            for (auto &&entry : issues) {
                QJsonObject issue = entry.toObject();
                QJsonObject fields = issue.value(u"fields").toObject();
                fields.insert(u"summary"_s, u"Added"_s);
                issue.insert(u"fields"_s, fields);
                entry = issue;
            }
            document.insert(u"issues"_s, issues);
            return QJsonDocument(document).toJson();
        };
        const auto goJira =
            JiraDocuments::decodeBoardIssues(addSummaries(fixture(u"go-jira-issues_in_sprint.json"_s)));
        QVERIFY(goJira.ok());
        const ReviewIssue first = goJira.value().issues.first().toReviewIssue();
        QCOMPARE(first.key, u"AR-86"_s);
        QCOMPARE(first.assignee, std::optional(u"mister Morris"_s));
        QCOMPARE(first.updated, std::optional(utc(2016, 2, 1, 16, 17, 4, 0)));
        QVERIFY(JiraDocuments::decodeBoardIssues(
                    addSummaries(fixture(u"airbyte-source-jira-board_issues.json"_s)))
                    .ok());
        const auto openapi =
            JiraDocuments::decodeBoardIssues(addSummaries(fixture(u"board-issues-openapi-example.json"_s)));
        QCOMPARE(openapi.error().message(), u"issues[0].fields.updated is a number, expected a string"_s);
    }

    void publishedQuickFilterPage()
    {
        const auto page =
            JiraDocuments::decodeQuickFilterPage(fixture(u"quickfilter-page-openapi-example.json"_s));
        QVERIFY(page.ok());
        QCOMPARE(page.value().values, (QList<QuickFilter>{{1, u"Bugs"_s, u"issueType = bug"_s},
                                                          {2, u"Tasks"_s, u"issueType = task"_s}}));
        QCOMPARE(page.value().isLast, std::optional(false));
    }
};

QTEST_GUILESS_MAIN(TestJiraDocuments)
#include "tst_jiradocuments.moc"
