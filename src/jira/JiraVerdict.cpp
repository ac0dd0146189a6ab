#include "jira/JiraVerdict.h"

#include "jira/JiraExplanation.h"
#include "jira/JiraSite.h"

#include <QDateTime>
#include <QString>
#include <algorithm>
#include <limits>
#include <optional>

namespace {

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

// Atlassian names a failed or refused login in X-Seraph-LoginReason, on a 401, a 403 or even a 200.
bool loginRejected(const JiraAnswer &answer)
{
    return answer.loginReason.contains("AUTHENTICATED_FAILED") ||
           answer.loginReason.contains("AUTHENTICATION_DENIED");
}

// "CAPTCHA_CHALLENGE; login-url=https://jira.example.com/login.jsp": the login page, when it is
// one on the site; a link elsewhere is not offered.
std::optional<QUrl> captchaLoginPage(const QByteArray &deniedReason, const JiraSite &site)
{
    for (const QByteArray &part : deniedReason.split(';')) {
        const QByteArray item = part.trimmed();
        if (!item.startsWith("login-url="))
            continue;
        const QUrl page = QUrl::fromEncoded(item.mid(int(qstrlen("login-url="))), QUrl::StrictMode);
        if (site.holds(page))
            return page;
    }
    return std::nullopt;
}

// Jira Data Center with "Allow basic authentication on API calls" turned off answers a Basic
// request 403 with {"message":"Basic Authentication has been disabled on this instance."}.
bool basicAuthDisabled(const JiraAnswer &answer)
{
    return answer.status == 403 &&
           QString::fromUtf8(answer.body)
               .contains(QLatin1String("Basic Authentication has been disabled"), Qt::CaseInsensitive);
}

// Retry-After is either a number of seconds or an HTTP date; none when it is neither or has passed.
// Read in 64 bits and bounded by JiraError, so no value a server sends can overflow.
std::optional<qint64> retryAfterSeconds(const QByteArray &value)
{
    const QByteArray text = value.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        bool fits = false;
        const qint64 seconds = text.toLongLong(&fits);
        return fits ? seconds : std::numeric_limits<qint64>::max();
    }
    // HTTP dates end in "GMT", which Qt's RFC 2822 reader does not take for an offset.
    QString date = QString::fromLatin1(text);
    if (date.endsWith(QLatin1String(" GMT")))
        date = date.chopped(4) + QStringLiteral(" +0000");
    const QDateTime when = QDateTime::fromString(date, Qt::RFC2822Date);
    const qint64 wait = when.isValid() ? QDateTime::currentDateTimeUtc().secsTo(when) : -1;
    if (wait < 0)
        return std::nullopt;
    return wait;
}

} // namespace

JiraResult<QByteArray> JiraVerdict::read(JiraAnswer answer, JiraCredentialKind credentials,
                                         const JiraSite &site)
{
    if (answer.deniedReason.contains("CAPTCHA_CHALLENGE"))
        return JiraError::signInRequired(captchaLoginPage(answer.deniedReason, site));
    if (loginRejected(answer))
        return JiraError::unauthorized(answer.status, credentials, true);
    if (basicAuthDisabled(answer))
        return JiraError::basicAuthDisabled();
    // Any other 403 refuses the resource, not the credentials: the same text, but no pause.
    if (answer.status == 401 || answer.status == 403)
        return JiraError::unauthorized(answer.status, credentials, answer.status == 401);
    if (answer.status == 429)
        return JiraError::rateLimited(retryAfterSeconds(answer.retryAfter));
    if (!isSuccess(answer.status))
        return JiraError::http(answer.status, JiraExplanation::read(answer.body));
    return std::move(answer.body);
}
