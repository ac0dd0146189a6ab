#include "SettingsTestRig.h"
#include "settings/LaunchAtLogin.h"
#include "updates/Updater.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using Filter = FakeJiraDocuments::Filter;

namespace {

// Keeps the automatic-check flag in memory; the form only reads and writes it.
class FlagUpdater : public Updater
{
public:
    bool automaticallyChecksForUpdates() const override { return flag; }
    void setAutomaticallyChecksForUpdates(bool enabled) override
    {
        flag = enabled;
        Q_EMIT automaticallyChecksForUpdatesChanged();
    }
    void checkForUpdates() override {}
    void checkForUpdatesInBackground() override {}
    UpdateSession *session() const override { return nullptr; }

    bool flag = true;
};

const QString unauthorizedText = QStringLiteral("Jira rejected the email/token (401). Check your API token.");

} // namespace

// The settings window's rules, driven from C++ against a real store, keyring and TLS fake Jira.
class TestSettingsForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<SettingsTestRig> m_rig;
    std::unique_ptr<SettingsForm> m_form;

    SettingsTestRig &rig() { return *m_rig; }
    SettingsForm &form() { return *m_form; }

    void storeKnownSettings()
    {
        AppSettings &s = *rig().settings;
        s.setSiteURL(QStringLiteral("https://old.example.net"));
        s.setEmail(QStringLiteral("old@example.com"));
        s.setToken(QStringLiteral("old-token"));
        s.setBoardId(QStringLiteral("12"));
        s.setStatusName(QStringLiteral("Old status"));
        s.setExtraJQL(QStringLiteral("labels = old"));
        s.setPollInterval(300);
        s.setNotificationSound(QStringLiteral("Ping"));
    }

    void loadFilters(const QList<Filter> &filters)
    {
        rig().serveFilters(filters);
        QCoro::waitFor(form().loadQuickFilters());
    }

private Q_SLOTS:
    void init()
    {
        m_rig = std::make_unique<SettingsTestRig>();
        QString problem;
        QVERIFY2(m_rig->start(problem), qPrintable(problem));
        m_form = std::make_unique<SettingsForm>(*m_rig->settings, *m_rig->notifier, nullptr);
        m_rig->hook(*m_form);
        LaunchAtLogin::setEnabled(false);
    }

    void cleanup()
    {
        m_form.reset();
        m_rig.reset();
    }

    void applyStoresTrimmedValuesAndNormalisesOnlyTheSiteField()
    {
        rig().fill(form());
        form().setExtraJQL(QStringLiteral("  labels = team-f \t"));
        form().setPollInterval(120);
        form().setSoundName(QStringLiteral("Glass"));
        form().setLaunchAtLogin(true);
        QString emailWhenSaved;
        form().onSave = [&] {
            ++rig().saves;
            emailWhenSaved = rig().settings->email();
        };

        form().apply();

        const QString site = QStringLiteral("https://127.0.0.1:%1").arg(rig().jira.port());
        QCOMPARE(form().siteURL(), site);
        QCOMPARE(form().email(), QStringLiteral(" me@example.com "));
        QCOMPARE(form().token(), QStringLiteral(" draft-token-1\n"));
        QCOMPARE(form().statusName(), QStringLiteral(" To review "));
        QCOMPARE(rig().saves, 1);
        QCOMPARE(emailWhenSaved, QStringLiteral("me@example.com")); // onSave runs after the store

        const auto stored = rig().reread();
        QCOMPARE(stored->siteURL(), site);
        QCOMPARE(stored->email(), QStringLiteral("me@example.com"));
        QCOMPARE(stored->token(), QStringLiteral("draft-token-1"));
        QCOMPARE(stored->boardId(), QStringLiteral("590"));
        QCOMPARE(stored->statusName(), QStringLiteral("To review"));
        QCOMPARE(stored->extraJQL(), QStringLiteral("labels = team-f"));
        QCOMPARE(stored->pollInterval(), 120);
        QCOMPARE(stored->notificationSound(), QStringLiteral("Glass"));
        QVERIFY(LaunchAtLogin::isEnabled());
        QVERIFY(form().saveProblem().isEmpty());

        // The token went to the keyring only.
        QFile file(rig().settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("draft-token-1"));

        form().setLaunchAtLogin(false);
        form().apply();
        QVERIFY(!LaunchAtLogin::isEnabled());
        QCOMPARE(rig().saves, 2);
    }

    void loadReplacesTheDraftWithTheStore()
    {
        storeKnownSettings();
        LaunchAtLogin::setEnabled(true);
        rig().fill(form());
        form().setSoundName(QStringLiteral("Funk"));

        form().load();

        QCOMPARE(form().siteURL(), QStringLiteral("https://old.example.net"));
        QCOMPARE(form().email(), QStringLiteral("old@example.com"));
        QCOMPARE(form().token(), QStringLiteral("old-token"));
        QCOMPARE(form().boardId(), QStringLiteral("12"));
        QCOMPARE(form().statusName(), QStringLiteral("Old status"));
        QCOMPARE(form().extraJQL(), QStringLiteral("labels = old"));
        QCOMPARE(form().pollInterval(), 300);
        QCOMPARE(form().pollIntervalIndex(), 3);
        QCOMPARE(form().soundName(), QStringLiteral("Ping"));
        QVERIFY(form().launchAtLogin());
        QVERIFY(rig().previews.isEmpty()); // loading a sound name does not play it
    }

    void canConnectNeedsEveryFieldButTheTeamFilter_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("expected");
        for (const char *field : {"siteURL", "email", "token", "boardId", "statusName"}) {
            QTest::addRow("%s empty", field) << QString::fromLatin1(field) << QString() << false;
            QTest::addRow("%s blank", field)
                << QString::fromLatin1(field) << QStringLiteral(" \t\n\u00A0") << false;
        }
        QTest::newRow("team filter empty") << QStringLiteral("extraJQL") << QString() << true;
        QTest::newRow("all set") << QStringLiteral("extraJQL") << QStringLiteral("labels = x") << true;
    }

    void canConnectNeedsEveryFieldButTheTeamFilter()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, expected);
        rig().fill(form());
        QVERIFY(form().setProperty(field.toLatin1().constData(), value));
        QCOMPARE(form().canConnect(), expected);
        QCOMPARE(form().canTest(), expected);
        QCOMPARE(form().canLoadFilters(), expected);
    }

    void versionText_data()
    {
        QTest::addColumn<QString>("shortVersion");
        QTest::addColumn<QString>("build");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both") << QStringLiteral("1.4.2") << QStringLiteral("87")
                              << QStringLiteral("1.4.2 (87)");
        QTest::newRow("no build") << QStringLiteral("1.4.2") << QString() << QStringLiteral("1.4.2");
        QTest::newRow("no short version") << QString() << QStringLiteral("87") << QStringLiteral("dev");
        QTest::newRow("neither") << QString() << QString() << QStringLiteral("dev");
    }

    void versionText()
    {
        QFETCH(QString, shortVersion);
        QFETCH(QString, build);
        QFETCH(QString, expected);
        QCOMPARE(SettingsForm::versionText(shortVersion, build), expected);
    }

    void connectionTestThatWorksSavesTheDraft_data()
    {
        QTest::addColumn<int>("cards");
        QTest::newRow("empty column") << 0;
        QTest::newRow("three cards") << 3;
    }

    void connectionTestThatWorksSavesTheDraft()
    {
        QFETCH(int, cards);
        rig().serveIssues(cards);
        rig().fill(form());

        auto test = form().testConnection();
        QVERIFY(form().testing());
        QVERIFY(!form().canTest());
        // Until the answer comes, the site field stays as typed and nothing is stored.
        QCOMPARE(form().siteURL(), rig().typedSite());
        QVERIFY(rig().settings->email().isEmpty());
        QCoro::waitFor(std::move(test));

        QVERIFY(!form().testing());
        QCOMPARE(form().testResultKind(), SettingsForm::ResultKind::ok);
        QCOMPARE(form().testResultText(), QStringLiteral("Connected — %1 in To review").arg(cards));
        QCOMPARE(rig().saves, 1);
        QCOMPARE(form().siteURL(), QStringLiteral("https://127.0.0.1:%1").arg(rig().jira.port()));
        const auto stored = rig().reread();
        QCOMPARE(stored->email(), QStringLiteral("me@example.com"));
        QCOMPARE(stored->token(), QStringLiteral("draft-token-1"));
        QCOMPARE(stored->statusName(), QStringLiteral("To review"));

        // The request used the trimmed draft.
        const auto requests = rig().jira.requests(FakeJiraDocuments::issuesPath(SettingsTestRig::boardId));
        QCOMPARE(requests.size(), 1);

        // The label reads the status field as it is now.
        QSignalSpy textChanged(&form(), &SettingsForm::testResultTextChanged);
        form().setStatusName(QStringLiteral("  In review "));
        QCOMPARE(textChanged.size(), 1);
        QCOMPARE(form().testResultText(), QStringLiteral("Connected — %1 in In review").arg(cards));
    }

    void failedConnectionTestStoresNothing_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("unauthorized") << 401 << unauthorizedText;
        QTest::newRow("server error") << 500 << QStringLiteral("Jira returned HTTP 500.");
    }

    void failedConnectionTestStoresNothing()
    {
        QFETCH(int, status);
        QFETCH(QString, message);
        storeKnownSettings();
        rig().jira.setResponse(FakeJiraDocuments::issuesPath(SettingsTestRig::boardId),
                               FakeResponse::noBody(status));
        rig().fill(form());

        QCoro::waitFor(form().testConnection());

        QCOMPARE(form().testResultKind(), SettingsForm::ResultKind::fail);
        QCOMPARE(form().testResultText(), message);
        QVERIFY(!form().testing());
        QCOMPARE(rig().saves, 0);
        QCOMPARE(form().siteURL(), rig().typedSite());
        const auto stored = rig().reread();
        QCOMPARE(stored->siteURL(), QStringLiteral("https://old.example.net"));
        QCOMPARE(stored->email(), QStringLiteral("old@example.com"));
        QCOMPARE(stored->token(), QStringLiteral("old-token"));
        QCOMPARE(stored->boardId(), QStringLiteral("12"));

        // A new test clears the last result when it starts.
        rig().jira.setResponse(FakeJiraDocuments::issuesPath(SettingsTestRig::boardId),
                               FakeResponse::noBody(status).withDelay(300ms));
        auto again = form().testConnection();
        QCOMPARE(form().testResultKind(), SettingsForm::ResultKind::none);
        QVERIFY(form().testResultText().isEmpty());
        QCoro::waitFor(std::move(again));
        QCOMPARE(form().testResultKind(), SettingsForm::ResultKind::fail);
    }

    void formGoneWhileTestingIsNoCrash()
    {
        rig().jira.setResponse(FakeJiraDocuments::issuesPath(SettingsTestRig::boardId),
                               FakeResponse::json(FakeJiraDocuments::issues({})).withDelay(200ms));
        rig().fill(form());
        form().startTestConnection();
        form().startLoadingQuickFilters();
        m_form.reset();
        QTest::qWait(400);
        QCOMPARE(rig().saves, 0);
    }

    void loadingQuickFilters()
    {
        rig().fill(form());
        form().setExtraJQL(QStringLiteral("  team = 2 "));
        rig().jira.setHandler(
            FakeJiraDocuments::quickFiltersPath(SettingsTestRig::boardId), [](const RecordedRequest &) {
                return FakeResponse::json(
                           FakeJiraDocuments::quickFilterPage(FakeJiraDocuments::numberedFilters(3), 0, true))
                    .withDelay(200ms);
            });
        auto load = form().loadQuickFilters();
        QVERIFY(form().loadingFilters());
        QVERIFY(!form().canLoadFilters());
        QCoro::waitFor(std::move(load));

        QVERIFY(!form().loadingFilters());
        QVERIFY(!form().filterMessage());
        QCOMPARE(form().filterChoices(),
                 QStringList({QStringLiteral("None"), QStringLiteral("Filter 1"), QStringLiteral("Filter 2"),
                              QStringLiteral("Filter 3")}));
        // The team filter held filter 2's JQL, give or take spaces: that filter is picked.
        QCOMPARE(form().selectedFilterId(), std::optional<qint64>(2));
        QCOMPARE(form().selectedFilterIndex(), 2);
        QCOMPARE(form().extraJQL(), QStringLiteral("team = 2"));

        // A failed load shows the error and keeps the list and the pick.
        rig().jira.setResponse(FakeJiraDocuments::quickFiltersPath(SettingsTestRig::boardId),
                               FakeResponse::noBody(401));
        QCoro::waitFor(form().loadQuickFilters());
        QCOMPARE(form().filterMessageText(), unauthorizedText);
        QCOMPARE(form().quickFilters().size(), 3);
        QCOMPARE(form().selectedFilterId(), std::optional<qint64>(2));

        // A board without quick filters: the message; the earlier pick is left alone.
        loadFilters({});
        QCOMPARE(form().filterMessageText(), QStringLiteral("This board has no quick filters."));
        QCOMPARE(form().filterChoices(), QStringList{QStringLiteral("None")});
        QCOMPARE(form().selectedFilterId(), std::optional<qint64>(2));
    }

    void loadingFiltersWithoutAMatchPicksNone()
    {
        rig().fill(form());
        form().setExtraJQL(QStringLiteral("Team = 2")); // JQL is compared case-sensitively
        loadFilters(FakeJiraDocuments::numberedFilters(3));
        QCOMPARE(form().selectedFilterId(), std::nullopt);
        QCOMPARE(form().extraJQL(), QStringLiteral("Team = 2"));
    }

    void pickerAndTeamFilterFollowEachOther()
    {
        rig().fill(form());
        loadFilters({{7, QStringLiteral("Team F"), QStringLiteral("labels = team-f")},
                     {8, QStringLiteral("Padded"), QStringLiteral("  component = ui ")},
                     {9, QStringLiteral("Team G"), QStringLiteral("labels = team-g")}});
        QCOMPARE(form().selectedFilterId(), std::nullopt);

        form().setSelectedFilterIndex(1);
        QCOMPARE(form().selectedFilterId(), std::optional<qint64>(7));
        QCOMPARE(form().extraJQL(), QStringLiteral("labels = team-f"));

        // Spaces around the JQL keep the pick; another text drops it but keeps what was typed.
        form().setExtraJQL(QStringLiteral("labels = team-f "));
        QCOMPARE(form().selectedFilterId(), std::optional<qint64>(7));
        form().setExtraJQL(QStringLiteral("labels = team-fx"));
        QCOMPARE(form().selectedFilterId(), std::nullopt);
        QCOMPARE(form().extraJQL(), QStringLiteral("labels = team-fx"));

        // A filter whose JQL Jira sends with spaces around it stays picked.
        form().setSelectedFilterId(8);
        QCOMPARE(form().extraJQL(), QStringLiteral("  component = ui "));
        QCOMPARE(form().selectedFilterIndex(), 2);

        // "None" empties the field.
        form().setSelectedFilterIdValue(QVariant());
        QCOMPARE(form().selectedFilterId(), std::nullopt);
        QVERIFY(form().extraJQL().isEmpty());

        // Reopening the window after an unsaved pick shows the stored team filter, and the filter
        // it is, if any.
        rig().settings->setExtraJQL(QStringLiteral("labels = team-g"));
        form().setSelectedFilterId(7);
        form().load();
        QCOMPARE(form().extraJQL(), QStringLiteral("labels = team-g"));
        QCOMPARE(form().selectedFilterId(), std::optional<qint64>(9));
        rig().settings->setExtraJQL(QStringLiteral("project = X"));
        form().load();
        QCOMPARE(form().extraJQL(), QStringLiteral("project = X"));
        QCOMPARE(form().selectedFilterId(), std::nullopt);
    }

    void appearLoadsFiltersOnlyWhenItCan()
    {
        rig().serveFilters(FakeJiraDocuments::numberedFilters(2));
        form().appear(); // nothing stored: no request
        QVERIFY(!form().loadingFilters());

        rig().fill(form());
        form().apply();
        form().appear();
        QVERIFY(form().loadingFilters());
        QTRY_VERIFY(!form().loadingFilters());
        QCOMPARE(form().quickFilters().size(), 2);
        QCOMPARE(rig().jira.requests(FakeJiraDocuments::quickFiltersPath(SettingsTestRig::boardId)).size(),
                 1);
    }

    void soundsPreviewAtOnceAndTestUsesTheDraft()
    {
        rig().settings->setNotificationSound(QStringLiteral("Ping"));
        form().previewSound(QStringLiteral("Glass"));
        form().previewSound(QStringLiteral("Default"));
        form().previewSound(QStringLiteral("None"));
        QCOMPARE(rig().previews, QStringList{QStringLiteral("Glass")});

        form().setSoundName(QStringLiteral("Funk"));
        form().sendTestNotification();
        QTRY_COMPARE(rig().notificationServer.notifyCalls.size(), 1);
        QCOMPARE(rig().notificationSounds.played, QStringList{QStringLiteral("Funk")});
        QCOMPARE(rig().reread()->notificationSound(), QStringLiteral("Ping")); // nothing saved
    }

    void autoUpdateFollowsTheUpdater()
    {
        QVERIFY(form().autoUpdate()); // no updater: on, and switching does nothing
        QSignalSpy changed(&form(), &SettingsForm::autoUpdateChanged);
        form().setAutoUpdate(false);
        QVERIFY(form().autoUpdate());
        QCOMPARE(changed.size(), 1); // a flipped switch is told to go back

        FlagUpdater updater;
        SettingsForm withUpdater(*rig().settings, *rig().notifier, &updater);
        withUpdater.setAutoUpdate(false);
        QVERIFY(!updater.flag);
        QVERIFY(!withUpdater.autoUpdate());
        updater.setAutomaticallyChecksForUpdates(true);
        QVERIFY(withUpdater.autoUpdate());
    }

    void failedLaunchAtLoginChangeIsShown()
    {
        // An autostart folder that cannot be made: a file stands where it should be.
        const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        const QString home = rig().dir.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(home));
        QFile blocker(home + QStringLiteral("/autostart"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_CONFIG_HOME", home.toUtf8());

        rig().fill(form());
        form().setLaunchAtLogin(true);
        form().apply();
        qputenv("XDG_CONFIG_HOME", savedConfigHome);

        QCOMPARE(rig().saves, 1); // the rest was saved
        QCOMPARE(form().saveProblem(), QStringLiteral("Norrid could not set itself to start at login."));
    }
};

QTEST_GUILESS_MAIN(TestSettingsForm)
#include "tst_settingsform.moc"
