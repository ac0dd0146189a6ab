// Decodes a board issues document of 100 cards, as one poll receives it, and prints the time per
// document. Prints figures only; nothing here judges them.
#include "jira/JiraDocuments.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

QByteArray hundredCards()
{
    QJsonArray issues;
    for (int i = 0; i < 100; ++i) {
        const QJsonObject assignee{{QStringLiteral("accountId"), QStringLiteral("5b10a2844c20165700ede21g")},
                                   {QStringLiteral("displayName"), QStringLiteral("Reviewer %1").arg(i % 7)},
                                   {QStringLiteral("active"), true}};
        const QJsonObject fields{
            {QStringLiteral("summary"), QStringLiteral("Make the thing %1 do what it says").arg(i)},
            {QStringLiteral("updated"),
             QStringLiteral("2024-03-05T14:%1:09.123+0100").arg(i % 60, 2, 10, QLatin1Char('0'))},
            {QStringLiteral("assignee"), i % 5 == 0 ? QJsonValue() : QJsonValue(assignee)}};
        issues.append(
            QJsonObject{{QStringLiteral("id"), QString::number(10000 + i)},
                        {QStringLiteral("self"),
                         QStringLiteral("https://acme.atlassian.net/rest/agile/1.0/issue/%1").arg(10000 + i)},
                        {QStringLiteral("key"), QStringLiteral("AB-%1").arg(i + 1)},
                        {QStringLiteral("fields"), fields}});
    }
    const QJsonObject document{{QStringLiteral("startAt"), 0},
                               {QStringLiteral("maxResults"), 100},
                               {QStringLiteral("total"), 100},
                               {QStringLiteral("issues"), issues}};
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QByteArray body = hundredCards();
    constexpr int rounds = 2000;
    qsizetype cards = 0;
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round) {
        const auto result = JiraDocuments::decodeBoardIssues(body);
        for (const RawIssue &raw : result.value().issues)
            cards += raw.toReviewIssue().key.size() > 0 ? 1 : 0;
    }
    const double microseconds = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / rounds;
    std::printf("jira decode: 100-card board document (%lld bytes) decoded and converted in %.1f us "
                "per document (%d rounds, %lld cards)\n",
                static_cast<long long>(body.size()), microseconds, rounds, static_cast<long long>(cards));
    return 0;
}
