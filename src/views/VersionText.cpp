#include "views/VersionText.h"

#include "BuildInfo.h"

QString VersionText::compose(const QString &shortVersion, const QString &build)
{
    if (shortVersion.isEmpty())
        return QStringLiteral("dev");
    if (build.isEmpty())
        return shortVersion;
    return shortVersion + QStringLiteral(" (") + build + u')';
}

QString VersionText::current()
{
    return compose(QString::fromUtf8(BuildInfo::shortVersion), QString::fromUtf8(BuildInfo::buildNumber));
}
