#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "settings/LaunchAtLogin.h"
#include "shell/SettingsWindowController.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"
#include "support/FakeNotificationService.h"
#include "support/QuickItems.h"
#include "views/SettingsForm.h"

#include <QDBusConnection>
#include <QFontMetricsF>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using ResultKind = SettingsForm::ResultKind;

namespace {

const QString boardId = u"590"_s;
const QString unauthorizedText = u"Jira rejected the user name/password (401). Check them, or sign in with a "
                                 u"personal access token: paste it as the token and leave the email empty."_s;

// The connection settings of a store, in one list to compare at once.
QStringList connection(const AppSettings &s)
{
    return {s.siteURL(), s.email(), s.token(), s.boardId(), s.statusName(), s.extraJQL()};
}

} // namespace

// The settings window as the user meets it: the real QML view on the offscreen platform over the
// real form, a settings store over a file of its own and the session's keyring, a fake Jira over TLS
// and the notification manager posting to a notification server on the private session bus. Sounds
// and opened links are only recorded, as the test machine has no audio device or browser. Pictures
// go to NORRID_SETTINGS_SHOTS_DIR.
class TestSettingsView : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeJiraServer m_jira;
    FakeNotificationService m_notificationServer;
    FreedesktopNotificationCenter m_center{QDBusConnection::sessionBus(), nullptr};
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<NotificationManager> m_notifier;
    std::unique_ptr<SettingsWindowController> m_controller;
    QStringList m_previews; // sounds the form played itself
    int m_saves = 0;

    SettingsForm &form() { return m_controller->form(); }
    QQuickView *view() { return qobject_cast<QQuickView *>(m_controller->window()); }
    QString settingsFile() const { return m_dir.filePath(u"Norrid.conf"_s); }
    // A second store over the same file and keyring: what a restarted Norrid would read.
    // The store as the next launch reads it, once its keyring read is done.
    std::unique_ptr<AppSettings> reread() const
    {
        [[maybe_unused]] const bool saved =
            QTest::qWaitFor([this] { return !m_settings->keyringBusy(); }, 10000);
        auto settings = std::make_unique<AppSettings>(settingsFile());
        [[maybe_unused]] const bool read = QTest::qWaitFor([&] { return !settings->keyringBusy(); }, 10000);
        return settings;
    }
    QString site() const { return u"https://127.0.0.1:%1"_s.arg(m_jira.port()); }
    // The site as a user might type it: no scheme, a trailing slash and spaces.
    QString typedSite() const { return u"  127.0.0.1:%1/ "_s.arg(m_jira.port()); }

    // A complete draft pointing at the fake Jira, with white space around every value.
    void fill()
    {
        form().setSiteURL(typedSite());
        form().setEmail(u" me@example.com "_s);
        form().setToken(u" draft-token-1\n"_s);
        form().setBoardId(u" 590 "_s);
        form().setStatusName(u" To review "_s);
    }

    void serveIssues(const FakeResponse &response)
    {
        m_jira.setResponse(FakeJiraDocuments::issuesPath(boardId), response);
    }

    void serveFilters(const QList<FakeJiraDocuments::Filter> &filters, std::chrono::milliseconds delay = {})
    {
        m_jira.setResponse(
            FakeJiraDocuments::quickFiltersPath(boardId),
            FakeResponse::json(FakeJiraDocuments::quickFilterPage(filters, 0, true)).withDelay(delay));
    }

    QQuickItem *item(const char *name) { return QuickItems::find(view(), name); }
    QString text(const char *name) { return item(name)->property("text").toString(); }
    void shoot(const QString &name)
    {
        QuickItems::shoot(view(), QStringLiteral(NORRID_SETTINGS_SHOTS_DIR), name);
    }

    void press(Qt::Key key) { QTest::keyClick(view(), key); }

    // Types the text key by key into the focused control (QTest has no keyClicks for windows).
    void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(view(), c.toLatin1());
    }

    void click(const char *name) { QuickItems::click(view(), item(name)); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_jira.start(), qPrintable(m_jira.errorString()));
        QVERIFY2(m_notificationServer.start(), "the fake notification server could not take its bus name");
    }

    void init()
    {
        QTest::failOnWarning(QRegularExpression(u"qrc:/qt/qml/"_s));
        m_jira.reset();
        m_notificationServer.notifyCalls.clear();
        QFile::remove(settingsFile());
        m_settings = std::make_unique<AppSettings>(settingsFile());
        QTRY_VERIFY(!m_settings->keyringBusy());
        m_settings->setToken({}); // the keyring outlives the store of the test before
        m_notifier = std::make_unique<NotificationManager>(*m_settings, m_center);
        m_saves = 0;
        m_previews.clear();
        LaunchAtLogin::setEnabled(false);
        m_controller = std::make_unique<SettingsWindowController>(*m_settings, *m_notifier, nullptr, nullptr,
                                                                  [this] { ++m_saves; });
        form().openURL = [](const QUrl &) {};
        form().soundPreview.play = [this](const QString &name) { m_previews.append(name); };
        m_controller->show();
        QVERIFY(QTest::qWaitForWindowExposed(view()));
        QVERIFY(view()->errors().isEmpty());
    }

    void cleanup()
    {
        m_controller.reset();
        m_notifier.reset();
        m_settings.reset();
    }

    // The empty window shows no picker, message or result, asks Jira nothing and has nothing to
    // save. Typing follows the tab order and saves nothing; Return stores the draft trimmed, puts the
    // normalised site in its field, and then runs onSave. Escape hides the window unsaved; showing it
    // again brings the same window back with the store loaded over the draft, and the quick filters.
    void typeSaveCloseAndReopen()
    {
        for (const char *name :
             {"filterPicker", "resultLabel", "filterMessage", "siteProblem", "boardIdNote"})
            QVERIFY2(!item(name)->isVisible(), name);
        QVERIFY(!item("saveButton")->isEnabled());
        QVERIFY(m_jira.requests().isEmpty());
        shoot(u"1-empty"_s);
        press(Qt::Key_Return);
        QCOMPARE(m_saves, 0);

        type(typedSite());
        const QList<std::pair<QString, QString>> steps{
            {u"emailField"_s, u" me@example.com "_s},
            {u"tokenField"_s, u"typed-token-2"_s},
            {u"tokenPageButton"_s, {}},
            {u"boardIdField"_s, u"590"_s},
            {u"statusField"_s, u" To review "_s},
            {u"loadFiltersButton"_s, {}}, // enabled now that the draft is complete
            {u"extraJQLField"_s, u" team = 2 "_s},
        };
        for (const auto &[name, text] : steps) {
            press(Qt::Key_Tab);
            QCOMPARE(view()->activeFocusItem()->objectName(), name);
            type(text);
        }
        QVERIFY(item("tokenField")->property("displayText").toString() != u"typed-token-2"_s);
        shoot(u"2-filled"_s);
        form().setPollInterval(120);
        form().setSoundName(u"Glass"_s);
        form().setLaunchAtLogin(true);
        QCOMPARE(m_saves, 0);
        QString emailWhenSaved;
        form().onSave = [&] { emailWhenSaved = m_settings->email(); };

        press(Qt::Key_Return);
        QCOMPARE(emailWhenSaved, u"me@example.com"_s);
        QCOMPARE(text("siteURLField"), site());
        const QStringList stored{site(),  u"me@example.com"_s, u"typed-token-2"_s,
                                 boardId, u"To review"_s,      u"team = 2"_s};
        QCOMPARE(connection(*reread()), stored);
        QCOMPARE(reread()->pollInterval(), 120);
        QCOMPARE(reread()->notificationSound(), u"Glass"_s);
        QVERIFY(LaunchAtLogin::isEnabled());
        QVERIFY(form().saveProblem().isEmpty());

        serveFilters(FakeJiraDocuments::numberedFilters(2));
        type(u"unsaved"_s);
        form().setPollInterval(30);
        form().setSoundName(u"Funk"_s);
        QQuickView *first = view();
        press(Qt::Key_Escape);
        QVERIFY(!first->isVisible());
        m_controller->show();
        QVERIFY(QTest::qWaitForWindowExposed(view()));
        QCOMPARE(view(), first);
        QCOMPARE(QStringList({text("siteURLField"), text("emailField"), form().token(), text("boardIdField"),
                              text("statusField"), text("extraJQLField")}),
                 stored);
        QCOMPARE(form().pollIntervalIndex(), 2);
        QCOMPARE(form().soundName(), u"Glass"_s);
        QVERIFY(form().launchAtLogin());
        QVERIFY(m_previews.isEmpty()); // loading a sound name does not play it
        QTRY_COMPARE(form().quickFilters().size(), 2);
        QCOMPARE(form().selectedFilterIndex(), 2);
    }

    // Each time the window opens, typing goes into the first empty connection field: Site URL on a
    // first run.
    void typingGoesIntoTheFirstEmptyField_data()
    {
        QTest::addColumn<QString>("storedSite");
        QTest::addColumn<QString>("storedEmail");
        QTest::addColumn<QString>("focused");
        QTest::newRow("first run") << QString() << QString() << u"siteURLField"_s;
        QTest::newRow("site stored") << site() << QString() << u"emailField"_s;
        QTest::newRow("no token yet") << site() << u"me@example.com"_s << u"tokenField"_s;
    }

    void typingGoesIntoTheFirstEmptyField()
    {
        QFETCH(QString, storedSite);
        QFETCH(QString, storedEmail);
        QFETCH(QString, focused);
        if (!storedSite.isEmpty()) { // opened again over what was saved meanwhile
            m_controller->hide();
            m_settings->setSiteURL(storedSite);
            m_settings->setEmail(storedEmail);
            m_controller->show();
            QVERIFY(QTest::qWaitForWindowExposed(view()));
        }
        QTRY_VERIFY(view()->activeFocusItem());
        type(u"abc"_s);
        QCOMPARE(text(qPrintable(focused)), u"abc"_s);
    }

    // Tab runs down the form as it reads, every control in turn, then along the bottom bar and back
    // to the top.
    void tabOrderFollowsTheForm()
    {
        fill();
        serveFilters(FakeJiraDocuments::numberedFilters(2));
        QCoro::waitFor(form().loadQuickFilters());
        auto *content = item("scroller")->property("contentItem").value<QQuickItem *>();
        const auto top = [content](QQuickItem *control) {
            return control->mapToItem(content, QPointF(0, 0)).y();
        };
        QTRY_VERIFY(top(item("filterPicker")) > top(item("statusField"))); // laid out on a later polish pass
        item("siteURLField")->forceActiveFocus();
        QStringList order;
        QPointF previous(0, -1);
        for (QQuickItem *focused = view()->activeFocusItem(); content->isAncestorOf(focused);
             focused = view()->activeFocusItem()) {
            const QPointF at = focused->mapToItem(content, QPointF(0, 0));
            QVERIFY2(at.y() > previous.y() || (at.y() == previous.y() && at.x() > previous.x()),
                     qPrintable(focused->objectName()));
            previous = at;
            order.append(focused->objectName());
            press(Qt::Key_Tab);
        }
        for (int i = 0; i < 3; ++i) { // the bottom bar's two buttons, then the top again
            order.append(view()->activeFocusItem()->objectName());
            press(Qt::Key_Tab);
        }
        const QStringList expected =
            QStringLiteral("siteURLField emailField tokenField tokenPageButton boardIdField statusField "
                           "filterPicker loadFiltersButton extraJQLField soundPicker testNotificationButton "
                           "intervalPicker launchAtLoginSwitch autoUpdateSwitch checkUpdatesButton "
                           "copyDiagnosticsButton testButton "
                           "saveButton siteURLField")
                .split(u' ');
        qsizetype next = 0; // the known controls in this order; controls added between them may come too
        for (const QString &name : std::as_const(order)) {
            if (next < expected.size() && name == expected.at(next))
                ++next;
        }
        QVERIFY2(next == expected.size(), qPrintable(order.join(u' ')));
        QCOMPARE(order.last(), u"siteURLField"_s);
    }

    // A board or issue address pasted for the site (tst_jiramodels reads every form of address):
    // the board a board address names fills an empty board field and says so; the connection test
    // and the save use the site's origin. An address whose host is not the one it shows is refused
    // under its field, and nothing can be sent.
    void pastedAddresses_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("typedBoard");
        QTest::addColumn<QString>("board");
        QTest::newRow("Cloud board") << u"/jira/software/c/projects/AB/boards/590"_s << QString() << boardId;
        QTest::newRow("board typed first")
            << u"/jira/software/c/projects/AB/boards/7"_s << boardId << boardId;
        QTest::newRow("issue page") << u"/browse/AB-1"_s << QString() << QString();
    }

    void pastedAddresses()
    {
        QFETCH(QString, path);
        QFETCH(QString, typedBoard);
        QFETCH(QString, board);
        form().setBoardId(typedBoard);
        item("siteURLField")->forceActiveFocus();
        type(site() + path);
        QCOMPARE(form().boardId(), board);
        QCOMPARE(item("boardIdNote")->isVisible(), typedBoard.isEmpty() && !board.isEmpty());
        if (item("boardIdNote")->isVisible())
            shoot(u"6-board-filled"_s);
        QVERIFY(!item("siteProblem")->isVisible());
        if (board.isEmpty())
            return;
        form().setEmail(u"me@example.com"_s);
        form().setToken(u"token"_s);
        form().setStatusName(u"To review"_s);
        // Jira's reason for a 400 comes under its message.
        serveIssues(FakeResponse::json(
            R"({"errorMessages":[],"errors":{"jql":"The value 'x' does not exist."}})", 400));
        QCoro::waitFor(form().testConnection());
        QCOMPARE(form().testResultText(), u"Jira returned HTTP 400.\nThe value 'x' does not exist."_s);
        serveIssues(FakeResponse::json(FakeJiraDocuments::issues({})));
        QCoro::waitFor(form().testConnection());
        QCOMPARE(form().testResultKind(), ResultKind::ok);
        QCOMPARE(m_jira.requests().last().path, FakeJiraDocuments::issuesPath(boardId));
        // The field and the file keep the page; Norrid says which part it reads Jira at.
        QCOMPARE(text("siteURLField"), site() + path);
        QCOMPARE(reread()->siteURL(), site() + path);
        QCOMPARE(text("siteNote"), u"Norrid reads Jira at %1."_s.arg(site()));
    }

    void unsafeAddressesAreRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        // Every kind of refusal and its words are in tst_jiramodels; here, that the window shows it.
        QTest::newRow("user part") << u"127.0.0.1:443@evil.example"_s << u"user name"_s;
        QTest::newRow("malformed scheme")
            << u"https:/acme.atlassian.net"_s << u"Norrid connects only to an https:// address"_s;
    }

    void unsafeAddressesAreRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        fill();
        form().setSiteURL(typed);
        QVERIFY(item("siteProblem")->isVisible());
        QVERIFY2(text("siteProblem").startsWith(u"The Jira site URL looks invalid. "_s) &&
                     text("siteProblem").contains(problem),
                 qPrintable(text("siteProblem")));
        QVERIFY(!item("saveButton")->isEnabled() && !item("testButton")->isEnabled());
        shoot(u"5-site-refused-"_s + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
        item("siteURLField")->forceActiveFocus();
        press(Qt::Key_Return);
        QCOMPARE(m_saves, 0);
        QCOMPARE(reread()->siteURL(), QString());
    }

    // Every connection field must hold more than white space; the email (a personal access token
    // goes without one) and the team filter may stay empty.
    void canConnectNeedsEveryFieldButTheTeamFilter()
    {
        fill();
        QVERIFY(form().canConnect() && form().canLoadFilters() && item("saveButton")->isEnabled());
        form().setEmail(u" "_s);
        QVERIFY(form().canConnect());
        for (const char *field : {"siteURL", "token", "boardId", "statusName"}) {
            const QVariant typed = form().property(field);
            QVERIFY(form().setProperty(field, u" \t\n\u00A0"_s));
            QVERIFY2(!form().canConnect() && !form().canLoadFilters(), field);
            form().setProperty(field, typed);
        }
    }

    // A self-hosted site under a path with a personal access token: the token button leads to the
    // site's own token page, the test names the Jira it found, and a CAPTCHA offers Jira's sign-in
    // page, which the window opens.
    void aSelfHostedSiteWithAPersonalAccessToken()
    {
        QList<QUrl> opened;
        form().openURL = [&opened](const QUrl &url) { opened.append(url); };
        fill();
        form().setEmail({});
        QVERIFY(form().canConnect());
        form().setSiteURL(u"acme.atlassian.net"_s);
        QCOMPARE(text("tokenPageButton"), u"Create an API token…"_s);
        click("tokenPageButton");
        QCOMPARE(opened.takeFirst(), SettingsForm::tokenPageURL);
        form().setSiteURL(site() + u"/jira/"_s);
        QCOMPARE(text("tokenPageButton"), u"Create a personal access token…"_s);
        click("tokenPageButton");
        QCOMPARE(opened.value(0).toString(),
                 site() +
                     u"/jira/secure/ViewProfile.jspa?selectedTab=com.atlassian.pats.pats-plugin:jira-user-"
                     u"personal-access-tokens"_s);
        QVERIFY(item("emailCaption")->isVisible() && !item("siteNote")->isVisible());

        m_jira.setResponse(u"/jira/rest/api/2/serverInfo"_s,
                           FakeResponse::json(FakeJiraDocuments::serverInfo(u"DataCenter"_s, u"9.12.2"_s)));
        m_jira.setResponse(u"/jira"_s + FakeJiraDocuments::issuesPath(boardId),
                           FakeResponse::json(FakeJiraDocuments::issues({{u"DC-1"_s, {}, {}, {}}})));
        click("testButton");
        QTRY_COMPARE(form().testResultText(), u"Connected to Jira Data Center 9.12.2 — 1 in To review"_s);
        QCOMPARE(m_jira.requests().last().header("Authorization"), "Bearer draft-token-1");
        QVERIFY(!item("signInButton")->isVisible());

        const QUrl login(site() + u"/jira/login.jsp"_s);
        m_jira.setResponse(u"/jira"_s + FakeJiraDocuments::issuesPath(boardId),
                           FakeJiraDocuments::captcha(login.toEncoded()));
        click("testButton");
        QTRY_COMPARE(form().testResultKind(), ResultKind::fail);
        QTRY_VERIFY(item("signInButton")->isVisible());
        shoot(u"7-sign-in"_s);
        click("signInButton");
        QCOMPARE(opened.value(1), login);
    }

    // While a test runs its button shows progress and takes no second press. A test that fails
    // stores nothing and leaves the site as typed; one that works saves the draft it tested. Each test clears
    // the last result when it starts; a message too long for the bar is cut, its tooltip holds it all.
    void connectionTestSavesOnlyWhenItWorks()
    {
        serveIssues(FakeResponse::noBody(401).withDelay(300ms));
        fill();
        click("testButton");
        QVERIFY(form().testing() && !item("testButton")->isEnabled());
        QVERIFY(item("testButton")->findChild<QQuickItem *>(u"busyIndicator"_s)->isVisible());
        click("testButton");
        QTRY_VERIFY(!form().testing());
        // Which Jira it is, asked without credentials, then the column.
        QCOMPARE(m_jira.requests().size(), 2);
        QCOMPARE(m_jira.requests().first().path, u"/rest/api/2/serverInfo"_s);
        QVERIFY(!m_jira.requests().first().hasHeader("Authorization"));
        QCOMPARE(form().testResultKind(), ResultKind::fail);
        QCOMPARE(form().testResultText(), unauthorizedText);
        QVERIFY(item("resultIcon")->property("source").toString().contains(u"xmark"_s));
        QCOMPARE(m_saves, 0);
        QCOMPARE(text("siteURLField"), typedSite());
        QCOMPARE(connection(*reread()), QStringList(6));

        serveIssues(FakeResponse::json(
                        FakeJiraDocuments::issues({{u"CLS-1"_s, {}, {}, {}}, {u"CLS-2"_s, {}, {}, {}}}))
                        .withDelay(300ms));
        click("testButton");
        QCOMPARE(form().testResultKind(), ResultKind::none);
        // What is typed while the test runs is no part of what it saves.
        form().setEmail(u"typed@meanwhile.example"_s);
        form().setSoundName(u"Funk"_s);
        QCOMPARE(m_saves, 0); // not before the answer
        QTRY_COMPARE(form().testResultKind(), ResultKind::ok);
        QCOMPARE(reread()->email(), u"me@example.com"_s);
        QCOMPARE(reread()->notificationSound(), u"Default"_s);
        QCOMPARE(form().email(), u"typed@meanwhile.example"_s);
        QCOMPARE(form().testResultText(), u"Connected — 2 in To review"_s);
        QVERIFY(item("resultIcon")->property("source").toString().contains(u"checkmark"_s));
        shoot(u"3-test-ok"_s);
        QCOMPARE(m_saves, 1);
        QCOMPARE(text("siteURLField"), site());
        QCOMPARE(reread()->token(), u"draft-token-1"_s);
        form().setStatusName(u"  In review "_s); // the label reads the field as it is now
        QCOMPARE(form().testResultText(), u"Connected — 2 in In review"_s);

        serveIssues(FakeResponse::redirect(QUrl(u"https://jira.elsewhere.example.org/x"_s)));
        click("testButton");
        QTRY_COMPARE(form().testResultKind(), ResultKind::fail);
        QQuickItem *label = item("resultText");
        QTRY_COMPARE(label->property("lineCount").toInt(), 2); // laid out on a later polish pass
        QTRY_VERIFY(label->property("truncated").toBool());
        shoot(u"4-test-failed"_s);
        auto *tip = label->findChild<QObject *>(u"resultToolTip"_s);
        QCOMPARE(tip->property("text").toString(), form().testResultText());
        QTest::mouseMove(view(), label->mapToScene(QPointF(label->width() / 2, 4)).toPoint());
        QTRY_VERIFY(tip->property("visible").toBool());
    }

    // Columns are added, named, reordered and removed in the window; the connection test reads each
    // and names the one that fails; Save stores them in their order.
    void severalColumns()
    {
        m_jira.setHandler(FakeJiraDocuments::issuesPath(boardId),
                          FakeJiraDocuments::boardByStatus({{u"A-1"_s, {}, {}, {}, u"To review"_s},
                                                            {u"A-2"_s, {}, {}, {}, u"QA"_s},
                                                            {u"A-3"_s, {}, {}, {}, u"QA"_s}}));
        m_jira.setResponse(FakeJiraDocuments::issuesPath(u"77"_s), FakeResponse::noBody(404));
        fill();
        QVERIFY(!item("columnList")->isVisible() && !item("removeColumnButton")->isVisible());
        click("addColumnButton");
        QCOMPARE(form().currentColumn(), 1);
        QCOMPARE(form().boardId(), u"590"_s); // a new column starts on the board before it
        QVERIFY(!form().canConnect());        // until it has a status
        form().setStatusName(u"QA"_s);
        form().setColumnName(u"Quality"_s);
        form().addColumn(); // the button has moved down under the list, maybe not laid out yet
        form().setBoardId(u"77"_s);
        form().setStatusName(u"Hidden"_s);
        QCOMPARE(form().columnTitles(), (QStringList{u"To review"_s, u"Quality"_s, u"Hidden"_s}));
        QTRY_VERIFY(item("columnList")->isVisible());
        shoot(u"8-columns"_s);

        click("testButton");
        QTRY_COMPARE(form().testResultKind(), ResultKind::fail);
        QVERIFY2(form().testResultText().startsWith(u"Hidden: "_s), qPrintable(form().testResultText()));
        QCOMPARE(m_saves, 0);
        form().removeColumn();
        QCOMPARE(form().columnTitles(), (QStringList{u"To review"_s, u"Quality"_s}));
        QCOMPARE(form().statusName(), u"QA"_s); // the fields show the column before the removed one
        form().moveColumn(-1);
        QCOMPARE(form().columnTitles(), (QStringList{u"Quality"_s, u"To review"_s}));
        click("testButton");
        QTRY_COMPARE(form().testResultKind(), ResultKind::ok);
        QCOMPARE(form().testResultText(), u"Connected — 2 in Quality, 1 in To review"_s);
        QCOMPARE(m_saves, 1);
        const QList<WatchedColumn> stored = reread()->columns();
        QCOMPARE(stored, (QList<WatchedColumn>{{boardId, u"QA"_s, {}, u"Quality"_s, {}},
                                               {boardId, u"To review"_s, {}, {}, {}}}));
        form().setCurrentColumn(1);
        QCOMPARE(form().statusName(), u"To review"_s);
        QCOMPARE(form().columnName(), QString());
    }

    // The load button shows progress; the picker then lists the filters and fills the team filter.
    // Editing the team filter keeps the pick while the JQL is the same give or take spaces (Jira may
    // send it padded) and drops it, keeping the text, otherwise; "None" empties it. A failed load
    // keeps the list and the pick; a board without quick filters says so.
    void quickFiltersAndTheTeamFilter()
    {
        const QString teamG = u"<b>Team G</b> &amp; co"_s;
        fill();
        serveFilters({{7, u"Team F"_s, u"labels = team-f"_s}, {8, teamG, u"  labels = team-g "_s}}, 300ms);
        QQuickItem *button = item("loadFiltersButton");
        button->forceActiveFocus();
        press(Qt::Key_Space);
        QVERIFY(!button->isEnabled());
        QVERIFY(button->findChild<QQuickItem *>(u"busyIndicator"_s)->isVisible());
        QQuickItem *picker = item("filterPicker");
        QTRY_VERIFY(picker->isVisible());
        QCOMPARE(form().filterChoices(), QStringList({u"None"_s, u"Team F"_s, teamG}));
        // A name from Jira shows as written in the list.
        QObject *popup = picker->property("popup").value<QObject *>();
        QVERIFY(QMetaObject::invokeMethod(popup, "open"));
        auto *entries = popup->property("contentItem").value<QQuickItem *>();
        QQuickItem *entry = nullptr;
        QTRY_VERIFY((QMetaObject::invokeMethod(entries, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, entry),
                                               Q_ARG(int, 2)),
                     entry));
        auto *label = entry->property("contentItem").value<QQuickItem *>();
        QCOMPARE(label->property("text").toString(), teamG);
        QVERIFY(label->implicitWidth() >=
                QFontMetricsF(label->property("font").value<QFont>()).horizontalAdvance(teamG) - 2);
        QVERIFY(QMetaObject::invokeMethod(popup, "close"));
        picker->forceActiveFocus();
        press(Qt::Key_Down);
        QCOMPARE(text("extraJQLField"), u"labels = team-f"_s);

        form().setExtraJQL(u"labels = team-f "_s);
        QCOMPARE(form().selectedFilterId(), std::optional<qint64>(7));
        form().setExtraJQL(u"Labels = team-f"_s); // JQL is compared case-sensitively
        QCOMPARE(form().selectedFilterId(), std::nullopt);
        QCOMPARE(text("extraJQLField"), u"Labels = team-f"_s);
        form().setSelectedFilterId(8);
        QCOMPARE(picker->property("currentText").toString(), teamG);
        form().setSelectedFilterIdValue(QVariant());
        QCOMPARE(text("extraJQLField"), QString());

        form().setSelectedFilterId(8);
        m_jira.setResponse(FakeJiraDocuments::quickFiltersPath(boardId), FakeResponse::noBody(401));
        QCoro::waitFor(form().loadQuickFilters());
        QCOMPARE(text("filterMessage"), unauthorizedText);
        QCOMPARE(form().quickFilters().size(), 2);
        serveFilters({});
        QCoro::waitFor(form().loadQuickFilters());
        QCOMPARE(text("filterMessage"), u"This board has no quick filters."_s);
        QCOMPARE(form().filterChoices(), QStringList{u"None"_s});
        QCOMPARE(form().selectedFilterId(), std::optional<qint64>(8));
    }

    // Picking a sound with the keys scrolls the picker into view, above the bottom bar, and plays the
    // sound unless it is "Default" or "None"; a test notification goes out without saving the pick.
    // The tray icon's look, by contrast, is stored as soon as it is picked.
    void pickingASound()
    {
        const QString stored = m_settings->notificationSound();
        QQuickItem *picker = item("soundPicker");
        picker->forceActiveFocus();
        press(Qt::Key_Down); // "None"
        press(Qt::Key_Down); // "Basso"
        QCOMPARE(form().soundName(), u"Basso"_s);
        const QPointF top = picker->mapToItem(view()->contentItem(), QPointF(0, 0));
        QVERIFY(top.y() >= 0 && top.y() + picker->height() <= item("bottomBar")->mapToScene({0, 0}).y());
        form().sendTestNotification();
        QTRY_COMPARE(m_notificationServer.notifyCalls.size(), 1);
        QCOMPARE(reread()->notificationSound(), stored);
        press(Qt::Key_Up);
        press(Qt::Key_Up); // "Default"
        QCOMPARE(m_previews, QStringList{u"Basso"_s});

        // The tray icon's look applies and is stored at once, without Save.
        QCOMPARE(reread()->trayIconAppearance(), u"automatic"_s);
        item("trayIconPicker")->forceActiveFocus();
        press(Qt::Key_Down);
        press(Qt::Key_Down); // "Dark"
        QCOMPARE(m_settings->trayIconAppearance(), u"dark"_s);
        QCOMPARE(reread()->trayIconAppearance(), u"dark"_s);
    }

    // The rest is saved when the autostart folder cannot be made (a file stands where it should be),
    // and the window says what failed.
    void failedLaunchAtLoginChangeIsShown()
    {
        const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        const QString home = m_dir.filePath(u"config"_s);
        QVERIFY(QDir().mkpath(home));
        QVERIFY(QFile(home + u"/autostart"_s).open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", home.toUtf8());
        fill();
        form().setLaunchAtLogin(true);
        form().apply();
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
        QCOMPARE(m_saves, 1);
        QCOMPARE(text("saveProblem"), u"Norrid could not set itself to start at login."_s);
    }
};

QTEST_MAIN(TestSettingsView)
#include "tst_settingsview.moc"
