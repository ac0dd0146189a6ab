#pragma once

#include <QLoggingCategory>

// Norrid's log categories, for what a bug report needs beyond the developer lines of SystemLog.
// Debug is off by default; QT_LOGGING_RULES="norrid.*.debug=true" turns it on. No line carries a
// token, an email, a header, a query or a card's text: a request is its method, path, status and time.
Q_DECLARE_LOGGING_CATEGORY(norridJira)    // norrid.jira: requests to Jira
Q_DECLARE_LOGGING_CATEGORY(norridMonitor) // norrid.monitor: polls and what they found
Q_DECLARE_LOGGING_CATEGORY(norridNotify)  // norrid.notify: notifications, snooze, do-not-disturb
Q_DECLARE_LOGGING_CATEGORY(norridKeyring) // norrid.keyring: keyring operations and their outcome
Q_DECLARE_LOGGING_CATEGORY(norridTray)    // norrid.tray: the tray found
Q_DECLARE_LOGGING_CATEGORY(norridUpdates) // norrid.updates: update checks
