#pragma once

#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

// Follows whether the desktop shows a tray, instead of guessing once: panels start late and restart
// (plasmashell, waybar, xfce4-panel). A tray that is missing is only reported once it has been
// missing for `grace`, and the report is taken back when a tray appears. It looks whenever a
// StatusNotifierItem host's watcher comes or goes on the session bus, and once a second while no
// tray is there; with a tray in place it costs no wake-ups. (An XEmbed tray that comes back is
// found by Qt itself, which docks the icon again.)
class TrayWatcher : public QObject
{
    Q_OBJECT

public:
    using Availability = std::function<bool()>;
    static constexpr std::chrono::seconds defaultGrace{30};

    // `available` tells whether a tray is there now (QSystemTrayIcon::isSystemTrayAvailable).
    explicit TrayWatcher(Availability available, std::chrono::milliseconds grace = defaultGrace,
                         QObject *parent = nullptr);

    // Starts watching; the grace counts from here.
    void start();
    // missing() was said and no tray has come since.
    bool isReported() const { return m_reported; }

Q_SIGNALS:
    // The tray has been missing for the grace time.
    void missing();
    // A tray is there again after missing().
    void back();

private:
    void check();

    Availability m_available;
    std::chrono::milliseconds m_grace;
    QDBusServiceWatcher m_hostWatcher;
    QTimer m_poll;
    QElapsedTimer m_missingSince;
    bool m_reported = false;
};
