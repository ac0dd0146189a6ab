#include "views/DiagnosticReport.h"

#include <QFile>
#include <QFileInfo>

const QStringList DiagnosticReport::norridFacts{QStringLiteral("Tray"),
                                                QStringLiteral("Keyring"),
                                                QStringLiteral("Jira site"),
                                                QStringLiteral("Sign-in"),
                                                QStringLiteral("Jira read"),
                                                QStringLiteral("Gateway"),
                                                QStringLiteral("Proxy"),
                                                QStringLiteral("Columns"),
                                                QStringLiteral("Last poll"),
                                                QStringLiteral("Last poll result"),
                                                QStringLiteral("Last poll error"),
                                                QStringLiteral("Snoozed until")};

void DiagnosticReport::add(const QString &name, const QString &value)
{
    // One line each: a value can never start a line of its own that reads as another fact.
    lines.append({name, QString(value).replace(u'\n', u' ').replace(u'\r', u' ')});
}

namespace {

QString distribution()
{
    QFile osRelease(QStringLiteral("/etc/os-release"));
    if (!osRelease.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    for (const QByteArray &line : osRelease.readAll().split('\n')) {
        if (line.startsWith("PRETTY_NAME="))
            return QString::fromUtf8(line.mid(12)).remove(u'"');
    }
    return QStringLiteral("unknown");
}

QString sessionType()
{
    const QString type = qEnvironmentVariable("XDG_SESSION_TYPE");
    if (!type.isEmpty())
        return type;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("wayland");
    return qEnvironmentVariableIsEmpty("DISPLAY") ? QStringLiteral("unknown") : QStringLiteral("x11");
}

QString soundServer()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QFileInfo::exists(runtime + QStringLiteral("/pipewire-0")))
        return QStringLiteral("PipeWire");
    if (QFileInfo::exists(runtime + QStringLiteral("/pulse/native")))
        return QStringLiteral("PulseAudio");
    return QStringLiteral("none found");
}

} // namespace

void DiagnosticReport::addLocal(const QString &version)
{
    add(QStringLiteral("Norrid"), version);
    add(QStringLiteral("Qt"), QString::fromLatin1(qVersion()));
    add(QStringLiteral("Distribution"), distribution());
    add(QStringLiteral("Desktop"), qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    add(QStringLiteral("Session"), sessionType());
    add(QStringLiteral("Sound server"), soundServer());
}

void DiagnosticReport::addNorrid(const QVariantMap &facts)
{
    for (const QString &name : norridFacts) {
        if (facts.contains(name))
            add(name, facts.value(name).toString());
    }
}

QString DiagnosticReport::text() const
{
    QStringList out;
    for (const auto &[name, value] : lines)
        out.append(name + QStringLiteral(": ") + (value.isEmpty() ? QStringLiteral("-") : value));
    return out.join(u'\n');
}
