#pragma once

#include "views/ConnectionTest.h"
#include "views/QuickFilterChoice.h"
#include "views/SettingsDraft.h"
#include "views/SoundPreview.h"

#include <QCoroTask>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <functional>
#include <optional>

class AppSettings;
class NotificationManager;
class Updater;

// What the settings window binds to: the draft, and the units behind it (its validation, the
// connection test, the quick filters, the version text, the sound preview). The window edits a copy
// of the settings; nothing reaches the store until apply() (Save, or a connection test that works).
// The QML view only binds to these properties and calls these methods.
class SettingsForm : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString siteURL READ siteURL WRITE setSiteURL NOTIFY siteURLChanged)
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY emailChanged)
    Q_PROPERTY(QString token READ token WRITE setToken NOTIFY tokenChanged)
    Q_PROPERTY(QString boardId READ boardId WRITE setBoardId NOTIFY boardIdChanged)
    Q_PROPERTY(QString statusName READ statusName WRITE setStatusName NOTIFY statusNameChanged)
    Q_PROPERTY(QString extraJQL READ extraJQL WRITE setExtraJQL NOTIFY extraJQLChanged)
    Q_PROPERTY(QString columnName READ columnName WRITE setColumnName NOTIFY columnNameChanged)
    Q_PROPERTY(QStringList columnTitles READ columnTitles NOTIFY columnsChanged)
    Q_PROPERTY(int currentColumn READ currentColumn WRITE setCurrentColumn NOTIFY columnsChanged)
    Q_PROPERTY(bool canAddColumn READ canAddColumn NOTIFY columnsChanged)
    Q_PROPERTY(qint64 pollInterval READ pollInterval WRITE setPollInterval NOTIFY pollIntervalChanged)
    Q_PROPERTY(
        int pollIntervalIndex READ pollIntervalIndex WRITE setPollIntervalIndex NOTIFY pollIntervalChanged)
    Q_PROPERTY(QString soundName READ soundName WRITE setSoundName NOTIFY soundNameChanged)
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)

    Q_PROPERTY(bool testing READ testing NOTIFY testingChanged)
    Q_PROPERTY(ResultKind testResultKind READ testResultKind NOTIFY testResultChanged)
    Q_PROPERTY(QString testResultText READ testResultText NOTIFY testResultTextChanged)

    Q_PROPERTY(QVariantList quickFilters READ quickFilterItems NOTIFY quickFiltersChanged)
    Q_PROPERTY(QStringList filterChoices READ filterChoices NOTIFY quickFiltersChanged)
    Q_PROPERTY(QVariant selectedFilterId READ selectedFilterIdValue WRITE setSelectedFilterIdValue NOTIFY
                   selectedFilterIdChanged)
    Q_PROPERTY(int selectedFilterIndex READ selectedFilterIndex WRITE setSelectedFilterIndex NOTIFY
                   selectedFilterIdChanged)
    Q_PROPERTY(bool loadingFilters READ loadingFilters NOTIFY loadingFiltersChanged)
    Q_PROPERTY(QString filterMessage READ filterMessageText NOTIFY filterMessageChanged)

    Q_PROPERTY(bool canConnect READ canConnect NOTIFY availabilityChanged)
    Q_PROPERTY(bool canTest READ canTest NOTIFY availabilityChanged)
    Q_PROPERTY(bool canLoadFilters READ canLoadFilters NOTIFY availabilityChanged)

    Q_PROPERTY(QString saveProblem READ saveProblem NOTIFY saveProblemChanged)
    Q_PROPERTY(QString siteProblem READ siteProblem NOTIFY siteURLChanged)
    Q_PROPERTY(QString siteNote READ siteNote NOTIFY siteURLChanged)
    Q_PROPERTY(QString tokenPageText READ tokenPageText NOTIFY siteURLChanged)
    Q_PROPERTY(bool canSignIn READ canSignIn NOTIFY testResultChanged)
    Q_PROPERTY(QString boardIdNote READ boardIdNote NOTIFY boardIdNoteChanged)
    Q_PROPERTY(QString firstEmptyField READ firstEmptyField NOTIFY availabilityChanged)

    Q_PROPERTY(QString appVersion READ appVersion CONSTANT)
    Q_PROPERTY(bool autoUpdate READ autoUpdate WRITE setAutoUpdate NOTIFY autoUpdateChanged)
    Q_PROPERTY(QStringList soundOptions READ soundOptions CONSTANT)
    Q_PROPERTY(QStringList soundChoices READ soundChoices CONSTANT)
    Q_PROPERTY(int soundIndex READ soundIndex NOTIFY soundNameChanged)
    Q_PROPERTY(QStringList pollIntervalChoices READ pollIntervalChoices CONSTANT)
    Q_PROPERTY(QStringList trayIconChoices READ trayIconChoices CONSTANT)
    Q_PROPERTY(int trayIconIndex READ trayIconIndex WRITE setTrayIconIndex NOTIFY trayIconIndexChanged)

public:
    enum class ResultKind
    {
        none,
        ok,
        fail
    };
    Q_ENUM(ResultKind)

    // The poll intervals the picker offers, in seconds (pollIntervalChoices shows them).
    static const QList<qint64> pollIntervals;
    static const QUrl tokenPageURL;

    SettingsForm(AppSettings &settings, NotificationManager &notifier, Updater *updater,
                 QObject *parent = nullptr);

    // Run by "Check for Updates Now".
    std::function<void()> onCheckForUpdates;
    // Run by "Copy Diagnostics": the application puts its report on the clipboard.
    std::function<void()> onCopyDiagnostics;
    // Run at the end of every apply(); the application restarts the monitor with it.
    std::function<void()> onSave;
    // Opens a web page; the desktop's browser unless a test replaces it.
    std::function<void(const QUrl &)> openURL;
    // Plays a sound the user picks.
    SoundPreview soundPreview;

    const SettingsDraft &draft() const { return m_draft; }
    QString siteURL() const { return m_draft.siteURL; }
    QString email() const { return m_draft.email; }
    QString token() const { return m_draft.token; }
    QString boardId() const { return m_draft.boardId; }
    QString statusName() const { return m_draft.statusName; }
    QString extraJQL() const { return m_draft.extraJQL; }
    qint64 pollInterval() const { return m_draft.pollInterval; }
    int pollIntervalIndex() const; // -1 for a value the picker does not offer
    QString soundName() const { return m_draft.soundName; }
    bool launchAtLogin() const { return m_draft.launchAtLogin; }

    void setSiteURL(const QString &value);
    void setEmail(const QString &value);
    void setToken(const QString &value);
    void setBoardId(const QString &value);
    void setStatusName(const QString &value);
    void setExtraJQL(const QString &value);
    void setPollInterval(qint64 seconds);
    void setPollIntervalIndex(int index);
    void setSoundName(const QString &value);
    void setLaunchAtLogin(bool enabled);

    bool testing() const { return m_connectionTest.running(); }
    const std::optional<TestResult> &testResult() const { return m_connectionTest.result(); }
    ResultKind testResultKind() const;
    // "Connected — {n} in {status}" with the status field as it reads now ("Connected to {Jira} — …"
    // when the site said which Jira it is), the failure's message, or nothing.
    QString testResultText() const;

    const QList<QuickFilter> &quickFilters() const { return m_filters.filters(); }
    QVariantList quickFilterItems() const { return m_filters.items(); }
    QStringList filterChoices() const { return m_filters.choices(); }
    std::optional<qint64> selectedFilterId() const { return m_filters.selectedId(); }
    void setSelectedFilterId(std::optional<qint64> id) { m_filters.select(id); }
    QVariant selectedFilterIdValue() const; // null for none
    void setSelectedFilterIdValue(const QVariant &id);
    int selectedFilterIndex() const { return m_filters.selectedIndex(); }
    void setSelectedFilterIndex(int index) { m_filters.selectIndex(index); }
    bool loadingFilters() const { return m_filters.loading(); }
    const std::optional<QString> &filterMessage() const { return m_filters.message(); }
    QString filterMessageText() const { return m_filters.message().value_or(QString()); }

    bool canConnect() const;
    bool canTest() const { return canConnect() && !testing(); }
    bool canLoadFilters() const;

    // Why the settings are not all where they should be (the keyring, the settings file, the
    // autostart entry), as sentences for the window; empty when everything was stored.
    QString saveProblem() const;

    // Why the site address is refused, under its field; empty when it is fine.
    QString siteProblem() const;
    // Under the site field, when Norrid uses less of the address than was typed (a pasted page):
    // the base it reads Jira at. Empty otherwise.
    QString siteNote() const;
    // The token button: Atlassian's API token page for Jira Cloud (and while the site is not known),
    // the site's own personal access token page for a self-hosted site.
    QString tokenPageText() const;
    // Whether the last test failed because Jira wants a sign-in in the browser, at a page on the site.
    bool canSignIn() const;
    // Says, under the board field, that the board ID came from a pasted board address.
    QString boardIdNote() const { return m_boardIdNote; }
    // The connection field the window focuses when it opens: "siteURL", "email", "token" or "".
    QString firstEmptyField() const;

    QString appVersion() const;

    bool autoUpdate() const;
    void setAutoUpdate(bool enabled);
    QStringList soundOptions() const;
    // The sound picker's entries, in the order of soundOptions, in the user's language.
    QStringList soundChoices() const;
    // Where the sound is among soundOptions, the picker's choice.
    int soundIndex() const { return int(soundOptions().indexOf(soundName())); }
    QStringList pollIntervalChoices() const;
    // How the tray icon is coloured: "Automatic", "Light" or "Dark". A choice applies at once, as
    // the user looks at the panel, without waiting for Save.
    QStringList trayIconChoices() const;
    int trayIconIndex() const;
    void setTrayIconIndex(int index);

    // Replaces the draft with the stored settings.
    // The watched columns: the window edits one at a time (the board, status, filter and name
    // fields); the list above them picks which, adds, removes and reorders them.
    QString columnName() const { return m_draft.columnName; }
    void setColumnName(const QString &value);
    QStringList columnTitles() const;
    int currentColumn() const { return int(m_draft.current); }
    void setCurrentColumn(int index);
    bool canAddColumn() const;
    // A new column on the board being edited, and edited next.
    Q_INVOKABLE void addColumn();
    // Removes the column being edited; the last one stays.
    Q_INVOKABLE void removeColumn();
    // Moves the column being edited up (-1) or down (+1).
    Q_INVOKABLE void moveColumn(int offset);

    Q_INVOKABLE void load();
    // What the window does each time it comes on screen: load(), then the board's quick filters when
    // the draft is complete enough to ask for them.
    Q_INVOKABLE void appear();
    // Stores the draft (the site URL normalised into its field, the rest trimmed), sets launch at
    // login and runs onSave.
    Q_INVOKABLE void apply();

    // Fetches the watched column with the draft; when that works, stores the draft as it was when the
    // test began, whatever was typed while it ran. Does nothing while a test runs.
    QCoro::Task<> testConnection();
    // Loads the board's quick filters with the draft. Does nothing while a load runs.
    QCoro::Task<> loadQuickFilters();
    Q_INVOKABLE void startTestConnection();
    Q_INVOKABLE void startLoadingQuickFilters();

    Q_INVOKABLE void sendTestNotification();
    // Plays the sound at once unless it is "Default" or "None"; nothing is saved.
    Q_INVOKABLE void previewSound(const QString &name);
    Q_INVOKABLE void openTokenPage();
    // Opens Jira's sign-in page that the last test's CAPTCHA named.
    Q_INVOKABLE void signIn();
    Q_INVOKABLE void checkForUpdates();
    Q_INVOKABLE void copyDiagnostics();

Q_SIGNALS:
    void siteURLChanged();
    void emailChanged();
    void tokenChanged();
    void boardIdChanged();
    void statusNameChanged();
    void extraJQLChanged();
    void pollIntervalChanged();
    void soundNameChanged();
    void launchAtLoginChanged();
    void testingChanged();
    void testResultChanged();
    void testResultTextChanged();
    void quickFiltersChanged();
    void selectedFilterIdChanged();
    void loadingFiltersChanged();
    void filterMessageChanged();
    void availabilityChanged();
    void autoUpdateChanged();
    void trayIconIndexChanged();
    void saveProblemChanged();
    void boardIdNoteChanged();
    // After appear() loaded the draft: the window puts the keyboard focus on firstEmptyField.
    void appeared();
    void columnsChanged();
    void columnNameChanged();

private:
    // The column fields show the column at `index` of the draft's columns.
    void showColumn(qsizetype index);
    // Stores the draft given (the one a connection test tested, or the form's own) and runs onSave.
    void store(const SettingsDraft &draft);
    void assignField(QString &field, const QString &value, void (SettingsForm::*changed)());
    void setBoardIdNote(const QString &note);
    void fillBoardIdFrom(const QString &siteAddress);
    // The site's personal access token page when the draft names a self-hosted site.
    std::optional<QUrl> personalAccessTokenPage() const;

    AppSettings &m_settings;
    NotificationManager &m_notifier;
    QPointer<Updater> m_updater;

    SettingsDraft m_draft;
    ConnectionTest m_connectionTest;
    QuickFilterChoice m_filters;
    QString m_launchAtLoginProblem;
    QString m_boardIdNote;
};
