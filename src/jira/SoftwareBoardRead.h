#pragma once

#include "jira/BoardColumn.h"
#include "jira/JiraResult.h"

#include <QCoroTask>

// The column through Jira Cloud's board read, /rest/software/1.0/board/<id>/issue: pages follow
// nextPageToken until isLast or no token, up to BoardColumn's bound. It stops as well when a
// token comes again or a page brings no new card, so no server can keep it reading.
namespace SoftwareBoardRead {

inline constexpr QStringView api = u"software/1.0";

QCoro::Task<JiraResult<QList<ReviewIssue>>> fetch(ColumnRequest request);

} // namespace SoftwareBoardRead
