#include "updates/AppcastItem.h"

#include "updates/VersionComparator.h"

#include <algorithm>

bool AppcastItem::isInformationalFor(const QString &runningVersion) const
{
    if (!informational)
        return false;
    if (informationalVersions.isEmpty())
        return true;
    return std::any_of(informationalVersions.cbegin(), informationalVersions.cend(),
                       [&](const QString &v) { return VersionComparator::compare(v, runningVersion) == 0; });
}

bool AppcastItem::isCriticalFor(const QString &runningVersion) const
{
    if (!critical)
        return false;
    return criticalBelowVersion.isEmpty() ||
           VersionComparator::compare(runningVersion, criticalBelowVersion) < 0;
}
