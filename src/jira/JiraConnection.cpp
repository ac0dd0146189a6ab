#include "jira/JiraConnection.h"

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

QByteArray basicAuthorization(const JiraConfig &config)
{
    return "Basic " + (config.email + u':' + config.token).toUtf8().toBase64();
}

QCoro::Task<JiraResult<QByteArray>> getAt(JiraEndpoint endpoint, QByteArray authorization, QString path,
                                          QString query, JiraRequest::Limits limits)
{
    const std::optional<QUrl> url = endpoint.url(path, query);
    if (!url)
        co_return JiraError::badURL();
    auto answer = co_await JiraRequest::get(*url, std::move(authorization), limits);
    if (!answer.ok())
        co_return answer.error();
    co_return JiraVerdict::read(std::move(answer.value()));
}

bool rejectsCredentials(const JiraResult<QByteArray> &result)
{
    return !result.ok() && result.error().credentialsRejected();
}

} // namespace

QCoro::Task<JiraResult<QByteArray>> JiraConnection::get(JiraConfig config, std::shared_ptr<JiraRoute> route,
                                                        QString path, QueryItems query,
                                                        JiraRequest::Limits limits)
{
    if (config.email.isEmpty() || config.token.isEmpty() || JiraSite::trimmed(config.siteURL).isEmpty())
        co_return JiraError::notConfigured();
    // Credentials go over HTTPS only, and only to the host the address plainly shows.
    const JiraSite site = JiraSite::read(config.siteURL);
    if (site.problem())
        co_return *site.problem();
    const QByteArray authorization = basicAuthorization(config);
    const QString encoded = encodedQuery(query);
    if (route->gateway) {
        const JiraEndpoint gateway = *route->gateway;
        auto result = co_await getAt(gateway, authorization, path, encoded, limits);
        co_return result;
    }
    const JiraEndpoint siteEndpoint = site.endpoint();
    auto result = co_await getAt(siteEndpoint, authorization, path, encoded, limits);
    if (!rejectsCredentials(result) || !JiraGateway::serves(site.origin()))
        co_return result;
    // A scoped token: the site's host refuses it, Atlassian's gateway may take it.
    auto gateway = co_await JiraGateway::endpointFor(site.origin(), limits);
    if (!gateway.ok())
        co_return result;
    auto throughGateway = co_await getAt(gateway.value(), authorization, path, encoded, limits);
    if (rejectsCredentials(throughGateway))
        co_return result;
    route->gateway = gateway.value();
    co_return throughGateway;
}
