#include "NorridProcess.h"
#include "support/FakeJiraDocuments.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <csignal>

using namespace Qt::StringLiterals;

namespace {

const QString boardId = u"42"_s;
constexpr int startTimeoutMs = 30000;

// What a StatusNotifierItem host does first: own the watcher's name, tell that a host is there
// (Qt reads IsStatusNotifierHostRegistered through the introspection data, so it is a real
// exported property) and take the items' registrations.
class FakeWatcher : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)

public:
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return m_items; }
    // Items register by service name; the bus name of the caller is kept with it.
    QStringList m_items;

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service)
    {
        m_items.append(service.startsWith(u'/') ? message().service() + service : service);
    }
    void RegisterStatusNotifierHost(const QString &) {}
};

// The desktop portal's Settings, as far as the colour scheme goes.
class FakePortalSettings : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    uint scheme = 1; // prefer dark

    void change(uint newScheme)
    {
        scheme = newScheme;
        QDBusMessage signal = QDBusMessage::createSignal(
            u"/org/freedesktop/portal/desktop"_s, u"org.freedesktop.portal.Settings"_s, u"SettingChanged"_s);
        signal << u"org.freedesktop.appearance"_s << u"color-scheme"_s
               << QVariant::fromValue(QDBusVariant(scheme));
        QDBusConnection::sessionBus().send(signal);
    }

public Q_SLOTS:
    QDBusVariant ReadOne(const QString &group, const QString &key)
    {
        const bool known =
            group == QLatin1String("org.freedesktop.appearance") && key == QLatin1String("color-scheme");
        return QDBusVariant(known ? scheme : 0u);
    }
};

// A call to the application that keeps this test's event loop running meanwhile: the application
// may be calling the watcher or the portal, which live here, at the same moment.
QDBusMessage call(const QDBusMessage &message)
{
    QDBusPendingCallWatcher pending(QDBusConnection::sessionBus().asyncCall(message, 20000));
    QEventLoop loop;
    QObject::connect(&pending, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    if (!pending.isFinished())
        loop.exec();
    return pending.reply();
}

QDBusMessage itemCall(const QString &service, const QString &interface, const QString &method,
                      const QVariantList &arguments)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(service, u"/StatusNotifierItem"_s, interface, method);
    message.setArguments(arguments);
    return call(message);
}

// One property of the item, read with a plain Properties.Get.
QVariant itemProperty(const QString &service, const QString &name)
{
    const QDBusMessage reply = itemCall(service, u"org.freedesktop.DBus.Properties"_s, u"Get"_s,
                                        {u"org.kde.StatusNotifierItem"_s, name});
    return reply.arguments().value(0).value<QDBusVariant>().variant();
}

// The tooltip's title: the (s a(iiay) s s) structure's second text.
QString toolTipTitle(const QString &service)
{
    const QDBusArgument tip = itemProperty(service, u"ToolTip"_s).value<QDBusArgument>();
    if (tip.currentType() != QDBusArgument::StructureType)
        return {};
    QString iconName, title, description;
    tip.beginStructure();
    tip >> iconName;
    tip.beginArray();
    while (!tip.atEnd()) {
        int width = 0, height = 0;
        QByteArray pixels;
        tip.beginStructure();
        tip >> width >> height >> pixels;
        tip.endStructure();
    }
    tip.endArray();
    tip >> title >> description;
    tip.endStructure();
    return title;
}

// The largest of the item's icon pixmaps (ARGB32 in network byte order).
QImage iconPixmap(const QString &service)
{
    const QDBusArgument pixmaps = itemProperty(service, u"IconPixmap"_s).value<QDBusArgument>();
    QImage largest;
    if (pixmaps.currentType() != QDBusArgument::ArrayType)
        return largest;
    pixmaps.beginArray();
    while (!pixmaps.atEnd()) {
        int width = 0, height = 0;
        QByteArray bytes;
        pixmaps.beginStructure();
        pixmaps >> width >> height >> bytes;
        pixmaps.endStructure();
        if (width <= largest.width() || bytes.size() != width * height * 4)
            continue;
        largest = QImage(width, height, QImage::Format_ARGB32);
        for (int i = 0; i < width * height; ++i) {
            const auto *p = reinterpret_cast<const uchar *>(bytes.constData()) + 4 * i;
            largest.setPixel(i % width, i / width, qRgba(p[1], p[2], p[3], p[0]));
        }
    }
    pixmaps.endArray();
    return largest;
}

// The lightness (0 to 255) of the colour most of the icon's opaque pixels have: its glyph's.
int glyphLightness(const QImage &icon)
{
    QHash<QRgb, int> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (qAlpha(icon.pixel(x, y)) == 255)
                ++colours[icon.pixel(x, y)];
    return colours.isEmpty() ? -1 : qGray(std::max_element(colours.cbegin(), colours.cend()).key());
}

// The labels of a dbusmenu layout (ia{sv}av) and of its children, depth first.
void collectLabels(const QDBusArgument &node, QStringList &labels)
{
    int id = 0;
    QVariantMap properties;
    node.beginStructure();
    node >> id >> properties;
    if (properties.value(u"type"_s).toString() != QLatin1String("separator") && id != 0 &&
        properties.value(u"visible"_s, true).toBool())
        labels.append(properties.value(u"label"_s).toString());
    node.beginArray();
    while (!node.atEnd()) {
        QDBusVariant child;
        node >> child;
        collectLabels(child.variant().value<QDBusArgument>(), labels);
    }
    node.endArray();
    node.endStructure();
}

struct CommandRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// `norrid <arguments>` with the application's environment, or another.
CommandRun runCommand(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess command;
    command.setProcessEnvironment(environment);
    command.start(QStringLiteral(NORRID_TESTAPP), arguments);
    CommandRun run;
    // Waits in an event loop: this process serves the tray watcher and the portal Norrid talks to,
    // and must keep answering them while the command runs.
    QEventLoop loop;
    QObject::connect(&command, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    if (command.state() != QProcess::NotRunning)
        loop.exec();
    if (command.state() != QProcess::NotRunning) {
        command.kill();
        command.waitForFinished();
        return run;
    }
    run.exitCode = command.exitStatus() == QProcess::NormalExit ? command.exitCode() : -1;
    run.out = command.readAllStandardOutput();
    run.err = command.readAllStandardError();
    return run;
}

bool popoverShown()
{
    QProcess xdotool;
    xdotool.start(u"xdotool"_s, {u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"^Norrid Cards$"_s});
    return xdotool.waitForFinished(10000) && !xdotool.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

// Norrid under a StatusNotifierItem host (KDE Plasma, GNOME's AppIndicator extension), the way a
// host and a screen reader see it: the real application as a process on a private bus where this
// test is the watcher and the desktop portal. It reads the item's tooltip, icon and menu over
// D-Bus and activates it as a host does on a click.
class TestStatusNotifier : public QObject
{
    Q_OBJECT

    FakeJiraServer m_jira;
    FakeWatcher m_watcher;
    FakePortalSettings m_portal;
    NorridProcess m_app;
    QString m_item;
    pid_t m_keyring = 0;
    QElapsedTimer m_launched;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(u"xdotool"_s).isEmpty(), "xdotool");
        QVERIFY2(m_jira.start(), qPrintable(m_jira.errorString()));
        m_jira.setResponse(
            FakeJiraDocuments::issuesPath(boardId),
            FakeResponse::json(FakeJiraDocuments::issues(FakeJiraDocuments::numberedIssues(3))));

        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.registerObject(u"/StatusNotifierWatcher"_s, &m_watcher,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties));
        QVERIFY(bus.registerService(u"org.kde.StatusNotifierWatcher"_s));
        QVERIFY(bus.registerObject(u"/org/freedesktop/portal/desktop"_s, &m_portal,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(u"org.freedesktop.portal.Desktop"_s));

        QVERIFY(m_app.prepare(m_jira, boardId, u"sni@example.com"_s, u"In Review"_s, u"sni-token"_s));
        // The keyring answers only after 3 s (stopped, and let go by the first test).
        m_keyring = pid_t(bus.interface()->servicePid(u"org.freedesktop.secrets"_s).value());
        QVERIFY(m_keyring > 0 && ::kill(m_keyring, SIGSTOP) == 0);
        m_launched.start();
        m_app.process.start(QStringLiteral(NORRID_TESTAPP), {});
        QVERIFY2(m_app.process.waitForStarted(), qPrintable(m_app.process.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(!m_watcher.m_items.isEmpty(), startTimeoutMs);
        m_item = m_watcher.m_items.constFirst();
    }

    // While the keyring has not answered, Norrid is there all the same: `norrid status` answers
    // (loading) before the keyring does, and a click opens and closes the popover. Then the cards
    // come. The keyring is let go 3 s after the launch whatever the test does meanwhile, so a slow
    // machine only makes the answer come later, never the keyring time out.
    void aSlowKeyringHoldsNothingUp()
    {
        bool stopped = true;
        QTimer::singleShot(int(std::max<qint64>(0, 3000 - m_launched.elapsed())), this, [this, &stopped] {
            stopped = false;
            ::kill(m_keyring, SIGCONT);
        });
        const QProcessEnvironment environment = m_app.process.processEnvironment();
        const CommandRun json = runCommand({u"status"_s, u"--json"_s}, environment);
        const QString state = QJsonDocument::fromJson(json.out).object().value(u"state"_s).toString();
        if (stopped)
            QCOMPARE(state, u"loading"_s);
        else
            QVERIFY2(state == u"loading" || state == u"ok", qPrintable(state));
        const auto activate = [this] {
            return itemCall(m_item, u"org.kde.StatusNotifierItem"_s, u"Activate"_s, {100, 10}).type();
        };
        QCOMPARE(activate(), QDBusMessage::ReplyMessage);
        QTRY_VERIFY_WITH_TIMEOUT(popoverShown(), 2000);
        QCOMPARE(activate(), QDBusMessage::ReplyMessage);
        QTRY_VERIFY_WITH_TIMEOUT(!popoverShown(), 2000);
        if (stopped)
            QCOMPARE(m_jira.requests().size(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!stopped, 4000);
        QTRY_COMPARE_WITH_TIMEOUT(runCommand({u"status"_s}, environment).out, "3 cards in In Review\n",
                                  startTimeoutMs);
    }

    void cleanupTestCase()
    {
        ::kill(m_keyring, SIGCONT);
        m_app.stop();
    }

    // Hosts show the tooltip's title and read it to screen readers: the count is there in words.
    void toolTipSaysTheCount()
    {
        QTRY_COMPARE_WITH_TIMEOUT(toolTipTitle(m_item), u"Norrid — cards in In Review\n3 cards to review"_s,
                                  startTimeoutMs);
    }

    // The menu hosts show, over dbusmenu.
    void menuOverDBusMenu()
    {
        const auto menuPath = itemProperty(m_item, u"Menu"_s).value<QDBusObjectPath>();
        QDBusMessage getLayout = QDBusMessage::createMethodCall(m_item, menuPath.path(),
                                                                u"com.canonical.dbusmenu"_s, u"GetLayout"_s);
        getLayout << 0 << -1 << QStringList();
        const QDBusMessage reply = call(getLayout);
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QStringList labels;
        collectLabels(reply.arguments().value(1).value<QDBusArgument>(), labels);
        for (const QString &length : {u"30 Minutes"_s, u"1 Hour"_s, u"4 Hours"_s, u"Until Tomorrow"_s})
            labels.removeOne(length); // the submenu's, where the host is given them at once
        QCOMPARE(labels, QStringList({u"Show Cards"_s, u"Refresh Now"_s, u"Open Board in Browser"_s,
                                      u"Snooze Notifications"_s, u"Settings…"_s, u"Check for Updates…"_s,
                                      u"Quit Norrid"_s}));
    }

    // A host's click is Activate: it opens the popover, and a second one closes it.
    void activateOpensThePopover()
    {
        QVERIFY(!popoverShown());
        const auto activate = [this] {
            return itemCall(m_item, u"org.kde.StatusNotifierItem"_s, u"Activate"_s, {100, 10}).type();
        };
        QCOMPARE(activate(), QDBusMessage::ReplyMessage);
        QTRY_VERIFY_WITH_TIMEOUT(popoverShown(), startTimeoutMs);
        QTest::qWait(1000);
        QCOMPARE(activate(), QDBusMessage::ReplyMessage);
        QTRY_VERIFY_WITH_TIMEOUT(!popoverShown(), startTimeoutMs);
    }

    // A second launch (from the menu, while Norrid started at login runs) hands over: it ends at
    // once with status 0, no second item appears, and the running Norrid opens its popover. From
    // the autostart entry, it opens nothing.
    void aSecondLaunchHandsOver()
    {
        QVERIFY(!popoverShown());
        const QProcessEnvironment environment = m_app.process.processEnvironment();
        CommandRun second = runCommand({u"--autostart"_s}, environment);
        QCOMPARE(second.exitCode, 0);
        QTest::qWait(500);
        QVERIFY(!popoverShown());
        second = runCommand({}, environment);
        QCOMPARE(second.exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(popoverShown(), startTimeoutMs);
        QCOMPARE(m_watcher.m_items.size(), 1);
        QCOMPARE(m_jira.requests().size(), 1);
        QCOMPARE(runCommand({u"popover"_s}, environment).exitCode, 0); // a key binding closes it
        QTRY_VERIFY_WITH_TIMEOUT(!popoverShown(), startTimeoutMs);
    }

    // What bars and scripts read: the state without a request to Jira; refresh asks Jira once.
    void theCommandLineReadsTheRunningNorrid()
    {
        const QProcessEnvironment environment = m_app.process.processEnvironment();
        const qsizetype requests = m_jira.requests().size();
        const CommandRun human = runCommand({u"status"_s}, environment);
        QCOMPARE(human.out, "3 cards in In Review\n");
        const CommandRun json = runCommand({u"status"_s, u"--json"_s}, environment);
        const QJsonObject state = QJsonDocument::fromJson(json.out).object();
        QCOMPARE(state.value(u"count"_s).toInt(), 3);
        QCOMPARE(state.value(u"state"_s).toString(), u"ok"_s);
        QCOMPARE(state.value(u"status"_s).toString(), u"In Review"_s);
        QVERIFY(!state.value(u"lastUpdated"_s).toString().isEmpty());
        const QJsonObject card = state.value(u"cards"_s).toArray().first().toObject();
        QCOMPARE(card.value(u"key"_s).toString(), u"AB-1"_s);
        QCOMPARE(card.value(u"url"_s).toString(), m_jira.siteURL() + u"/browse/AB-1"_s);
        // The columns come over the bus as nested dictionaries and lists, and out whole.
        const QJsonObject column = state.value(u"columns"_s).toArray().first().toObject();
        QCOMPARE(column.value(u"name"_s).toString(), u"In Review"_s);
        QCOMPARE(column.value(u"cards"_s).toArray().first().toObject().value(u"key"_s).toString(), u"AB-1"_s);
        const QJsonObject waybar =
            QJsonDocument::fromJson(runCommand({u"status"_s, u"--waybar"_s}, environment).out).object();
        QCOMPARE(waybar.value(u"text"_s).toString(), u"3"_s);
        QCOMPARE(waybar.value(u"class"_s).toString(), u"ok"_s);
        QCOMPARE(m_jira.requests().size(), requests);

        QCOMPARE(runCommand({u"refresh"_s}, environment).exitCode, 0);
        QTRY_COMPARE(m_jira.requests().size(), requests + 1);
        QCOMPARE(runCommand({u"status"_s, u"--json"_s, u"--waybar"_s}, environment).exitCode, 2);
        QCOMPARE(runCommand({u"frobnicate"_s}, environment).exitCode, 2);

        // --version needs neither a display nor a bus.
        QProcessEnvironment bare = environment;
        bare.remove(u"DISPLAY"_s);
        bare.remove(u"WAYLAND_DISPLAY"_s);
        bare.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path=/nonexistent"_s);
        const CommandRun version = runCommand({u"--version"_s}, bare);
        QCOMPARE(version.exitCode, 0);
        QVERIFY2(version.out.startsWith("Norrid 0.1.0 (build "), version.out.constData());
        const CommandRun status = runCommand({u"status"_s}, bare);
        QCOMPARE(status.exitCode, 3);
        QCOMPARE(status.err, "Norrid is not running.\n");
    }

    // What a bug report needs, from the running Norrid and the desktop: never the token, the email
    // or a card's text.
    void diagnoseReportsWhatABugReportNeeds()
    {
        const CommandRun run = runCommand({u"diagnose"_s}, m_app.process.processEnvironment());
        QCOMPARE(run.exitCode, 0);
        const QString report = QString::fromUtf8(run.out);
        for (const QString &line :
             {u"Norrid: 0.1.0 (build "_s, u"Qt: 6."_s, u"Notification server: "_s,
              u"Tray host: StatusNotifierWatcher on the bus"_s, u"Keyring service: Secret Service running"_s,
              u"Tray: StatusNotifierItem host"_s, u"Keyring: Secret Service, ready"_s,
              u"Jira site: Jira Data Center / Server (127.0.0.1)"_s, u"Jira read: "_s, u"Gateway: no"_s,
              u"Proxy: none"_s, u"Columns: 1"_s, u"Last poll result: ok"_s, u"Last poll error: -"_s})
            QVERIFY2(report.contains(u'\n' + line) || report.startsWith(line),
                     qPrintable(line + u"\n"_s + report));
        for (const QString &secret : {u"sni-token"_s, u"sni@example.com"_s, u"Card 1"_s, u"AB-1"_s})
            QVERIFY2(!report.contains(secret), qPrintable(secret));
    }

    // The portal says the desktop went from dark to light: the icon is drawn anew, dark now.
    void iconFollowsTheColourScheme()
    {
        QTRY_COMPARE_WITH_TIMEOUT(glyphLightness(iconPixmap(m_item)), 0xF2, startTimeoutMs);
        m_portal.change(2);
        QTRY_COMPARE_WITH_TIMEOUT(glyphLightness(iconPixmap(m_item)), 0x1C, startTimeoutMs);
    }

    // A bar runs `status --follow` once: a line at once, one more when a card arrives, and the end
    // (status 0) when Norrid quits. After that, commands find no Norrid.
    void followingEndsWhenNorridQuits()
    {
        const QProcessEnvironment environment = m_app.process.processEnvironment();
        QProcess follow, followJson;
        for (auto [process, format] : {std::pair{&follow, QStringList{}}, {&followJson, {u"--json"_s}}}) {
            process->setProcessEnvironment(environment);
            process->start(QStringLiteral(NORRID_TESTAPP), QStringList{u"status"_s, u"--follow"_s} + format);
            QTRY_VERIFY_WITH_TIMEOUT(process->canReadLine() || process->state() == QProcess::NotRunning,
                                     startTimeoutMs);
        }
        QCOMPARE(follow.readLine(), QByteArray("3 cards in In Review\n"));
        m_jira.setResponse(
            FakeJiraDocuments::issuesPath(boardId),
            FakeResponse::json(FakeJiraDocuments::issues(FakeJiraDocuments::numberedIssues(4))));
        QCOMPARE(runCommand({u"refresh"_s}, environment).exitCode, 0);
        QTRY_VERIFY_WITH_TIMEOUT(follow.canReadLine() || follow.state() == QProcess::NotRunning,
                                 startTimeoutMs);
        QCOMPARE(follow.readLine(), QByteArray("4 cards in In Review\n"));
        // The cards follow the column too, not only their count: the latest line lists the new one.
        QJsonArray cards;
        const auto latestCards = [&] {
            while (followJson.canReadLine())
                cards = QJsonDocument::fromJson(followJson.readLine()).object().value(u"cards"_s).toArray();
            return cards.size();
        };
        QTRY_COMPARE_WITH_TIMEOUT(latestCards(), 4, startTimeoutMs);
        QCOMPARE(cards.last().toObject().value(u"key"_s).toString(), u"AB-4"_s);
        QCOMPARE(runCommand({u"quit"_s}, environment).exitCode, 0);
        QVERIFY(follow.waitForFinished(startTimeoutMs));
        QCOMPARE(follow.exitCode(), 0);
        QVERIFY(m_app.process.waitForFinished(startTimeoutMs));
        const CommandRun status = runCommand({u"status"_s}, environment);
        QCOMPARE(status.exitCode, 3);
        QCOMPARE(status.err, "Norrid is not running.\n");
        // The report says what it can without a Norrid.
        const CommandRun report = runCommand({u"diagnose"_s}, environment);
        QCOMPARE(report.exitCode, 0);
        QVERIFY(report.out.contains("\nRunning Norrid: none") && report.out.contains("\nDesktop: "));
    }
};

QTEST_MAIN(TestStatusNotifier)
#include "tst_statusnotifier.moc"
