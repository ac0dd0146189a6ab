#include "shell/CommandLine.h"

#include "BuildInfo.h"
#include "shell/BusNames.h"
#include "shell/Translations.h"
#include "views/DiagnosticReport.h"
#include "views/StateReport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

enum class Format
{
    human,
    json,
    waybar
};

void print(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int usage(const QString &problem)
{
    const QString text = QCoreApplication::translate("CommandLine", "norrid: %1\nTry 'norrid --help'.");
    std::fprintf(stderr, "%s\n", qPrintable(text.arg(problem)));
    return CommandLine::usageError;
}

QDBusMessage callNorrid(const QString &interface, const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(BusNames::service, BusNames::objectPath, interface, method);
    call.setArguments(arguments);
    // Never start a Norrid to answer.
    call.setAutoStartService(false);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
}

bool isRunning()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(BusNames::service).value();
}

int notRunning()
{
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("CommandLine", "Norrid is not running.")));
    return CommandLine::notRunning;
}

// A value as QtDBus hands it over, in Qt's own types: the cards and columns arrive as D-Bus
// arrays of variants holding dictionaries (of arrays again), which QtDBus leaves as QDBusArgument.
QVariant plainValue(const QVariant &value)
{
    if (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        return plainValue(value.value<QDBusVariant>().variant());
    if (value.userType() == qMetaTypeId<QDBusArgument>()) {
        const auto argument = value.value<QDBusArgument>();
        if (argument.currentType() == QDBusArgument::MapType)
            return plainValue(qdbus_cast<QVariantMap>(argument));
        if (argument.currentType() == QDBusArgument::ArrayType)
            return plainValue(qdbus_cast<QVariantList>(argument));
        return value;
    }
    if (value.userType() == QMetaType::QVariantList) {
        QVariantList list = value.toList();
        for (QVariant &entry : list)
            entry = plainValue(entry);
        return list;
    }
    if (value.userType() == QMetaType::QVariantMap) {
        QVariantMap map = value.toMap();
        for (QVariant &entry : map)
            entry = plainValue(entry);
        return map;
    }
    return value;
}

QVariantMap plainProperties(const QVariantMap &properties)
{
    return plainValue(properties).toMap();
}

std::optional<StateReport> readState()
{
    const QDBusMessage reply = callNorrid(QStringLiteral("org.freedesktop.DBus.Properties"),
                                          QStringLiteral("GetAll"), {QString(BusNames::interface)});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    return StateReport::fromProperties(plainProperties(qdbus_cast<QVariantMap>(reply.arguments().first())));
}

QByteArray formatted(const StateReport &report, Format format)
{
    switch (format) {
    case Format::json:
        return report.json();
    case Format::waybar:
        return report.waybar();
    case Format::human:
        break;
    }
    return report.humanLine().toUtf8();
}

// Prints a line on every change of Norrid's state, until Norrid quits: a bar runs `status
// --follow` once and never polls.
class StatusFollower : public QObject
{
    Q_OBJECT

public:
    explicit StatusFollower(Format format) : m_format(format)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        // The owner's unique name: signals from it are matched at once, without waiting for the
        // bus to say who owns the well-known one.
        const QString owner = bus.interface()->serviceOwner(BusNames::service).value();
        m_listening = !owner.isEmpty() && bus.connect(owner, BusNames::objectPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("PropertiesChanged"), this,
                                                      SLOT(changed(QString, QVariantMap, QStringList)));
        m_watcher.setConnection(bus);
        m_watcher.addWatchedService(BusNames::service);
        m_watcher.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
                [] { QCoreApplication::quit(); });
    }

    bool isListening() const { return m_listening; }

    // Reads the whole state and prints it; false when Norrid is gone.
    bool printState()
    {
        m_report = readState();
        if (!m_report)
            return false;
        printIfChanged();
        return true;
    }

public Q_SLOTS:
    // A change carries the new values: the state is kept up to date from them, without asking
    // Norrid again (a poll that changes nothing changes only LastUpdated). Changes queued while the
    // first read was under way are older than it, and taken in order they end at the same state.
    void changed(const QString &interfaceName, const QVariantMap &changed, const QStringList &invalidated)
    {
        if (interfaceName != BusNames::interface)
            return;
        if (!m_report || !invalidated.isEmpty()) {
            printState();
            return;
        }
        m_report->apply(plainProperties(changed));
        printIfChanged();
    }

private:
    // A line when it reads otherwise than the one before.
    void printIfChanged()
    {
        const QByteArray line = formatted(*m_report, m_format);
        if (line != m_last)
            print(m_last = line);
    }

    Format m_format;
    std::optional<StateReport> m_report;
    QByteArray m_last;
    QDBusServiceWatcher m_watcher;
    bool m_listening = false;
};

int status(Format format, bool follow)
{
    if (!isRunning())
        return notRunning();
    if (!follow) {
        const auto report = readState();
        if (!report)
            return notRunning();
        print(formatted(*report, format));
        return 0;
    }
    // Listening first, then the first line: no change can fall between the two.
    StatusFollower follower(format);
    if (!follower.isListening() || !follower.printState())
        return notRunning();
    return QCoreApplication::exec();
}

int act(const QString &method, const QVariantList &arguments = {})
{
    if (!isRunning())
        return notRunning();
    const QDBusMessage reply = callNorrid(QString(BusNames::interface), method, arguments);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return 0;
    if (!isRunning())
        return notRunning();
    std::fprintf(stderr, "norrid: %s\n", qPrintable(reply.errorMessage()));
    return 1;
}

QDBusMessage callDesktop(const QString &service, const QString &path, const QString &interface,
                         const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    call.setAutoStartService(false);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
}

// The desktop as the command sees it (the same session bus as Norrid), then what the running
// Norrid says; without one, what can be said without it.
int diagnose()
{
    DiagnosticReport report;
    report.addLocal(
        QStringLiteral("%1 (build %2)")
            .arg(QLatin1StringView(BuildInfo::shortVersion), QLatin1StringView(BuildInfo::buildNumber)));
    const QString notifications = QStringLiteral("org.freedesktop.Notifications");
    const QString notificationsPath = QStringLiteral("/org/freedesktop/Notifications");
    const QDBusMessage server =
        callDesktop(notifications, notificationsPath, notifications, QStringLiteral("GetServerInformation"));
    const QDBusMessage capabilities =
        callDesktop(notifications, notificationsPath, notifications, QStringLiteral("GetCapabilities"));
    if (server.type() == QDBusMessage::ReplyMessage && server.arguments().size() >= 3) {
        const QVariantList info = server.arguments();
        report.add(
            QStringLiteral("Notification server"),
            QStringLiteral("%1, %2, %3").arg(info[0].toString(), info[1].toString(), info[2].toString()));
        report.add(QStringLiteral("Notification capabilities"),
                   capabilities.arguments().value(0).toStringList().join(QStringLiteral(", ")));
    } else {
        report.add(QStringLiteral("Notification server"), QStringLiteral("none answers"));
    }
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    const auto owned = [bus](const QString &name) { return bus && bus->isServiceRegistered(name).value(); };
    report.add(QStringLiteral("Tray host"), owned(QStringLiteral("org.kde.StatusNotifierWatcher"))
                                                ? QStringLiteral("StatusNotifierWatcher on the bus")
                                                : QStringLiteral("no StatusNotifierWatcher (XEmbed only)"));
    report.add(QStringLiteral("Keyring service"),
               owned(QStringLiteral("org.freedesktop.secrets")) ? QStringLiteral("Secret Service running")
               : owned(QStringLiteral("org.kde.kwalletd6")) || owned(QStringLiteral("org.kde.kwalletd5"))
                   ? QStringLiteral("KWallet running")
                   : QStringLiteral("none running"));
    const QDBusMessage facts = isRunning()
                                   ? callNorrid(QString(BusNames::interface), QStringLiteral("Diagnostics"))
                                   : QDBusMessage();
    if (facts.type() == QDBusMessage::ReplyMessage && !facts.arguments().isEmpty())
        report.addNorrid(qdbus_cast<QVariantMap>(facts.arguments().constFirst()));
    else
        report.add(QStringLiteral("Running Norrid"),
                   QStringLiteral("none: the tray, keyring, Jira and poll facts "
                                  "come from a running Norrid"));
    print(report.text().toUtf8());
    return 0;
}

// `norrid` and `norrid --autostart` start the application, which makes its own application object.
bool startsNorrid(const QStringList &arguments)
{
    return arguments.size() <= 1 ||
           std::all_of(arguments.begin() + 1, arguments.end(),
                       [](const QString &argument) { return argument == u"--autostart"; });
}

// A command, its help or its usage error, with the translators of the user's languages installed.
std::variant<int, CommandLine::Launch> runCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Watches one column of a Jira board from the tray. Without a command, starts Norrid "
                       "(or opens the popover of the Norrid that runs)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Shows this help."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Shows the version and the build number."));
    const QCommandLineOption autostart(
        QStringLiteral("autostart"),
        QCoreApplication::translate("CommandLine",
                                    "Starts as at login: opens nothing if Norrid runs already."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QCoreApplication::translate("CommandLine", "status: one JSON object."));
    const QCommandLineOption waybar(
        QStringLiteral("waybar"),
        QCoreApplication::translate("CommandLine", "status: what waybar's custom module reads."));
    const QCommandLineOption follow(
        QStringLiteral("follow"),
        QCoreApplication::translate("CommandLine",
                                    "status: a new line on every change, until Norrid quits."));
    parser.addOptions({help, version, autostart, json, waybar, follow});
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "command"),
        QCoreApplication::translate("CommandLine", "status, refresh, popover (opens or closes it), settings, "
                                                   "quit, or snooze 30m|1h|4h|tomorrow|off."),
        QCoreApplication::translate("CommandLine", "[command]"));
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        print(parser.helpText().toUtf8().trimmed());
        return 0;
    }
    if (parser.isSet(version)) {
        print(QCoreApplication::translate("CommandLine", "Norrid %1 (build %2)")
                  .arg(QLatin1StringView(BuildInfo::shortVersion), QLatin1StringView(BuildInfo::buildNumber))
                  .toUtf8());
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    const QString command = positional.value(0);
    if (command == u"snooze") {
        static const QStringList lengths{QStringLiteral("30m"), QStringLiteral("1h"), QStringLiteral("4h"),
                                         QStringLiteral("tomorrow"), QStringLiteral("off")};
        if (positional.size() != 2 || !lengths.contains(positional.at(1)))
            return usage(
                QCoreApplication::translate("CommandLine", "snooze takes 30m, 1h, 4h, tomorrow or off"));
        return act(QStringLiteral("Snooze"), {positional.at(1)});
    }
    if (positional.size() > 1)
        return usage(QCoreApplication::translate("CommandLine", "one command at a time"));
    // The report stays English: it goes to whoever fixes Norrid.
    if (command == u"diagnose")
        return diagnose();
    const bool statusOptions = parser.isSet(json) || parser.isSet(waybar) || parser.isSet(follow);
    if (command.isEmpty()) {
        if (statusOptions)
            return usage(QCoreApplication::translate(
                "CommandLine", "--json, --waybar and --follow go with the status command"));
        return CommandLine::Launch{parser.isSet(autostart)};
    }
    if (command != u"status" && statusOptions)
        return usage(QCoreApplication::translate("CommandLine",
                                                 "--json, --waybar and --follow go with the status command"));
    if (parser.isSet(json) && parser.isSet(waybar))
        return usage(QCoreApplication::translate("CommandLine", "--json or --waybar, not both"));

    static const QHash<QString, QString> methods{{QStringLiteral("refresh"), QStringLiteral("Refresh")},
                                                 {QStringLiteral("popover"), QStringLiteral("TogglePopover")},
                                                 {QStringLiteral("settings"), QStringLiteral("OpenSettings")},
                                                 {QStringLiteral("quit"), QStringLiteral("Quit")}};
    if (command != u"status" && !methods.contains(command))
        return usage(QCoreApplication::translate("CommandLine", "unknown command “%1”").arg(command));

    if (command == u"status")
        return status(parser.isSet(json)     ? Format::json
                      : parser.isSet(waybar) ? Format::waybar
                                             : Format::human,
                      parser.isSet(follow));
    return act(methods.value(command));
}

} // namespace

std::variant<int, CommandLine::Launch> CommandLine::run(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCoreApplication::setApplicationName(QStringLiteral("norrid"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::shortVersion));
    if (startsNorrid(arguments))
        return Launch{arguments.contains(QStringLiteral("--autostart"))};
    // The help names the program "norrid", wherever it was started from.
    std::vector<char *> commandArgv(argv, argv + argc);
    char programName[] = "norrid";
    commandArgv.front() = programName;
    commandArgv.push_back(nullptr);
    int commandArgc = argc;
    QCoreApplication app(commandArgc, commandArgv.data());
    Translations::install(app);
    return runCommand(arguments);
}

#include "CommandLine.moc"
