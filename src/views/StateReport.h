#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <optional>

// Norrid's state as other programs read it (bars, scripts, `norrid status`): what the running
// Norrid publishes on the session bus, and the texts the command line prints from it. Reading it
// never asks Jira anything.
struct StateReport
{
    struct Card
    {
        QString key;
        QString summary;
        QString assignee; // empty: nobody
        QString updated;  // ISO 8601; empty: unknown
        QString url;      // empty: no link
        friend bool operator==(const Card &, const Card &) = default;
    };

    // One watched column, when several are watched.
    struct Column
    {
        QString name; // its name, else its status
        QString boardId;
        QString status;
        int count = 0;
        QString state = QStringLiteral("loading"); // as the whole's, without setup and keyring-locked
        QString message;                           // its problem; empty when it has none
        QList<Card> cards;                         // newest first
        friend bool operator==(const Column &, const Column &) = default;
    };

    int count = 0;
    QString status;                          // the watched column
    QString state = QStringLiteral("setup"); // ok, loading, error, setup, keyring-locked, paused
    QString message;                         // what the user reads about it
    QString lastUpdated;                     // ISO 8601; empty until the first successful poll
    QList<Card> cards;                       // newest first
    QString snoozedUntil;                    // ISO 8601; empty when notifications are not snoozed
    QList<Column> columns;                   // every watched column, in the settings' order

    friend bool operator==(const StateReport &, const StateReport &) = default;

    // The D-Bus properties, by name (Count, Status, State, Message, LastUpdated, Cards, SnoozedUntil,
    // Columns), and back.
    QVariantMap toProperties() const;
    QVariantList cardsProperty() const;
    QVariantList columnsProperty() const;
    static StateReport fromProperties(const QVariantMap &properties);
    // Takes the properties named in `changed` (as PropertiesChanged carries them); keeps the rest.
    void apply(const QVariantMap &changed);

    // One line for a person: "3 cards in In Review", or the message when something is wrong; then,
    // while snoozed, " (notifications snoozed until {time})". With several columns, a line for each.
    QString humanLine() const;
    // One JSON object: count, status, state, message, lastUpdated (or null), snoozedUntil (or null),
    // cards, and columns (name, boardId, status, count, state, message, cards).
    QByteArray json() const;
    // What waybar's custom module reads with "return-type": "json": text (the count), alt and class
    // (the state), tooltip (the column and the newest cards; with several columns, a line for each). Waybar
    // reads Pango markup in text and tooltip, so Jira's words are escaped there.
    QByteArray waybar() const;
};
