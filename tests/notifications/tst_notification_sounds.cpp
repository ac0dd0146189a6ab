#include "notifications/CanberraSoundPlayer.h"
#include "notifications/DataFiles.h"
#include "notifications/NotificationManager.h"
#include "notifications/NotificationSettingsCommands.h"

#include <QFileInfo>
#include <QTest>

// The sound names, the shipped sound files and the other files and programs notifications use.
class TestNotificationSounds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void soundNames()
    {
        QCOMPARE(NotificationManager::sound(QStringLiteral("None")), std::nullopt);
        QCOMPARE(NotificationManager::sound(QStringLiteral("Default")), std::optional<QString>(QString()));
        QCOMPARE(NotificationManager::sound(QString()), std::optional<QString>(QString()));
        // Names are not checked against the list; the player decides what an unknown one sounds like.
        QCOMPARE(NotificationManager::sound(QStringLiteral("Chime")), std::optional(QStringLiteral("Chime")));
    }

    void everyNamedSoundHasItsOwnShortFile()
    {
        QSet<QByteArray> contents;
        for (const QString &name : NotificationManager::soundOptions.mid(2)) {
            const QString file = CanberraSoundPlayer::soundFile(name);
            QVERIFY2(!file.isEmpty(), qPrintable(name));
            QCOMPARE(QFileInfo(file).fileName(), name + QStringLiteral(".oga"));
            QFile in(file);
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray data = in.readAll();
            QVERIFY2(data.startsWith("OggS") && data.contains("vorbis"), qPrintable(name));
            QVERIFY2(data.size() < 16 * 1024, qPrintable(name));
            contents.insert(data);
        }
        QCOMPARE(contents.size(), 14); // fourteen different sounds
    }

    void soundFileNamesStayInsideTheSoundsFolder()
    {
        for (const QString &name : {QStringLiteral("Default"), QStringLiteral("None"), QString(),
                                    QStringLiteral("../notification-icon"), QStringLiteral("/etc/passwd"),
                                    QStringLiteral("Glass/../Glass"), QStringLiteral(".hidden")})
            QVERIFY2(CanberraSoundPlayer::soundFile(name).isEmpty(), qPrintable(name));
        QVERIFY(DataFiles::locate(QStringLiteral("../CMakeLists.txt")).isEmpty());
        QVERIFY(DataFiles::locate(QStringLiteral("/etc/hostname")).isEmpty());
        QVERIFY(!DataFiles::locate(QStringLiteral("notification-icon.png")).isEmpty());
    }

    void notificationSettingsCommands()
    {
        using Commands = QList<QStringList>;
        const QStringList gnome{QStringLiteral("gnome-control-center"), QStringLiteral("notifications")};
        const QStringList kde{QStringLiteral("systemsettings"), QStringLiteral("kcm_notifications")};

        QCOMPARE(NotificationSettingsCommands::forDesktop(QStringLiteral("ubuntu:GNOME")).constFirst(),
                 gnome);
        QCOMPARE(NotificationSettingsCommands::forDesktop(QStringLiteral("KDE")).constFirst(), kde);
        // Elsewhere every known settings program is tried, each once.
        const Commands fallback = NotificationSettingsCommands::forDesktop(QString());
        QVERIFY(fallback.contains(gnome) && fallback.contains(kde));
        const Commands mixed = NotificationSettingsCommands::forDesktop(QStringLiteral("KDE:GNOME"));
        QCOMPARE(mixed.mid(0, 2), (Commands{kde, gnome}));
        QCOMPARE(mixed.count(gnome), 1);
    }
};

QTEST_GUILESS_MAIN(TestNotificationSounds)
#include "tst_notification_sounds.moc"
