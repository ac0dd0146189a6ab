#pragma once

struct AppcastItem;

// What the application is told, and asked, while the updater handles an update. The updater calls it
// on the main thread; the delegate must outlive the updater it is given to.
class UpdaterDelegate
{
public:
    virtual ~UpdaterDelegate() = default;

    // True when the application reminds the user itself of updates found by scheduled checks, so the
    // updater need not put its window up for them.
    virtual bool supportsGentleScheduledUpdateReminders() const = 0;
    // Asked for each update a scheduled check finds, when gentle reminders are supported: true lets
    // the updater show its window at once. immediateFocus says the update arrived while the user is
    // looking at the application.
    virtual bool shouldHandleShowingScheduledUpdate(const AppcastItem &item, bool immediateFocus) = 0;
    // A check found an update. handleShowingUpdate says whether the updater's window shows it now;
    // userInitiated says whether the user asked for the check.
    virtual void willHandleShowingUpdate(bool handleShowingUpdate, const AppcastItem &item,
                                         bool userInitiated) = 0;
    // The user turned to an update that was found by a scheduled check.
    virtual void didReceiveUserAttention(const AppcastItem &item) = 0;
    // The update session ends: the window closed, the version was skipped or postponed.
    virtual void willFinishUpdateSession() = 0;
};
