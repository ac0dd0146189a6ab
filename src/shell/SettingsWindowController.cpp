#include "shell/SettingsWindowController.h"

#include "shell/QuickScene.h"
#include "views/SettingsForm.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <utility>

SettingsWindowController::SettingsWindowController(AppSettings &settings, NotificationManager &notifier,
                                                   Updater *updater, std::function<void()> onCheckForUpdates,
                                                   std::function<void()> onSave, QObject *parent)
    : QObject(parent), m_form(new SettingsForm(settings, notifier, updater, this))
{
    m_form->onCheckForUpdates = std::move(onCheckForUpdates);
    m_form->onSave = std::move(onSave);
}

// The view is no child of this object (a window has no QObject parent), so it goes here.
SettingsWindowController::~SettingsWindowController()
{
    delete m_view;
}

bool SettingsWindowController::isShown() const
{
    return m_view && m_view->isVisible();
}

void SettingsWindowController::show()
{
    const bool appearing = !isShown();
    if (!m_view)
        build();
    if (!m_view)
        return;
    if (appearing)
        m_form->appear();
    m_view->show();
    m_view->raise();
    m_view->requestActivate();
}

void SettingsWindowController::hide()
{
    if (m_view)
        m_view->hide();
}

QSize SettingsWindowController::size()
{
    return {std::max(480, 40 * QFontInfo(QGuiApplication::font()).pixelSize()), 680};
}

void SettingsWindowController::build()
{
    m_view = QuickScene::create(QStringLiteral("SettingsView"),
                                {{QStringLiteral("form"), QVariant::fromValue(m_form)}});
    if (!m_view)
        return;
    m_view->setTitle(tr("Norrid Settings"));
    m_view->setFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                     Qt::WindowMinimizeButtonHint | Qt::CustomizeWindowHint);
    QuickScene::fixSizeAndCentre(*m_view, size());
}
