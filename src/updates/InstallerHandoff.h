#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

// The last step of an update: the verified file goes to the desktop's installer for its type,
// through the desktop's opener (xdg-open or the portal behind it). For a .deb that is whatever
// handles application/vnd.debian.binary-package: GNOME Software, Discover, gdebi and others.
class InstallerHandoff
{
public:
    // Opens a local file with the desktop's default application for it; true when that worked.
    using Opener = std::function<bool(const QUrl &)>;
    static Opener desktopOpener();

    explicit InstallerHandoff(Opener opener = desktopOpener()) : m_opener(std::move(opener)) {}

    void setOpener(Opener opener) { m_opener = std::move(opener); }

    // Nothing when the installer has the file, else what went wrong, in words for the user.
    std::optional<QString> handOver(const QString &filePath) const;

private:
    Opener m_opener;
};
