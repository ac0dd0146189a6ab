#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariantMap>

// What a bug report needs, as "name: value" lines: the desktop's part (gathered where the report is
// made) and the running Norrid's part (its D-Bus Diagnostics() answer). Never the token, the email or
// a card's text: only the facts named below go in, each one as plain text on one line.
struct DiagnosticReport
{
    QList<QPair<QString, QString>> lines;

    void add(const QString &name, const QString &value);
    // What this process can tell without asking anyone: Norrid's version (given, with its build),
    // Qt's, the distribution, the desktop, the session type and the sound server.
    void addLocal(const QString &version);
    // The running Norrid's facts in a fixed order; an absent one is left out.
    void addNorrid(const QVariantMap &facts);
    QString text() const;

    // The names of the running Norrid's facts, in the order they are printed.
    static const QStringList norridFacts;
};
