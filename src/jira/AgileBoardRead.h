#pragma once

#include "jira/BoardColumn.h"
#include "jira/JiraResult.h"

#include <QCoroTask>

// The column through the agile board read, /rest/agile/1.0/board/<id>/issue, which Jira Data
// Center serves (and Jira Cloud until it retires it): each page starts where the cards gathered so
// far end, until Jira's total is reached, a page brings no card not seen before (a server that
// ignores startAt, or a column that shrank meanwhile), or BoardColumn's bound is reached.
namespace AgileBoardRead {

inline constexpr QStringView api = u"agile/1.0";
inline constexpr int pageSize = 100;

QCoro::Task<JiraResult<QList<ReviewIssue>>> fetch(ColumnRequest request);

} // namespace AgileBoardRead
