#include "shell/TrayIcon.h"

#include "logging/LogCategories.h"
#include "notifications/NotificationSnooze.h"
#include "shell/ColorSchemeWatcher.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>
#include <QWidget>

namespace {

bool panelIsAlwaysDark()
{
    // GNOME's top bar is dark whatever the application theme or the colour scheme.
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    for (const auto name :
         {QLatin1StringView("GNOME"), QLatin1StringView("Unity"), QLatin1StringView("Pantheon")}) {
        if (desktop.contains(name, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Qt's own window for the icon in an XEmbed tray. Qt makes a new one when the tray comes back, so
// it is recognised by its class rather than kept.
bool isXEmbedIcon(const QObject *object)
{
    return object->isWidgetType() && qstrcmp(object->metaObject()->className(), "QSystemTrayIconSys") == 0;
}

void run(const std::function<void()> &action)
{
    if (action)
        action();
}
// Whether Qt's tray is a StatusNotifierItem: Qt takes one when a host has registered with the
// watcher as the application starts, and an XEmbed icon otherwise. Asked asynchronously; the answer
// redraws the icon.
QDBusPendingCall askStatusNotifierHostRegistered()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.kde.StatusNotifierWatcher")
        << QStringLiteral("IsStatusNotifierHostRegistered");
    get.setAutoStartService(false);
    return QDBusConnection::sessionBus().asyncCall(get, 1000);
}

} // namespace

TrayIcon::TrayIcon(Actions actions, QObject *parent)
    : QObject(parent), m_actions(std::move(actions)), m_menu(new QMenu)
{
    // Trays that give no left click (some AppIndicator hosts open the menu instead) still reach
    // the cards through the first item.
    m_menu->addAction(tr("Show Cards"), this, [this] { run(m_actions.showCards); });
    m_menu->addSeparator();
    m_menu->addAction(tr("Refresh Now"), this, [this] { run(m_actions.refreshNow); });
    m_menu->addAction(tr("Open Board in Browser"), this, [this] { run(m_actions.openBoard); });
    m_menu->addSeparator();
    auto *snoozeMenu = new QMenu(tr("Snooze Notifications"), m_menu);
    const QStringList labels{tr("30 Minutes"), tr("1 Hour"), tr("4 Hours"), tr("Until Tomorrow")};
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QString word = NotificationSnooze::words.at(i);
        snoozeMenu->addAction(labels.at(i), this, [this, word] {
            if (m_actions.snooze)
                m_actions.snooze(word);
        });
    }
    m_snoozeMenu = m_menu->addMenu(snoozeMenu);
    m_resume = m_menu->addAction(tr("Resume Notifications"), this, [this] {
        if (m_actions.snooze)
            m_actions.snooze(QStringLiteral("off"));
    });
    m_resume->setVisible(false);
    m_menu->addSeparator();
    m_menu->addAction(tr("Settings…"), this, [this] { run(m_actions.openSettings); });
    m_menu->addAction(tr("Check for Updates…"), this, [this] { run(m_actions.checkForUpdates); });
    m_menu->addSeparator();
    m_menu->addAction(tr("Quit Norrid"), this, [this] { run(m_actions.quit); });
    // Hosts speaking StatusNotifierItem need a menu attached at all times.
    m_tray.setContextMenu(m_menu);

    connect(&m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A second click soon after the first arrives as a double click; it is a click all the same.
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            Q_EMIT clicked();
    });

    m_colorScheme = new ColorSchemeWatcher(QDBusConnection::sessionBus(), this);
    connect(m_colorScheme, &ColorSchemeWatcher::schemeChanged, this, &TrayIcon::applyColours);
    // The palette changes with the desktop's theme; the application object hears of it. (A filter
    // there sees every event of the application.)
    qApp->installEventFilter(this);

    m_content.symbolName = QStringLiteral("checklist");
    auto *hostQuestion = new QDBusPendingCallWatcher(askStatusNotifierHostRegistered(), this);
    connect(hostQuestion, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *answer) {
        answer->deleteLater();
        const QDBusMessage reply = answer->reply();
        const bool scales = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
                            reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
        qCDebug(norridTray) << (scales ? "StatusNotifierItem host registered" : "no StatusNotifierItem host");
        if (scales != m_content.hostScales) {
            m_content.hostScales = scales;
            applyIcon();
        }
    });
    m_tray.setToolTip(StatusPresentation::accessibleLabel());
    applyColours();
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
    m_lookToolTip = look.toolTip;
    m_content.symbolName = look.symbolName;
    m_content.badged = look.badged;
    applyToolTip();
    applyIcon();
}

void TrayIcon::setCount(int count)
{
    m_content.count = count;
    if (!m_lookToolTip.isEmpty())
        applyToolTip();
    applyIcon();
}

void TrayIcon::setSnoozedUntil(const QDateTime &until)
{
    m_snoozedUntil = until;
    m_content.snoozed = until.isValid();
    m_snoozeMenu->setVisible(!m_content.snoozed);
    m_resume->setVisible(m_content.snoozed);
    applyToolTip();
    applyIcon();
}

void TrayIcon::setAppearance(TrayIconAppearance::Mode mode)
{
    m_appearance = mode;
    applyColours();
}

bool TrayIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        applyColours();
    // Qt's XEmbed icon hands its tooltip to QToolTip, which takes text that looks like markup for
    // rich text; the tooltip can carry what a server said. It is shown as the plain text it is.
    if (event->type() == QEvent::ToolTip && isXEmbedIcon(watched)) {
        const QString text = QStringLiteral("<p style='white-space:pre'>") +
                             m_tray.toolTip().toHtmlEscaped() + QStringLiteral("</p>");
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text,
                           static_cast<QWidget *>(watched));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QColor TrayIcon::automaticGlyph() const
{
    if (panelIsAlwaysDark())
        return TrayIconAppearance::lightGlyph;
    // Elsewhere the panel follows the desktop's colour scheme; without one, the application
    // palette follows the desktop's theme.
    switch (m_colorScheme->scheme()) {
    case ColorSchemeWatcher::Scheme::dark:
        return TrayIconAppearance::lightGlyph;
    case ColorSchemeWatcher::Scheme::light:
        return TrayIconAppearance::darkGlyph;
    case ColorSchemeWatcher::Scheme::noPreference:
        break;
    }
    return StatusIconImage::paletteForeground();
}

void TrayIcon::applyColours()
{
    const TrayIconAppearance::Colours colours = TrayIconAppearance::colours(m_appearance, automaticGlyph());
    m_content.colour = colours.glyph;
    m_content.outline = colours.outline;
    applyIcon();
}

void TrayIcon::applyToolTip()
{
    // Hosts of StatusNotifierItem show only the tooltip's title and read it to screen readers, so
    // the count in words goes into the same text, on a line of its own.
    QString toolTip = StatusPresentation::toolTip(m_lookToolTip, m_content.count);
    if (m_snoozedUntil.isValid())
        toolTip += u'\n' + StatusPresentation::snoozeLine(m_snoozedUntil, QDateTime::currentDateTime());
    m_tray.setToolTip(toolTip);
    // An XEmbed tray shows a window of Qt's own; give it a name a screen reader can say, and show
    // its tooltip ourselves (see eventFilter).
    const QString name = StatusPresentation::accessibleName(m_content.count);
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (isXEmbedIcon(widget))
            widget->setAccessibleName(name);
    }
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
