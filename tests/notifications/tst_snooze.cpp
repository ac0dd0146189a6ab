// Snoozed notifications: the end of each length, off, the end coming by itself, a snooze that
// survives a restart of Norrid, and no card or batch notification while it holds.
#include "monitor/RecordingNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "notifications/NotificationSnooze.h"
#include "settings/AppSettings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSnooze : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file() const { return m_dir.filePath(u"Norrid.conf"_s); }

private Q_SLOTS:
    void init() { QFile::remove(file()); }

    // Each length from a given moment, and what a restart finds. "tomorrow" is 9:00 of the next
    // day, also shortly after midnight; a word of no length snoozes nothing.
    void lengths_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("end");
        const QDateTime afternoon(QDate(2026, 12, 8), QTime(16, 45));
        QTest::newRow("30m") << u"30m"_s << afternoon << afternoon.addSecs(30 * 60);
        QTest::newRow("1h") << u"1h"_s << afternoon << afternoon.addSecs(60 * 60);
        QTest::newRow("4h, past midnight")
            << u"4h"_s << afternoon.addSecs(4 * 3600) << QDateTime(QDate(2026, 12, 9), QTime(0, 45));
        QTest::newRow("tomorrow") << u"tomorrow"_s << afternoon << QDateTime(QDate(2026, 12, 9), QTime(9, 0));
        QTest::newRow("tomorrow after midnight")
            << u"tomorrow"_s << QDateTime(QDate(2026, 12, 9), QTime(0, 10))
            << QDateTime(QDate(2026, 12, 10), QTime(9, 0));
        QTest::newRow("off") << u"off"_s << afternoon << QDateTime();
        QTest::newRow("no length") << u"2h"_s << afternoon << QDateTime();
    }

    void lengths()
    {
        QFETCH(QString, word);
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, end);
        QCOMPARE(NotificationSnooze::endFor(word, now).value_or(QDateTime()), end);

        const auto clock = [now] { return now; };
        {
            NotificationSnooze snooze(file());
            snooze.now = clock;
            QSignalSpy changed(&snooze, &NotificationSnooze::changed);
            snooze.snoozeUntil(end);
            QCOMPARE(snooze.isActive(), end.isValid());
            QCOMPARE(snooze.until(), end);
            QCOMPARE(changed.size(), 1);
        }
        NotificationSnooze restarted(file());
        restarted.now = clock;
        QCOMPARE(restarted.until(), end);
        // Once the end has passed, a restart finds notifications on.
        restarted.now = [end] { return end; };
        QVERIFY(!restarted.isActive());
    }

    // A snooze ends by itself, says so, and forgets its end.
    void endsByItself()
    {
        NotificationSnooze snooze(file());
        QSignalSpy changed(&snooze, &NotificationSnooze::changed);
        snooze.snoozeUntil(QDateTime::currentDateTime().addMSecs(300));
        QVERIFY(snooze.isActive());
        QTRY_COMPARE(changed.size(), 2);
        QVERIFY(!snooze.isActive() && !snooze.until().isValid());
        QVERIFY(!QSettings(file(), QSettings::IniFormat).contains(u"notifications/snoozedUntil"_s));
    }

    // While snoozed no card or batch notification is handed over, and those cards are not
    // announced afterwards: the monitor has seen them. The test notification, asked for, goes.
    void nothingIsAnnouncedWhileSnoozed()
    {
        AppSettings settings(file());
        RecordingNotificationCenter center;
        NotificationManager manager(settings, center);
        NotificationSnooze snooze(file());
        manager.setSnooze(&snooze);
        snooze.snoozeUntil(QDateTime::currentDateTime().addSecs(3600));
        manager.notify({u"AB-1"_s, u"Summary"_s, {}, {}}, QUrl(u"https://acme.atlassian.net/browse/AB-1"_s));
        manager.notifyBatch({u"AB-1"_s, u"AB-2"_s, u"AB-3"_s, u"AB-4"_s}, {});
        QVERIFY(center.added.isEmpty());
        manager.sendTest(u"None"_s);
        QCOMPARE(center.added.size(), 1);
        snooze.resume();
        manager.notify({u"AB-5"_s, u"Summary"_s, {}, {}}, {});
        QCOMPARE(center.added.size(), 2);
        QCOMPARE(center.added.last().subtitle, u"AB-5"_s);
    }
};

QTEST_GUILESS_MAIN(TestSnooze)
#include "tst_snooze.moc"
