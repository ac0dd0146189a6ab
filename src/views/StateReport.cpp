#include "views/StateReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace {

// Cards the waybar tooltip lists; the rest are counted.
constexpr qsizetype tooltipCards = 10;

QString markupEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString countText(int count, const QString &status)
{
    return (count == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(count)) +
           (status.isEmpty() ? QString() : QStringLiteral(" in ") + status);
}

} // namespace

QVariantList StateReport::cardsProperty() const
{
    QVariantList cardList;
    cardList.reserve(cards.size());
    for (const Card &card : cards)
        cardList.append(QVariantMap{{QStringLiteral("key"), card.key},
                                    {QStringLiteral("summary"), card.summary},
                                    {QStringLiteral("assignee"), card.assignee},
                                    {QStringLiteral("updated"), card.updated},
                                    {QStringLiteral("url"), card.url}});
    return cardList;
}

QVariantMap StateReport::toProperties() const
{
    const QVariantList cardList = cardsProperty();
    return {{QStringLiteral("Count"), count},
            {QStringLiteral("Status"), status},
            {QStringLiteral("State"), state},
            {QStringLiteral("Message"), message},
            {QStringLiteral("LastUpdated"), lastUpdated},
            {QStringLiteral("Cards"), cardList},
            {QStringLiteral("SnoozedUntil"), snoozedUntil}};
}

StateReport StateReport::fromProperties(const QVariantMap &properties)
{
    StateReport report;
    report.apply(properties);
    return report;
}

void StateReport::apply(const QVariantMap &changed)
{
    for (auto property = changed.cbegin(); property != changed.cend(); ++property) {
        const QString &name = property.key();
        const QVariant &value = property.value();
        if (name == u"Count") {
            count = value.toInt();
        } else if (name == u"Status") {
            status = value.toString();
        } else if (name == u"State") {
            state = value.toString();
        } else if (name == u"Message") {
            message = value.toString();
        } else if (name == u"LastUpdated") {
            lastUpdated = value.toString();
        } else if (name == u"SnoozedUntil") {
            snoozedUntil = value.toString();
        } else if (name == u"Cards") {
            cards.clear();
            for (const QVariant &entry : value.toList()) {
                const QVariantMap card = entry.toMap();
                cards.append({card.value(QStringLiteral("key")).toString(),
                              card.value(QStringLiteral("summary")).toString(),
                              card.value(QStringLiteral("assignee")).toString(),
                              card.value(QStringLiteral("updated")).toString(),
                              card.value(QStringLiteral("url")).toString()});
            }
        }
    }
}

QString StateReport::humanLine() const
{
    QString line;
    if (state == u"ok")
        line = countText(count, status);
    else if (state == u"loading" && message.isEmpty())
        line = QStringLiteral("Loading the cards in %1…").arg(status);
    else // a message may run over lines; the line keeps them apart by spaces
        line = QString(message).replace(u'\n', u' ');
    const QDateTime until = QDateTime::fromString(snoozedUntil, Qt::ISODate);
    if (until.isValid()) {
        const QDateTime local = until.toLocalTime();
        const QLocale locale;
        const QString time = locale.toString(local.time(), QLocale::ShortFormat);
        const QString when = local.date() == QDate::currentDate()
                                 ? time
                                 : locale.toString(local.date(), QLocale::ShortFormat) + u' ' + time;
        line += QStringLiteral(" (notifications snoozed until %1)").arg(when);
    }
    return line;
}

QByteArray StateReport::json() const
{
    QJsonArray cardArray;
    for (const Card &card : cards) {
        const auto orNull = [](const QString &text) {
            return text.isEmpty() ? QJsonValue() : QJsonValue(text);
        };
        cardArray.append(QJsonObject{{QStringLiteral("key"), card.key},
                                     {QStringLiteral("summary"), card.summary},
                                     {QStringLiteral("assignee"), orNull(card.assignee)},
                                     {QStringLiteral("updated"), orNull(card.updated)},
                                     {QStringLiteral("url"), orNull(card.url)}});
    }
    const QJsonObject object{
        {QStringLiteral("count"), count},
        {QStringLiteral("status"), status},
        {QStringLiteral("state"), state},
        {QStringLiteral("message"), message},
        {QStringLiteral("lastUpdated"), lastUpdated.isEmpty() ? QJsonValue() : QJsonValue(lastUpdated)},
        {QStringLiteral("snoozedUntil"), snoozedUntil.isEmpty() ? QJsonValue() : QJsonValue(snoozedUntil)},
        {QStringLiteral("cards"), cardArray}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray StateReport::waybar() const
{
    QStringList lines{markupEscaped(humanLine())};
    for (qsizetype i = 0; i < std::min(cards.size(), tooltipCards); ++i)
        lines.append(markupEscaped(cards[i].key + QStringLiteral(" — ") +
                                   QString(cards[i].summary).replace(u'\n', u' ')));
    if (cards.size() > tooltipCards)
        lines.append(QStringLiteral("and %1 more").arg(cards.size() - tooltipCards));
    const QJsonObject object{{QStringLiteral("text"), QString::number(count)},
                             {QStringLiteral("alt"), state},
                             {QStringLiteral("class"), state},
                             // Waybar breaks a tooltip's lines at carriage returns.
                             {QStringLiteral("tooltip"), lines.join(u'\r')}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
