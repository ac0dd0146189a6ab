#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// One request as FakeJiraServer received it.
struct RecordedRequest
{
    QByteArray method;
    QString path;        // percent-decoded
    QByteArray rawPath;  // as sent
    QByteArray rawQuery; // as sent, without the "?"
    // Decoded the way Jira's servlet container does it: split at "&" and the first "=", "+" read
    // as a space, then percent-decoded as UTF-8. A client that leaves "+" or "&" unescaped in a
    // value shows up here with a changed value.
    QList<std::pair<QString, QString>> query;
    QList<std::pair<QByteArray, QByteArray>> headers;

    // The first header of that name (any letter case); empty when absent.
    QByteArray header(QByteArrayView name) const;
    bool hasHeader(QByteArrayView name) const;
    // The value of the first query item of that name; empty when absent.
    QString queryValue(QStringView name) const;
    QStringList queryNames() const;

    static QList<std::pair<QString, QString>> decodeQuery(const QByteArray &rawQuery);
};
