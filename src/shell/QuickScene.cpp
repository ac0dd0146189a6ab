#include "shell/QuickScene.h"

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

// Where the module is: installed beside the executable's libraries, or in the build tree.
QStringList moduleCandidates()
{
    return {QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral(NORRID_QUICKSCENE_RELATIVE_PATH))),
            QStringLiteral(NORRID_QUICKSCENE_BUILD_PATH)};
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
                          QStringLiteral("Norrid cannot open its window because a part of the application is "
                                         "missing or damaged. Reinstall Norrid.\n\n%1")
                              .arg(failure));
    return nullptr;
}

} // namespace

QWindow *QuickScene::create(const QString &file, const QVariantMap &properties)
{
    const CreateScene create = loadModule();
    return create ? create(file, properties) : nullptr;
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
