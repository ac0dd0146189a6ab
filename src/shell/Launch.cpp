#include "shell/Launch.h"

#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "shell/AppDelegate.h"
#include "shell/ApplicationSetup.h"
#include "shell/SessionService.h"
#include "shell/Translations.h"

#include <QApplication>

int Launch::runApplication(int argc, char *argv[], bool autostart, const std::function<void()> &prepare)
{
    QApplication app(argc, argv);
    ApplicationSetup::configure(app);
    Translations::install(app);
    // One Norrid per session: a second launch hands over to the first and ends. From the menu the
    // first opens its popover, as a click on its icon would; from the autostart entry, nothing.
    const SessionService::Claim claim = SessionService::claimName();
    if (claim == SessionService::Claim::taken) {
        SessionService::handOver(!autostart);
        return 0;
    }
    if (prepare)
        prepare();
    AppDelegate delegate(AppSettings::shared(), NotificationManager::shared());
    delegate.applicationDidFinishLaunching();
    SessionService service(delegate, AppSettings::shared());
    if (claim == SessionService::Claim::owned)
        service.publish();
    return QApplication::exec();
}
