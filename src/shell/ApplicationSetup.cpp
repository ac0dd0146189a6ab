#include "shell/ApplicationSetup.h"

#include "BuildInfo.h"

#include <QApplication>
#include <QIcon>
#include <QQuickStyle>
#include <QQuickWindow>
#include <malloc.h>

void ApplicationSetup::limitMemoryArenas()
{
    // MALLOC_ARENA_MAX in the environment still decides when it is set.
    if (qEnvironmentVariableIsEmpty("MALLOC_ARENA_MAX"))
        mallopt(M_ARENA_MAX, 1);
}

void ApplicationSetup::configure(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Norrid"));
    QApplication::setOrganizationName(QStringLiteral("Norrid"));
    QApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::shortVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(BuildInfo::applicationId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/list-check.svg")));
    // Norrid lives in the tray: closing its last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // The Basic style and the software scene graph keep an always-running tray app small; the
    // views are simple enough to look the same without the GPU.
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    if (qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND") && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    Q_UNUSED(app);
}
