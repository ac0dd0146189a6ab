#include "notifications/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

enum class Kind
{
    file,
    folder
};

QString existing(const QString &path, Kind kind)
{
    const QFileInfo info(path);
    return (kind == Kind::file ? info.isFile() : info.isDir()) ? info.canonicalFilePath() : QString();
}

// Beside the executable, then in the XDG data directories; for a program of the build tree, then
// under buildTreeBase.
QString find(const QString &relativePath, Kind kind, const QString &buildTreeBase)
{
    if (relativePath.isEmpty() || QDir::isAbsolutePath(relativePath))
        return {};
    const QString relative = QDir::cleanPath(relativePath);
    if (relative.startsWith(QLatin1String("..")))
        return {};

    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/norrid/");
    if (QString found = existing(beside + relative, kind); !found.isEmpty())
        return found;
    const QString installed = QStandardPaths::locate(
        QStandardPaths::GenericDataLocation, QStringLiteral("norrid/") + relative,
        kind == Kind::file ? QStandardPaths::LocateFile : QStandardPaths::LocateDirectory);
    if (!installed.isEmpty())
        return existing(installed, kind);
    if (!buildTreeBase.isEmpty() && DataFiles::runsFromBuildTree())
        return existing(buildTreeBase, kind);
    return {};
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
    return find(relativePath, Kind::file,
                QStringLiteral(NORRID_SOURCE_DATA_DIR "/") + QDir::cleanPath(relativePath));
}

QString DataFiles::locateFolder(const QString &relativePath, const QString &buildTreeFolder)
{
    return find(relativePath, Kind::folder, buildTreeFolder);
}
