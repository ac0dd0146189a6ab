#include "jira/JiraServerInfo.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

std::optional<JiraServerInfo> JiraServerInfo::decode(const QByteArray &body)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue deploymentType = object.value(QLatin1String("deploymentType"));
    const QJsonValue version = object.value(QLatin1String("version"));
    if (!deploymentType.isString() && !version.isString())
        return std::nullopt;
    // Shown in the settings window: only what a version number is made of.
    static const QRegularExpression plainVersion(QStringLiteral("^[0-9][0-9A-Za-z.\\-]{0,31}$"));
    QString versionText = version.toString();
    if (!plainVersion.match(versionText).hasMatch())
        versionText.clear();
    return JiraServerInfo{deploymentType.toString(), versionText};
}

QString JiraServerInfo::name() const
{
    if (deploymentType == u"Cloud")
        return QStringLiteral("Jira Cloud");
    QString product = QStringLiteral("Jira");
    if (deploymentType == u"DataCenter")
        product = QStringLiteral("Jira Data Center");
    else if (deploymentType == u"Server")
        product = QStringLiteral("Jira Server");
    return version.isEmpty() ? product : product + u' ' + version;
}
