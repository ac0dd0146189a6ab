#include "updates/GentleUpdateReminder.h"

#include "updates/AppcastItem.h"
#include "updates/UpdateState.h"

GentleUpdateReminder::GentleUpdateReminder(UpdateState &state,
                                           std::function<void(const QString &)> notifyUpdateAvailable,
                                           std::function<void()> removeUpdateNotification)
    : m_state(&state), m_notifyUpdateAvailable(std::move(notifyUpdateAvailable)),
      m_removeUpdateNotification(std::move(removeUpdateNotification))
{
}

bool GentleUpdateReminder::shouldHandleShowingScheduledUpdate(const AppcastItem &, bool immediateFocus)
{
    return immediateFocus;
}

void GentleUpdateReminder::willHandleShowingUpdate(bool, const AppcastItem &item, bool userInitiated)
{
    // The user asked for this check and its window is already coming up.
    if (userInitiated)
        return;
    if (m_state)
        m_state->setAvailableVersion(item.displayVersion);
    if (m_notifyUpdateAvailable)
        m_notifyUpdateAvailable(item.displayVersion);
}

void GentleUpdateReminder::didReceiveUserAttention(const AppcastItem &)
{
    // The dot and the banner stay until the session ends; only the notification has done its job.
    if (m_removeUpdateNotification)
        m_removeUpdateNotification();
}

void GentleUpdateReminder::willFinishUpdateSession()
{
    if (m_state)
        m_state->setAvailableVersion(std::nullopt);
}
