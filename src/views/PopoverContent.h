#pragma once

#include <QObject>
#include <QString>
#include <functional>

class AppSettings;
class IssueListModel;
class NotificationManager;
class PopoverMetrics;
class ReviewMonitor;
class UpdateState;

// Everything the popover shows, worked out from the monitor, the notification manager and the
// update state, and the actions its buttons run. The QML view only binds to it.
class PopoverContent : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY changed)
    Q_PROPERTY(QString countAccessibleName READ countAccessibleName NOTIFY changed)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY changed)
    Q_PROPERTY(MainArea mainArea READ mainArea NOTIFY changed)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY changed)
    Q_PROPERTY(QString setupTitle READ setupTitle NOTIFY changed)
    Q_PROPERTY(QString setupText READ setupText NOTIFY changed)
    Q_PROPERTY(bool showsFooterError READ showsFooterError NOTIFY changed)
    Q_PROPERTY(bool canSignIn READ canSignIn NOTIFY changed)
    Q_PROPERTY(bool showsUpdate READ showsUpdate NOTIFY changed)
    Q_PROPERTY(QString updateText READ updateText NOTIFY changed)
    Q_PROPERTY(QString updateTooltip READ updateTooltip NOTIFY changed)
    Q_PROPERTY(QString updateAccessibleName READ updateAccessibleName NOTIFY changed)
    Q_PROPERTY(bool showsWarning READ showsWarning NOTIFY changed)
    Q_PROPERTY(double height READ height NOTIFY changed)
    Q_PROPERTY(IssueListModel *issues READ issues CONSTANT)

public:
    enum class MainArea
    {
        setup,
        loading,
        empty,
        error,
        list
    };
    Q_ENUM(MainArea)

    PopoverContent(ReviewMonitor &monitor, NotificationManager &notifier, const UpdateState &updateState,
                   const AppSettings &settings, QObject *parent = nullptr);

    int count() const;
    QString countAccessibleName() const;
    QString subtitle() const;
    MainArea mainArea() const;
    // The error of the last poll; while checking is paused, with a word that it is.
    QString errorMessage() const;
    // The setup view's texts: what to fill in, or that the token waits for the keyring.
    QString setupTitle() const;
    QString setupText() const;
    // Whether the keyring, not an empty setting, keeps Norrid from connecting: a stored token
    // cannot be read.
    bool keyringBlocks() const;
    // The tray's words for that; empty when the keyring does not block.
    QString keyringNote() const;
    bool showsFooterError() const;
    // Jira wants the user to sign in in the browser (a CAPTCHA) at a page on the site.
    bool canSignIn() const;
    bool showsUpdate() const;
    QString updateText() const;
    QString updateTooltip() const;
    QString updateAccessibleName() const;
    bool showsWarning() const;
    // The popover's height at the application font: it changes with the content and the font.
    double height() const;
    IssueListModel *issues() const { return m_issues; }
    const PopoverMetrics &metrics() const { return *m_metrics; }

    std::function<void()> onInstallUpdate;
    std::function<void()> onOpenBoard;
    std::function<void()> onOpenSettings;
    std::function<void()> onQuit;
    std::function<void(const QUrl &)> openURL; // only ever handed https and http links

    Q_INVOKABLE void refresh();
    Q_INVOKABLE void installUpdate();
    Q_INVOKABLE void openBoard();
    Q_INVOKABLE void openSettings();
    Q_INVOKABLE void quit();
    Q_INVOKABLE void enableNotifications();
    Q_INVOKABLE void openIssue(const QUrl &url);
    Q_INVOKABLE void signIn();

    // Brings the relative times up to date; the host calls it when the popover opens.
    Q_INVOKABLE void refreshTimes();

Q_SIGNALS:
    void changed();
    // The host has just shown the popover: the view puts the keyboard focus on the first card.
    void opened();

private:
    static void run(const std::function<void()> &action);

    ReviewMonitor &m_monitor;
    NotificationManager &m_notifier;
    const AppSettings &m_settings;
    const UpdateState &m_updateState;
    IssueListModel *m_issues;
    PopoverMetrics *m_metrics;
    bool everyColumnFails() const;
};
