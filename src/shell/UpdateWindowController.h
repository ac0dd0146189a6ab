#pragma once

#include <QObject>
#include <QSize>
#include <QString>

class QWindow;
class UpdateSession;
class Updater;

// Owns the "Software Update" window and keeps it in step with the updater's session: on screen in
// front while the session is presented, hidden when it is not or when it ends. The window is built
// the first time a session is presented, then kept for the life of the process. Closing it with the
// window's own button (or Escape) ends the session, as dismissing the update does.
//
// The QML binds to the session for its state and actions, and to this object for what the window
// says, worded in C++ where tests can reach it.
class UpdateWindowController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title NOTIFY changed)
    Q_PROPERTY(QString message READ message NOTIFY changed)
    // The release's notes in the subset of HTML that Text.StyledText shows, with nothing that loads.
    Q_PROPERTY(QString releaseNotes READ releaseNotes NOTIFY changed)
    Q_PROPERTY(bool hasReleaseNotesLink READ hasReleaseNotesLink NOTIFY changed)
    // The download's part done, 0 to 1, or -1 while its size is unknown; and as text.
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString progressText READ progressText NOTIFY progressChanged)
    Q_PROPERTY(bool canShowFile READ canShowFile NOTIFY changed)

public:
    static constexpr QSize size{460, 300};

    explicit UpdateWindowController(Updater &updater, QObject *parent = nullptr);
    ~UpdateWindowController() override;

    QString title() const;
    QString message() const;
    QString releaseNotes() const;
    bool hasReleaseNotesLink() const;
    double progress() const;
    QString progressText() const;

    // The release-notes page, in the browser; the session stays open.
    Q_INVOKABLE void openReleaseNotes();
    // A link clicked inside the release notes; only https links open.
    Q_INVOKABLE void openLink(const QString &link);
    // Whether a checked update is kept on disk, and shows it in the file manager (selected, where
    // the file manager can; else its folder).
    bool canShowFile() const;
    Q_INVOKABLE void showInFolder();

    // The window (a QQuickView), once built; for tests and screenshots.
    QWindow *window() const { return m_view; }
    bool isShown() const;

    // Feed descriptions are HTML written by whoever publishes releases. Text.StyledText would fetch
    // an <img> from anywhere, so only the tags that format text are kept, without attributes but an
    // https href; scripts, styles and comments go with their content. Text without tags is plain
    // text, and keeps its line breaks.
    static QString styledReleaseNotes(const QString &description);

Q_SIGNALS:
    void changed();
    void progressChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();
    void build();

    UpdateSession &m_session;
    QWindow *m_view = nullptr;
};
