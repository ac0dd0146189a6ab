#include "updates/UpdateDownloader.h"

#include "updates/UpdateLinks.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

using namespace std::chrono;

namespace {

QString insecureRedirect(const QUrl &target)
{
    return QCoreApplication::translate(
               "UpdateDownloader",
               "The download was redirected to %1, which is not a secure https link, so Norrid "
               "stopped it.")
        .arg(target.toDisplayString());
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1e6, 'f', 1);
}

} // namespace

UpdateDownloader::UpdateDownloader(QNetworkAccessManager &network, QObject *parent)
    : QObject(parent), m_network(network)
{
}

UpdateDownloader::~UpdateDownloader()
{
    cancel();
}

void UpdateDownloader::start(const QUrl &url, const QString &filePath, qint64 expectedLength,
                             milliseconds transferTimeout)
{
    cancel();
    m_expectedLength = expectedLength;
    m_received = 0;
    m_transferTimeout = transferTimeout;
    m_refusal.clear();
    if (!UpdateLinks::isHttps(url)) {
        Q_EMIT failed(tr("The update's address (%1) is not a secure https link, so Norrid did not "
                         "download it.")
                          .arg(url.toDisplayString()));
        return;
    }
    m_file.setFileName(filePath);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Q_EMIT failed(tr("Norrid could not save the update in %1: %2.").arg(filePath, m_file.errorString()));
        return;
    }

    QNetworkRequest request(url);
    request.setTransferTimeout(int(transferTimeout.count()));
    // Every hop is looked at: a redirect may lead only to another https address.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    // The length announced must be the length of the file, not of a compressed transfer.
    request.setRawHeader("Accept-Encoding", "identity");
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::redirected, this, &UpdateDownloader::onRedirected);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &UpdateDownloader::onMetaData);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateDownloader::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateDownloader::onFinished);
    Q_EMIT progress(0, m_expectedLength);
}

void UpdateDownloader::cancel()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    if (m_file.isOpen()) {
        m_file.close();
        m_file.remove();
    }
}

void UpdateDownloader::onRedirected(const QUrl &target)
{
    if (UpdateLinks::isHttps(target)) {
        Q_EMIT m_reply->redirectAllowed();
        return;
    }
    m_refusal = insecureRedirect(target);
    m_reply->abort();
}

void UpdateDownloader::onMetaData()
{
    const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (m_expectedLength < 0 || !announced.isValid() || status >= 300)
        return;
    if (announced.toLongLong() != m_expectedLength) {
        m_refusal = tr("The download's size differs from what the update feed announced (%1 bytes "
                       "instead of %2), so Norrid stopped it.")
                        .arg(announced.toLongLong())
                        .arg(m_expectedLength);
        m_reply->abort();
    }
}

void UpdateDownloader::onReadyRead()
{
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 300) {
        m_reply->readAll(); // an error page, not the update
        return;
    }
    const QByteArray chunk = m_reply->readAll();
    m_received += chunk.size();
    const qint64 limit = m_expectedLength >= 0 ? m_expectedLength : maxUnannouncedBytes;
    if (m_received > limit) {
        m_refusal =
            m_expectedLength >= 0
                ? tr("The download is larger than the %1 MB the update feed announced, so "
                     "Norrid stopped it.")
                      .arg(megabytes(m_expectedLength))
                : tr("The download is larger than %1 MB, so Norrid stopped it.").arg(megabytes(limit));
        m_reply->abort();
        return;
    }
    if (m_file.write(chunk) != chunk.size()) {
        m_refusal = tr("Norrid could not save the update: %1.").arg(m_file.errorString());
        m_reply->abort();
        return;
    }
    qint64 total = m_expectedLength;
    if (total < 0) {
        const QVariant announced = m_reply->header(QNetworkRequest::ContentLengthHeader);
        total = announced.isValid() ? announced.toLongLong() : -1;
    }
    Q_EMIT progress(m_received, total);
}

QString UpdateDownloader::replyError() const
{
    if (!m_refusal.isEmpty())
        return m_refusal;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A redirect Qt does not follow at all, such as one to another scheme, ends here.
    const QUrl target = QUrl::fromEncoded(m_reply->rawHeader("Location"));
    if (status >= 300 && status < 400 && target.isValid())
        return insecureRedirect(m_reply->url().resolved(target));
    if (status >= 300)
        return tr("The download server answered with HTTP %1 %2.")
            .arg(status)
            .arg(m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
            .trimmed();
    if (m_reply->error() == QNetworkReply::OperationCanceledError ||
        m_reply->error() == QNetworkReply::TimeoutError)
        return tr("The download server stopped answering for %n seconds.", nullptr,
                  int(duration_cast<seconds>(m_transferTimeout).count()));
    if (m_reply->error() != QNetworkReply::NoError)
        return tr("The download broke off: %1.").arg(m_reply->errorString());
    if (m_expectedLength >= 0 && m_received != m_expectedLength)
        return tr("The download is incomplete: %1 of the %2 bytes the update feed announced "
                  "arrived.")
            .arg(m_received)
            .arg(m_expectedLength);
    return {};
}

void UpdateDownloader::onFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    reply->deleteLater();
    if (reply->bytesAvailable() > 0)
        onReadyRead();
    const QString error = replyError();
    m_reply = nullptr;
    if (!error.isEmpty()) {
        fail(error);
        return;
    }
    if (!m_file.flush()) {
        fail(tr("Norrid could not save the update: %1.").arg(m_file.errorString()));
        return;
    }
    m_file.close();
    Q_EMIT finished(m_file.fileName());
}

void UpdateDownloader::fail(const QString &message)
{
    m_file.close();
    m_file.remove();
    Q_EMIT failed(message);
}
