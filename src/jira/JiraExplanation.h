#pragma once

#include <QByteArray>
#include <QString>

// Jira's own explanation of a rejected request, read from the body of its answer: the first of
// its "errorMessages", else the first message of its "errors" (one per field). It is shown under
// Norrid's message as plain text, on one line and capped.
namespace JiraExplanation {

inline constexpr qsizetype maximumLength = 200;

// Empty when the body is no Jira error document or holds no message.
QString read(const QByteArray &body);

} // namespace JiraExplanation
