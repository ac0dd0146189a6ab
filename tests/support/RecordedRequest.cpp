#include "support/RecordedRequest.h"

#include <QStringList>
#include <QUrl>

namespace {

QString decodeComponent(QByteArray text)
{
    text.replace('+', ' ');
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text));
}

} // namespace

QByteArray RecordedRequest::header(QByteArrayView name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

bool RecordedRequest::hasHeader(QByteArrayView name) const
{
    for (const auto &entry : headers)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString RecordedRequest::queryValue(QStringView name) const
{
    for (const auto &[key, value] : query)
        if (key == name)
            return value;
    return {};
}

QStringList RecordedRequest::queryNames() const
{
    QStringList names;
    for (const auto &entry : query)
        names.append(entry.first);
    return names;
}

QList<std::pair<QString, QString>> RecordedRequest::decodeQuery(const QByteArray &rawQuery)
{
    QList<std::pair<QString, QString>> items;
    if (rawQuery.isEmpty())
        return items;
    for (const QByteArray &part : rawQuery.split('&')) {
        const qsizetype equals = part.indexOf('=');
        if (equals < 0)
            items.append({decodeComponent(part), QString()});
        else
            items.append({decodeComponent(part.left(equals)), decodeComponent(part.mid(equals + 1))});
    }
    return items;
}
