#include "shell/TrayWatcher.h"

#include <QDBusConnection>

TrayWatcher::TrayWatcher(Availability available, std::chrono::milliseconds grace, QObject *parent)
    : QObject(parent), m_available(std::move(available)), m_grace(grace)
{
    m_poll.setInterval(std::chrono::seconds(1));
    connect(&m_poll, &QTimer::timeout, this, &TrayWatcher::check);
    m_hostWatcher.setConnection(QDBusConnection::sessionBus());
    m_hostWatcher.addWatchedService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    // Queued: Qt's own tray hears of the watcher on the same signal and must have re-registered
    // before the tray counts as there.
    connect(&m_hostWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &TrayWatcher::check,
            Qt::QueuedConnection);
}

void TrayWatcher::start()
{
    m_missingSince.invalidate();
    check();
}

void TrayWatcher::check()
{
    if (m_available()) {
        m_poll.stop();
        m_missingSince.invalidate();
        if (std::exchange(m_reported, false))
            Q_EMIT back();
        return;
    }
    if (!m_missingSince.isValid())
        m_missingSince.start();
    if (!m_poll.isActive())
        m_poll.start();
    if (!m_reported && std::chrono::milliseconds(m_missingSince.elapsed()) >= m_grace) {
        m_reported = true;
        Q_EMIT missing();
    }
}
