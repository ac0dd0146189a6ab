#include "views/StateReport.h"

#include <QCoreApplication>
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
    if (status.isEmpty())
        return count == 1 ? QCoreApplication::translate("StateReport", "1 card")
                          : QCoreApplication::translate("StateReport", "%n cards", nullptr, count);
    return count == 1
               ? QCoreApplication::translate("StateReport", "1 card in %1").arg(status)
               : QCoreApplication::translate("StateReport", "%n cards in %1", nullptr, count).arg(status);
}

QVariantList cardMaps(const QList<StateReport::Card> &cards)
{
    QVariantList cardList;
    cardList.reserve(cards.size());
    for (const StateReport::Card &card : cards)
        cardList.append(QVariantMap{{QStringLiteral("key"), card.key},
                                    {QStringLiteral("summary"), card.summary},
                                    {QStringLiteral("assignee"), card.assignee},
                                    {QStringLiteral("updated"), card.updated},
                                    {QStringLiteral("url"), card.url}});
    return cardList;
}

QList<StateReport::Card> cardsFrom(const QVariant &value)
{
    QList<StateReport::Card> cards;
    for (const QVariant &entry : value.toList()) {
        const QVariantMap card = entry.toMap();
        cards.append(
            {card.value(QStringLiteral("key")).toString(), card.value(QStringLiteral("summary")).toString(),
             card.value(QStringLiteral("assignee")).toString(),
             card.value(QStringLiteral("updated")).toString(), card.value(QStringLiteral("url")).toString()});
    }
    return cards;
}

QJsonArray cardsJson(const QList<StateReport::Card> &cards)
{
    QJsonArray cardArray;
    for (const StateReport::Card &card : cards) {
        const auto orNull = [](const QString &text) {
            return text.isEmpty() ? QJsonValue() : QJsonValue(text);
        };
        cardArray.append(QJsonObject{{QStringLiteral("key"), card.key},
                                     {QStringLiteral("summary"), card.summary},
                                     {QStringLiteral("assignee"), orNull(card.assignee)},
                                     {QStringLiteral("updated"), orNull(card.updated)},
                                     {QStringLiteral("url"), orNull(card.url)}});
    }
    return cardArray;
}

// A column's line for a person: its count, its loading, or its problem.
QString columnLine(const StateReport::Column &column)
{
    if (column.state == u"ok")
        return countText(column.count, column.name);
    if (column.message.isEmpty())
        return QCoreApplication::translate("StateReport", "Loading the cards in %1…").arg(column.name);
    return QCoreApplication::translate("StateReport", "%1: %2")
        .arg(column.name, QString(column.message).replace(u'\n', u' '));
}

} // namespace

QVariantList StateReport::cardsProperty() const
{
    return cardMaps(cards);
}

QVariantList StateReport::columnsProperty() const
{
    QVariantList list;
    for (const Column &column : columns)
        list.append(QVariantMap{{QStringLiteral("name"), column.name},
                                {QStringLiteral("boardId"), column.boardId},
                                {QStringLiteral("status"), column.status},
                                {QStringLiteral("count"), column.count},
                                {QStringLiteral("state"), column.state},
                                {QStringLiteral("message"), column.message},
                                {QStringLiteral("cards"), cardMaps(column.cards)}});
    return list;
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
            {QStringLiteral("SnoozedUntil"), snoozedUntil},
            {QStringLiteral("Columns"), columnsProperty()}};
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
            cards = cardsFrom(value);
        } else if (name == u"Columns") {
            columns.clear();
            for (const QVariant &entry : value.toList()) {
                const QVariantMap column = entry.toMap();
                columns.append({column.value(QStringLiteral("name")).toString(),
                                column.value(QStringLiteral("boardId")).toString(),
                                column.value(QStringLiteral("status")).toString(),
                                column.value(QStringLiteral("count")).toInt(),
                                column.value(QStringLiteral("state")).toString(),
                                column.value(QStringLiteral("message")).toString(),
                                cardsFrom(column.value(QStringLiteral("cards")))});
            }
        }
    }
}

QString StateReport::humanLine() const
{
    QString line;
    if (columns.size() > 1 && state != u"setup" && state != u"keyring-locked") {
        QStringList lines;
        for (const Column &column : columns)
            lines.append(columnLine(column));
        line = lines.join(u'\n');
    } else if (state == u"ok")
        line = countText(count, status);
    else if (state == u"loading" && message.isEmpty())
        line = QCoreApplication::translate("StateReport", "Loading the cards in %1…").arg(status);
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
        line =
            QCoreApplication::translate("StateReport", "%1 (notifications snoozed until %2)").arg(line, when);
    }
    return line;
}

QByteArray StateReport::json() const
{
    QJsonArray columnArray;
    for (const Column &column : columns)
        columnArray.append(QJsonObject{{QStringLiteral("name"), column.name},
                                       {QStringLiteral("boardId"), column.boardId},
                                       {QStringLiteral("status"), column.status},
                                       {QStringLiteral("count"), column.count},
                                       {QStringLiteral("state"), column.state},
                                       {QStringLiteral("message"), column.message},
                                       {QStringLiteral("cards"), cardsJson(column.cards)}});
    const QJsonObject object{
        {QStringLiteral("count"), count},
        {QStringLiteral("status"), status},
        {QStringLiteral("state"), state},
        {QStringLiteral("message"), message},
        {QStringLiteral("lastUpdated"), lastUpdated.isEmpty() ? QJsonValue() : QJsonValue(lastUpdated)},
        {QStringLiteral("snoozedUntil"), snoozedUntil.isEmpty() ? QJsonValue() : QJsonValue(snoozedUntil)},
        {QStringLiteral("cards"), cardsJson(cards)},
        {QStringLiteral("columns"), columnArray}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray StateReport::waybar() const
{
    QStringList lines;
    for (const QString &line : humanLine().split(u'\n'))
        lines.append(markupEscaped(line));
    for (qsizetype i = 0; i < std::min(cards.size(), tooltipCards); ++i)
        lines.append(markupEscaped(cards[i].key + QStringLiteral(" — ") +
                                   QString(cards[i].summary).replace(u'\n', u' ')));
    if (cards.size() > tooltipCards)
        lines.append(QCoreApplication::translate("StateReport", "and %n more", nullptr,
                                                 int(cards.size() - tooltipCards)));
    const QJsonObject object{{QStringLiteral("text"), QString::number(count)},
                             {QStringLiteral("alt"), state},
                             {QStringLiteral("class"), state},
                             // Waybar breaks a tooltip's lines at carriage returns.
                             {QStringLiteral("tooltip"), lines.join(u'\r')}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}
