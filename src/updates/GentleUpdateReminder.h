#pragma once

#include "updates/UpdaterDelegate.h"

#include <QPointer>
#include <QString>
#include <functional>

class UpdateState;

// The application's side of an update found in the background: it records the version in the
// update state (the dot on the icon, the banner in the popover) and posts the update notification,
// instead of putting a window in front of the user. Checks the user asked for are left to the
// updater's own window.
class GentleUpdateReminder : public UpdaterDelegate
{
public:
    // notifyUpdateAvailable posts the update notification for a display version;
    // removeUpdateNotification takes the delivered one away.
    GentleUpdateReminder(UpdateState &state, std::function<void(const QString &)> notifyUpdateAvailable,
                         std::function<void()> removeUpdateNotification);

    bool supportsGentleScheduledUpdateReminders() const override { return true; }
    bool shouldHandleShowingScheduledUpdate(const AppcastItem &item, bool immediateFocus) override;
    void willHandleShowingUpdate(bool handleShowingUpdate, const AppcastItem &item,
                                 bool userInitiated) override;
    void didReceiveUserAttention(const AppcastItem &item) override;
    void willFinishUpdateSession() override;

private:
    QPointer<UpdateState> m_state;
    std::function<void(const QString &)> m_notifyUpdateAvailable;
    std::function<void()> m_removeUpdateNotification;
};
