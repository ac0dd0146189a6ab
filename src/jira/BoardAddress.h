#pragma once

#include <QString>
#include <optional>

// The board a Jira page address names, as users paste it from the browser's address bar:
// ".../boards/7" (with anything after it, such as "/backlog" or "?selectedIssue=AB-1") or
// ".../secure/RapidBoard.jspa?rapidView=7" (with or without "selectedIssue=").
namespace BoardAddress {

// The board number as text; none when the address names no board.
std::optional<QString> boardId(const QString &address);

} // namespace BoardAddress
