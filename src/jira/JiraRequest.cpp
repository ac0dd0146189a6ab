#include "jira/JiraRequest.h"

#include "jira/Network.h"
#include "logging/LogCategories.h"

#include <QCoreApplication>
#include <QCoroNetworkReply>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslError>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <memory>

namespace {

std::chrono::milliseconds transferTimeout = JiraRequest::defaultTransferTimeout;
std::chrono::milliseconds totalDeadline = JiraRequest::defaultTotalDeadline;

// Deletes a reply that may still be running. The coroutine that owns it may be destroyed while it
// waits, so every connection to the reply goes first: none may reach the dead frame afterwards.
struct ReplyDisposer
{
    void operator()(QNetworkReply *reply) const
    {
        reply->disconnect();
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
    }
};
using ReplyPointer = std::unique_ptr<QNetworkReply, ReplyDisposer>;

// What one exchange gave: either a failure, or the answer with its redirect target.
struct Exchange
{
    std::optional<JiraError> failure;
    JiraAnswer answer;
    QUrl location;
};

struct Download
{
    QByteArray body;
    bool tooLarge = false;
    bool cancelled = false;
    QList<QSslError> sslErrors;
};

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

QString originOf(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment)
        .toString();
}

bool sameOrigin(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host() == b.host() && a.port(443) == b.port(443);
}

JiraError timeoutError()
{
    return JiraError::transport(QCoreApplication::translate("JiraRequest", "The request to Jira timed out."));
}

JiraError cancelledError()
{
    return JiraError::transport(
        QCoreApplication::translate("JiraRequest", "The request to Jira was cancelled."));
}

JiraError tooLargeError()
{
    return JiraError::decoding(QStringLiteral("the response is larger than %1 MiB")
                                   .arg(JiraRequest::maximumBodySize / (1024 * 1024)));
}

// Qt's transfer timeout and the total deadline both end a reply as "Operation canceled" (the other
// aborts, of an oversized body or a cancelled scope, are told apart before); the user should read
// that the request timed out. A certificate that fails verification is named as such: Qt's own
// text only describes the chain.
JiraError transportError(const QNetworkReply &reply, const QList<QSslError> &sslErrors)
{
    switch (reply.error()) {
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TimeoutError:
        return timeoutError();
    case QNetworkReply::SslHandshakeFailedError:
        if (!sslErrors.isEmpty())
            return JiraError::transport(
                QCoreApplication::translate(
                    "JiraRequest", "The certificate of the Jira site is not trusted (%1). Norrid sends your "
                                   "credentials only to a site whose certificate your system trusts.")
                    .arg(sslErrors.first().errorString()));
        return JiraError::transport(reply.errorString());
    default:
        return JiraError::transport(reply.errorString());
    }
}

void stopWhenTooLarge(QNetworkReply *reply, Download &download, qint64 size)
{
    if (download.tooLarge || size <= JiraRequest::maximumBodySize)
        return;
    download.tooLarge = true;
    // Queued: aborting inside the reply's own signal would resume the waiting coroutine in the
    // middle of this handler.
    QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
}

// Sends one GET and waits for all of it, reading the body as it arrives so an oversized one is cut
// off early instead of being buffered whole.
QCoro::Task<Exchange> exchange(const QNetworkRequest &request, const JiraRequest::Limits &limits)
{
    QElapsedTimer took;
    took.start();
    ReplyPointer reply(Network::shared().get(request));
    Download download;
    QNetworkReply *raw = reply.get();
    // The deadline and the end of the cancel scope both abort the reply: the first reads as the
    // time-out error, the second as a cancelled request whose result nobody reads any more.
    QTimer deadline;
    deadline.setSingleShot(true);
    // Queued, as below: the abort resumes this coroutine, which must not end (and destroy the
    // timer) in the middle of the timer's own signal.
    QObject::connect(&deadline, &QTimer::timeout, raw,
                     [raw] { QMetaObject::invokeMethod(raw, &QNetworkReply::abort, Qt::QueuedConnection); });
    if (const qint64 remaining = limits.deadline.remainingTime(); remaining >= 0) // -1: no deadline
        deadline.start(int(std::min<qint64>(remaining, std::numeric_limits<int>::max())));
    // The timer is the context, not the reply: the reply outlives this frame (it is deleted later),
    // and a scope that ends after the frame must not reach `download` any more.
    if (limits.cancelScope)
        QObject::connect(limits.cancelScope, &QObject::destroyed, &deadline, [raw, &download] {
            download.cancelled = true;
            QMetaObject::invokeMethod(raw, &QNetworkReply::abort, Qt::QueuedConnection);
        });
    QObject::connect(raw, &QNetworkReply::metaDataChanged, raw, [raw, &download] {
        const QVariant length = raw->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            stopWhenTooLarge(raw, download, length.toLongLong());
    });
    QObject::connect(raw, &QNetworkReply::sslErrors, raw,
                     [&download](const QList<QSslError> &errors) { download.sslErrors = errors; });
    QObject::connect(raw, &QNetworkReply::readyRead, raw, [raw, &download] {
        if (download.tooLarge)
            return;
        download.body += raw->readAll();
        stopWhenTooLarge(raw, download, download.body.size());
    });

    co_await raw;
    if (!download.tooLarge && raw->isOpen())
        download.body += raw->readAll();
    stopWhenTooLarge(raw, download, download.body.size());

    deadline.stop();
    const QVariant statusAttribute = raw->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // The path alone: the query holds the JQL, the headers the credentials.
    qCDebug(norridJira).noquote() << "GET" << request.url().path() << "status"
                                  << (statusAttribute.isValid() ? statusAttribute.toString()
                                                                : QStringLiteral("none"))
                                  << took.elapsed() << "ms";
    const QNetworkReply::NetworkError error = raw->error();
    Exchange result;
    JiraAnswer &answer = result.answer;
    if (download.cancelled) {
        result.failure = cancelledError();
        co_return result;
    }
    if (!statusAttribute.isValid()) {
        result.failure = error == QNetworkReply::NoError ? JiraError::transport(QCoreApplication::translate(
                                                               "JiraRequest", "No HTTP response from Jira."))
                                                         : transportError(*raw, download.sslErrors);
        co_return result;
    }
    answer.status = statusAttribute.toInt();
    answer.retryAfter = raw->rawHeader("Retry-After");
    answer.loginReason = raw->rawHeader("X-Seraph-LoginReason");
    answer.deniedReason = raw->rawHeader("X-Authentication-Denied-Reason");
    if (isSuccess(answer.status)) {
        // A 2xx whose body did not arrive whole is no answer at all.
        if (download.tooLarge)
            result.failure = tooLargeError();
        else if (error != QNetworkReply::NoError)
            result.failure = transportError(*raw, download.sslErrors);
        else
            answer.body = std::move(download.body);
        co_return result;
    }
    // Jira explains a 400 in its body, e.g. which word of the team filter it did not understand, and
    // a 403 whether the site takes no Basic credentials at all.
    if ((answer.status == 400 || answer.status == 403) && !download.tooLarge)
        answer.body = std::move(download.body);
    const QUrl location = QUrl::fromEncoded(raw->rawHeader("Location"), QUrl::StrictMode);
    if (location.isValid() && !location.isEmpty())
        result.location = request.url().resolved(location);
    co_return result;
}

bool isFollowedRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

QNetworkRequest makeRequest(const QUrl &url, const QByteArray &authorization)
{
    QNetworkRequest request(url);
    if (!authorization.isEmpty())
        request.setRawHeader("Authorization", authorization);
    request.setRawHeader("Accept", "application/json");
    request.setTransferTimeout(static_cast<int>(transferTimeout.count()));
    // Qt would otherwise carry the Authorization header to any https origin a server names.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    // Every request stands on its credentials alone: a session cookie from an earlier answer could
    // make a request with a wrong token succeed, so none is sent or kept.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    return request;
}

// Whether the credentials may follow a redirect, and the error when they may not.
std::optional<JiraError> refuseRedirect(const QUrl &from, const QUrl &to)
{
    if (!to.isValid() || to.scheme() != u"https")
        return JiraError::transport(
            QCoreApplication::translate(
                "JiraRequest",
                "Jira redirected the request to an address that is not secure (%1). Norrid sends "
                "your credentials over HTTPS only.")
                .arg(originOf(to)));
    if (!sameOrigin(from, to))
        return JiraError::transport(
            QCoreApplication::translate("JiraRequest", "Jira redirected the request to another site (%1). If "
                                                       "your Jira site has moved, enter its new address.")
                .arg(originOf(to)));
    return std::nullopt;
}

} // namespace

JiraRequest::Limits JiraRequest::Limits::fromNow(const QObject *cancelScope)
{
    return {QDeadlineTimer(totalDeadline), cancelScope};
}

QCoro::Task<JiraResult<JiraAnswer>> JiraRequest::get(QUrl url, QByteArray authorization, Limits limits)
{
    QNetworkRequest request = makeRequest(url, authorization);
    const QPointer<const QObject> scope(limits.cancelScope);
    for (int redirects = 0;; ++redirects) {
        if (limits.cancelScope && !scope)
            co_return cancelledError();
        if (limits.deadline.hasExpired())
            co_return timeoutError();
        Exchange exchanged = co_await exchange(request, limits);
        if (exchanged.failure)
            co_return *exchanged.failure;
        if (isFollowedRedirect(exchanged.answer.status) && !exchanged.location.isEmpty()) {
            if (const auto refusal = refuseRedirect(request.url(), exchanged.location))
                co_return *refusal;
            if (redirects == maximumRedirects)
                co_return JiraError::transport(QCoreApplication::translate(
                    "JiraRequest", "Jira redirected the request too many times."));
            request.setUrl(exchanged.location);
            continue;
        }
        co_return std::move(exchanged.answer);
    }
}

void JiraRequest::setTransferTimeoutForTesting(std::chrono::milliseconds timeout)
{
    transferTimeout = timeout.count() > 0 ? timeout : defaultTransferTimeout;
}

void JiraRequest::setTotalDeadlineForTesting(std::chrono::milliseconds deadline)
{
    totalDeadline = deadline.count() > 0 ? deadline : defaultTotalDeadline;
}
