#include "views/SettingsValidation.h"

#include "jira/JiraSite.h"
#include "views/SettingsDraft.h"

#include <utility>

QString SettingsValidation::trimmed(const QString &text)
{
    // QString::trimmed goes by QChar::isSpace: the Unicode spaces, tabs and every kind of line break.
    return text.trimmed();
}

bool SettingsValidation::canConnect(const SettingsDraft &draft)
{
    for (const QString *field :
         {&draft.siteURL, &draft.email, &draft.token, &draft.boardId, &draft.statusName}) {
        if (trimmed(*field).isEmpty())
            return false;
    }
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
    const std::pair<const QString *, const char *> fields[]{
        {&draft.siteURL, "siteURL"}, {&draft.email, "email"}, {&draft.token, "token"}};
    for (const auto &[value, name] : fields) {
        if (trimmed(*value).isEmpty())
            return QString::fromLatin1(name);
    }
    return {};
}
