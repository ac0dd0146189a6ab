// `norrid`: a command of the command line runs here with Qt Core and Qt D-Bus alone; the
// application itself is a module loaded only to start Norrid.
#include "shell/ApplicationSetup.h"
#include "shell/CommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

namespace {

using RunApplication = int (*)(int, char **, bool);

// The module in the library folder of the tree the executable lives in (installed, or a package
// unpacked anywhere), and only for a program of the build tree, in the build tree: a module left
// at the build path would otherwise run inside every installed Norrid, next to the token.
QStringList moduleCandidates()
{
    const QString programDir =
        QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
    QStringList candidates{
        QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(NORRID_APP_RELATIVE_PATH)))};
    const QString buildDir = QDir(QStringLiteral(NORRID_BUILD_DIR)).canonicalPath();
    if (!buildDir.isEmpty() && (programDir == buildDir || programDir.startsWith(buildDir + u'/')))
        candidates.append(QStringLiteral(NORRID_APP_BUILD_PATH));
    return candidates;
}

} // namespace

int main(int argc, char *argv[])
{
    ApplicationSetup::limitMemoryArenas();
    const auto parsed = CommandLine::run(argc, argv);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    QString failure;
    for (const QString &path : moduleCandidates()) {
        QLibrary module(path);
        // Its symbols are global: the windows' module names the application's view types.
        module.setLoadHints(QLibrary::ExportExternalSymbolsHint);
        if (const auto run = reinterpret_cast<RunApplication>(module.resolve("norridRunApplication")))
            return run(argc, argv, std::get<CommandLine::Launch>(parsed).autostart);
        if (failure.isEmpty())
            failure = module.errorString();
    }
    std::fprintf(stderr,
                 "Norrid cannot start because a part of the application is missing or damaged (%s). "
                 "Reinstall Norrid.\n",
                 qPrintable(failure));
    return 1;
}
