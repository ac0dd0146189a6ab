#include "jira/JiraGateway.h"

#include "jira/JiraSite.h"
#include "jira/JiraVerdict.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

QUrl testingOrigin;

QUrl gatewayOrigin()
{
    return testingOrigin.isEmpty() ? QUrl(QStringLiteral("https://api.atlassian.com")) : testingOrigin;
}

// A cloudId is a UUID; anything else would change the path it is put into.
bool isCloudId(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f-]{1,64}$"));
    return pattern.match(text).hasMatch();
}

} // namespace

bool JiraGateway::serves(const JiraSite &site)
{
    if (!testingOrigin.isEmpty())
        return true;
    return site.isValid() && site.isCloud();
}

QCoro::Task<JiraResult<JiraEndpoint>> JiraGateway::endpointFor(JiraSite site, JiraRequest::Limits limits)
{
    const std::optional<QUrl> tenantInfo = site.link(QStringLiteral("/_edge/tenant_info"));
    if (!tenantInfo)
        co_return JiraError::badURL();
    // No credentials: the cloudId is public, and the token goes nowhere it is not needed.
    auto answer = co_await JiraRequest::get(*tenantInfo, {}, limits);
    if (!answer.ok())
        co_return answer.error();
    auto body = JiraVerdict::read(std::move(answer.value()), JiraCredentialKind::gateway, site);
    if (!body.ok())
        co_return body.error();
    const QString cloudId =
        QJsonDocument::fromJson(body.value()).object().value(QLatin1String("cloudId")).toString();
    if (!isCloudId(cloudId))
        co_return JiraError::decoding(QStringLiteral("the site's tenant_info names no cloudId"));
    co_return JiraEndpoint{gatewayOrigin(), QStringLiteral("/ex/jira/") + cloudId};
}

void JiraGateway::setOriginForTesting(const QUrl &origin)
{
    testingOrigin = origin;
}
