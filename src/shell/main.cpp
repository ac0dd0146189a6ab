#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "shell/AppDelegate.h"
#include "shell/ApplicationSetup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    ApplicationSetup::limitMemoryArenas();
    QApplication app(argc, argv);
    ApplicationSetup::configure(app);
    AppDelegate delegate(AppSettings::shared(), NotificationManager::shared());
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}
