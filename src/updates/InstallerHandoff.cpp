#include "updates/InstallerHandoff.h"

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QProcess>

namespace {

// xdg-open hands the file on and ends at once in a desktop session; in its generic mode it runs
// the application in the foreground. Still running after this long, it has started it.
constexpr int openerSettleMs = 2000;

} // namespace

InstallerHandoff::Opener InstallerHandoff::desktopOpener()
{
    return [](const QUrl &file) {
        auto *process = new QProcess;
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                process->deleteLater();
        });
        process->start(QStringLiteral("xdg-open"), {file.toLocalFile()});
        if (!process->waitForStarted())
            return false;
        if (!process->waitForFinished(openerSettleMs))
            return true; // the installer runs in the opener's foreground; it goes when that ends
        return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    };
}

InstallerHandoff::HandlerQuery InstallerHandoff::desktopHandlers()
{
    return [](const QString &mimeType) {
        QProcess query;
        query.start(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"), mimeType});
        if (!query.waitForFinished(5000) || query.exitCode() != 0) {
            query.kill();
            return QString();
        }
        return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    };
}

QString InstallerHandoff::mimeTypeOf(const QString &filePath)
{
    return QMimeDatabase().mimeTypeForFile(filePath, QMimeDatabase::MatchExtension).name();
}

InstallerHandoff::Outcome InstallerHandoff::handOver(const QString &filePath) const
{
    const QString mimeType = mimeTypeOf(filePath);
    const bool debianPackage = mimeType == u"application/vnd.debian.binary-package";
    Outcome outcome;
    outcome.handler = m_handlers ? m_handlers(mimeType) : QString();
    if (outcome.handler.endsWith(QLatin1String(".desktop")))
        outcome.handler.chop(8);
    if (outcome.handler.isEmpty()) {
        outcome.problem =
            debianPackage
                ? QCoreApplication::translate(
                      "InstallerHandoff", "Your desktop has no application that installs Debian packages. "
                                          "The checked update is kept as %1. Install it from a terminal "
                                          "with: sudo apt install %1")
                      .arg(filePath)
                : QCoreApplication::translate(
                      "InstallerHandoff", "Your desktop has no application that installs this kind of file "
                                          "(%1). The checked update is kept as %2. Open it with your "
                                          "software installer.")
                      .arg(mimeType, filePath);
        return outcome;
    }
    if (!m_opener || !m_opener(QUrl::fromLocalFile(filePath)))
        outcome.problem = QCoreApplication::translate(
                              "InstallerHandoff", "Your software installer (%1) did not open the update. The "
                                                  "checked update is kept as %2. Open it with your software "
                                                  "installer.")
                              .arg(outcome.handler, filePath);
    return outcome;
}
