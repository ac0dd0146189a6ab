#include "shell/Translations.h"

#include "notifications/DataFiles.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString Translations::folder()
{
    return DataFiles::locateFolder(QStringLiteral("translations"),
                                   QStringLiteral(NORRID_BUILD_TRANSLATIONS_DIR));
}

bool Translations::install(QCoreApplication &app)
{
    const QString norridFolder = folder();
    if (norridFolder.isEmpty())
        return false;
    for (const QString &language : QLocale().uiLanguages()) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return false;
        auto *norrid = new QTranslator(&app);
        if (!norrid->load(locale, QStringLiteral("norrid"), QStringLiteral("_"), norridFolder)) {
            delete norrid;
            continue;
        }
        // Qt's own texts (the command line's "Usage:", a dialog's buttons) in the same language.
        auto *qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        QCoreApplication::installTranslator(norrid);
        return true;
    }
    return false;
}
