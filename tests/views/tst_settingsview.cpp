#include "SettingsTestRig.h"
#include "shell/SettingsWindowController.h"

#include <QDir>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

// The settings window as the user meets it: the real QML view on the offscreen platform over the
// real form, store, keyring and TLS fake Jira. Each state is also saved as a picture under
// NORRID_SETTINGS_SHOTS_DIR for a human to look at.
class TestSettingsView : public QObject
{
    Q_OBJECT

    std::unique_ptr<SettingsTestRig> m_rig;
    std::unique_ptr<SettingsWindowController> m_controller;

    SettingsTestRig &rig() { return *m_rig; }
    SettingsForm &form() { return m_controller->form(); }
    QQuickView *view() { return m_controller->window(); }

    QQuickItem *item(const char *name)
    {
        auto *found = view()->rootObject()->findChild<QQuickItem *>(QString::fromLatin1(name));
        if (!found)
            qWarning("no item named %s", name);
        return found;
    }

    QString focusName() const
    {
        QQuickItem *focused = m_controller->window()->activeFocusItem();
        return focused ? focused->objectName() : QString();
    }

    void shoot(const QString &name)
    {
        const QString dir = QStringLiteral(NORRID_SETTINGS_SHOTS_DIR);
        QDir().mkpath(dir);
        QVERIFY(view()->grabWindow().save(dir + u'/' + name + QStringLiteral(".png")));
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(view(), key, modifiers);
    }

    // Every text the user can read or hear in the window, visible or in a tooltip.
    static void collectTexts(QQuickItem *item, QStringList &texts)
    {
        if (!item->isVisible())
            return;
        for (const char *name : {"text", "placeholderText", "help", "title"}) {
            const QVariant value = item->property(name);
            if (value.typeId() == QMetaType::QString && !value.toString().isEmpty())
                texts.append(value.toString());
        }
        const QVariant choices = item->property("model");
        if (choices.typeId() == QMetaType::QStringList)
            texts += choices.toStringList();
        const auto children = item->childItems();
        for (QQuickItem *child : children)
            collectTexts(child, texts);
    }

    // Types the text key by key into the focused control (QTest has no keyClicks for windows).
    void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(view(), c.toLatin1());
    }

    bool enabled(const char *name) { return item(name)->isEnabled(); }

private Q_SLOTS:
    void init()
    {
        // Any complaint of the QML engine about the window's files is a failure.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("qrc:/qml/")));
        m_rig = std::make_unique<SettingsTestRig>();
        QString problem;
        QVERIFY2(m_rig->start(problem), qPrintable(problem));
        m_controller = std::make_unique<SettingsWindowController>(*m_rig->settings, *m_rig->notifier, nullptr,
                                                                  nullptr, nullptr);
        m_rig->hook(m_controller->form());
        m_controller->show();
        QVERIFY(QTest::qWaitForWindowExposed(view()));
        QVERIFY(view()->errors().isEmpty());
    }

    void cleanup()
    {
        m_controller.reset();
        m_rig.reset();
    }

    void windowShowsEverySection()
    {
        QCOMPARE(view()->title(), QStringLiteral("Norrid Settings"));
        QCOMPARE(view()->size(), QSize(480, 680));
        QCOMPARE(view()->minimumSize(), QSize(480, 680));
        QCOMPARE(view()->maximumSize(), QSize(480, 680));

        QStringList sections;
        const auto titles = view()->rootObject()->findChildren<QQuickItem *>(QStringLiteral("sectionTitle"));
        for (QQuickItem *title : titles)
            sections.append(title->property("text").toString());
        QCOMPARE(sections, QStringList({QStringLiteral("Jira connection"), QStringLiteral("What to watch"),
                                        QStringLiteral("Notifications"), QStringLiteral("General"),
                                        QStringLiteral("Updates")}));

        QStringList texts;
        collectTexts(view()->contentItem(), texts);
        const QStringList expected{
            QStringLiteral("Site URL"),
            QStringLiteral("Email"),
            QStringLiteral("API token"),
            QStringLiteral("Paste your Atlassian API token"),
            QStringLiteral("Create an API token…"),
            QStringLiteral("Stored in your system keyring — never in plain text."),
            QStringLiteral("Board ID"),
            QStringLiteral("590"),
            QStringLiteral("Status"),
            QStringLiteral("To review"),
            QStringLiteral("Load team filters from board"),
            QStringLiteral("Team filter (JQL)"),
            QStringLiteral("optional, e.g. labels = team-f"),
            QStringLiteral(
                "Status is the exact Jira status behind your column. The team filter narrows a shared "
                "board to your team — pick a quick filter above to fill it automatically, or write "
                "your own JQL."),
            QStringLiteral("Sound"),
            QStringLiteral("Glass"),
            QStringLiteral("Send test notification"),
            QStringLiteral("Posts a sample banner with the selected sound so you can preview it."),
            QStringLiteral("Check every"),
            QStringLiteral("30 seconds"),
            QStringLiteral("5 minutes"),
            QStringLiteral("Launch at login"),
            QStringLiteral("Start Norrid automatically when you log in."),
            QStringLiteral("Version"),
            form().appVersion(),
            QStringLiteral("Check for updates automatically"),
            QStringLiteral(
                "Looks for a new version once a day. You get a notification and a banner in the app "
                "when one is ready."),
            QStringLiteral("Check for Updates Now"),
            QStringLiteral("Contacts the update feed and offers any newer version right away."),
            QStringLiteral("Test connection"),
            QStringLiteral("Save"),
        };
        for (const QString &text : expected)
            QVERIFY2(texts.contains(text), qPrintable(text));
        // No quick filters yet: no picker, no message, no result.
        QVERIFY(!texts.contains(QStringLiteral("Team quick filter")));
        QVERIFY(!item("resultLabel")->isVisible());
        QVERIFY(!item("filterMessage")->isVisible());
        QCOMPARE(item("soundPicker")->property("currentText").toString(), QStringLiteral("Default"));
        QCOMPARE(item("intervalPicker")->property("currentText").toString(), QStringLiteral("1 minute"));
        shoot(QStringLiteral("1-empty"));
        QQuickItem *scroller = item("scroller");
        scroller->setProperty("contentY", scroller->property("contentHeight").toReal() - scroller->height());
        shoot(QStringLiteral("1-empty-scrolled"));
    }

    void typingAndReturnSaveFollowingTheTabOrder()
    {
        QVERIFY(!enabled("saveButton"));
        item("siteURLField")->forceActiveFocus();
        type(rig().typedSite());
        const QList<std::pair<QString, QString>> steps{
            {QStringLiteral("emailField"), QStringLiteral(" me@example.com ")},
            {QStringLiteral("tokenField"), QStringLiteral("typed-token-2")},
            {QStringLiteral("tokenPageButton"), {}},
            {QStringLiteral("boardIdField"), QStringLiteral("590")},
            {QStringLiteral("statusField"), QStringLiteral(" To review ")},
            {QStringLiteral("loadFiltersButton"), {}}, // enabled now that the draft is complete
            {QStringLiteral("extraJQLField"), QStringLiteral("labels = team-f")},
        };
        for (const auto &[name, text] : steps) {
            press(Qt::Key_Tab);
            QCOMPARE(focusName(), name);
            type(text);
        }
        QVERIFY(item("tokenField")->property("displayText").toString() != QStringLiteral("typed-token-2"));
        QVERIFY(enabled("saveButton"));
        QCOMPARE(rig().saves, 0); // typing saves nothing
        shoot(QStringLiteral("2-filled"));

        press(Qt::Key_Return);

        QCOMPARE(rig().saves, 1);
        const QString site = QStringLiteral("https://127.0.0.1:%1").arg(rig().jira.port());
        QCOMPARE(item("siteURLField")->property("text").toString(), site);
        QCOMPARE(item("emailField")->property("text").toString(), QStringLiteral(" me@example.com "));
        const auto stored = rig().reread();
        QCOMPARE(stored->siteURL(), site);
        QCOMPARE(stored->email(), QStringLiteral("me@example.com"));
        QCOMPARE(stored->token(), QStringLiteral("typed-token-2"));
        QCOMPARE(stored->boardId(), QStringLiteral("590"));
        QCOMPARE(stored->statusName(), QStringLiteral("To review"));
        QCOMPARE(stored->extraJQL(), QStringLiteral("labels = team-f"));
    }

    void controlsAreDisabledUntilTheyCanWork()
    {
        for (const char *name : {"saveButton", "testButton", "loadFiltersButton"})
            QVERIFY2(!enabled(name), name);
        item("siteURLField")->forceActiveFocus();
        press(Qt::Key_Return);
        QCOMPARE(rig().saves, 0);

        rig().fill(form());
        form().setStatusName(QStringLiteral("   "));
        QVERIFY(!enabled("saveButton"));
        form().setStatusName(QStringLiteral("To review"));
        for (const char *name : {"saveButton", "testButton", "loadFiltersButton"})
            QVERIFY2(enabled(name), name);

        // While a test and a load run, their buttons show progress and take no second press.
        rig().jira.setResponse(FakeJiraDocuments::issuesPath(SettingsTestRig::boardId),
                               FakeResponse::json(FakeJiraDocuments::issues({})).withDelay(500ms));
        rig().jira.setResponse(
            FakeJiraDocuments::quickFiltersPath(SettingsTestRig::boardId),
            FakeResponse::json(FakeJiraDocuments::quickFilterPage({}, 0, true)).withDelay(500ms));
        QTest::mouseClick(view(), Qt::LeftButton, {},
                          item("testButton")->mapToScene(QPointF(10, 10)).toPoint());
        item("loadFiltersButton")->forceActiveFocus();
        press(Qt::Key_Space);
        QVERIFY(form().testing());
        QVERIFY(form().loadingFilters());
        QVERIFY(!enabled("testButton"));
        QVERIFY(!enabled("loadFiltersButton"));
        QVERIFY(item("testButton")->findChild<QQuickItem *>(QStringLiteral("busyIndicator"))->isVisible());
        QVERIFY(
            item("loadFiltersButton")->findChild<QQuickItem *>(QStringLiteral("busyIndicator"))->isVisible());
        QTRY_VERIFY(!form().testing() && !form().loadingFilters());
        QVERIFY(enabled("testButton"));
        QVERIFY(item("filterMessage")->isVisible());
        QCOMPARE(item("filterMessage")->property("text").toString(),
                 QStringLiteral("This board has no quick filters."));
        QCOMPARE(rig().jira.requests(FakeJiraDocuments::issuesPath(SettingsTestRig::boardId)).size(), 1);
    }

    void connectionTestResultLabel()
    {
        rig().serveIssues(2);
        rig().fill(form());
        QTest::mouseClick(view(), Qt::LeftButton, {},
                          item("testButton")->mapToScene(QPointF(10, 10)).toPoint());
        QTRY_VERIFY(item("resultLabel")->isVisible());
        QQuickItem *text = item("resultText");
        QCOMPARE(text->property("text").toString(), QStringLiteral("Connected — 2 in To review"));
        QCOMPARE(text->property("color").value<QColor>(), QColor(QStringLiteral("#2E9E48")));
        QVERIFY(item("resultIcon")
                    ->property("source")
                    .toString()
                    .contains(QStringLiteral("checkmark.circle.fill")));
        QCOMPARE(rig().saves, 1);
        shoot(QStringLiteral("3-test-ok"));

        // A message too long for the bar is cut to two lines; hovering shows all of it.
        rig().jira.setResponse(
            FakeJiraDocuments::issuesPath(SettingsTestRig::boardId),
            FakeResponse::redirect(QUrl(QStringLiteral("https://jira.elsewhere.example.org/x"))));
        form().setBoardId(QStringLiteral("590"));
        QTest::mouseClick(view(), Qt::LeftButton, {},
                          item("testButton")->mapToScene(QPointF(10, 10)).toPoint());
        QTRY_COMPARE(form().testResultKindName(), QStringLiteral("fail"));
        const QString message = form().testResultText();
        QVERIFY(message.startsWith(QStringLiteral("Jira redirected the request to another site")));
        QCOMPARE(text->property("text").toString(), message);
        QCOMPARE(text->property("color").value<QColor>(), QColor(QStringLiteral("#D6372E")));
        QVERIFY(
            item("resultIcon")->property("source").toString().contains(QStringLiteral("xmark.circle.fill")));
        QCOMPARE(text->property("lineCount").toInt(), 2);
        QVERIFY(text->property("truncated").toBool());
        QCOMPARE(rig().saves, 1);
        shoot(QStringLiteral("4-test-failed"));

        auto *tip = text->findChild<QObject *>(QStringLiteral("resultToolTip"));
        QVERIFY(tip);
        QCOMPARE(tip->property("text").toString(), message);
        QTest::mouseMove(view(), text->mapToScene(QPointF(text->width() / 2, 4)).toPoint());
        QTRY_VERIFY(tip->property("visible").toBool());
        shoot(QStringLiteral("5-test-failed-hover"));
    }

    void quickFilterPickerFillsTheTeamFilter()
    {
        rig().fill(form());
        rig().serveFilters({{7, QStringLiteral("Team F"), QStringLiteral("labels = team-f")},
                            {9, QStringLiteral("Team G"), QStringLiteral("labels = team-g")}});
        item("loadFiltersButton")->forceActiveFocus();
        press(Qt::Key_Space);
        QQuickItem *picker = item("filterPicker");
        QTRY_VERIFY(picker->isVisible());
        QCOMPARE(picker->property("currentText").toString(), QStringLiteral("None"));

        picker->forceActiveFocus();
        press(Qt::Key_Down);
        QCOMPARE(picker->property("currentText").toString(), QStringLiteral("Team F"));
        QCOMPARE(item("extraJQLField")->property("text").toString(), QStringLiteral("labels = team-f"));
        shoot(QStringLiteral("6-quick-filter"));

        // Typing in the team filter drops the pick and keeps the text; "None" empties the field.
        item("extraJQLField")->forceActiveFocus();
        type(QStringLiteral(" and x"));
        QCOMPARE(picker->property("currentText").toString(), QStringLiteral("None"));
        QCOMPARE(item("extraJQLField")->property("text").toString(), QStringLiteral("labels = team-f and x"));
        picker->forceActiveFocus();
        press(Qt::Key_Down);
        press(Qt::Key_Up);
        QCOMPARE(picker->property("currentText").toString(), QStringLiteral("None"));
        QVERIFY(item("extraJQLField")->property("text").toString().isEmpty());
    }

    void soundPickerPreviewsWithoutSaving()
    {
        QQuickItem *picker = item("soundPicker");
        picker->forceActiveFocus();
        press(Qt::Key_Down); // "None"
        press(Qt::Key_Down); // "Basso"
        QCOMPARE(form().soundName(), QStringLiteral("Basso"));
        QCOMPARE(rig().previews, QStringList{QStringLiteral("Basso")});
        QVERIFY(rig().reread()->notificationSound() != QStringLiteral("Basso"));

        // Tab focus scrolled the form so the picker is in view.
        const QPointF top = picker->mapToItem(view()->contentItem(), QPointF(0, 0));
        QVERIFY(top.y() >= 0 && top.y() + picker->height() <= item("bottomBar")->mapToScene({0, 0}).y());
    }

    void switchesFollowTheForm()
    {
        QQuickItem *autoUpdate = item("autoUpdateSwitch");
        autoUpdate->forceActiveFocus();
        press(Qt::Key_Space); // no updater: the switch stays on
        QVERIFY(autoUpdate->property("checked").toBool());

        item("launchAtLoginSwitch")->forceActiveFocus();
        press(Qt::Key_Space);
        QVERIFY(form().launchAtLogin());
    }

    void escapeHidesAndShowBringsTheSameWindowBack()
    {
        rig().settings->setEmail(QStringLiteral("stored@example.com"));
        QQuickView *first = view();
        item("emailField")->forceActiveFocus();
        type(QStringLiteral("unsaved"));
        press(Qt::Key_Escape);
        QVERIFY(!first->isVisible());
        QCOMPARE(rig().saves, 0);

        m_controller->show();
        QVERIFY(QTest::qWaitForWindowExposed(view()));
        QCOMPARE(view(), first);
        QCOMPARE(item("emailField")->property("text").toString(), QStringLiteral("stored@example.com"));

        // Ctrl+Q asks the application to quit (not acted on here, so the test keeps running).
        QObject::disconnect(view()->engine(), &QQmlEngine::quit, nullptr, nullptr);
        QSignalSpy quit(view()->engine(), &QQmlEngine::quit);
        press(Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.size(), 1);
    }
};

QTEST_MAIN(TestSettingsView)
#include "tst_settingsview.moc"
