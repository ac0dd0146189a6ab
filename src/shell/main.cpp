#include "BuildInfo.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norrid"));
    QApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::shortVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(BuildInfo::applicationId));
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
