#include "updates/AppcastParser.h"

#include "updates/VersionComparator.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

namespace {

// The enclosure's own attributes, used where the item has no element of the same meaning.
struct Enclosure
{
    QString url;
    QString version;
    QString shortVersion;
};

QString sparkle()
{
    return QString::fromLatin1(AppcastParser::sparkleNamespace);
}

bool isSparkle(const QXmlStreamReader &reader)
{
    return reader.namespaceUri() == sparkle();
}

bool isPlain(const QXmlStreamReader &reader)
{
    return reader.namespaceUri().isEmpty();
}

QString text(QXmlStreamReader &reader)
{
    return reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
}

QUrl resolveLink(const QString &link, const QUrl &feedURL)
{
    if (link.isEmpty())
        return {};
    QUrl url(link.trimmed());
    if (url.isRelative())
        url = feedURL.resolved(url);
    const QString scheme = url.scheme();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"https" && scheme != u"http"))
        return {};
    return url;
}

void readInformational(QXmlStreamReader &reader, AppcastItem &item)
{
    item.informational = true;
    while (reader.readNextStartElement()) {
        if (isSparkle(reader) && reader.name() == u"version")
            item.informationalVersions.append(text(reader));
        else
            reader.skipCurrentElement();
    }
}

void readCritical(QXmlStreamReader &reader, AppcastItem &item)
{
    item.critical = true;
    item.criticalBelowVersion =
        reader.attributes().value(sparkle(), QStringLiteral("version")).toString().trimmed();
    reader.skipCurrentElement();
}

// Older feeds put the critical mark inside sparkle:tags.
void readTags(QXmlStreamReader &reader, AppcastItem &item)
{
    while (reader.readNextStartElement()) {
        if (isSparkle(reader) && reader.name() == u"criticalUpdate")
            readCritical(reader, item);
        else
            reader.skipCurrentElement();
    }
}

Enclosure readEnclosure(QXmlStreamReader &reader, AppcastItem &item)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    Enclosure enclosure{
        attributes.value(QStringLiteral("url")).toString(),
        attributes.value(sparkle(), QStringLiteral("version")).toString().trimmed(),
        attributes.value(sparkle(), QStringLiteral("shortVersionString")).toString().trimmed()};
    bool ok = false;
    const qint64 length = attributes.value(QStringLiteral("length")).toLongLong(&ok);
    item.contentLength = ok && length >= 0 ? length : -1;
    item.edSignature = attributes.value(sparkle(), QStringLiteral("edSignature")).toString().trimmed();
    reader.skipCurrentElement();
    return enclosure;
}

// Feeds often carry a weekday that does not match the date; the date is what counts.
QDateTime readDate(const QString &text)
{
    const qsizetype comma = text.indexOf(u',');
    return QDateTime::fromString(comma < 0 ? text : text.mid(comma + 1).trimmed(), Qt::RFC2822Date);
}

std::optional<AppcastItem> readItem(QXmlStreamReader &reader, const QUrl &feedURL)
{
    AppcastItem item;
    Enclosure enclosure;
    QString version;
    QString shortVersion;
    while (reader.readNextStartElement()) {
        const QStringView name = reader.name();
        if (isSparkle(reader)) {
            if (name == u"version")
                version = text(reader);
            else if (name == u"shortVersionString")
                shortVersion = text(reader);
            else if (name == u"releaseNotesLink")
                item.releaseNotesURL = resolveLink(text(reader), feedURL);
            else if (name == u"fullReleaseNotesLink")
                item.fullReleaseNotesURL = resolveLink(text(reader), feedURL);
            else if (name == u"minimumSystemVersion")
                item.minimumSystemVersion = text(reader);
            else if (name == u"informationalUpdate")
                readInformational(reader, item);
            else if (name == u"criticalUpdate")
                readCritical(reader, item);
            else if (name == u"tags")
                readTags(reader, item);
            else
                reader.skipCurrentElement();
        } else if (isPlain(reader)) {
            if (name == u"title")
                item.title = text(reader);
            else if (name == u"description")
                item.itemDescription =
                    reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            else if (name == u"link")
                item.infoURL = resolveLink(text(reader), feedURL);
            else if (name == u"pubDate")
                item.date = readDate(text(reader));
            else if (name == u"enclosure")
                enclosure = readEnclosure(reader, item);
            else
                reader.skipCurrentElement();
        } else {
            reader.skipCurrentElement();
        }
    }
    item.version = !version.isEmpty() ? version : enclosure.version;
    if (item.version.isEmpty())
        return std::nullopt;
    if (!shortVersion.isEmpty())
        item.displayVersion = shortVersion;
    else if (!enclosure.shortVersion.isEmpty())
        item.displayVersion = enclosure.shortVersion;
    else
        item.displayVersion = item.version;
    item.downloadURL = resolveLink(enclosure.url, feedURL);
    return item;
}

QString readError(const QXmlStreamReader &reader)
{
    return QCoreApplication::translate("AppcastParser", "The update feed could not be read: %1 (line %2).")
        .arg(reader.errorString())
        .arg(reader.lineNumber());
}

} // namespace

AppcastParser::Result AppcastParser::parse(const QByteArray &document, const QUrl &feedURL)
{
    Result result;
    if (document.trimmed().isEmpty()) {
        result.error =
            QCoreApplication::translate("AppcastParser", "The update feed could not be read: it is empty.");
        return result;
    }
    QXmlStreamReader reader(document);
    if (!reader.readNextStartElement()) {
        result.error = readError(reader);
        return result;
    }
    if (reader.name() != u"rss" || !isPlain(reader)) {
        result.error = QCoreApplication::translate(
            "AppcastParser", "The update feed could not be read: it is not an RSS feed.");
        return result;
    }
    // Items sit in rss/channel; anything else at either level is skipped.
    while (reader.readNextStartElement()) {
        if (reader.name() != u"channel" || !isPlain(reader)) {
            reader.skipCurrentElement();
            continue;
        }
        while (reader.readNextStartElement()) {
            if (reader.name() == u"item" && isPlain(reader)) {
                if (std::optional<AppcastItem> item = readItem(reader, feedURL))
                    result.items.append(std::move(*item));
            } else {
                reader.skipCurrentElement();
            }
        }
    }
    // Read to the end so that a broken tail is reported too, not silently ignored.
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError()) {
        result.items.clear();
        result.error = readError(reader);
    }
    return result;
}

std::optional<AppcastItem> AppcastParser::newest(const QList<AppcastItem> &items)
{
    const AppcastItem *best = nullptr;
    for (const AppcastItem &item : items) {
        if (!best || VersionComparator::compare(item.version, best->version) > 0)
            best = &item;
    }
    return best ? std::optional<AppcastItem>(*best) : std::nullopt;
}
