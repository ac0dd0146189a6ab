#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

// One release as an appcast feed describes it. Links are absolute and use https or http; any other
// link in the feed is left empty here, so nothing downstream can open it.
struct AppcastItem
{
    QString title;
    // The machine version compared against the running build (the feed's sparkle:version).
    QString version;
    // The version shown to people: sparkle:shortVersionString, else the machine version.
    QString displayVersion;
    QUrl releaseNotesURL;
    QUrl fullReleaseNotesURL;
    // The item's description, often HTML; shown when there is no release-notes link.
    QString itemDescription;
    // The item's <link>: a page about the release, used when there is nothing to download.
    QUrl infoURL;
    QUrl downloadURL;
    qint64 contentLength = -1; // -1: not given
    QString edSignature;
    // The oldest system the release runs on, as the publisher wrote it. It names versions of the
    // publisher's other platforms, so Norrid keeps it for display and does not filter on it.
    QString minimumSystemVersion;
    QDateTime date;

    // sparkle:informationalUpdate: nothing to install, only a page to read. An empty list applies to
    // every running version; otherwise only to the versions listed.
    bool informational = false;
    QStringList informationalVersions;
    // sparkle:criticalUpdate: offered even when the user skipped it. A non-empty version limits it to
    // builds older than that version.
    bool critical = false;
    QString criticalBelowVersion;

    bool isInformationalFor(const QString &runningVersion) const;
    bool isCriticalFor(const QString &runningVersion) const;

    friend bool operator==(const AppcastItem &, const AppcastItem &) = default;
};
