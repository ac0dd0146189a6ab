#pragma once

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

// Fetches one update file over https into a file of its own, with progress. It follows redirects
// only to https, stops as soon as more bytes come than the feed announced, and ends with a file of
// exactly the announced length or with no file at all.
class UpdateDownloader : public QObject
{
    Q_OBJECT

public:
    // A download whose length the feed does not give is still cut off here.
    static constexpr qint64 maxUnannouncedBytes = qint64(1) << 30;

    explicit UpdateDownloader(QNetworkAccessManager &network, QObject *parent = nullptr);
    ~UpdateDownloader() override;

    // Replaces whatever is at filePath. expectedLength is -1 when the feed does not give it.
    // transferTimeout is how long the server may stay silent.
    void start(const QUrl &url, const QString &filePath, qint64 expectedLength,
               std::chrono::milliseconds transferTimeout);
    // Stops the download and removes its file; no signal follows.
    void cancel();
    bool isRunning() const { return !m_reply.isNull(); }

Q_SIGNALS:
    // total is -1 while unknown.
    void progress(qint64 received, qint64 total);
    // The file is complete and closed.
    void finished(const QString &filePath);
    // The file is gone; message says why, in words for the user.
    void failed(const QString &message);

private:
    void onRedirected(const QUrl &target);
    void onMetaData();
    void onReadyRead();
    void onFinished();
    void fail(const QString &message);
    QString replyError() const;

    QNetworkAccessManager &m_network;
    QPointer<QNetworkReply> m_reply;
    QFile m_file;
    qint64 m_expectedLength = -1;
    qint64 m_received = 0;
    std::chrono::milliseconds m_transferTimeout{0};
    QString m_refusal; // set when Norrid itself aborted the transfer, and why
};
