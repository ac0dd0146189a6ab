#include "jira/Network.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QPointer>
#include <QThread>

QNetworkAccessManager &Network::shared()
{
    // Owned by the application object, so it goes before the application does; a QPointer rather
    // than a plain static so a test that builds a second application object gets a fresh one.
    static QPointer<QNetworkAccessManager> manager;
    if (!manager) {
        QCoreApplication *app = QCoreApplication::instance();
        Q_ASSERT_X(app, "Network::shared", "needs the application object");
        Q_ASSERT_X(QThread::currentThread() == app->thread(), "Network::shared", "main thread only");
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        manager = new QNetworkAccessManager(app);
        // Qt otherwise closes the cached TLS connections from thread-local storage after the
        // application object is gone.
        QObject::connect(app, &QCoreApplication::aboutToQuit, manager.data(),
                         &QNetworkAccessManager::clearConnectionCache);
    }
    return *manager;
}
