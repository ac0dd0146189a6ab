// Stores the API token read from standard input in the keyring the way Norrid does, for the
// footprint benchmark's private session (a token never goes on a command line).
//   printf '%s' "$token" | bench_store_token
#include "settings/Keychain.h"
#include "support/AwaitTask.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream input(stdin);
    const QString token = input.readAll().trimmed();
    const Keychain::Outcome outcome = awaitTask(Keychain::save(token, QStringLiteral("jira-token")));
    if (!outcome.succeeded()) {
        std::fprintf(stderr, "bench_store_token: %s\n", qPrintable(outcome.problem));
        return 1;
    }
    return 0;
}
