#include "notifications/NotificationSnooze.h"

#include <QSettings>

namespace {

const QString storedKey = QStringLiteral("notifications/snoozedUntil");
// The timer re-arms at least hourly, so a long snooze still ends on time after a suspend.
constexpr qint64 longestWaitMs = 60 * 60 * 1000;

} // namespace

const QStringList NotificationSnooze::words{QStringLiteral("30m"), QStringLiteral("1h"), QStringLiteral("4h"),
                                            QStringLiteral("tomorrow")};

NotificationSnooze::NotificationSnooze(const QString &settingsFile, QObject *parent)
    : QObject(parent), m_settingsFile(settingsFile)
{
    m_expiry.setSingleShot(true);
    connect(&m_expiry, &QTimer::timeout, this, &NotificationSnooze::expire);
    const QSettings store(m_settingsFile, QSettings::IniFormat);
    const QVariant stored = store.value(storedKey);
    if (stored.typeId() == QMetaType::QString)
        m_until = QDateTime::fromString(stored.toString(), Qt::ISODate);
    arm();
}

std::optional<QDateTime> NotificationSnooze::endFor(const QString &word, const QDateTime &now)
{
    if (word == u"30m")
        return now.addSecs(30 * 60);
    if (word == u"1h")
        return now.addSecs(60 * 60);
    if (word == u"4h")
        return now.addSecs(4 * 60 * 60);
    if (word == u"tomorrow")
        return QDateTime(now.date().addDays(1), QTime(9, 0));
    return std::nullopt;
}

bool NotificationSnooze::isActive() const
{
    // The clock decides, not the timer: after a suspend the timer may not have fired yet.
    return m_until.isValid() && now() < m_until;
}

void NotificationSnooze::snoozeUntil(const QDateTime &end)
{
    m_until = end.isValid() && now() < end ? end : QDateTime();
    QSettings store(m_settingsFile, QSettings::IniFormat);
    if (m_until.isValid())
        store.setValue(storedKey, m_until.toString(Qt::ISODate));
    else
        store.remove(storedKey);
    store.sync();
    arm();
    Q_EMIT changed();
}

void NotificationSnooze::arm()
{
    if (!isActive()) {
        m_expiry.stop();
        return;
    }
    m_expiry.start(int(std::clamp<qint64>(now().msecsTo(m_until) + 1, 1, longestWaitMs)));
}

void NotificationSnooze::expire()
{
    if (isActive()) {
        arm();
        return;
    }
    m_until = {};
    QSettings store(m_settingsFile, QSettings::IniFormat);
    store.remove(storedKey);
    arm();
    Q_EMIT changed();
}
