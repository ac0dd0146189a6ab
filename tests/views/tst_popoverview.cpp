#include "monitor/ReviewMonitor.h"
#include "notifications/NotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "shell/SymbolImageProvider.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"
#include "updates/UpdateState.h"
#include "views/PopoverContent.h"
#include "views/PopoverMetrics.h"
#include "views/RelativeTime.h"

#include <QDir>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace std::chrono_literals;
using Issue = FakeJiraDocuments::Issue;
using StateKind = ReviewMonitor::StateKind;

namespace {

const QString boardId = QStringLiteral("7");

// A notification service whose permission the test switches; it keeps what it is asked to show.
class SwitchableNotificationCenter : public NotificationCenter
{
public:
    void add(const NotificationRequest &request) override { added.append(request); }
    void remove(const QString &) override {}
    void requestAuthorization(RequestCallback callback) override { callback({}); }
    void queryAuthorization(QueryCallback callback) override
    {
        callback(denied ? Authorization::denied : Authorization::authorized);
    }

    bool denied = false;
    QList<NotificationRequest> added;
};

// Jira's own text form of a time, `seconds` before now.
QString jiraTimeAgo(qint64 seconds)
{
    return QDateTime::currentDateTimeUtc().addSecs(-seconds).toString(
        QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz+0000"));
}

QList<Issue> numberedCards(int count)
{
    QList<Issue> cards;
    for (int i = 1; i <= count; ++i)
        cards.append({QStringLiteral("NOR-%1").arg(i), QStringLiteral("Card number %1").arg(i), std::nullopt,
                      jiraTimeAgo(3600 + i * 60)});
    return cards;
}

} // namespace

// The popover as the user sees it: the real QML on the offscreen platform over the real monitor
// (polling the fake Jira over TLS), notification manager, update state and settings store. Every
// state is also saved as a picture under NORRID_POPOVER_SHOTS_DIR for a human to look at.
class TestPopoverView : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakeJiraServer> m_jira;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<SwitchableNotificationCenter> m_center;
    std::unique_ptr<NotificationManager> m_notifier;
    std::unique_ptr<ReviewMonitor> m_monitor;
    std::unique_ptr<UpdateState> m_updateState;
    std::unique_ptr<PopoverContent> m_content;
    std::unique_ptr<QQuickView> m_view;
    QList<QUrl> m_opened;
    QStringList m_actions;

    void serve(const QList<Issue> &cards)
    {
        m_jira->setResponse(FakeJiraDocuments::issuesPath(boardId),
                            FakeResponse::json(FakeJiraDocuments::issues(cards)));
    }

    void serveFailure(int status)
    {
        m_jira->setResponse(FakeJiraDocuments::issuesPath(boardId), FakeResponse::noBody(status));
    }

    qsizetype fetches() const { return m_jira->requests(FakeJiraDocuments::issuesPath(boardId)).size(); }

    // Polls now and waits for the poll's published result.
    void pollAndWait()
    {
        const qsizetype before = fetches();
        QList<StateKind> published;
        const auto connection = connect(m_monitor.get(), &ReviewMonitor::stateChanged, this,
                                        [&] { published.append(m_monitor->state().kind); });
        m_monitor->refreshNow();
        QTRY_VERIFY(fetches() > before);
        QTRY_VERIFY(published.contains(StateKind::ok) || published.contains(StateKind::error));
        disconnect(connection);
    }

    void configure()
    {
        m_settings->setSiteURL(m_jira->siteURL());
        m_settings->setEmail(QStringLiteral("me@example.com"));
        m_settings->setToken(QStringLiteral("popover-token"));
        m_settings->setBoardId(boardId);
        m_settings->setStatusName(QStringLiteral("To review"));
    }

    void setAuthorizationDenied(bool denied)
    {
        m_center->denied = denied;
        m_notifier->refreshAuthorizationStatus();
        QTRY_COMPARE(m_notifier->authorizationDenied(), denied);
    }

    // Builds the view the way the popover host does, sized by the content's height rule.
    void showView()
    {
        m_view = std::make_unique<QQuickView>();
        m_view->setResizeMode(QQuickView::SizeRootObjectToView);
        m_view->engine()->addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
        m_view->setInitialProperties({{QStringLiteral("content"), QVariant::fromValue(m_content.get())}});
        m_view->setSource(QUrl(QStringLiteral("qrc:/qml/PopoverView.qml")));
        QVERIFY2(m_view->errors().isEmpty(), qPrintable(m_view->errors().value(0).toString()));
        auto resize = [this] { m_view->resize(int(PopoverMetrics::width), int(m_content->height())); };
        connect(m_content.get(), &PopoverContent::changed, m_view.get(), resize);
        resize();
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    QQuickItem *item(const char *name) const
    {
        auto *found = m_view->rootObject()->findChild<QQuickItem *>(QString::fromLatin1(name));
        if (!found)
            qWarning("no item named %s", name);
        return found;
    }

    QString text(const char *name) const { return item(name)->property("text").toString(); }
    bool visible(const char *name) const { return item(name)->isVisible(); }

    // Geometry in window coordinates.
    QRectF sceneRect(QQuickItem *it) const
    {
        return it->mapRectToScene(QRectF(0, 0, it->width(), it->height()));
    }
    QRectF sceneRect(const char *name) const { return sceneRect(item(name)); }

    QQuickItem *row(int index) const
    {
        QQuickItem *list = item("cardList");
        QQuickItem *result = nullptr;
        QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, result), Q_ARG(int, index));
        return result;
    }

    static QString rowText(QQuickItem *row, const char *name)
    {
        auto *label = row->findChild<QQuickItem *>(QString::fromLatin1(name));
        return label && label->isVisible() ? label->property("text").toString() : QString();
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
    void verifyMainAreaHeight(double expected)
    {
        const QRectF area = sceneRect(item("cardList")->parentItem());
        QCOMPARE(area.top(), 59.0);
        QCOMPARE(area.height(), expected);
    }

    void shoot(const QString &name)
    {
        const QString dir = QStringLiteral(NORRID_POPOVER_SHOTS_DIR);
        QDir().mkpath(dir);
        QTRY_VERIFY(m_view->isExposed());
        QVERIFY(m_view->grabWindow().save(dir + u'/' + name + QStringLiteral(".png")));
    }

    void click(const char *name)
    {
        QQuickItem *target = item(name);
        QVERIFY(target->isVisible());
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, sceneRect(target).center().toPoint());
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
        m_jira = std::make_unique<FakeJiraServer>();
        QVERIFY2(m_jira->start(), qPrintable(m_jira->errorString()));
        QFile::remove(m_dir.filePath(QStringLiteral("Norrid.conf")));
        m_settings = std::make_unique<AppSettings>(m_dir.filePath(QStringLiteral("Norrid.conf")));
        m_settings->setToken({});
        m_center = std::make_unique<SwitchableNotificationCenter>();
        m_notifier = std::make_unique<NotificationManager>(*m_settings, *m_center);
        m_notifier->attachmentPath.clear();
        m_monitor = std::make_unique<ReviewMonitor>(*m_settings, *m_notifier);
        m_updateState = std::make_unique<UpdateState>();
        m_content = std::make_unique<PopoverContent>(*m_monitor, *m_notifier, *m_updateState, *m_settings);
        m_opened.clear();
        m_actions.clear();
        m_content->openURL = [this](const QUrl &url) { m_opened.append(url); };
        m_content->onOpenSettings = [this] { m_actions.append(QStringLiteral("settings")); };
        m_content->onInstallUpdate = [this] { m_actions.append(QStringLiteral("install")); };
        m_content->onOpenBoard = [this] { m_actions.append(QStringLiteral("board")); };
        m_content->onQuit = [this] { m_actions.append(QStringLiteral("quit")); };
    }

    void cleanup()
    {
        m_view.reset();
        m_content.reset();
        m_monitor.reset();
        m_notifier.reset();
        m_center.reset();
        m_updateState.reset();
        m_settings.reset();
        m_jira.reset();
    }

    void setupViewUntilConnectedAlsoOverEarlierCards()
    {
        m_monitor->start();
        showView();
        QCOMPARE(shownMainArea(), QStringLiteral("setupView"));
        QCOMPARE(text("subtitle"), QStringLiteral("Not connected"));
        QCOMPARE(text("title"), QStringLiteral("To review"));
        QVERIFY(!visible("countBadge"));
        QVERIFY(!visible("footerError"));
        QVERIFY(!visible("updateBanner"));
        QVERIFY(!visible("warningBanner"));
        QCOMPARE(m_view->size(), QSize(360, 300));
        verifyMainAreaHeight(200);
        auto *setup = item("setupView");
        QCOMPARE(setup->findChild<QQuickItem *>(QStringLiteral("messageTitle"))->property("text").toString(),
                 QStringLiteral("Connect to Jira"));
        QCOMPARE(setup->findChild<QQuickItem *>(QStringLiteral("messageText"))->property("text").toString(),
                 QStringLiteral("Add your Jira email and API token to start watching the To review column."));
        shoot(QStringLiteral("setup"));

        auto *button = setup->findChild<QQuickItem *>(QStringLiteral("openSettingsButton"));
        QVERIFY(button->isVisible());
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, sceneRect(button).center().toPoint());
        QCOMPARE(m_actions, QStringList{QStringLiteral("settings")});

        // Cards from a connected session stay in the list, but losing the token shows the setup
        // view again, with the count still in the badge and the height still made for the cards.
        configure();
        serve(numberedCards(3));
        pollAndWait();
        QCOMPARE(shownMainArea(), QStringLiteral("cardList"));
        m_settings->setToken({});
        m_monitor->refreshNow();
        QCOMPARE(m_monitor->state().kind, StateKind::needsSetup);
        QCOMPARE(shownMainArea(), QStringLiteral("setupView"));
        QCOMPARE(text("subtitle"), QStringLiteral("Not connected"));
        QCOMPARE(text("countBadge"), QStringLiteral("3"));
        QCOMPARE(m_view->height(), int(PopoverMetrics::height(3, false, false)));
        shoot(QStringLiteral("setup-over-cards"));
    }

    void loadingThenEmptyColumn()
    {
        configure();
        m_jira->setResponse(FakeJiraDocuments::issuesPath(boardId),
                            FakeResponse::json(FakeJiraDocuments::issues({})).withDelay(1500ms));
        showView();
        m_monitor->start();
        QCOMPARE(m_monitor->state().kind, StateKind::loading);
        QCOMPARE(shownMainArea(), QStringLiteral("loadingView"));
        QCOMPARE(text("subtitle"), QStringLiteral("Loading…"));
        QVERIFY(!visible("countBadge"));
        verifyMainAreaHeight(200);
        shoot(QStringLiteral("loading"));

        QTRY_COMPARE(m_monitor->state().kind, StateKind::ok);
        QCOMPARE(shownMainArea(), QStringLiteral("emptyView"));
        QCOMPARE(text("subtitle"), QStringLiteral("Updated just now"));
        QVERIFY(!visible("countBadge"));
        QVERIFY(!visible("footerError"));
        auto *empty = item("emptyView");
        QCOMPARE(empty->findChild<QQuickItem *>(QStringLiteral("messageTitle"))->property("text").toString(),
                 QStringLiteral("Nothing to review"));
        QCOMPARE(
            empty->findChild<QQuickItem *>(QStringLiteral("messageText"))->property("text").toString(),
            QStringLiteral("You're all caught up.\nNew cards in To review show up here and notify you."));
        QVERIFY(!empty->findChild<QQuickItem *>(QStringLiteral("openSettingsButton"))->isVisible());
        QCOMPARE(m_view->size(), QSize(360, 300));
        shoot(QStringLiteral("empty"));
    }

    void errorWithoutCardsShowsTheMessageInTheMainArea()
    {
        configure();
        serveFailure(500);
        showView();
        m_monitor->start();
        QTRY_COMPARE(m_monitor->state().kind, StateKind::error);
        QCOMPARE(shownMainArea(), QStringLiteral("errorView"));
        QCOMPARE(text("subtitle"), QStringLiteral("Connection problem"));
        auto *error = item("errorView");
        QCOMPARE(error->findChild<QQuickItem *>(QStringLiteral("messageTitle"))->property("text").toString(),
                 QStringLiteral("Couldn't reach Jira"));
        QCOMPARE(error->findChild<QQuickItem *>(QStringLiteral("messageText"))->property("text").toString(),
                 QStringLiteral("Jira returned HTTP 500."));
        QVERIFY(!visible("footerError"));
        QVERIFY(!visible("countBadge"));
        verifyMainAreaHeight(200);
        shoot(QStringLiteral("error"));

        auto *button = error->findChild<QQuickItem *>(QStringLiteral("openSettingsButton"));
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, sceneRect(button).center().toPoint());
        QCOMPARE(m_actions, QStringList{QStringLiteral("settings")});
    }

    void errorWithCardsKeepsTheListAndShowsTheMessageInTheFooter()
    {
        configure();
        serve(numberedCards(3));
        showView();
        m_monitor->start();
        QTRY_COMPARE(m_monitor->state().kind, StateKind::ok);
        QVERIFY(!visible("footerError"));

        serveFailure(401);
        pollAndWait();
        QCOMPARE(m_monitor->state().kind, StateKind::error);
        const QString message = m_monitor->state().message;
        QVERIFY(!message.isEmpty());
        QCOMPARE(shownMainArea(), QStringLiteral("cardList"));
        QCOMPARE(text("subtitle"), QStringLiteral("Connection problem"));
        QCOMPARE(text("countBadge"), QStringLiteral("3"));
        QVERIFY(visible("footerError"));
        QCOMPARE(text("footerErrorText"), message);
        // One line, left of the footer buttons.
        QCOMPARE(item("footerErrorText")->property("lineCount").toInt(), 1);
        QVERIFY(sceneRect("footerError").right() <= sceneRect("settingsButton").left());
        QCOMPARE(m_view->height(), int(PopoverMetrics::height(3, false, false)));
        verifyMainAreaHeight(3 * 68);
        shoot(QStringLiteral("error-with-cards"));

        // The next good poll clears the footer.
        serve(numberedCards(3));
        pollAndWait();
        QVERIFY(!visible("footerError"));
        QVERIFY(m_view->rootObject()->findChild<QQuickItem *>(QStringLiteral("settingsButton"))->isVisible());
    }

    void rowsShowKeyAssigneeAgeAndSummaryNewestFirst()
    {
        configure();
        const QString longSummary = QStringLiteral(
            "Rework the retry logic of the export queue so that a failed upload is tried again "
            "with backoff, keeps its place in the queue, reports progress to the owner and "
            "never sends the same attachment twice when the connection drops half way");
        serve({{QStringLiteral("NOR-7"), QStringLiteral("Fix the login redirect"),
                QStringLiteral("Ada Lovelace"), jiraTimeAgo(5 * 60 + 10)},
               {QStringLiteral("NOR-12"), longSummary, std::nullopt, jiraTimeAgo(20)},
               {QStringLiteral("NOR-3"), QStringLiteral("Card without a time"),
                QStringLiteral("Grace Hopper"), std::nullopt}});
        showView();
        m_monitor->start();
        QTRY_COMPARE(m_monitor->state().kind, StateKind::ok);
        QCOMPARE(shownMainArea(), QStringLiteral("cardList"));
        QCOMPARE(text("countBadge"), QStringLiteral("3"));
        QCOMPARE(m_content->countAccessibleName(), QStringLiteral("3 cards to review"));
        QCOMPARE(m_view->size(), QSize(360, int(PopoverMetrics::height(3, false, false))));
        verifyMainAreaHeight(3 * 68);
        QTRY_VERIFY(row(2));

        // Newest first: NOR-12 (20 s), NOR-7 (5 min), then NOR-3 without a time.
        QQuickItem *fresh = row(0);
        QQuickItem *assigned = row(1);
        QQuickItem *timeless = row(2);
        QCOMPARE(rowText(fresh, "issueKey"), QStringLiteral("NOR-12"));
        QCOMPARE(rowText(fresh, "issueAssignee"), QString());
        QCOMPARE(rowText(fresh, "issueAge"), QStringLiteral("just now"));
        QCOMPARE(rowText(assigned, "issueKey"), QStringLiteral("NOR-7"));
        QCOMPARE(rowText(assigned, "issueAssignee"), QStringLiteral("Ada Lovelace"));
        QCOMPARE(rowText(assigned, "issueAge"),
                 RelativeTime::string(m_monitor->issues().at(1).updated.value()));
        QVERIFY(rowText(assigned, "issueAge").contains(u'5'));
        QCOMPARE(rowText(assigned, "issueSummary"), QStringLiteral("Fix the login redirect"));
        QCOMPARE(rowText(timeless, "issueKey"), QStringLiteral("NOR-3"));
        QCOMPARE(rowText(timeless, "issueAge"), QString());
        QCOMPARE(rowText(timeless, "issueAssignee"), QStringLiteral("Grace Hopper"));

        // Each row is 68 high, one under the other, the full width of the popover.
        for (int i = 0; i < 3; ++i) {
            const QRectF rect = sceneRect(row(i));
            QCOMPARE(rect, QRectF(0, 59 + 68 * i, 360, 68));
        }

        // The long summary is cut after two lines, inside its row; the tooltip keeps it whole.
        auto *summary = fresh->findChild<QQuickItem *>(QStringLiteral("issueSummary"));
        QCOMPARE(summary->property("lineCount").toInt(), 2);
        QVERIFY(summary->property("truncated").toBool());
        QVERIFY(sceneRect(summary).bottom() <= sceneRect(fresh).bottom());
        QCOMPARE(fresh->property("summary").toString(), longSummary);
        QCOMPARE(fresh->property("accessibilityText").toString(), QStringLiteral("NOR-12, ") + longSummary);
        QCOMPARE(assigned->property("accessibilityText").toString(),
                 QStringLiteral("NOR-7, Fix the login redirect, assigned to Ada Lovelace"));

        // A row with a link is enabled, and a click opens the card.
        QVERIFY(assigned->isEnabled());
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, sceneRect(assigned).center().toPoint());
        QCOMPARE(m_opened, QList<QUrl>{QUrl(m_jira->siteURL() + QStringLiteral("/browse/NOR-7"))});
        shoot(QStringLiteral("list"));
    }

    void manyCardsScrollWithHalfARowPeekingOut()
    {
        configure();
        serve(numberedCards(12));
        showView();
        m_monitor->start();
        QTRY_COMPARE(m_monitor->state().kind, StateKind::ok);
        QCOMPARE(text("countBadge"), QStringLiteral("12"));
        QCOMPARE(m_view->size(), QSize(360, 474));
        verifyMainAreaHeight(5 * 68 + 34);
        QCOMPARE(item("cardList")->property("contentHeight").toDouble(), 12 * 68.0);
        shoot(QStringLiteral("list-12"));
    }

    void siteURLThatFormsNoURLLeavesRowsWithoutLink()
    {
        configure();
        serve(numberedCards(2));
        showView();
        m_monitor->start();
        QTRY_COMPARE(m_monitor->state().kind, StateKind::ok);
        QTRY_VERIFY(row(1));
        QVERIFY(row(0)->isEnabled());

        // The next poll cannot even be sent; the list stays, but its links go with the old site.
        m_settings->setSiteURL(QStringLiteral("https://exa mple.org"));
        m_monitor->refreshNow();
        QTRY_COMPARE(m_monitor->state().kind, StateKind::error);
        QCOMPARE(m_monitor->state().message, QStringLiteral("The Jira site URL looks invalid."));
        QCOMPARE(shownMainArea(), QStringLiteral("cardList"));
        QVERIFY(row(0));
        QVERIFY(!row(0)->isEnabled());
        QVERIFY(!row(1)->isEnabled());
        QCOMPARE(rowText(row(0), "issueKey"), QStringLiteral("NOR-1"));
        QCOMPARE(row(0)->property("accessibilityText").toString(), QStringLiteral("NOR-1, Card number 1"));
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, sceneRect(row(0)).center().toPoint());
        QVERIFY(m_opened.isEmpty());
        shoot(QStringLiteral("rows-without-link"));

        // Spaces and tabs around a good site still give working links.
        m_settings->setSiteURL(QStringLiteral(" \t") + m_jira->siteURL() + QStringLiteral("\t "));
        pollAndWait();
        QCOMPARE(m_monitor->state().kind, StateKind::ok);
        QTRY_VERIFY(row(0) && row(0)->isEnabled());
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, sceneRect(row(0)).center().toPoint());
        QCOMPARE(m_opened, QList<QUrl>{QUrl(m_jira->siteURL() + QStringLiteral("/browse/NOR-1"))});
    }

    void bannersStackUpdateAboveWarningEachAfterADivider()
    {
        configure();
        serve(numberedCards(2));
        showView();
        m_monitor->start();
        QTRY_COMPARE(m_monitor->state().kind, StateKind::ok);
        const double listHeight = 2 * 68;
        const double footerTop = 59 + listHeight + 1;

        m_updateState->setAvailableVersion(QStringLiteral("2.1.0"));
        QVERIFY(visible("updateBanner"));
        QVERIFY(!visible("warningBanner"));
        QCOMPARE(m_view->height(), int(PopoverMetrics::height(2, false, true)));
        QTRY_COMPARE(sceneRect("updateBanner"), QRectF(0, 59 + listHeight + 1, 360, 34));
        verifyMainAreaHeight(listHeight);
        auto *updateBanner = item("updateBanner");
        QCOMPARE(updateBanner->property("text").toString(), QStringLiteral("Version 2.1.0 is available"));
        QCOMPARE(updateBanner->property("actionTooltip").toString(),
                 QStringLiteral("Download and install Norrid 2.1.0"));
        QCOMPARE(updateBanner->property("accessibleName").toString(),
                 QStringLiteral("Norrid 2.1.0 is available. Install the update."));
        QCOMPARE(sceneRect("settingsButton").top() >= footerTop + 35, true);
        shoot(QStringLiteral("update-banner"));
        QTest::mouseClick(m_view.get(), Qt::LeftButton, {},
                          sceneRect(updateBanner->findChild<QQuickItem *>(QStringLiteral("bannerAction")))
                              .center()
                              .toPoint());
        QCOMPARE(m_actions, QStringList{QStringLiteral("install")});

        setAuthorizationDenied(true);
        QVERIFY(visible("warningBanner"));
        QCOMPARE(m_view->height(), int(PopoverMetrics::height(2, true, true)));
        QTRY_COMPARE(sceneRect("warningBanner"), QRectF(0, 59 + listHeight + 1 + 34 + 1, 360, 34));
        verifyMainAreaHeight(listHeight);
        QCOMPARE(sceneRect("updateBanner"), QRectF(0, 59 + listHeight + 1, 360, 34));
        QCOMPARE(item("warningBanner")->property("text").toString(),
                 QStringLiteral("Notifications are off for Norrid"));
        // The footer follows a last divider.
        QCOMPARE(m_view->height() - 40 - 1, int(sceneRect("warningBanner").bottom()));
        shoot(QStringLiteral("both-banners"));

        m_updateState->setAvailableVersion(std::nullopt);
        QVERIFY(!visible("updateBanner"));
        QCOMPARE(m_view->height(), int(PopoverMetrics::height(2, true, false)));
        QTRY_COMPARE(sceneRect("warningBanner"), QRectF(0, 59 + listHeight + 1, 360, 34));
        shoot(QStringLiteral("warning-banner"));

        setAuthorizationDenied(false);
        QVERIFY(!visible("warningBanner"));
        QCOMPARE(m_view->height(), int(PopoverMetrics::height(2, false, false)));
    }

    void headerAndFooterButtonsRunTheirActions()
    {
        configure();
        serve({});
        showView();
        m_monitor->start();
        QTRY_COMPARE(m_monitor->state().kind, StateKind::ok);

        click("boardButton");
        click("settingsButton");
        click("quitButton");
        QCOMPARE(m_actions,
                 QStringList({QStringLiteral("board"), QStringLiteral("settings"), QStringLiteral("quit")}));

        const qsizetype before = fetches();
        click("refreshButton");
        QTRY_VERIFY(fetches() > before);

        // The footer buttons sit at the right end of the footer, inside the popover.
        const QRectF quit = sceneRect("quitButton");
        QVERIFY(quit.right() <= 360 - 10 + 0.5);
        QVERIFY(sceneRect("settingsButton").right() < quit.left());
        QVERIFY(quit.top() >= m_view->height() - 40);
    }
};

QTEST_MAIN(TestPopoverView)
#include "tst_popoverview.moc"
