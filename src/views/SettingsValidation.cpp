#include "views/SettingsValidation.h"

#include "views/SettingsDraft.h"

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
    return true;
}
