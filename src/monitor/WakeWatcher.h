#pragma once

#include <QObject>

// Tells when it is worth polling at once instead of waiting out the timer: the computer woke from
// sleep (logind's PrepareForSleep on the system bus) or the network came back (Qt's network
// information). Where neither source exists it never fires.
class WakeWatcher : public QObject
{
    Q_OBJECT

public:
    explicit WakeWatcher(QObject *parent = nullptr);

Q_SIGNALS:
    void woke();

private Q_SLOTS:
    void prepareForSleep(bool goingToSleep);
};
