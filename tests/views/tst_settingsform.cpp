#include "SettingsTestRig.h"
#include "settings/LaunchAtLogin.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace std::chrono_literals;
using Filter = FakeJiraDocuments::Filter;

namespace {

const QString unauthorizedText = QStringLiteral("Jira rejected the email/token (401). Check your API token.");

// The connection settings of a store, in one list to compare at once.
QStringList connection(const AppSettings &s)
{
    return {s.siteURL(), s.email(), s.token(), s.boardId(), s.statusName(), s.extraJQL()};
}

} // namespace

// The settings window's rules, driven from C++ against a real store, keyring and TLS fake Jira.
class TestSettingsForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<SettingsTestRig> m_rig;
    std::unique_ptr<SettingsForm> m_form;

    SettingsTestRig &rig() { return *m_rig; }
    SettingsForm &form() { return *m_form; }
    QString fakeSite() const { return QStringLiteral("https://127.0.0.1:%1").arg(m_rig->jira.port()); }

    const QStringList oldConnection{QStringLiteral("https://old.example.net"),
                                    QStringLiteral("old@example.com"),
                                    QStringLiteral("old-token"),
                                    QStringLiteral("12"),
                                    QStringLiteral("Old status"),
                                    QStringLiteral("labels = old")};

    void storeOldSettings()
    {
        AppSettings &s = *rig().settings;
        for (auto [i, set] : {std::pair{0, &AppSettings::setSiteURL},
                              {1, &AppSettings::setEmail},
                              {2, &AppSettings::setToken},
                              {3, &AppSettings::setBoardId},
                              {4, &AppSettings::setStatusName},
                              {5, &AppSettings::setExtraJQL}})
            (s.*set)(oldConnection.at(i));
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

        QCOMPARE(form().siteURL(), fakeSite());
        QCOMPARE(form().email(), QStringLiteral(" me@example.com "));
        QCOMPARE(rig().saves, 1);
        QCOMPARE(emailWhenSaved, QStringLiteral("me@example.com")); // onSave runs after the store
        const auto stored = rig().reread();
        QCOMPARE(connection(*stored),
                 QStringList({fakeSite(), QStringLiteral("me@example.com"), QStringLiteral("draft-token-1"),
                              QStringLiteral("590"), QStringLiteral("To review"),
                              QStringLiteral("labels = team-f")}));
        QCOMPARE(stored->pollInterval(), 120);
        QCOMPARE(stored->notificationSound(), QStringLiteral("Glass"));
        QVERIFY(LaunchAtLogin::isEnabled());
        QVERIFY(form().saveProblem().isEmpty());

        // The token went to the keyring only.
        QFile file(rig().settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("draft-token-1"));
    }

    void loadReplacesTheDraftWithTheStore()
    {
        storeOldSettings();
        LaunchAtLogin::setEnabled(true);
        rig().fill(form());
        form().setSoundName(QStringLiteral("Funk"));

        form().load();

        QCOMPARE(QStringList({form().siteURL(), form().email(), form().token(), form().boardId(),
                              form().statusName(), form().extraJQL()}),
                 oldConnection);
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
    }

    void canConnectNeedsEveryFieldButTheTeamFilter()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, expected);
        rig().fill(form());
        QVERIFY(form().setProperty(field.toLatin1().constData(), value));
        QCOMPARE(form().canConnect(), expected);
        QCOMPARE(form().canLoadFilters(), expected);
    }

    // A test that works saves the draft, normalising the site; one that fails stores nothing.
    void connectionTestSavesOnlyWhenItWorks_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty column") << 0 << QStringLiteral("Connected — 0 in To review");
        QTest::newRow("three cards") << 3 << QStringLiteral("Connected — 3 in To review");
        QTest::newRow("unauthorized") << 401 << unauthorizedText;
        QTest::newRow("server error") << 500 << QStringLiteral("Jira returned HTTP 500.");
    }

    void connectionTestSavesOnlyWhenItWorks()
    {
        QFETCH(int, status);
        QFETCH(QString, message);
        const bool works = status < 100;
        storeOldSettings();
        if (works)
            rig().serveIssues(status);
        else
            rig().jira.setResponse(FakeJiraDocuments::issuesPath(SettingsTestRig::boardId),
                                   FakeResponse::noBody(status).withDelay(100ms));
        rig().fill(form());

        auto test = form().testConnection();
        QVERIFY(form().testing() && !form().canTest());
        // Until the answer comes, the site field stays as typed and nothing is stored.
        QCOMPARE(form().siteURL(), rig().typedSite());
        QCOMPARE(connection(*rig().reread()), oldConnection);
        QCoro::waitFor(std::move(test));

        QVERIFY(!form().testing());
        QCOMPARE(form().testResultKind(),
                 works ? SettingsForm::ResultKind::ok : SettingsForm::ResultKind::fail);
        QCOMPARE(form().testResultText(), message);
        QCOMPARE(rig().saves, works ? 1 : 0);
        QCOMPARE(form().siteURL(), works ? fakeSite() : rig().typedSite());
        const QStringList saved{fakeSite(), QStringLiteral("me@example.com"), QStringLiteral("draft-token-1"),
                                QStringLiteral("590"), QStringLiteral("To review")};
        QCOMPARE(connection(*rig().reread()).mid(0, works ? 5 : 6), works ? saved : oldConnection);

        // A new test clears the last result when it starts.
        auto again = form().testConnection();
        QCOMPARE(form().testResultKind(), SettingsForm::ResultKind::none);
        QCoro::waitFor(std::move(again));
        if (works) {
            // The label reads the status field as it is now.
            form().setStatusName(QStringLiteral("  In review "));
            QCOMPARE(form().testResultText(), QStringLiteral("Connected — %1 in In review").arg(status));
        }
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
        loadFilters(FakeJiraDocuments::numberedFilters(3));
        QVERIFY(!form().loadingFilters());
        QVERIFY(!form().filterMessage());
        QCOMPARE(form().filterChoices(),
                 QStringList({QStringLiteral("None"), QStringLiteral("Filter 1"), QStringLiteral("Filter 2"),
                              QStringLiteral("Filter 3")}));
        // The team filter held filter 2's JQL, give or take spaces: that filter is picked.
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

    void pickerAndTeamFilterFollowEachOther()
    {
        rig().fill(form());
        form().setExtraJQL(QStringLiteral("Labels = team-f")); // JQL is compared case-sensitively
        loadFilters({{7, QStringLiteral("Team F"), QStringLiteral("labels = team-f")},
                     {8, QStringLiteral("Padded"), QStringLiteral("  component = ui ")},
                     {9, QStringLiteral("Team G"), QStringLiteral("labels = team-g")}});
        QCOMPARE(form().selectedFilterId(), std::nullopt);
        QCOMPARE(form().extraJQL(), QStringLiteral("Labels = team-f"));

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

        // Reopening the window after an unsaved pick shows the stored team filter, and its filter.
        rig().settings->setExtraJQL(QStringLiteral("labels = team-g"));
        form().setSelectedFilterId(7);
        form().load();
        QCOMPARE(form().extraJQL(), QStringLiteral("labels = team-g"));
        QCOMPARE(form().selectedFilterId(), std::optional<qint64>(9));
        rig().settings->setExtraJQL(QStringLiteral("project = X"));
        form().load();
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
    }

    void soundsPreviewAtOnceAndTestUsesTheDraft()
    {
        rig().settings->setNotificationSound(QStringLiteral("Ping"));
        for (const char *sound : {"Glass", "Default", "None"})
            form().previewSound(QString::fromLatin1(sound));
        QCOMPARE(rig().previews, QStringList{QStringLiteral("Glass")});

        form().setSoundName(QStringLiteral("Funk"));
        form().sendTestNotification();
        QTRY_COMPARE(rig().notificationServer.notifyCalls.size(), 1);
        QCOMPARE(rig().notificationSounds.played, QStringList{QStringLiteral("Funk")});
        QCOMPARE(rig().reread()->notificationSound(), QStringLiteral("Ping")); // nothing saved
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
