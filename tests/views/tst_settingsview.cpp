#include "SettingsTestRig.h"
#include "shell/SettingsWindowController.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QTest>

using namespace std::chrono_literals;

// The settings window as the user meets it: the real QML view on the offscreen platform over the
// real form, store, keyring and TLS fake Jira. The form's rules are tested in tst_settingsform; here
// the view's wiring, keys and layout. Pictures go to NORRID_SETTINGS_SHOTS_DIR.
class TestSettingsView : public QObject
{
    Q_OBJECT

    std::unique_ptr<SettingsTestRig> m_rig;
    std::unique_ptr<SettingsWindowController> m_controller;

    SettingsTestRig &rig() { return *m_rig; }
    SettingsForm &form() { return m_controller->form(); }
    QQuickView *view() { return qobject_cast<QQuickView *>(m_controller->window()); }

    QQuickItem *item(const char *name)
    {
        auto *found = view()->rootObject()->findChild<QQuickItem *>(QString::fromLatin1(name));
        if (!found)
            qWarning("no item named %s", name);
        return found;
    }

    QString text(const char *name) { return item(name)->property("text").toString(); }
    bool enabled(const char *name) { return item(name)->isEnabled(); }
    QString focusName()
    {
        return view()->activeFocusItem() ? view()->activeFocusItem()->objectName() : QString();
    }

    void shoot(const QString &name)
    {
        QDir().mkpath(QStringLiteral(NORRID_SETTINGS_SHOTS_DIR));
        QVERIFY(view()->grabWindow().save(QStringLiteral(NORRID_SETTINGS_SHOTS_DIR "/") + name +
                                          QStringLiteral(".png")));
    }

    void press(Qt::Key key) { QTest::keyClick(view(), key); }

    // Types the text key by key into the focused control (QTest has no keyClicks for windows).
    void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(view(), c.toLatin1());
    }

    void clickTest()
    {
        QTest::mouseClick(view(), Qt::LeftButton, {}, item("testButton")->mapToScene({10, 10}).toPoint());
    }

private Q_SLOTS:
    void init()
    {
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

    void emptyWindowShowsNoResultsYet()
    {
        QCOMPARE(view()->minimumSize(), view()->maximumSize());
        // No quick filters yet: no picker, no message, no result.
        QVERIFY(!item("filterPicker")->isVisible());
        QVERIFY(!item("resultLabel")->isVisible());
        QVERIFY(!item("filterMessage")->isVisible());
        shoot(QStringLiteral("1-empty"));
    }

    void typingAndReturnSaveFollowingTheTabOrder()
    {
        QVERIFY(!enabled("saveButton"));
        item("siteURLField")->forceActiveFocus();
        press(Qt::Key_Return); // nothing to save yet
        QCOMPARE(rig().saves, 0);
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
        QCOMPARE(rig().saves, 0); // typing saves nothing
        shoot(QStringLiteral("2-filled"));

        press(Qt::Key_Return);
        QCOMPARE(rig().saves, 1);
        QCOMPARE(text("siteURLField"), QStringLiteral("https://127.0.0.1:%1").arg(rig().jira.port()));
    }

    void buttonsShowProgressAndTakeNoSecondPress()
    {
        rig().fill(form());
        // While a test and a load run, their buttons show progress and take no second press.
        rig().jira.setResponse(FakeJiraDocuments::issuesPath(SettingsTestRig::boardId),
                               FakeResponse::json(FakeJiraDocuments::issues({})).withDelay(500ms));
        rig().jira.setResponse(
            FakeJiraDocuments::quickFiltersPath(SettingsTestRig::boardId),
            FakeResponse::json(FakeJiraDocuments::quickFilterPage({}, 0, true)).withDelay(500ms));
        clickTest();
        item("loadFiltersButton")->forceActiveFocus();
        press(Qt::Key_Space);
        for (const char *name : {"testButton", "loadFiltersButton"}) {
            QVERIFY2(!enabled(name), name);
            QVERIFY(item(name)->findChild<QQuickItem *>(QStringLiteral("busyIndicator"))->isVisible());
        }
        QTRY_VERIFY(!form().testing() && !form().loadingFilters());
        QVERIFY(item("filterMessage")->isVisible());
        QCOMPARE(rig().jira.requests(FakeJiraDocuments::issuesPath(SettingsTestRig::boardId)).size(), 1);
    }

    void connectionTestResultLabel()
    {
        rig().serveIssues(2);
        rig().fill(form());
        clickTest();
        QTRY_VERIFY(item("resultLabel")->isVisible());
        QVERIFY(item("resultIcon")->property("source").toString().contains(QStringLiteral("checkmark")));
        shoot(QStringLiteral("3-test-ok"));

        // A message too long for the bar is cut to two lines; its tooltip holds all of it.
        rig().jira.setResponse(
            FakeJiraDocuments::issuesPath(SettingsTestRig::boardId),
            FakeResponse::redirect(QUrl(QStringLiteral("https://jira.elsewhere.example.org/x"))));
        clickTest();
        QTRY_COMPARE(form().testResultKindName(), QStringLiteral("fail"));
        const QString message = form().testResultText();
        QQuickItem *label = item("resultText");
        QVERIFY(item("resultIcon")->property("source").toString().contains(QStringLiteral("xmark")));
        // The text is laid out on a later polish pass.
        QTRY_COMPARE(label->property("lineCount").toInt(), 2);
        QTRY_VERIFY(label->property("truncated").toBool());
        shoot(QStringLiteral("4-test-failed"));
        auto *tip = label->findChild<QObject *>(QStringLiteral("resultToolTip"));
        QCOMPARE(tip->property("text").toString(), message);
        QTest::mouseMove(view(), label->mapToScene(QPointF(label->width() / 2, 4)).toPoint());
        QTRY_VERIFY(tip->property("visible").toBool());
    }

    void quickFilterPickerFillsTheTeamFilter()
    {
        rig().fill(form());
        rig().serveFilters({{7, QStringLiteral("Team F"), QStringLiteral("labels = team-f")}});
        item("loadFiltersButton")->forceActiveFocus();
        press(Qt::Key_Space);
        QQuickItem *picker = item("filterPicker");
        QTRY_VERIFY(picker->isVisible());

        picker->forceActiveFocus();
        press(Qt::Key_Down);
        QCOMPARE(picker->property("currentText").toString(), QStringLiteral("Team F"));
        QCOMPARE(text("extraJQLField"), QStringLiteral("labels = team-f"));
    }

    void focusScrollsThePickerIntoView()
    {
        QQuickItem *picker = item("soundPicker");
        picker->forceActiveFocus();
        press(Qt::Key_Down); // "None"
        press(Qt::Key_Down); // "Basso"
        QCOMPARE(form().soundName(), QStringLiteral("Basso"));
        // Focus scrolled the form so the picker is in view.
        const QPointF top = picker->mapToItem(view()->contentItem(), QPointF(0, 0));
        QVERIFY(top.y() >= 0 && top.y() + picker->height() <= item("bottomBar")->mapToScene({0, 0}).y());
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
        QCOMPARE(text("emailField"), QStringLiteral("stored@example.com"));
    }
};

QTEST_MAIN(TestSettingsView)
#include "tst_settingsview.moc"
