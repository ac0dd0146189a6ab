#pragma once

#include "jira/JiraResult.h"
#include "jira/QuickFilter.h"
#include "jira/ReviewIssue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The two JSON documents Norrid reads from Jira's board API (a column's issues, from either read,
// and a page of quick filters), decoded strictly: a required member
// that is missing, null or of another type fails the whole document, and so does an optional
// member of another type. Members not listed here are ignored. A failure is a JiraError::decoding
// whose message names the member, e.g. "issues[2].fields.summary is missing".

struct RawAssignee
{
    std::optional<QString> displayName;
};

struct RawIssueFields
{
    QString summary;
    std::optional<QString> updated;
    std::optional<QString> status; // the status's name, sent when the read asked for it
    std::optional<RawAssignee> assignee;
};

struct RawIssue
{
    QString key;
    RawIssueFields fields;

    // Never fails: an assignee without display name is none, an unreadable timestamp is none.
    ReviewIssue toReviewIssue() const;
};

struct BoardIssuesResponse
{
    QList<RawIssue> issues;
    std::optional<qint64> total;          // how many cards the whole column holds (agile read)
    std::optional<QString> nextPageToken; // where the next page starts (software read)
    std::optional<bool> isLast;           // whether this is the last page (software read)
};

struct QuickFilterPage
{
    QList<QuickFilter> values;
    std::optional<bool> isLast;
};

namespace JiraDocuments {

JiraResult<BoardIssuesResponse> decodeBoardIssues(const QByteArray &body);
JiraResult<QuickFilterPage> decodeQuickFilterPage(const QByteArray &body);

} // namespace JiraDocuments
