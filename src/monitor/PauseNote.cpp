#include "monitor/PauseNote.h"

#include "jira/JiraError.h"

#include <QCoreApplication>

QString PauseNote::text(const JiraError &pausedBy, const QString &nextTry)
{
    if (pausedBy.kind() == JiraError::Kind::signInRequired)
        return QCoreApplication::translate(
                   "PauseNote",
                   "Checking is paused: Norrid tries again at %1, or as soon as you choose Refresh "
                   "Now after signing in.")
            .arg(nextTry);
    if (pausedBy.kind() == JiraError::Kind::basicAuthDisabled)
        return QCoreApplication::translate(
                   "PauseNote",
                   "Checking is paused: Norrid tries again at %1, or as soon as the email or token "
                   "changes.")
            .arg(nextTry);
    switch (pausedBy.credentials()) {
    case JiraCredentialKind::password:
        return QCoreApplication::translate(
                   "PauseNote",
                   "Checking is paused: Norrid tries again at %1, or as soon as the user name or "
                   "password changes.")
            .arg(nextTry);
    case JiraCredentialKind::personalAccessToken:
        return QCoreApplication::translate(
                   "PauseNote",
                   "Checking is paused: Norrid tries again at %1, or as soon as the token changes. "
                   "Personal access tokens expire; if yours has, create a new one.")
            .arg(nextTry);
    case JiraCredentialKind::apiToken:
    case JiraCredentialKind::gateway:
        break;
    }
    return QCoreApplication::translate(
               "PauseNote", "Checking is paused: Norrid tries again at %1, or as soon as the email or token "
                            "changes. API tokens expire; if yours has, create a new one.")
        .arg(nextTry);
}
