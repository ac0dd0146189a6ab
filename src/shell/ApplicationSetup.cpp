#include "shell/ApplicationSetup.h"

#include "BuildInfo.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <malloc.h>

void ApplicationSetup::configure(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Norrid"));
    QApplication::setOrganizationName(QStringLiteral("Norrid"));
    QApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::shortVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(BuildInfo::applicationId));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/list-check.svg")));
    // Norrid lives in the tray: closing its last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    Q_UNUSED(app);
}

void ApplicationSetup::returnFreedMemory()
{
    QTimer::singleShot(std::chrono::seconds(1), QCoreApplication::instance(), [] { malloc_trim(0); });
}
