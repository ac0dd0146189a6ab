#include "shell/Launch.h"

#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "shell/AppDelegate.h"
#include "shell/ApplicationSetup.h"
#include "shell/CommandLine.h"
#include "shell/SessionService.h"

#include <QApplication>

int Launch::run(int argc, char *argv[], const std::function<void()> &prepare)
{
    ApplicationSetup::limitMemoryArenas();
    const auto parsed = CommandLine::run(argc, argv);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const CommandLine::Launch launch = std::get<CommandLine::Launch>(parsed);

    QApplication app(argc, argv);
    ApplicationSetup::configure(app);
    // One Norrid per session: a second launch hands over to the first and ends. From the menu the
    // first opens its popover, as a click on its icon would; from the autostart entry, nothing.
    const SessionService::Claim claim = SessionService::claimName();
    if (claim == SessionService::Claim::taken) {
        SessionService::handOver(!launch.autostart);
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
