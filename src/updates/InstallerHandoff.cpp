#include "updates/InstallerHandoff.h"

#include <QDesktopServices>

InstallerHandoff::Opener InstallerHandoff::desktopOpener()
{
    return [](const QUrl &file) { return QDesktopServices::openUrl(file); };
}

std::optional<QString> InstallerHandoff::handOver(const QString &filePath) const
{
    if (m_opener && m_opener(QUrl::fromLocalFile(filePath)))
        return std::nullopt;
    return QStringLiteral("Your desktop has no installer for this kind of file, or it did not start. The "
                          "checked update is kept in %1: open it with your software installer.")
        .arg(filePath);
}
