#pragma once

#include "updates/AppcastItem.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// Reads an appcast: an RSS 2.0 feed whose items carry the sparkle namespace
// ("http://www.andymatuschak.org/xml-namespaces/sparkle", under whatever prefix the feed binds).
namespace AppcastParser {

inline constexpr auto sparkleNamespace = "http://www.andymatuschak.org/xml-namespaces/sparkle";

struct Result
{
    // Items in feed order. Items without any version are left out: they cannot be compared.
    QList<AppcastItem> items;
    // Set when the document is not a readable RSS feed; a sentence to show as it is.
    std::optional<QString> error;
};

// Relative links are resolved against feedURL; links that end up neither https nor http are dropped.
Result parse(const QByteArray &document, const QUrl &feedURL);

// The item with the highest version, whatever the feed order; the first of equal versions wins.
std::optional<AppcastItem> newest(const QList<AppcastItem> &items);

} // namespace AppcastParser
