#include "updates/UpdateSession.h"

#include "updates/UpdateInstaller.h"
#include "updates/UpdateLinks.h"

#include <QDesktopServices>

UpdateSession::UpdateSession(const QString &runningVersion, const QString &runningDisplayVersion,
                             QObject *parent)
    : QObject(parent), openURL([](const QUrl &url) { return QDesktopServices::openUrl(url); }),
      m_runningVersion(runningVersion), m_runningDisplayVersion(runningDisplayVersion)
{
}

QUrl UpdateSession::releaseNotesURL() const
{
    return m_item && UpdateLinks::isHttps(m_item->releaseNotesURL) ? m_item->releaseNotesURL : QUrl();
}

void UpdateSession::beginUserCheck()
{
    m_state = State::checking;
    m_presented = true;
    m_userInitiated = true;
    m_item.reset();
    m_errorText.clear();
    Q_EMIT changed();
}

void UpdateSession::showUpdate(const AppcastItem &item, bool userInitiated, bool presented)
{
    m_state = State::updateAvailable;
    m_item = item;
    m_userInitiated = userInitiated;
    m_presented = presented;
    m_errorText.clear();
    Q_EMIT changed();
}

void UpdateSession::showUpToDate()
{
    m_state = State::upToDate;
    m_item.reset();
    Q_EMIT changed();
}

void UpdateSession::showError(const QString &text)
{
    m_state = State::error;
    m_errorText = text;
    m_presented = true;
    Q_EMIT changed();
}

void UpdateSession::present()
{
    m_presented = true;
    Q_EMIT changed();
}

QString UpdateSession::keptFile() const
{
    return m_installer ? m_installer->keptFile() : QString();
}

void UpdateSession::setInstaller(UpdateInstaller *installer)
{
    m_installer = installer;
    connect(installer, &UpdateInstaller::progress, this, [this](qint64 received, qint64 total) {
        m_bytesReceived = received;
        m_bytesTotal = total;
        Q_EMIT progressChanged();
    });
    connect(installer, &UpdateInstaller::handedOver, this, [this](const QString &, const QString &name) {
        if (m_state != State::downloading)
            return;
        m_installerName = name;
        m_state = State::installing;
        Q_EMIT changed();
    });
    connect(installer, &UpdateInstaller::failed, this, [this](const QString &message) {
        if (m_state == State::downloading)
            showError(message);
    });
    Q_EMIT changed();
}

void UpdateSession::finish()
{
    if (m_state == State::idle)
        return;
    if (m_installer)
        m_installer->cancel();
    m_state = State::idle;
    m_presented = false;
    m_userInitiated = false;
    m_item.reset();
    m_errorText.clear();
    Q_EMIT changed();
    Q_EMIT finished();
}

QUrl UpdateSession::downloadTarget() const
{
    if (informational())
        return m_item->infoURL.isValid() ? m_item->infoURL : m_item->releaseNotesURL;
    return m_item->downloadURL.isValid() ? m_item->downloadURL : m_item->infoURL;
}

void UpdateSession::download()
{
    if (m_state != State::updateAvailable || !m_item)
        return;
    if (m_installer && !informational()) {
        install();
        return;
    }
    const QUrl target = downloadTarget();
    const QString version = m_item->displayVersion;
    if (!target.isValid()) {
        showError(tr("The update feed gives no download link for Norrid %1.").arg(version));
        return;
    }
    // A plain-http download could be swapped on the way; Norrid sends people only to https.
    if (!UpdateLinks::isHttps(target)) {
        showError(tr("Norrid did not open the download of version %1: its address (%2) is not "
                     "a secure https link.")
                      .arg(version, target.toDisplayString()));
        return;
    }
    if (!openURL || !openURL(target)) {
        showError(tr("Norrid could not open %1 in your browser.").arg(target.toDisplayString()));
        return;
    }
    finish();
}

void UpdateSession::install()
{
    m_state = State::downloading;
    m_bytesReceived = 0;
    m_bytesTotal = m_item->contentLength;
    Q_EMIT changed();
    Q_EMIT progressChanged();
    m_installer->start(*m_item);
}

void UpdateSession::skipThisVersion()
{
    if (m_state != State::updateAvailable || !m_item)
        return;
    Q_EMIT skipRequested(m_item->version);
    finish();
}

void UpdateSession::remindMeLater()
{
    finish();
}

void UpdateSession::close()
{
    finish();
}
