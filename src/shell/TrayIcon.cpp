#include "shell/TrayIcon.h"

#include <QMenu>

namespace {

// Tray images are drawn in one colour, so it has to contrast with the panel, which Norrid cannot
// see. GNOME's top bar is dark whatever the application theme; elsewhere the panel follows the
// desktop's colour scheme, which the application palette also follows.
QColor panelForeground()
{
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    for (const auto name :
         {QLatin1StringView("GNOME"), QLatin1StringView("Unity"), QLatin1StringView("Pantheon")}) {
        if (desktop.contains(name, Qt::CaseInsensitive))
            return QColor(0xF2, 0xF2, 0xF2);
    }
    return StatusIconImage::paletteForeground();
}

void run(const std::function<void()> &action)
{
    if (action)
        action();
}
} // namespace

TrayIcon::TrayIcon(Actions actions, QObject *parent)
    : QObject(parent), m_actions(std::move(actions)), m_menu(new QMenu)
{
    // Trays that give no left click (some AppIndicator hosts open the menu instead) still reach
    // the cards through the first item.
    m_menu->addAction(QStringLiteral("Show Cards"), this, [this] { run(m_actions.showCards); });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Refresh Now"), this, [this] { run(m_actions.refreshNow); });
    m_menu->addAction(QStringLiteral("Open Board in Browser"), this, [this] { run(m_actions.openBoard); });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Settings…"), this, [this] { run(m_actions.openSettings); });
    m_menu->addAction(QStringLiteral("Check for Updates…"), this, [this] { run(m_actions.checkForUpdates); });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Quit Norrid"), this, [this] { run(m_actions.quit); });
    // Hosts speaking StatusNotifierItem need a menu attached at all times.
    m_tray.setContextMenu(m_menu);

    connect(&m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A second click soon after the first arrives as a double click; it is a click all the same.
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            Q_EMIT clicked();
    });

    m_content.symbolName = QStringLiteral("checklist");
    m_content.colour = panelForeground();
    m_tray.setToolTip(StatusPresentation::accessibleLabel());
    applyIcon();
}

TrayIcon::~TrayIcon()
{
    delete m_menu;
}

void TrayIcon::show()
{
    m_tray.show();
}

void TrayIcon::setLook(const StatusPresentation::Look &look)
{
    m_tray.setToolTip(look.toolTip);
    m_content.symbolName = look.symbolName;
    m_content.badged = look.badged;
    applyIcon();
}

void TrayIcon::setCount(int count)
{
    m_content.count = count;
    applyIcon();
}

void TrayIcon::applyIcon()
{
    const QIcon icon = m_images.icon(m_content);
    if (icon.cacheKey() == m_shownIconKey)
        return;
    m_shownIconKey = icon.cacheKey();
    ++m_iconUpdates;
    m_tray.setIcon(icon);
}
