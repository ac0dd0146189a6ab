#include "jira/BoardAddress.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

std::optional<QString> BoardAddress::boardId(const QString &address)
{
    QString text = address.trimmed();
    if (!text.contains(QLatin1String("://")))
        text.prepend(QStringLiteral("https://"));
    const QUrl url(text);
    if (!url.isValid())
        return std::nullopt;
    static const QRegularExpression boardsPath(QStringLiteral("/boards/([0-9]+)(/|$)"));
    if (const QRegularExpressionMatch match = boardsPath.match(url.path()); match.hasMatch())
        return match.captured(1);
    if (url.path().endsWith(QLatin1String("/RapidBoard.jspa"))) {
        static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
        const QString view = QUrlQuery(url).queryItemValue(QStringLiteral("rapidView"));
        if (number.match(view).hasMatch())
            return view;
    }
    return std::nullopt;
}
