#pragma once

#include "jira/JiraAnswer.h"
#include "jira/JiraResult.h"

#include <QByteArray>
#include <QCoroTask>
#include <QDeadlineTimer>
#include <QUrl>
#include <chrono>

class QObject;

// One GET that only moves bytes: it sends the request (with the Authorization header, when one is
// given), follows redirects that stay on the same HTTPS origin, keeps to the time limits and the
// body cap, and hands back what the server finally answered. What the answer means is
// JiraVerdict's to say; only a failure to get one is an error here.
namespace JiraRequest {

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

// The final answer to a GET of `url`, or the transport error that kept it from coming. Takes its
// arguments by value so the caller's objects may go away while the request runs.
QCoro::Task<JiraResult<JiraAnswer>> get(QUrl url, QByteArray authorization, Limits limits);

// Tests shorten the transfer timeout and the total deadline with these; zero restores the default.
void setTransferTimeoutForTesting(std::chrono::milliseconds timeout);
void setTotalDeadlineForTesting(std::chrono::milliseconds deadline);

} // namespace JiraRequest
