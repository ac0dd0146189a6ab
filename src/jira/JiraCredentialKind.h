#pragma once

// What the user entered to sign in, as Norrid sends it and as its texts name it.
enum class JiraCredentialKind
{
    apiToken,            // Jira Cloud: the account's email and an API token, as HTTP Basic
    password,            // a self-hosted site: a user name and its password, as HTTP Basic
    personalAccessToken, // Jira Data Center 8.14 or later: a personal access token alone, as Bearer
    gateway              // Jira Cloud: the email and a scoped API token, through Atlassian's gateway
};
