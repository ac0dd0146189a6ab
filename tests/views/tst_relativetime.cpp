#include "views/RelativeTime.h"

#include <QTest>
#include <QTimeZone>

namespace {
const QDateTime now(QDate(2024, 3, 15), QTime(12, 0), Qt::UTC);
QDateTime at(int y, int m, int d, int h = 12)
{
    return QDateTime(QDate(y, m, d), QTime(h, 0), Qt::UTC);
}
} // namespace

class TestRelativeTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each interval into the past and, mirrored, into the future; units round down.
    void elapsed()
    {
        const qint64 minute = 60, hour = 3600, day = 86400;
        const std::pair<qint64, const char *> cases[] = {
            {59, "just now"},         {minute, "1 min."}, {hour - 1, "59 min."},      {hour, "1 hr."},
            {day - minute, "23 hr."}, {day, "1 day"},     {7 * day - hour, "6 days"}, {7 * day, "1 wk."},
            {20 * day, "2 wk."}};
        for (const auto &[seconds, text] : cases) {
            const QString unit = QString::fromLatin1(text);
            const bool ago = seconds >= minute;
            QCOMPARE(RelativeTime::string(now.addSecs(-seconds), now),
                     ago ? unit + QStringLiteral(" ago") : unit);
            QCOMPARE(RelativeTime::string(now.addSecs(seconds), now),
                     ago ? QStringLiteral("in ") + unit : unit);
        }
    }

    // Months and years follow the calendar: a month is reached on the same day of the next month,
    // however long that month is.
    void calendar()
    {
        const struct
        {
            QDateTime date, reference;
            const char *expected;
        } cases[] = {{at(2024, 2, 16), now, "4 wk. ago"},
                     {at(2024, 2, 15), now, "1 mo. ago"},
                     {at(2024, 2, 15, 13), now, "4 wk. ago"},
                     {at(2023, 3, 16), now, "11 mo. ago"},
                     {at(2023, 3, 15), now, "1 yr. ago"},
                     {at(2021, 9, 15), now, "2 yr. ago"},
                     {at(2024, 4, 15), now, "in 1 mo."},
                     // 31 January plus a month is the last day of February.
                     {at(2023, 1, 31), at(2023, 2, 28), "1 mo. ago"},
                     // Jira times carry their own offset: instants are compared, not wall clocks.
                     {QDateTime(QDate(2024, 2, 15), QTime(17, 0), QTimeZone(5 * 3600)), now, "1 mo. ago"},
                     {QDateTime(), now, ""}};
        for (const auto &c : cases)
            QCOMPARE(RelativeTime::string(c.date, c.reference), QString::fromUtf8(c.expected));
    }
};

QTEST_GUILESS_MAIN(TestRelativeTime)
#include "tst_relativetime.moc"
