#pragma once

#include "shell/StatusIconImage.h"
#include "shell/StatusPresentation.h"

#include <QObject>
#include <QRect>
#include <QSystemTrayIcon>
#include <functional>

class QMenu;

// Norrid's icon in the tray: the image with the count and the update dot, the tooltip, and the
// context menu. A left click asks for the popover.
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
    };

    explicit TrayIcon(Actions actions, QObject *parent = nullptr);
    ~TrayIcon() override;

    void show();
    // Sets the tooltip and the image; the image is only handed to the tray when it changes.
    void setLook(const StatusPresentation::Look &look);
    void setCount(int count);

    // Where the tray shows the icon; empty when the tray does not tell.
    QRect geometry() const { return m_tray.geometry(); }
    const QSystemTrayIcon &systemTrayIcon() const { return m_tray; }
    QMenu *contextMenu() const { return m_menu; }
    // How many times an image was handed to the tray.
    int iconUpdates() const { return m_iconUpdates; }

Q_SIGNALS:
    void clicked();

private:
    void applyIcon();

    Actions m_actions;
    QSystemTrayIcon m_tray;
    QMenu *m_menu;
    StatusIconImage m_images;
    StatusIconImage::Content m_content;
    qint64 m_shownIconKey = 0;
    int m_iconUpdates = 0;
};
