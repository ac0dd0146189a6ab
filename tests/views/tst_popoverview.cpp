#include "monitor/ReviewMonitor.h"
#include "notifications/NotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "shell/PopoverWindow.h"
#include "shell/SymbolImageProvider.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"
#include "updates/UpdateState.h"
#include "views/PopoverContent.h"
#include "views/PopoverMetrics.h"

#include <QDir>
#include <QPointer>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace std::chrono_literals;
using Issue = FakeJiraDocuments::Issue;
using StateKind = ReviewMonitor::StateKind;

namespace {

const QString boardId = QStringLiteral("7");

// A notification service whose permission the test switches.
class SwitchableNotificationCenter : public NotificationCenter
{
public:
    void add(const NotificationRequest &) override {}
    void remove(const QString &) override {}
    void requestAuthorization(RequestCallback callback) override { callback({}); }
    void queryAuthorization(QueryCallback callback) override
    {
        callback(denied ? Authorization::denied : Authorization::authorized);
    }
    bool denied = false;
};

// Cards NOR-1 to NOR-count, newest first, updated an hour ago and before.
QList<Issue> numberedCards(int count)
{
    QList<Issue> cards;
    for (int i = 1; i <= count; ++i)
        cards.append({QStringLiteral("NOR-%1").arg(i), QStringLiteral("Card number %1").arg(i), std::nullopt,
                      QDateTime::currentDateTimeUtc()
                          .addSecs(-3600 - i * 60)
                          .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz+0000"))});
    return cards;
}

FakeResponse cardsResponse(const QList<Issue> &cards)
{
    return FakeResponse::json(FakeJiraDocuments::issues(cards));
}

} // namespace

// The popover as the user sees it: the real QML on the offscreen platform over the real monitor
// (polling the fake Jira over TLS), notification manager, update state and settings store. One
// picture per main state is saved under NORRID_POPOVER_SHOTS_DIR for a human to look at.
class TestPopoverView : public QObject
{
    Q_OBJECT

    // Everything a test works with, built fresh for each test and torn down in reverse order.
    struct Rig
    {
        explicit Rig(const QString &file) : settings(file) {}
        FakeJiraServer jira;
        AppSettings settings;
        SwitchableNotificationCenter center;
        NotificationManager notifier{settings, center};
        ReviewMonitor monitor{settings, notifier};
        UpdateState updateState;
        PopoverContent content{monitor, notifier, updateState, settings};
        QQuickView view;
    };

    QTemporaryDir m_dir;
    std::unique_ptr<Rig> m_rig;
    QList<QUrl> m_opened;
    QStringList m_actions;

    void serve(const FakeResponse &response)
    {
        m_rig->jira.setResponse(FakeJiraDocuments::issuesPath(boardId), response);
    }

    qsizetype fetches() const { return m_rig->jira.requests(FakeJiraDocuments::issuesPath(boardId)).size(); }

    // Polls now and waits for the poll's published result.
    void pollAndWait()
    {
        const qsizetype before = fetches();
        bool done = false;
        const auto connection = connect(&m_rig->monitor, &ReviewMonitor::stateChanged, this, [&] {
            done = done || m_rig->monitor.state().kind == StateKind::ok ||
                   m_rig->monitor.state().kind == StateKind::error;
        });
        m_rig->monitor.refreshNow();
        QTRY_VERIFY(fetches() > before && done);
        disconnect(connection);
    }

    void configure()
    {
        m_rig->settings.setSiteURL(m_rig->jira.siteURL());
        m_rig->settings.setEmail(QStringLiteral("me@example.com"));
        m_rig->settings.setToken(QStringLiteral("popover-token"));
        m_rig->settings.setBoardId(boardId);
        m_rig->settings.setStatusName(QStringLiteral("To review"));
    }

    // Builds the view the way the popover host does, sized by the content's height rule, and starts
    // the monitor.
    void showAndStart()
    {
        m_rig->view.setResizeMode(QQuickView::SizeRootObjectToView);
        m_rig->view.engine()->addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
        m_rig->view.setInitialProperties({{QStringLiteral("content"), QVariant::fromValue(&m_rig->content)}});
        m_rig->view.setSource(QUrl(QStringLiteral("qrc:/qml/PopoverView.qml")));
        QVERIFY2(m_rig->view.errors().isEmpty(), qPrintable(m_rig->view.errors().value(0).toString()));
        auto resize = [this] {
            m_rig->view.resize(int(PopoverMetrics::width), int(m_rig->content.height()));
        };
        connect(&m_rig->content, &PopoverContent::changed, &m_rig->view, resize);
        resize();
        m_rig->view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_rig->view));
        m_rig->monitor.start();
    }

    QQuickItem *item(const char *name, QQuickItem *in = nullptr) const
    {
        auto *found =
            (in ? in : m_rig->view.rootObject())->findChild<QQuickItem *>(QString::fromLatin1(name));
        if (!found)
            qWarning("no item named %s", name);
        return found;
    }

    bool visible(const char *name) const { return item(name)->isVisible(); }
    static QRectF sceneRect(QQuickItem *it)
    {
        return it->mapRectToScene(QRectF(0, 0, it->width(), it->height()));
    }

    QQuickItem *row(int index) const
    {
        QQuickItem *result = nullptr;
        QMetaObject::invokeMethod(item("cardList"), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, result),
                                  Q_ARG(int, index));
        return result;
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

    // The main area sits between the header's divider and the banners or footer.
    double mainAreaHeight() const { return sceneRect(item("cardList")->parentItem()).height(); }

    void shoot(const QString &name)
    {
        QDir().mkpath(QStringLiteral(NORRID_POPOVER_SHOTS_DIR));
        QVERIFY(m_rig->view.grabWindow().save(QStringLiteral(NORRID_POPOVER_SHOTS_DIR "/") + name +
                                              QStringLiteral(".png")));
    }

    void click(QQuickItem *target)
    {
        QVERIFY(target && target->isVisible());
        QTest::mouseClick(&m_rig->view, Qt::LeftButton, {}, sceneRect(target).center().toPoint());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("qrc:/qml/")));
        QFile::remove(m_dir.filePath(QStringLiteral("Norrid.conf")));
        m_rig = std::make_unique<Rig>(m_dir.filePath(QStringLiteral("Norrid.conf")));
        QVERIFY2(m_rig->jira.start(), qPrintable(m_rig->jira.errorString()));
        m_rig->settings.setToken({});
        m_rig->notifier.attachmentPath.clear();
        m_opened.clear();
        m_actions.clear();
        PopoverContent &content = m_rig->content;
        content.openURL = [this](const QUrl &url) { m_opened.append(url); };
        auto record = [this](const char *action) {
            return [this, action] { m_actions.append(QString::fromLatin1(action)); };
        };
        content.onOpenSettings = record("settings");
        content.onInstallUpdate = record("install");
        content.onOpenBoard = record("board");
        content.onQuit = record("quit");
    }

    void cleanup() { m_rig.reset(); }

    // Without cards, each state has its own view in a main area of an empty list's height.
    void mainAreaWithoutCards_data()
    {
        QTest::addColumn<bool>("configured");
        QTest::addColumn<FakeResponse>("response");
        QTest::addColumn<StateKind>("state");
        QTest::addColumn<QString>("area");
        QTest::addColumn<bool>("settingsButton");
        const FakeResponse empty = cardsResponse({});
        QTest::newRow("setup") << false << empty << StateKind::needsSetup << QStringLiteral("setupView")
                               << true;
        QTest::newRow("loading") << true << cardsResponse({}).withDelay(1500ms) << StateKind::loading
                                 << QStringLiteral("loadingView") << false;
        QTest::newRow("empty") << true << empty << StateKind::ok << QStringLiteral("emptyView") << false;
        QTest::newRow("error") << true << FakeResponse::noBody(500) << StateKind::error
                               << QStringLiteral("errorView") << true;
    }

    void mainAreaWithoutCards()
    {
        QFETCH(bool, configured);
        QFETCH(FakeResponse, response);
        QFETCH(StateKind, state);
        QFETCH(QString, area);
        QFETCH(bool, settingsButton);
        if (configured)
            configure();
        serve(response);
        showAndStart();
        QTRY_COMPARE(m_rig->monitor.state().kind, state);
        QCOMPARE(shownMainArea(), area);
        QVERIFY(!visible("countBadge"));
        QVERIFY(!visible("footerError"));
        QCOMPARE(m_rig->view.size(), QSize(360, 300));
        QCOMPARE(mainAreaHeight(), 200.0);
        shoot(QString::fromLatin1(QTest::currentDataTag()));
        auto *button =
            item(area.toLatin1().constData())->findChild<QQuickItem *>(QStringLiteral("openSettingsButton"));
        QCOMPARE(button && button->isVisible(), settingsButton);
        if (settingsButton) {
            click(button);
            QCOMPARE(m_actions, QStringList{QStringLiteral("settings")});
        }
    }

    // Long summaries are cut after two lines and half a row peeks out from the sixth card. Cards stay
    // in the list through failed polls, with the message in the footer, and lose their links when the
    // site forms no URL; the setup view replaces them when the token goes, keeping the height.
    void cardListThroughErrorsAndLostToken()
    {
        configure();
        QList<Issue> cards = numberedCards(3);
        cards[0].summary = QStringLiteral(
            "Rework the retry logic of the export queue so that a failed upload is tried again "
            "with backoff, keeps its place in the queue, reports progress to the owner and "
            "never sends the same attachment twice when the connection drops half way");
        serve(cardsResponse(cards));
        showAndStart();
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::ok);
        QCOMPARE(shownMainArea(), QStringLiteral("cardList"));
        QCOMPARE(mainAreaHeight(), 3 * 68.0);
        QTRY_VERIFY(row(2));
        QQuickItem *summary = item("issueSummary", row(0));
        QCOMPARE(summary->property("lineCount").toInt(), 2);
        QVERIFY(summary->property("truncated").toBool());
        QVERIFY(sceneRect(summary).bottom() <= sceneRect(row(0)).bottom());
        shoot(QStringLiteral("list"));
        click(row(1));
        QCOMPARE(m_opened, QList<QUrl>{QUrl(m_rig->jira.siteURL() + QStringLiteral("/browse/NOR-2"))});

        serve(cardsResponse(numberedCards(12)));
        pollAndWait();
        QCOMPARE(m_rig->view.size(), QSize(360, 474));
        QCOMPARE(mainAreaHeight(), 5 * 68 + 34.0);
        QCOMPARE(item("cardList")->property("contentHeight").toDouble(), 12 * 68.0);

        serve(FakeResponse::noBody(401));
        pollAndWait();
        QCOMPARE(m_rig->monitor.state().kind, StateKind::error);
        QCOMPARE(shownMainArea(), QStringLiteral("cardList"));
        QCOMPARE(item("footerErrorText")->property("text").toString(), m_rig->monitor.state().message);
        QCOMPARE(item("footerErrorText")->property("lineCount").toInt(), 1);
        QVERIFY(sceneRect(item("footerError")).right() <= sceneRect(item("settingsButton")).left());
        QCOMPARE(m_rig->view.size(), QSize(360, 474));
        shoot(QStringLiteral("error-with-cards"));

        m_rig->settings.setSiteURL(QStringLiteral("https://exa mple.org"));
        m_rig->monitor.refreshNow();
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::error);
        QTRY_VERIFY(row(0) && !row(0)->isEnabled() && !row(2)->isEnabled());
        click(row(0));
        QCOMPARE(m_opened.size(), 1);

        m_rig->settings.setToken({});
        m_rig->monitor.refreshNow();
        QCOMPARE(m_rig->monitor.state().kind, StateKind::needsSetup);
        QCOMPARE(shownMainArea(), QStringLiteral("setupView"));
        QCOMPARE(m_rig->view.size(), QSize(360, 474));
    }

    // The update banner sits above the notification warning, each after a divider, the footer below.
    void bannersStackUpdateAboveWarningAndButtonsAct()
    {
        configure();
        serve(cardsResponse(numberedCards(2)));
        showAndStart();
        QTRY_COMPARE(m_rig->monitor.state().kind, StateKind::ok);
        const double bannerTop = 59 + 2 * 68 + 1;

        m_rig->updateState.setAvailableVersion(QStringLiteral("2.1.0"));
        QVERIFY(!visible("warningBanner"));
        QCOMPARE(m_rig->view.height(), int(PopoverMetrics::height(2, false, true)));
        QTRY_COMPARE(sceneRect(item("updateBanner")), QRectF(0, bannerTop, 360, 34));
        click(item("bannerAction", item("updateBanner")));
        QCOMPARE(m_actions, QStringList{QStringLiteral("install")});

        m_rig->center.denied = true;
        m_rig->notifier.refreshAuthorizationStatus();
        QTRY_VERIFY(m_rig->notifier.authorizationDenied());
        QCOMPARE(m_rig->view.height(), int(PopoverMetrics::height(2, true, true)));
        QTRY_COMPARE(sceneRect(item("warningBanner")), QRectF(0, bannerTop + 35, 360, 34));
        QCOMPARE(sceneRect(item("updateBanner")), QRectF(0, bannerTop, 360, 34));
        QCOMPARE(mainAreaHeight(), 2 * 68.0);
        QCOMPARE(m_rig->view.height() - 40 - 1, int(sceneRect(item("warningBanner")).bottom()));
        shoot(QStringLiteral("banners"));

        for (const char *name : {"boardButton", "settingsButton", "quitButton"})
            click(item(name));
        QCOMPARE(m_actions, QStringList({QStringLiteral("install"), QStringLiteral("board"),
                                         QStringLiteral("settings"), QStringLiteral("quit")}));
        const qsizetype before = fetches();
        click(item("refreshButton"));
        QTRY_VERIFY(fetches() > before);
    }

    // The host lets the scene go a while after the popover closed and builds it anew on the next
    // show, over the same content; shown again in time, it keeps the scene it has.
    void hostLetsTheSceneGoAfterClosingAndBuildsItAgain()
    {
        PopoverWindow popover(m_rig->content);
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
        QVERIFY(again->rootObject()->findChild<QQuickItem *>(QStringLiteral("setupView"))->isVisible());
    }
};

QTEST_MAIN(TestPopoverView)
#include "tst_popoverview.moc"
