#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

// The last step of an update: the verified file goes to the desktop's installer for its type,
// through the desktop's opener (xdg-open or the portal behind it). For a .deb that is whatever
// handles application/vnd.debian.binary-package: GNOME Software, Discover, gdebi and others.
//
// The hand-over is seen, not assumed: it first asks which application the desktop has for the
// file's type (xdg-mime), and says so when there is none; then it watches the opener end well.
class InstallerHandoff
{
public:
    // Opens a local file with the desktop's default application for it; true when that worked.
    using Opener = std::function<bool(const QUrl &)>;
    // The desktop entry of the application that opens files of a MIME type ("gdebi.desktop");
    // empty when none does.
    using HandlerQuery = std::function<QString(const QString &mimeType)>;
    static Opener desktopOpener();
    static HandlerQuery desktopHandlers();

    explicit InstallerHandoff(Opener opener = desktopOpener(), HandlerQuery handlers = desktopHandlers())
        : m_opener(std::move(opener)), m_handlers(std::move(handlers))
    {
    }

    void setOpener(Opener opener) { m_opener = std::move(opener); }
    void setHandlerQuery(HandlerQuery handlers) { m_handlers = std::move(handlers); }

    struct Outcome
    {
        std::optional<QString> problem; // none: the installer has the file
        QString handler;                // the application that took it, as the desktop names it
    };
    Outcome handOver(const QString &filePath) const;

    // The file's MIME type, by its name (a .deb is application/vnd.debian.binary-package).
    static QString mimeTypeOf(const QString &filePath);

private:
    Opener m_opener;
    HandlerQuery m_handlers;
};
