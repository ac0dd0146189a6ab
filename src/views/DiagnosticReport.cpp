#include "views/DiagnosticReport.h"

const QStringList DiagnosticReport::norridFacts{
    QStringLiteral("Tray"),          QStringLiteral("Keyring"),     QStringLiteral("Jira site"),
    QStringLiteral("Jira read"),     QStringLiteral("Gateway"),     QStringLiteral("Proxy"),
    QStringLiteral("Columns"),       QStringLiteral("Last poll"),   QStringLiteral("Last poll result"),
    QStringLiteral("Last poll error"), QStringLiteral("Snoozed until")};

void DiagnosticReport::add(const QString &name, const QString &value)
{
    // One line each: a value can never start a line of its own that reads as another fact.
    lines.append({name, QString(value).replace(u'\n', u' ').replace(u'\r', u' ')});
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
