#include "shell/Translations.h"

#include "notifications/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

QString Translations::folder()
{
    const QString beside =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/norrid/translations");
    if (QDir(beside).exists())
        return QDir(beside).canonicalPath();
    const QString installed =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("norrid/translations"),
                               QStandardPaths::LocateDirectory);
    if (!installed.isEmpty())
        return installed;
    if (DataFiles::runsFromBuildTree() && QDir(QStringLiteral(NORRID_BUILD_TRANSLATIONS_DIR)).exists())
        return QStringLiteral(NORRID_BUILD_TRANSLATIONS_DIR);
    return {};
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
