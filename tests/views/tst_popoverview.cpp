#include "monitor/ReviewMonitor.h"
#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "settings/KeyringControl.h"
#include "shell/PopoverWindow.h"
#include "shell/Translations.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"
#include "support/FakeNotificationService.h"
#include "support/QuickItems.h"
#include "updates/UpdateState.h"
#include "views/IssueListModel.h"
#include "views/PopoverContent.h"
#include "views/PopoverMetrics.h"

#include <QAbstractItemModelTester>
#include <QDBusConnection>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QQmlEngine>
#include <QQmlNetworkAccessManagerFactory>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <memory>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using StateKind = ReviewMonitor::StateKind;
using QuickItems::sceneRect;

namespace {

const QString boardId = u"7"_s;

// Cards NOR-1 to NOR-count with summaries too long for two lines, updated an hour ago and before.
FakeResponse cards(int count)
{
    QList<FakeJiraDocuments::Issue> cards;
    for (int i = 1; i <= count; ++i)
        cards.append({u"NOR-%1"_s.arg(i),
                      u"Card %1: "_s.arg(i) + u"rework the retry logic of the export queue "_s.repeated(3),
                      std::nullopt,
                      QDateTime::currentDateTimeUtc()
                          .addSecs(-3600 - i * 60)
                          .toString(u"yyyy-MM-ddTHH:mm:ss.zzz+0000"_s)});
    return FakeResponse::json(FakeJiraDocuments::issues(cards));
}

// Network access of a QML engine, recorded: every request any of its managers is asked to send.
struct RecordingNetworkFactory : QQmlNetworkAccessManagerFactory
{
    struct Manager : QNetworkAccessManager
    {
        Manager(RecordingNetworkFactory &owner, QObject *parent)
            : QNetworkAccessManager(parent), factory(owner)
        {
        }
        QNetworkReply *createRequest(Operation op, const QNetworkRequest &request, QIODevice *data) override
        {
            const QMutexLocker lock(&factory.mutex);
            factory.requests.append(request.url());
            return QNetworkAccessManager::createRequest(op, request, data);
        }
        RecordingNetworkFactory &factory;
    };
    QNetworkAccessManager *create(QObject *parent) override { return new Manager(*this, parent); }
    QList<QUrl> recorded()
    {
        const QMutexLocker lock(&mutex);
        return requests;
    }
    QMutex mutex; // managers live in the engine's loader threads too
    QList<QUrl> requests;
};

} // namespace

// The popover as the user sees it: the real QML in the real host window on the offscreen platform,
// over the real monitor (polling the fake Jira over TLS), notification manager (posting to a
// notification server on the private session bus), update state and settings store. One picture
// per state is saved under NORRID_POPOVER_SHOTS_DIR for a human.
class TestPopoverView : public QObject
{
    Q_OBJECT

    // Everything a test works with, built fresh for each test and torn down in reverse order. The
    // buttons' actions and the links opened are recorded.
    struct Rig
    {
        explicit Rig(const QString &file) : settings(file)
        {
            content.openURL = [this](const QUrl &url) { actions.append(url.toString()); };
            for (auto [action, name] : {std::pair{&PopoverContent::onOpenSettings, "settings"},
                                        {&PopoverContent::onInstallUpdate, "install"},
                                        {&PopoverContent::onOpenBoard, "board"},
                                        {&PopoverContent::onQuit, "quit"}})
                content.*action = [this, name] { actions.append(QString::fromLatin1(name)); };
        }
        FakeJiraServer jira;
        AppSettings settings;
        FakeNotificationService notificationServer; // Notifications are allowed while it runs.
        FreedesktopNotificationCenter center{QDBusConnection::sessionBus(), nullptr};
        NotificationManager notifier{settings, center};
        ReviewMonitor monitor{settings, notifier};
        UpdateState updateState;
        PopoverContent content{monitor, notifier, updateState, settings};
        RecordingNetworkFactory network; // outlives the popover's engine
        PopoverWindow popover{content};
        QQuickView *view = nullptr;
        QStringList actions;
    };

    QTemporaryDir m_dir;
    std::unique_ptr<Rig> m_rig;

    void serve(const FakeResponse &response)
    {
        m_rig->jira.setResponse(FakeJiraDocuments::issuesPath(boardId), response);
    }

    void configure()
    {
        AppSettings &settings = m_rig->settings;
        settings.setSiteURL(m_rig->jira.siteURL());
        settings.setEmail(u"me@example.com"_s);
        settings.setToken(u"popover-token"_s);
        settings.setBoardId(boardId);
        settings.setStatusName(u"To review"_s);
    }

    // Shows the popover with its height set from the content, as the application's host does, and
    // starts the monitor.
    void showAndStart()
    {
        auto resize = [this] { m_rig->popover.setHeight(int(m_rig->content.height())); };
        connect(&m_rig->content, &PopoverContent::changed, this, resize);
        resize();
        m_rig->popover.show({});
        m_rig->view = qobject_cast<QQuickView *>(m_rig->popover.view());
        QVERIFY(m_rig->view && QTest::qWaitForWindowExposed(m_rig->view));
        m_rig->monitor.start();
    }

    void pollAndWaitFor(StateKind state)
    {
        m_rig->monitor.refreshNow();
        QTRY_COMPARE(m_rig->monitor.state().kind, state);
    }

    QQuickItem *item(const char *name, QQuickItem *in = nullptr) const
    {
        return QuickItems::find(m_rig->view, name, in);
    }

    bool visible(const char *name) const { return item(name)->isVisible(); }

    QQuickItem *row(int index) const
    {
        QQuickItem *result = nullptr;
        QMetaObject::invokeMethod(item("cardList"), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, result),
                                  Q_ARG(int, index));
        return result;
    }

    // The row of the card that has the keyboard focus; -1 when none has.
    int focusedRow() const
    {
        for (int i = 0; i < item("cardList")->property("count").toInt(); ++i) {
            if (row(i) && row(i)->hasActiveFocus())
                return i;
        }
        return -1;
    }

    // Which of the five main-area views shows.
    QString shownMainArea() const
    {
        QStringList shown;
        for (const char *name : {"setupView", "loadingView", "emptyView", "errorView", "cardList"}) {
            if (visible(name))
                shown.append(QString::fromLatin1(name));
        }
        return shown.join(u',');
    }

    const PopoverMetrics &metrics() const { return m_rig->content.metrics(); }
    // The window's size for that many cards and no banner.
    QSize sizeFor(int cards) const
    {
        return QSize(int(metrics().width()), int(metrics().height(cards, false, false)));
    }

    // The main area sits between the header's divider and the banners or footer.
    double mainAreaHeight() const { return sceneRect(item("cardList")->parentItem()).height(); }

    void shoot(const QString &name)
    {
        QuickItems::shoot(m_rig->view, QStringLiteral(NORRID_POPOVER_SHOTS_DIR), name);
    }
    void click(QQuickItem *target) { QuickItems::click(m_rig->view, target); }

    // Without cards, each state has its own view in a main area of an empty list's height; setup and
    // error offer a way to the settings.
    void expectMessageView(const char *name, bool settingsButton)
    {
        QCOMPARE(shownMainArea(), QString::fromLatin1(name));
        QVERIFY(!visible("countBadge") && !visible("footerError"));
        QCOMPARE(m_rig->view->size(), sizeFor(0));
        QCOMPARE(mainAreaHeight(), metrics().messageAreaHeight());
        shoot(QString::fromLatin1(name).chopped(4)); // "setup" for "setupView"
        auto *button = item(name)->findChild<QQuickItem *>(u"openSettingsButton"_s);
        QCOMPARE(button && button->isVisible(), settingsButton);
        if (settingsButton) {
            m_rig->actions.clear();
            click(button);
            QCOMPARE(m_rig->actions, QStringList{u"settings"_s});
        }
    }

private Q_SLOTS:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(u"qrc:/qt/qml/"_s));
        QFile::remove(m_dir.filePath(u"Norrid.conf"_s));
        m_rig = std::make_unique<Rig>(m_dir.filePath(u"Norrid.conf"_s));
        QVERIFY2(m_rig->jira.start() && m_rig->notificationServer.start(),
                 qPrintable(m_rig->jira.errorString()));
        m_rig->settings.setToken({});
        m_rig->notifier.attachmentPath.clear();
    }

    void cleanup() { m_rig.reset(); }

    void messageViewOfEachStateWithoutCards()
    {
        showAndStart();
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::needsSetup);
        expectMessageView("setupView", true);

        configure();
        serve(cards(0).withDelay(1500ms));
        pollAndWaitFor(StateKind::loading);
        QTest::qWait(400); // the busy indicator fades in, for the picture
        expectMessageView("loadingView", false);
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::ok);
        expectMessageView("emptyView", false);

        // Jira's reason for a 400 goes under the message.
        serve(FakeResponse::json(R"({"errorMessages":["Field 'lables' does not exist."],"errors":{}})", 400));
        pollAndWaitFor(StateKind::error);
        QCOMPARE(item("messageText", item("errorView"))->property("text").toString(),
                 u"Jira returned HTTP 400.\nField 'lables' does not exist."_s);
        expectMessageView("errorView", true);

        // Jira wants a CAPTCHA answered: the button opens its sign-in page instead of the settings.
        const QString login = m_rig->jira.siteURL() + u"/login.jsp"_s;
        serve(FakeJiraDocuments::captcha(login.toUtf8()));
        pollAndWaitFor(StateKind::error);
        auto *button = item("openSettingsButton", item("errorView"));
        QTRY_COMPARE(button->property("text").toString(), u"Sign In to Jira…"_s);
        shoot(u"error-sign-in"_s);
        m_rig->actions.clear();
        click(button);
        QCOMPARE(m_rig->actions, QStringList{login});
    }

    // Long summaries are cut after two lines and half a row peeks out from the sixth card. Cards stay
    // in the list through failed polls, with the message in the footer; the setup view replaces them
    // when the token goes, keeping the height.
    void cardListThroughErrorsAndLostToken()
    {
        configure();
        serve(cards(3));
        showAndStart();
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::ok);
        QCOMPARE(shownMainArea(), u"cardList"_s);
        QCOMPARE(mainAreaHeight(), 3 * metrics().rowHeight());
        QTRY_VERIFY(row(2));
        QQuickItem *summary = item("issueSummary", row(0));
        QCOMPARE(summary->property("lineCount").toInt(), 2);
        QVERIFY(summary->property("truncated").toBool());
        shoot(u"list"_s);
        click(row(1));
        QCOMPARE(m_rig->actions, QStringList{m_rig->jira.siteURL() + u"/browse/NOR-2"_s});

        serve(cards(6));
        m_rig->monitor.refreshNow();
        QTRY_COMPARE(m_rig->view->size(), sizeFor(6));
        QVERIFY(qAbs(mainAreaHeight() - 5.5 * metrics().rowHeight()) <= 0.5);
        QCOMPARE(item("cardList")->property("contentHeight").toDouble(), 6 * metrics().rowHeight());

        // Rejected credentials: the error, and when checking tries again.
        serve(FakeResponse::noBody(401));
        pollAndWaitFor(StateKind::error);
        QCOMPARE(shownMainArea(), u"cardList"_s);
        QVERIFY(m_rig->monitor.scheduleNote().startsWith(u"Checking is paused: Norrid tries again at "_s));
        QCOMPARE(item("footerErrorText")->property("text").toString(),
                 m_rig->monitor.state().message + u' ' + m_rig->monitor.scheduleNote());
        QCOMPARE(item("footerErrorText")->property("lineCount").toInt(), 1);
        QVERIFY(sceneRect(item("footerError")).right() <= sceneRect(item("settingsButton")).left());
        QCOMPARE(m_rig->view->size(), sizeFor(6));
        shoot(u"error-with-cards"_s);

        m_rig->settings.setToken({});
        m_rig->monitor.refreshNow();
        QCOMPARE(shownMainArea(), u"setupView"_s);
        QCOMPARE(m_rig->view->size(), sizeFor(6));
    }

    // Three columns on two boards, one of them on a board the user cannot see: a section each, in the
    // settings' order, with its heading and count, its cards, one line when empty and the message
    // where it fails; the window is as tall as the sections up to the scrolling height.
    void sectionsOfSeveralColumns()
    {
        configure();
        QList<FakeJiraDocuments::Issue> board;
        for (int n = 1; n <= 3; ++n)
            board.append({u"NOR-%1"_s.arg(n), u"Card %1"_s.arg(n), std::nullopt, std::nullopt,
                          n == 3 ? u"Ready for QA"_s : u"To review"_s});
        m_rig->jira.setHandler(FakeJiraDocuments::issuesPath(boardId),
                               FakeJiraDocuments::boardByStatus(board));
        m_rig->jira.setResponse(FakeJiraDocuments::issuesPath(u"99"_s), FakeResponse::noBody(404));
        m_rig->settings.setColumns({{boardId, u"To review"_s, {}, u"Team review"_s, {}},
                                    {boardId, u"Ready for QA"_s, {}, {}, {}},
                                    {boardId, u"Blocked"_s, {}, {}, {}},
                                    {u"99"_s, u"To review"_s, {}, u"Other team"_s, {}}});
        showAndStart();
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::error); // the worst of the columns
        QCOMPARE(shownMainArea(), u"cardList"_s);
        QCOMPARE(item("countBadge")->property("text").toString(), u"3"_s);
        const QAbstractItemModel &model = *m_rig->content.issues();
        QStringList rows;
        for (int i = 0; i < model.rowCount(); ++i)
            rows.append(
                model.index(i, 0).data(IssueListModel::AccessibilityTextRole).toString().section(u',', 0, 1));
        QCOMPARE(rows.mid(0, 8),
                 (QStringList{u"Team review, 2 cards"_s, u"NOR-1, Card 1"_s, u"NOR-2, Card 2"_s,
                              u"Ready for QA, 1 card"_s, u"NOR-3, Card 3"_s, u"Blocked, 0 cards"_s,
                              u"No cards in this column."_s, u"Other team, 0 cards"_s}));
        QCOMPARE(rows.size(), 9);
        QCOMPARE(model.index(8, 0).data(IssueListModel::IsProblemRole).toBool(), true);
        QCOMPARE(model.index(8, 0).data(IssueListModel::TextRole).toString(), m_rig->monitor.state().message);
        QVERIFY(!visible("footerError"));
        QTRY_VERIFY(row(4));
        const double sections =
            3 * metrics().rowHeight() + 4 * metrics().headingHeight() + 2 * metrics().noteHeight();
        QCOMPARE(item("cardList")->property("contentHeight").toDouble(), sections);
        const double full = 5 * metrics().rowHeight();
        QCOMPARE(mainAreaHeight(), sections > full ? full + std::ceil(metrics().rowHeight() / 2) : sections);
        shoot(u"sections"_s);

        // The keyboard starts at the first card and steps over the headings and notes.
        QTRY_COMPARE(focusedRow(), 1);
        const QList<std::pair<Qt::Key, int>> walk{{Qt::Key_Down, 2}, {Qt::Key_Down, 4}, {Qt::Key_Down, 4},
                                                  {Qt::Key_Home, 1}, {Qt::Key_Up, 1},   {Qt::Key_End, 4},
                                                  {Qt::Key_Up, 2}};
        for (const auto &[key, expected] : walk) {
            QTest::keyClick(m_rig->view, key);
            QCOMPARE(focusedRow(), expected);
        }
        QTest::keyClick(m_rig->view, Qt::Key_Space);
        QCOMPARE(m_rig->actions, QStringList{m_rig->jira.siteURL() + u"/browse/NOR-2"_s});
        m_rig->actions.clear();
        click(row(4));
        QCOMPARE(m_rig->actions, QStringList{m_rig->jira.siteURL() + u"/browse/NOR-3"_s});
    }

    // A column that changes changes only its rows: the list follows it card for card, the model's
    // signals stay consistent, and the rows of cards that stayed are the very items they were.
    void rowsFollowTheColumnCardForCard()
    {
        QAbstractItemModelTester tester(m_rig->content.issues(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        configure();
        const auto column = [](const QList<int> &numbers, const QString &changed = {}) {
            QList<FakeJiraDocuments::Issue> issues;
            for (int number : numbers)
                issues.append({u"NOR-%1"_s.arg(number),
                               number == 3 && !changed.isEmpty() ? changed : u"Card"_s, std::nullopt,
                               std::nullopt});
            return FakeResponse::json(FakeJiraDocuments::issues(issues));
        };
        serve(column({1, 2, 3, 4, 5}));
        showAndStart();
        QTRY_VERIFY(row(4));
        const auto keys = [this] {
            QStringList found;
            const IssueListModel *model = m_rig->content.issues();
            for (int i = 0; i < model->rowCount(); ++i)
                found.append(model->index(i).data(IssueListModel::KeyRole).toString());
            return found;
        };
        const QPointer<QQuickItem> first = row(0), fifth = row(4);
        const QList<std::pair<QList<int>, QString>> steps{
            {{6, 1, 3, 4, 5, 7}, {}},           // new, gone, appended
            {{4, 6, 1, 3, 5, 7}, u"Renamed"_s}, // moved, changed
            {{}, {}},
            {{1, 2}, {}}};
        for (const auto &[numbers, renamed] : steps) {
            serve(column(numbers, renamed));
            QSignalSpy polled(&m_rig->monitor, &ReviewMonitor::polled);
            m_rig->monitor.refreshNow();
            QTRY_COMPARE(polled.size(), 1);
            QStringList expected;
            for (int number : numbers)
                expected.append(u"NOR-%1"_s.arg(number));
            QCOMPARE(keys(), expected);
            if (numbers.size() == 6) // NOR-1 and NOR-5 stayed: their rows were kept, not rebuilt
                QVERIFY(first && fifth && row(int(numbers.indexOf(1))) == first &&
                        row(int(numbers.indexOf(5))) == fifth);
            if (!renamed.isEmpty())
                QTRY_COMPARE(item("issueSummary", row(int(numbers.indexOf(3))))->property("text").toString(),
                             renamed);
        }
    }

    // A keyring still locked at launch is named as such, not taken for a setup to do; the cards
    // come once it is unlocked.
    void keyringLockedAtLaunch()
    {
        configure();
        const QString file = m_rig->settings.fileName();
        QTRY_VERIFY(!m_rig->settings.keyringBusy()); // the token is stored before the lock
        m_rig.reset();
        QVERIFY(KeyringControl::lockLogin());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Norrid: token read failed"_s));
        m_rig = std::make_unique<Rig>(file);
        QVERIFY(m_rig->jira.start() && m_rig->notificationServer.start());
        m_rig->settings.setSiteURL(m_rig->jira.siteURL());
        serve(cards(2));
        showAndStart();
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::needsSetup);
        QCOMPARE(item("messageTitle", item("setupView"))->property("text").toString(), u"Keyring locked"_s);
        QVERIFY(item("messageText", item("setupView"))
                    ->property("text")
                    .toString()
                    .startsWith(u"Your keyring is locked, so the Jira API token cannot be read."_s));
        shoot(u"keyring-locked"_s);

        QVERIFY(KeyringControl::unlockLogin());
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->monitor.state().kind, StateKind::ok, 15000);
        QCOMPARE(shownMainArea(), u"cardList"_s);
    }

    // On a German desktop: Norrid's catalogue loaded, the popover's own texts and the cards' ages
    // are German, and the longer words fit (the picture shows it).
    void inGerman()
    {
        const QLocale before;
        const auto restore = qScopeGuard([&before] {
            qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
            QLocale::setDefault(before);
        });
        QLocale::setDefault(QLocale(u"de_DE"_s));
        QVERIFY(Translations::install(*QCoreApplication::instance()));
        configure();
        const auto ago = [](int seconds) {
            return QDateTime::currentDateTimeUtc().addSecs(-seconds).toString(
                u"yyyy-MM-ddTHH:mm:ss.zzz+0000"_s);
        };
        serve(FakeResponse::json(FakeJiraDocuments::issues(
            {{u"NOR-1"_s, u"Exportwarteschlange: Wiederholungslogik überarbeiten"_s, u"Jürgen Müller"_s,
              ago(300)},
             {u"NOR-2"_s, u"Anmeldeseite barrierefrei machen"_s, std::nullopt, ago(3 * 86400)}})));
        showAndStart();
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::ok);
        QTRY_VERIFY(row(1));
        const auto text = [this](const char *name, QQuickItem *in = nullptr) {
            return item(name, in)->property("text").toString();
        };
        QCOMPARE(text("title"), u"Zu prüfen"_s);
        QVERIFY2(text("subtitle").startsWith(u"Aktualisiert "_s), qPrintable(text("subtitle")));
        QCOMPARE(text("issueAge", row(0)), u"vor 5 Min."_s);
        QCOMPARE(text("issueAge", row(1)), u"vor 3 Tagen"_s);
        QCOMPARE(text("settingsButton"), u"Einstellungen…"_s);
        QCOMPARE(m_rig->content.countAccessibleName(), u"2 Vorgänge zu prüfen"_s);
        m_rig->updateState.setAvailableVersion(u"2.1.0"_s);
        m_rig->notificationServer.stop();
        m_rig->notifier.refreshAuthorizationStatus();
        QTRY_VERIFY(visible("warningBanner") && visible("updateBanner"));
        QCOMPARE(text("bannerText", item("updateBanner")), u"Version 2.1.0 ist verfügbar"_s);
        for (const char *banner : {"updateBanner", "warningBanner"})
            QVERIFY2(!item("bannerText", item(banner))->property("truncated").toBool(), banner);
        shoot(u"german"_s);
    }

    void jiraTextIsPlainAndRowsKeepTheirShape_data()
    {
        QTest::addColumn<double>("fontScale");
        QTest::newRow("application font") << 1.0;
        QTest::newRow("1.5 times larger") << 1.5;
    }

    // Text from Jira and the feed shows exactly as it came: tags and entities as written, and nothing
    // they name is fetched. The summary sits right under the key line, centred the same way for one
    // and two lines, clear of the divider, at the application font and at a larger one, where the
    // rows grow and every text of a row and the banner stays inside it. A row whose link cannot be
    // formed shows its tooltip but does nothing when clicked.
    void jiraTextIsPlainAndRowsKeepTheirShape()
    {
        QFETCH(double, fontScale);
        const QFont font = QGuiApplication::font();
        const double defaultRow = metrics().rowHeight();
        QFont larger = font;
        larger.setPointSizeF(font.pointSizeF() * fontScale);
        QGuiApplication::setFont(larger);
        const auto restoreFont = qScopeGuard([&font] { QGuiApplication::setFont(font); });
        QCOMPARE(metrics().rowHeight() > defaultRow, fontScale > 1);
        QTcpServer pixelHost; // where the markup in the cards points
        QVERIFY(pixelHost.listen(QHostAddress::LocalHost));
        int connections = 0;
        connect(&pixelHost, &QTcpServer::newConnection, this, [&connections] { ++connections; });
        const QString pixel = u"http://127.0.0.1:%1/pixel.png"_s.arg(pixelHost.serverPort());
        const QString assignee = u"<i>Ann</i> &amp; Bo"_s;
        const QStringList summaries = {
            u"Pixel <img src=\"%1\"> tracker"_s.arg(pixel),
            u"<b>Bold</b> &amp; &lt;i&gt; &#65; as written"_s,
            u"A summary long enough to take a second line in its row of the popover"_s,
        };
        QList<FakeJiraDocuments::Issue> issues;
        for (qsizetype i = 0; i < summaries.size(); ++i)
            issues.append({u"NOR-%1"_s.arg(i + 1), summaries.at(i), assignee, std::nullopt});
        configure();
        serve(FakeResponse::json(FakeJiraDocuments::issues(issues)));
        showAndStart();
        m_rig->view->engine()->setNetworkAccessManagerFactory(&m_rig->network); // before any card arrives
        m_rig->updateState.setAvailableVersion(u"<img src=\"%1\">2.0"_s.arg(pixel));
        QTRY_VERIFY(row(2));

        const auto expectPlain = [](QQuickItem *label, const QString &text) {
            QVERIFY(label);
            QCOMPARE(label->property("text").toString(), text);
            // Laid out as the literal text: as wide as its characters, tags and entities included.
            const double literal =
                QFontMetricsF(label->property("font").value<QFont>()).horizontalAdvance(text);
            QVERIFY2(qAbs(label->implicitWidth() - literal) <= 4,
                     qPrintable(u"%1 wide, literal text %2"_s.arg(label->implicitWidth()).arg(literal)));
        };
        for (int i = 0; i < 3; ++i) {
            expectPlain(item("issueSummary", row(i)), summaries.at(i));
            expectPlain(item("issueAssignee", row(i)), assignee);
        }
        expectPlain(item("bannerText", item("updateBanner")),
                    u"Version <img src=\"%1\">2.0 is available"_s.arg(pixel));

        for (int i : {1, 2}) {
            QQuickItem *summary = item("issueSummary", row(i));
            QCOMPARE(summary->property("lineCount").toInt(), fontScale > 1 ? 2 : i);
            const QRectF box = sceneRect(row(i)), keys = sceneRect(item("issueKeyLine", row(i))),
                         text = sceneRect(summary), divider = sceneRect(item("issueDivider", row(i)));
            QCOMPARE(box.height(), metrics().rowHeight());
            QCOMPARE(text.top() - keys.bottom(), PopoverMetrics::rowSpacing());
            QVERIFY(text.bottom() + 4 <= divider.top());
            QVERIFY2(qAbs((keys.top() - box.top()) - (box.bottom() - text.bottom())) <= 1,
                     qPrintable(u"row %1: %2 above, %3 below"_s.arg(i)
                                    .arg(keys.top() - box.top())
                                    .arg(box.bottom() - text.bottom())));
        }
        const auto inside = [](QQuickItem *part, QQuickItem *whole) {
            QVERIFY2(sceneRect(whole).contains(sceneRect(part)), qPrintable(part->objectName()));
        };
        for (const char *name : {"issueKey", "issueAssignee", "issueSummary"})
            inside(item(name, row(1)), row(1));
        inside(item("bannerText", item("updateBanner")), item("updateBanner"));
        inside(item("bannerAction", item("updateBanner")), item("updateBanner"));
        QVERIFY(!item("issueKey", row(1))->property("truncated").toBool());
        shoot(fontScale > 1 ? u"plain-text-large-font"_s : u"plain-text"_s);

        m_rig->settings.setSiteURL(u"https://exa mple.com"_s);
        QTRY_VERIFY(!row(0)->property("hasLink").toBool());
        m_rig->actions.clear();
        click(row(0));
        QTest::mouseMove(m_rig->view, sceneRect(row(0)).center().toPoint() + QPoint(0, 5));
        auto *tip = row(0)->findChild<QObject *>(u"issueToolTip"_s);
        QTRY_VERIFY(row(0)->property("hovered").toBool());
        QTRY_VERIFY(tip && tip->property("visible").toBool());
        expectPlain(tip->property("contentItem").value<QQuickItem *>(), summaries.at(0));
        shoot(u"row-without-link"_s);
        QCOMPARE(m_rig->actions, QStringList());

        QTest::qWait(500);
        QCOMPARE(connections, 0);
        QCOMPARE(m_rig->network.recorded(), QList<QUrl>());
    }

    // The update banner sits above the notification warning, the footer below both, and every
    // button runs its action.
    void bannersStackUpdateAboveWarningAndButtonsAct()
    {
        configure();
        serve(cards(2));
        showAndStart();
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::ok);
        m_rig->updateState.setAvailableVersion(u"2.1.0"_s);
        QTRY_VERIFY(visible("updateBanner"));
        QVERIFY(!visible("warningBanner"));
        click(item("bannerAction", item("updateBanner")));

        m_rig->notificationServer.stop();
        m_rig->notifier.refreshAuthorizationStatus();
        QTRY_VERIFY(visible("warningBanner"));
        QTRY_VERIFY(sceneRect(item("updateBanner")).bottom() < sceneRect(item("warningBanner")).top());
        QVERIFY(sceneRect(item("warningBanner")).bottom() < sceneRect(item("settingsButton")).top());
        QCOMPARE(mainAreaHeight(), 2 * metrics().rowHeight());
        shoot(u"banners"_s);

        for (const char *name : {"boardButton", "settingsButton", "quitButton"})
            click(item(name));
        QCOMPARE(m_rig->actions, QStringList({u"install"_s, u"board"_s, u"settings"_s, u"quit"_s}));
        const qsizetype before = m_rig->jira.requests().size();
        click(item("refreshButton"));
        QTRY_VERIFY(m_rig->jira.requests().size() > before);
    }

    void keyboardReachesEveryButtonAndMarksTheCard_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    // Opening puts the focus on the first card; Return, Enter and Space open the focused card; Tab goes
    // round the banners' actions, the footer's and the header's buttons and back to the card. The
    // focused card is marked in the palette's highlight colour, on a light and on a dark palette.
    void keyboardReachesEveryButtonAndMarksTheCard()
    {
        QFETCH(bool, dark);
        const QPalette palette = QGuiApplication::palette();
        const auto restorePalette = qScopeGuard([&palette] { QGuiApplication::setPalette(palette); });
        if (dark) {
            QPalette night = palette;
            for (auto [role, colour] : {std::pair{QPalette::Window, QColor(0x2a, 0x2e, 0x32)},
                                        {QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc)},
                                        {QPalette::Base, QColor(0x1b, 0x1e, 0x20)},
                                        {QPalette::Text, QColor(0xfc, 0xfc, 0xfc)},
                                        {QPalette::Button, QColor(0x31, 0x36, 0x3b)},
                                        {QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc)},
                                        {QPalette::Highlight, QColor(0x3d, 0xae, 0xe9)}})
                night.setColor(role, colour);
            QGuiApplication::setPalette(night);
        }
        configure();
        serve(cards(3));
        showAndStart();
        QTRY_VERIFY(row(2));
        m_rig->updateState.setAvailableVersion(u"2.1.0"_s);
        m_rig->notificationServer.stop();
        m_rig->notifier.refreshAuthorizationStatus();
        QTRY_VERIFY(visible("warningBanner") && visible("updateBanner"));
        QTRY_COMPARE(focusedRow(), 0);

        const QString browse = m_rig->jira.siteURL() + u"/browse/NOR-%1"_s;
        for (auto [key, card] : {std::pair{Qt::Key_Return, 1}, {Qt::Key_Enter, 1}, {Qt::Key_Space, 2}}) {
            if (card == 2)
                QTest::keyClick(m_rig->view, Qt::Key_Down);
            m_rig->actions.clear();
            QTest::keyClick(m_rig->view, key);
            QCOMPARE(m_rig->actions, QStringList{browse.arg(card)});
        }
        m_rig->actions.clear();

        // The marking: a bar at the left edge in the highlight colour, and a wash over the row.
        const QImage shot = m_rig->view->grabWindow();
        const QPoint bar = sceneRect(row(1)).topLeft().toPoint() + QPoint(1, int(metrics().rowHeight() / 2));
        const QColor highlight = QGuiApplication::palette().color(QPalette::Highlight);
        QCOMPARE(shot.pixelColor(bar), highlight);
        QVERIFY(shot.pixelColor(bar + QPoint(100, 0)) !=
                shot.pixelColor(bar + QPoint(100, int(metrics().rowHeight()))));
        shoot(dark ? u"keyboard-focus-dark"_s : u"keyboard-focus-light"_s);

        const QList<QQuickItem *> chain{item("bannerAction", item("updateBanner")),
                                        item("bannerAction", item("warningBanner")),
                                        item("settingsButton"),
                                        item("quitButton"),
                                        item("boardButton"),
                                        item("refreshButton"),
                                        row(1)};
        for (QQuickItem *next : chain) {
            QTest::keyClick(m_rig->view, Qt::Key_Tab);
            QCOMPARE(m_rig->view->activeFocusItem(), next);
        }
        QTest::keyClick(m_rig->view, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(m_rig->view->activeFocusItem(), item("refreshButton"));
        QCOMPARE(m_rig->actions, QStringList());
    }

    // The host lets the scene go a while after the popover closed and builds it anew on the next
    // show, over the same content; shown again in time, it keeps the scene it has.
    void hostLetsTheSceneGoAfterClosingAndBuildsItAgain()
    {
        PopoverWindow &popover = m_rig->popover;
        popover.setSceneKeptForTesting(300ms);
        popover.show({});
        QPointer<QWindow> first = popover.view();
        QVERIFY(first && QTest::qWaitForWindowExposed(first));
        popover.close();
        popover.show({});
        QCOMPARE(popover.view(), first.data());
        popover.close();
        QTRY_VERIFY(!first);
        QCOMPARE(popover.view(), nullptr);

        popover.toggle({});
        auto *again = qobject_cast<QQuickView *>(popover.view());
        QVERIFY(again && QTest::qWaitForWindowExposed(again));
        QVERIFY(again->errors().isEmpty());
        QCOMPARE(again->rootObject()->property("content").value<PopoverContent *>(), &m_rig->content);
        QVERIFY(again->rootObject()->findChild<QQuickItem *>(u"setupView"_s)->isVisible());
    }
};

QTEST_MAIN(TestPopoverView)
#include "tst_popoverview.moc"
