#pragma once

#include "updates/UpdateSession.h"

#include <QObject>

class UpdaterDelegate;

// Finds newer versions of Norrid: scheduled checks while automatic checks are on, and checks the
// user asks for. What the update window shows is the session; what the application does about an
// update is the delegate's business.
class Updater : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool automaticallyChecksForUpdates READ automaticallyChecksForUpdates WRITE
                   setAutomaticallyChecksForUpdates NOTIFY automaticallyChecksForUpdatesChanged)
    Q_PROPERTY(UpdateSession *session READ session CONSTANT)

public:
    using QObject::QObject;

    virtual bool automaticallyChecksForUpdates() const = 0;
    // Kept across launches; turning it off stops scheduled checks, turning it on schedules the next.
    virtual void setAutomaticallyChecksForUpdates(bool enabled) = 0;

    // The check the user asks for: the session's window comes up and follows it to the end. When a
    // scheduled check already found an update, that update is shown instead of checking again.
    Q_INVOKABLE virtual void checkForUpdates() = 0;
    // A scheduled check, now: silent unless it finds an update the user has not skipped.
    virtual void checkForUpdatesInBackground() = 0;

    virtual UpdateSession *session() const = 0;

    void setDelegate(UpdaterDelegate *delegate) { m_delegate = delegate; }
    UpdaterDelegate *delegate() const { return m_delegate; }

Q_SIGNALS:
    void automaticallyChecksForUpdatesChanged();

private:
    UpdaterDelegate *m_delegate = nullptr;
};
