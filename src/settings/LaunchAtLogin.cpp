#include "settings/LaunchAtLogin.h"

#include "settings/SystemLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

struct Entry
{
    bool exists = false;
    bool skipped = false; // Hidden=true or X-GNOME-Autostart-enabled=false
    QString exec;         // the raw value, as written in the file
};

// Reads the keys that matter from the [Desktop Entry] group; a line-based read, since QSettings
// would rewrite escapes and lists its own way.
Entry readEntry(const QString &path)
{
    Entry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entry;
    entry.exists = true;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QStringLiteral("Exec"))
            entry.exec = value;
        else if (key == QStringLiteral("Hidden") && value == QStringLiteral("true"))
            entry.skipped = true;
        else if (key == QStringLiteral("X-GNOME-Autostart-enabled") && value == QStringLiteral("false"))
            entry.skipped = true;
    }
    return entry;
}

QString runningProgram()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

// Quoting of one argument: needed when it holds a reserved character; inside the quotes a double
// quote, backtick, dollar sign and backslash take a backslash. A percent sign is a field code
// everywhere, so a literal one is doubled.
QString quoteArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    static const QString escapedInQuotes = QStringLiteral("\"`$\\");
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);
    QString quoted;
    if (needsQuotes) {
        quoted += QLatin1Char('"');
        for (const QChar c : argument) {
            if (escapedInQuotes.contains(c))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        quoted += QLatin1Char('"');
    } else {
        quoted = argument;
    }
    return quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
}

// The escapes of a string value, applied after the quoting (so a backslash ends up as four).
QString escapeValue(const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            escaped += QStringLiteral("\\\\");
            break;
        case '\n':
            escaped += QStringLiteral("\\n");
            break;
        case '\t':
            escaped += QStringLiteral("\\t");
            break;
        case '\r':
            escaped += QStringLiteral("\\r");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QByteArray entryText(const QString &exec)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.5\n"
                          "Name=Norrid\n"
                          "Comment=Watches one Jira board column from the tray\n"
                          "Exec=%1\n"
                          "Icon=app.norrid.Norrid\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(exec)
        .toUtf8();
}

bool fail(const QString &description)
{
    SystemLog::write(QStringLiteral("launch-at-login change failed"), description);
    return false;
}

bool writeEntry(const QString &path, const QString &exec)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("cannot create the folder %1").arg(folder));
    // Written beside the entry and renamed over it, so a desktop starting up never reads half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QByteArray text = entryText(exec);
    if (file.write(text) != text.size())
        return fail(file.errorString());
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

bool removeEntry(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    QFile file(path);
    if (!file.remove())
        return fail(file.errorString());
    return true;
}

} // namespace

namespace LaunchAtLogin {

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/app.norrid.Norrid.desktop");
}

bool isEnabled()
{
    const Entry entry = readEntry(entryPath());
    return entry.exists && !entry.skipped;
}

bool setEnabled(bool enabled)
{
    const QString path = entryPath();
    if (!enabled)
        return removeEntry(path);
    const QString exec = execValue(runningProgram());
    const Entry entry = readEntry(path);
    // An entry that still names this executable stays as it is; one for a program that has moved
    // since, or one the desktop was told to skip, is written anew.
    if (entry.exists && !entry.skipped && entry.exec == exec)
        return true;
    return writeEntry(path, exec);
}

QString execValue(const QString &program)
{
    // --autostart: when Norrid already runs, a start at login opens nothing.
    return escapeValue(quoteArgument(program)) + QStringLiteral(" --autostart");
}

} // namespace LaunchAtLogin
