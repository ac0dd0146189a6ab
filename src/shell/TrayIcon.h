#pragma once

#include "shell/StatusIconImage.h"
#include "shell/StatusPresentation.h"
#include "shell/TrayIconAppearance.h"

#include <QObject>
#include <QRect>
#include <QSystemTrayIcon>
#include <functional>

class ColorSchemeWatcher;
class QAction;
class QMenu;

// Norrid's icon in the tray: the image with the count and the update dot, the tooltip with the
// count in words, and the context menu. A left click asks for the popover. The icon is drawn anew
// when the application's palette or the desktop's colour scheme changes.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    struct Actions
    {
        std::function<void()> showCards;
        std::function<void()> refreshNow;
        std::function<void()> openBoard;
        std::function<void()> openSettings;
        std::function<void()> checkForUpdates;
        std::function<void()> quit;
        // A word of NotificationSnooze::words, or "off".
        std::function<void(const QString &length)> snooze;
    };

    explicit TrayIcon(Actions actions, QObject *parent = nullptr);
    ~TrayIcon() override;

    void show();
    // Sets the tooltip and the image; the image is only handed to the tray when it changes.
    void setLook(const StatusPresentation::Look &look);
    void setCount(int count);
    void setAppearance(TrayIconAppearance::Mode mode);
    // Notifications snoozed until then (invalid: not snoozed): the mark on the icon, a line in the
    // tooltip, and "Resume Notifications" in the menu instead of "Snooze Notifications".
    void setSnoozedUntil(const QDateTime &until);

    // Where the tray shows the icon; empty when the tray does not tell.
    QRect geometry() const { return m_tray.geometry(); }
    const QSystemTrayIcon &systemTrayIcon() const { return m_tray; }
    QMenu *contextMenu() const { return m_menu; }
    // Whether a StatusNotifierItem host was found (else Qt shows an XEmbed icon).
    bool hasStatusNotifierHost() const { return m_content.hostScales; }
    // How many times an image was handed to the tray.
    int iconUpdates() const { return m_iconUpdates; }

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyIcon();
    void applyColours();
    void applyToolTip();
    QColor automaticGlyph() const;

    Actions m_actions;
    QSystemTrayIcon m_tray;
    QMenu *m_menu;
    StatusIconImage m_images;
    StatusIconImage::Content m_content;
    QString m_lookToolTip;
    QDateTime m_snoozedUntil;
    QAction *m_snoozeMenu = nullptr;
    QAction *m_resume = nullptr;
    TrayIconAppearance::Mode m_appearance = TrayIconAppearance::Mode::automatic;
    ColorSchemeWatcher *m_colorScheme;
    qint64 m_shownIconKey = 0;
    int m_iconUpdates = 0;
};
