#include "logging/LogCategories.h"

Q_LOGGING_CATEGORY(norridJira, "norrid.jira", QtWarningMsg)
Q_LOGGING_CATEGORY(norridMonitor, "norrid.monitor", QtWarningMsg)
Q_LOGGING_CATEGORY(norridNotify, "norrid.notify", QtWarningMsg)
Q_LOGGING_CATEGORY(norridKeyring, "norrid.keyring", QtWarningMsg)
Q_LOGGING_CATEGORY(norridTray, "norrid.tray", QtWarningMsg)
Q_LOGGING_CATEGORY(norridUpdates, "norrid.updates", QtWarningMsg)
