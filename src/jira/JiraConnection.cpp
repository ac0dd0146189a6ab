#include "jira/JiraConnection.h"

#include "jira/JiraCredentials.h"
#include "jira/JiraGateway.h"
#include "jira/JiraSite.h"
#include "jira/JiraVerdict.h"

namespace {

// Names and values encoded so that they reach Jira unchanged (a space is %20, "&", "#", "+" and "="
// are escaped).
QString encodedQuery(const JiraConnection::QueryItems &query)
{
    QByteArray encoded;
    for (const auto &[name, value] : query) {
        if (!encoded.isEmpty())
            encoded += '&';
        encoded += QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value);
    }
    return QString::fromLatin1(encoded);
}

// One GET at an endpoint, read as an answer to the site. Without credentials nothing is signed.
QCoro::Task<JiraResult<QByteArray>> getAt(JiraEndpoint endpoint, std::optional<JiraCredentials> credentials,
                                          JiraSite site, QString path, QString query,
                                          JiraRequest::Limits limits)
{
    const std::optional<QUrl> url = endpoint.url(path, query);
    if (!url)
        co_return JiraError::badURL();
    // Named rather than a temporary in the co_await: GCC 12 mishandles temporaries of a conditional
    // expression that live across a suspension.
    QByteArray authorization;
    if (credentials)
        authorization = credentials->authorization();
    auto answer = co_await JiraRequest::get(*url, std::move(authorization), limits);
    if (!answer.ok())
        co_return answer.error();
    // A request without credentials has no login of its own to be turned down; its wording is moot.
    const JiraCredentialKind kind =
        credentials ? credentials->kind() : JiraCredentialKind::personalAccessToken;
    co_return JiraVerdict::read(std::move(answer.value()), kind, site);
}

bool rejectsCredentials(const JiraResult<QByteArray> &result)
{
    return !result.ok() && result.error().credentialsRejected();
}

// The site the configuration names, or why nothing may be sent to it.
JiraResult<JiraSite> siteOf(const JiraConfig &config)
{
    if (config.token.isEmpty() || JiraSite::trimmed(config.siteURL).isEmpty())
        return JiraError::notConfigured();
    // Credentials go over HTTPS only, and only to the host the address plainly shows.
    JiraSite site = JiraSite::read(config.siteURL);
    if (site.problem())
        return *site.problem();
    return site;
}

} // namespace

QCoro::Task<JiraResult<QByteArray>> JiraConnection::get(JiraConfig config, std::shared_ptr<JiraRoute> route,
                                                        QString path, QueryItems query,
                                                        JiraRequest::Limits limits)
{
    const JiraResult<JiraSite> checked = siteOf(config);
    if (!checked.ok())
        co_return checked.error();
    const JiraSite site = checked.value();
    const JiraCredentials credentials = JiraCredentials::of(config, site);
    if (credentials.kind() == JiraCredentials::Kind::personalAccessToken && site.isCloud())
        co_return JiraError::cloudNeedsEmail();
    const QString encoded = encodedQuery(query);
    const std::optional<JiraCredentials> forGateway = credentials.throughGateway();
    if (route->gateway && forGateway) {
        const JiraEndpoint gateway = *route->gateway;
        auto result = co_await getAt(gateway, forGateway, site, path, encoded, limits);
        co_return result;
    }
    auto result = co_await getAt(site.endpoint(), credentials, site, path, encoded, limits);
    if (!rejectsCredentials(result) || !forGateway || !JiraGateway::serves(site))
        co_return result;
    // A scoped token: the site's host refuses it, Atlassian's gateway may take it.
    auto gateway = co_await JiraGateway::endpointFor(site, limits);
    if (!gateway.ok())
        co_return result;
    auto throughGateway = co_await getAt(gateway.value(), forGateway, site, path, encoded, limits);
    if (rejectsCredentials(throughGateway))
        co_return result;
    route->gateway = gateway.value();
    co_return throughGateway;
}

QCoro::Task<JiraResult<QByteArray>> JiraConnection::getAnonymous(JiraConfig config, QString path,
                                                                 JiraRequest::Limits limits)
{
    const JiraResult<JiraSite> checked = siteOf(config);
    if (!checked.ok())
        co_return checked.error();
    auto result = co_await getAt(checked.value().endpoint(), std::nullopt, checked.value(), path, {}, limits);
    co_return result;
}
