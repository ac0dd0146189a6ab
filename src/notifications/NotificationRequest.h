#pragma once

#include <QMap>
#include <QString>
#include <optional>

// One notification as Norrid composes it, independent of the desktop that shows it.
struct NotificationRequest
{
    QString identifier;
    QString title;
    QString subtitle; // empty: none
    QString body;
    // The sound to play: none is silent, an empty name is the desktop's default sound, any other
    // name is one of Norrid's own sound files.
    std::optional<QString> sound;
    QString threadIdentifier;
    // What the notification is about, for servers that sort or filter by it ("x-norrid.card", …).
    QString category;
    QString attachmentPath; // a picture file; empty: none
    QMap<QString, QString> userInfo;
    // A named action beside the click ("Open", "Open Board"), for servers that show actions as
    // buttons and never invoke the click's default action; empty: none.
    QString actionLabel;

    friend bool operator==(const NotificationRequest &, const NotificationRequest &) = default;
};
