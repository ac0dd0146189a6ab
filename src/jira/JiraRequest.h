#pragma once

#include "jira/JiraConfig.h"
#include "jira/JiraResult.h"

#include <QByteArray>
#include <QCoroTask>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <chrono>
#include <utility>

class QObject;

// One authenticated GET against the Jira site of a configuration: it checks the configuration,
// composes the URL, sends the credentials, follows redirects that stay on the same HTTPS origin,
// classifies the answer and hands back the body of a 2xx response. Used by JiraClient only.
namespace JiraRequest {

using QueryItems = QList<std::pair<QString, QString>>;

// A body larger than this is not read to the end; the request fails instead.
inline constexpr qint64 maximumBodySize = 4 * 1024 * 1024;
// Jira Cloud answers directly; a chain longer than this is a misconfigured site.
inline constexpr int maximumRedirects = 5;
// Without a byte moving for this long, the request gives up.
inline constexpr std::chrono::milliseconds defaultTransferTimeout{20000};
// However the bytes move, a request (redirects and all pages of one fetch included) is over after
// this long; a server that sends a byte now and then cannot hold it longer.
inline constexpr std::chrono::milliseconds defaultTotalDeadline{60000};

// What ends a request early besides the server: the time by which it must be over, and an object
// whose destruction abandons it (the reply is aborted and the request fails as a transport error).
struct Limits
{
    QDeadlineTimer deadline;
    const QObject *cancelScope = nullptr;

    // A deadline of defaultTotalDeadline (or the one set for tests) from now.
    static Limits fromNow(const QObject *cancelScope = nullptr);
};

// The body of a 2xx answer, or the JiraError that stopped it. Takes its arguments by value so the
// caller's objects may go away while the request runs.
QCoro::Task<JiraResult<QByteArray>> get(JiraConfig config, QString path, QueryItems query,
                                        Limits limits = Limits::fromNow());

// Tests shorten the transfer timeout and the total deadline with these; zero restores the default.
void setTransferTimeoutForTesting(std::chrono::milliseconds timeout);
void setTotalDeadlineForTesting(std::chrono::milliseconds deadline);

} // namespace JiraRequest
