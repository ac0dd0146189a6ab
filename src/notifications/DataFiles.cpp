#include "notifications/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString existingFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.canonicalFilePath() : QString();
}

} // namespace

bool DataFiles::runsFromBuildTree()
{
    const QString buildDir = QDir(QStringLiteral(NORRID_BUILD_DIR)).canonicalPath();
    const QString appDir = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    return !buildDir.isEmpty() && (appDir == buildDir || appDir.startsWith(buildDir + QLatin1Char('/')));
}

QString DataFiles::locate(const QString &relativePath)
{
    if (relativePath.isEmpty() || QDir::isAbsolutePath(relativePath))
        return {};
    const QString relative = QDir::cleanPath(relativePath);
    if (relative.startsWith(QLatin1String("..")))
        return {};

    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/norrid/");
    if (QString found = existingFile(beside + relative); !found.isEmpty())
        return found;
    const QString installed =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("norrid/") + relative);
    if (!installed.isEmpty())
        return existingFile(installed);
    if (runsFromBuildTree())
        return existingFile(QStringLiteral(NORRID_SOURCE_DATA_DIR "/") + relative);
    return {};
}
