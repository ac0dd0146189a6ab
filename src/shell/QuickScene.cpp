#include "shell/QuickScene.h"

#include "notifications/DataFiles.h"
#include "settings/SystemLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QWindow>

namespace {

using CreateScene = QWindow *(*)(const QString &, const QVariantMap &);

// Where the module is: in the library folder of the tree the executable lives in (installed, or a
// package unpacked anywhere), and only for a program of the build tree, in the build tree. A module
// left at the build path would otherwise run inside every installed Norrid, next to the token.
QStringList moduleCandidates()
{
    QStringList candidates{QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                               .filePath(QStringLiteral(NORRID_QUICKSCENE_RELATIVE_PATH)))};
    if (DataFiles::runsFromBuildTree())
        candidates.append(QStringLiteral(NORRID_QUICKSCENE_BUILD_PATH));
    return candidates;
}

CreateScene loadModule()
{
    static CreateScene create = nullptr;
    if (create)
        return create;
    QString failure;
    for (const QString &path : moduleCandidates()) {
        QLibrary module(path);
        create = reinterpret_cast<CreateScene>(module.resolve("norridCreateQuickScene"));
        if (create)
            return create;
        if (failure.isEmpty())
            failure = module.errorString();
    }
    SystemLog::write(QStringLiteral("Cannot load the window module"), failure);
    QMessageBox::critical(nullptr, QStringLiteral("Norrid"),
                          QCoreApplication::translate(
                              "QuickScene", "Norrid cannot open its window because a part of the "
                                            "application is missing or damaged. Reinstall Norrid.\n\n%1")
                              .arg(failure));
    return nullptr;
}

} // namespace

QWindow *QuickScene::create(const QString &type, const QVariantMap &properties)
{
    const CreateScene create = loadModule();
    return create ? create(type, properties) : nullptr;
}

void QuickScene::fixSizeAndCentre(QWindow &window, QSize size)
{
    window.setMinimumSize(size);
    window.setMaximumSize(size);
    window.resize(size);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window.setPosition(screen->availableGeometry().center() -
                           QPoint(size.width() / 2, size.height() / 2));
}
