#include "jira/JiraExplanation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// One line of printable text, cut at the cap with an ellipsis.
QString oneCappedLine(const QString &text)
{
    QList<uint> printable = text.toUcs4();
    for (uint &c : printable) {
        if (!QChar::isPrint(char32_t(c)))
            c = u' ';
    }
    QString line =
        QString::fromUcs4(reinterpret_cast<const char32_t *>(printable.constData()), printable.size())
            .simplified();
    if (line.size() <= JiraExplanation::maximumLength)
        return line;
    line.truncate(JiraExplanation::maximumLength - 1);
    if (line.back().isHighSurrogate())
        line.chop(1);
    return line.trimmed() + u'\u2026';
}

} // namespace

QString JiraExplanation::read(const QByteArray &body)
{
    const QJsonObject document = QJsonDocument::fromJson(body).object();
    for (const QJsonValue message : document.value(QLatin1String("errorMessages")).toArray()) {
        if (const QString text = oneCappedLine(message.toString()); !text.isEmpty())
            return text;
    }
    const QJsonObject errors = document.value(QLatin1String("errors")).toObject();
    for (auto field = errors.begin(); field != errors.end(); ++field) {
        if (const QString text = oneCappedLine(field.value().toString()); !text.isEmpty())
            return text;
    }
    return {};
}
