#include "views/SettingsValidation.h"

#include "jira/JiraSite.h"
#include "views/SettingsDraft.h"

QString SettingsValidation::trimmed(const QString &text)
{
    // QString::trimmed goes by QChar::isSpace: the Unicode spaces, tabs and every kind of line break.
    return text.trimmed();
}

bool SettingsValidation::canConnect(const SettingsDraft &draft)
{
    for (const QString *field : {&draft.siteURL, &draft.token, &draft.boardId, &draft.statusName}) {
        if (trimmed(*field).isEmpty())
            return false;
    }
    const QList<WatchedColumn> columns = draft.allColumns();
    if (!std::all_of(columns.cbegin(), columns.cend(),
                     [](const WatchedColumn &column) { return column.isComplete(); }))
        return false;
    return siteProblem(draft).isEmpty();
}

QString SettingsValidation::siteProblem(const SettingsDraft &draft)
{
    if (trimmed(draft.siteURL).isEmpty())
        return {};
    const auto problem = JiraSite::read(draft.config().siteURL).problem();
    return problem ? problem->errorDescription() : QString();
}

QString SettingsValidation::firstEmptyConnectionField(const SettingsDraft &draft)
{
    if (trimmed(draft.siteURL).isEmpty())
        return QStringLiteral("siteURL");
    if (!trimmed(draft.token).isEmpty())
        return {};
    return trimmed(draft.email).isEmpty() ? QStringLiteral("email") : QStringLiteral("token");
}
