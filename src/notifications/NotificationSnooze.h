#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

// Notifications held back for a while at the user's word: no card or batch notification is shown
// and no sound plays until the snooze ends. Polling goes on, so cards that arrive meanwhile are
// seen and never announced afterwards, as the desktop's do-not-disturb does. The end is kept in the
// settings file (notifications/snoozedUntil), so a snooze survives a restart, and ends by itself.
class NotificationSnooze : public QObject
{
    Q_OBJECT

public:
    // The lengths the tray menu and the command line offer: 30m, 1h, 4h and tomorrow (9:00 local).
    static const QStringList words;

    explicit NotificationSnooze(const QString &settingsFile, QObject *parent = nullptr);

    // When a snooze of that length (a word of `words`) begun at `now` ends; none for another word.
    static std::optional<QDateTime> endFor(const QString &word, const QDateTime &now);

    bool isActive() const;
    // The end of the snooze; invalid when notifications are not snoozed.
    QDateTime until() const { return isActive() ? m_until : QDateTime(); }
    // Snoozes until `end`; an invalid or past time resumes.
    void snoozeUntil(const QDateTime &end);
    void resume() { snoozeUntil({}); }

    // The clock; tests replace it.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

Q_SIGNALS:
    // Snoozed, resumed, or the snooze ended by itself.
    void changed();

private:
    void arm();
    void expire();

    QString m_settingsFile;
    QDateTime m_until;
    QTimer m_expiry;
};
