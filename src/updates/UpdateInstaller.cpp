#include "updates/UpdateInstaller.h"

#include "updates/AppcastItem.h"
#include "updates/DebianPackage.h"
#include "updates/UpdateSignature.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

UpdateInstaller::UpdateInstaller(Options options, QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_downloader(network)
{
    connect(&m_downloader, &UpdateDownloader::progress, this, &UpdateInstaller::progress);
    connect(&m_downloader, &UpdateDownloader::finished, this, &UpdateInstaller::onDownloaded);
    connect(&m_downloader, &UpdateDownloader::failed, this, &UpdateInstaller::refuse);
}

// The file keeps the name the publisher gave it, whose extension tells the desktop which installer
// takes it; only characters that are safe in a file name are kept.
QString UpdateInstaller::fileNameFor(const AppcastItem &item) const
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._+-]"));
    QString name = item.downloadURL.fileName().replace(unsafe, QStringLiteral("_"));
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("norrid-update") : name;
}

void UpdateInstaller::start(const AppcastItem &item)
{
    cancel();
    m_version = item.displayVersion;
    m_packageVersion = item.displayVersion + u'-' + item.version;
    m_signature = item.edSignature.trimmed();
    if (m_signature.isEmpty()) {
        refuse(tr("The update feed gives no signature for this download, so Norrid cannot tell "
                  "whether it really comes from Norrid's publisher, and did not download it."));
        return;
    }
    if (m_options.directory.isEmpty() || !QDir().mkpath(m_options.directory)) {
        refuse(tr("Norrid could not create its download folder %1.").arg(m_options.directory));
        return;
    }
    // Downloads of earlier updates have served their purpose.
    const QDir directory(m_options.directory);
    for (const QString &earlier : directory.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(directory.filePath(earlier));
    m_finalPath = directory.filePath(fileNameFor(item));
    m_downloader.start(item.downloadURL, m_finalPath + QStringLiteral(".part"), item.contentLength,
                       m_options.transferTimeout);
}

QString UpdateInstaller::keptFile() const
{
    return !m_finalPath.isEmpty() && QFile::exists(m_finalPath) ? m_finalPath : QString();
}

void UpdateInstaller::cancel()
{
    m_downloader.cancel();
}

void UpdateInstaller::onDownloaded(const QString &partialPath)
{
    using UpdateSignature::Verdict;
    switch (UpdateSignature::verify(partialPath, m_signature, m_options.publicKey)) {
    case Verdict::valid:
        break;
    case Verdict::invalid:
        QFile::remove(partialPath);
        refuse(tr("The download does not carry the signature of Norrid's publisher: it was "
                  "damaged or altered on the way, or signed by someone else. Norrid deleted it and "
                  "installed nothing."));
        return;
    case Verdict::malformed:
        QFile::remove(partialPath);
        refuse(tr("The update feed's signature for this download is damaged, so Norrid cannot "
                  "check it. Norrid deleted the download and installed nothing."));
        return;
    case Verdict::badKey:
        QFile::remove(partialPath);
        refuse(tr("This copy of Norrid has a damaged key for checking updates, so it cannot "
                  "install them. Install the new version from Norrid's website instead."));
        return;
    case Verdict::unreadable:
        QFile::remove(partialPath);
        refuse(tr("Norrid could not read the download back to check it."));
        return;
    }
    if (const std::optional<QString> problem = packageProblem(partialPath)) {
        QFile::remove(partialPath);
        refuse(*problem);
        return;
    }
    QFile::remove(m_finalPath);
    if (!QFile::rename(partialPath, m_finalPath)) {
        QFile::remove(partialPath);
        refuse(tr("Norrid could not save the update as %1.").arg(m_finalPath));
        return;
    }
    const InstallerHandoff::Outcome handed = m_handoff.handOver(m_finalPath);
    if (handed.problem) {
        refuse(*handed.problem);
        return;
    }
    Q_EMIT handedOver(m_finalPath, handed.handler);
}

std::optional<QString> UpdateInstaller::packageProblem(const QString &path) const
{
    if (!m_finalPath.endsWith(QLatin1String(".deb"), Qt::CaseInsensitive))
        return std::nullopt;
    const std::optional<QString> version = DebianPackage::version(path);
    if (!version)
        return tr("The download is not a Debian package Norrid can read. Norrid deleted it and "
                  "installed nothing.");
    if (*version != m_packageVersion)
        return tr("The package holds version %1, not the %2 that the update feed announced. "
                  "Norrid deleted it and installed nothing.")
            .arg(*version, m_packageVersion);
    if (!m_options.runningPackageVersion.isEmpty() &&
        !DebianPackage::isLater(*version, m_options.runningPackageVersion))
        return tr("The package holds version %1, which is not newer than this Norrid (%2): "
                  "installing it would take Norrid back. Norrid deleted it and installed nothing.")
            .arg(*version, m_options.runningPackageVersion);
    return std::nullopt;
}

void UpdateInstaller::refuse(const QString &message)
{
    Q_EMIT failed(tr("Norrid %1 was not installed. %2").arg(m_version, message));
}
