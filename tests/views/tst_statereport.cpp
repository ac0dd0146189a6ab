// What bars and scripts read from `norrid status`: the human line, the JSON object and waybar's
// object for each kind of state, with Jira's words kept as they are in JSON and escaped where
// waybar reads markup.
#include "views/StateReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStateReport : public QObject
{
    Q_OBJECT

    static StateReport twoCards()
    {
        StateReport report;
        report.count = 2;
        report.status = u"In Review"_s;
        report.state = u"ok"_s;
        report.lastUpdated = u"2026-12-08T10:00:00"_s;
        report.cards = {{u"AB-2"_s, u"<b>Fix</b> & \"ship\"\nit"_s, u"Bo"_s, u"2026-12-08T09:00:00"_s,
                         u"https://acme.atlassian.net/browse/AB-2"_s},
                        {u"AB-1"_s, u"Plain"_s, {}, {}, {}}};
        return report;
    }

private Q_SLOTS:
    void linesForEachState_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("line");
        QTest::newRow("ok") << u"ok"_s << 3 << QString() << u"3 cards in In Review"_s;
        QTest::newRow("one card") << u"ok"_s << 1 << QString() << u"1 card in In Review"_s;
        QTest::newRow("error over lines") << u"error"_s << 3 << u"Jira returned HTTP 400.\nNo such field."_s
                                          << u"Jira returned HTTP 400. No such field."_s;
        QTest::newRow("loading") << u"loading"_s << 0 << QString() << u"Loading the cards in In Review…"_s;
        QTest::newRow("snoozed") << u"ok"_s << 2 << QString()
                                 << u"2 cards in In Review (notifications snoozed until %1)"_s.arg(
                                        QLocale().toString(QTime(23, 59), QLocale::ShortFormat));
    }

    void linesForEachState()
    {
        QFETCH(QString, state);
        QFETCH(int, count);
        QFETCH(QString, message);
        QFETCH(QString, line);
        StateReport report;
        report.state = state;
        report.count = count;
        report.status = u"In Review"_s;
        report.message = message;
        if (QTest::currentDataTag() == QByteArray("snoozed"))
            report.snoozedUntil = QDateTime(QDate::currentDate(), QTime(23, 59)).toString(Qt::ISODate);
        QCOMPARE(report.humanLine(), line);
        const QJsonObject waybar = QJsonDocument::fromJson(report.waybar()).object();
        QCOMPARE(waybar.value(u"text"_s).toString(), QString::number(count));
        QCOMPARE(waybar.value(u"alt"_s).toString(), state);
        QCOMPARE(waybar.value(u"class"_s).toString(), state);
    }

    void cardsInJsonAndWaybar()
    {
        const StateReport report = twoCards();
        const QJsonObject json = QJsonDocument::fromJson(report.json()).object();
        QCOMPARE(json.keys(), (QStringList{u"cards"_s, u"columns"_s, u"count"_s, u"lastUpdated"_s,
                                           u"message"_s, u"snoozedUntil"_s, u"state"_s, u"status"_s}));
        QVERIFY(json.value(u"snoozedUntil"_s).isNull());
        const QJsonArray cards = json.value(u"cards"_s).toArray();
        QCOMPARE(cards.size(), 2);
        QCOMPARE(cards[0].toObject().value(u"summary"_s).toString(), report.cards[0].summary);
        QVERIFY(cards[1].toObject().value(u"assignee"_s).isNull() &&
                cards[1].toObject().value(u"url"_s).isNull());
        StateReport never = report;
        never.lastUpdated.clear();
        QVERIFY(QJsonDocument::fromJson(never.json()).object().value(u"lastUpdated"_s).isNull());

        // Waybar reads markup: Jira's words are escaped, lines are broken at carriage returns.
        const QString tooltip =
            QJsonDocument::fromJson(report.waybar()).object().value(u"tooltip"_s).toString();
        QCOMPARE(tooltip, u"2 cards in In Review\rAB-2 — &lt;b&gt;Fix&lt;/b&gt; &amp; &quot;ship&quot; it\r"
                          u"AB-1 — Plain"_s);

        // Over the bus and back, nothing changes.
        QCOMPARE(StateReport::fromProperties(report.toProperties()), report);
        // A change names only what changed: the rest is kept, and the cards are replaced whole.
        StateReport followed = report;
        followed.apply({{u"LastUpdated"_s, u"2026-12-08T10:05:00"_s}});
        QCOMPARE(followed.cards, report.cards);
        QCOMPARE(followed.lastUpdated, u"2026-12-08T10:05:00"_s);
        StateReport one = report;
        one.cards.removeLast();
        one.count = 1;
        followed.apply({{u"Count"_s, 1}, {u"Cards"_s, one.cardsProperty()}});
        one.lastUpdated = followed.lastUpdated;
        QCOMPARE(followed, one);
    }

    // Several columns: a line for each, in JSON and over the bus; the whole keeps its own fields.
    void severalColumns()
    {
        StateReport report = twoCards();
        report.state = u"error"_s;
        report.message = u"Board 9 was not found."_s;
        report.columns = {
            {u"Team A"_s, u"7"_s, u"In Review"_s, 2, u"ok"_s, {}, report.cards},
            {u"QA"_s, u"9"_s, u"Ready for QA"_s, 0, u"error"_s, u"Board 9 was not\nfound."_s, {}},
            {u"Docs"_s, u"7"_s, u"Docs"_s, 1, u"ok"_s, {}, {report.cards[0]}},
            {u"Later"_s, u"8"_s, u"Later"_s, 0, u"loading"_s, {}, {}}};
        QCOMPARE(report.humanLine(), u"2 cards in Team A\nQA: Board 9 was not found.\n1 card in Docs\n"
                                     u"Loading the cards in Later…"_s);
        const QJsonArray columns =
            QJsonDocument::fromJson(report.json()).object().value(u"columns"_s).toArray();
        QCOMPARE(columns.size(), 4);
        const QJsonObject qa = columns[1].toObject();
        QCOMPARE(qa.keys(), (QStringList{u"boardId"_s, u"cards"_s, u"count"_s, u"message"_s, u"name"_s,
                                         u"state"_s, u"status"_s}));
        QCOMPARE(qa.value(u"state"_s).toString(), u"error"_s);
        QCOMPARE(columns[0].toObject().value(u"cards"_s).toArray().size(), 2);
        const QString tooltip =
            QJsonDocument::fromJson(report.waybar()).object().value(u"tooltip"_s).toString();
        QVERIFY(tooltip.startsWith(u"2 cards in Team A\rQA: Board 9 was not found.\r1 card in Docs\r"_s));
        QCOMPARE(StateReport::fromProperties(report.toProperties()), report);
    }
};

QTEST_GUILESS_MAIN(TestStateReport)
#include "tst_statereport.moc"
