// The module behind QuickScene: loaded on the first window Norrid shows, it brings Qt Quick and the
// QML module Norrid.Views with it.
#include "shell/SymbolImageProvider.h"

#include <QCoreApplication>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QQuickView>
#include <QUrl>

namespace {

void configureQuick()
{
    // The Basic style and the software scene graph keep an always-running tray app small; the
    // views are simple enough to look the same without the GPU.
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    if (qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND") && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace

extern "C" Q_DECL_EXPORT QWindow *norridCreateQuickScene(const QString &type, const QVariantMap &properties)
{
    static const bool configured = (configureQuick(), true);
    Q_UNUSED(configured);
    auto *view = new QQuickView;
    view->setResizeMode(QQuickView::SizeRootObjectToView);
    view->engine()->addImageProvider(QStringLiteral("symbol"), new SymbolImageProvider);
    // The module Norrid.Views: its qmldir and QML files are resources of this library, its types
    // registered as the library loads.
    view->engine()->addImportPath(QStringLiteral("qrc:/qt/qml"));
    view->setInitialProperties(properties);
    view->setSource(QUrl(QStringLiteral("qrc:/qt/qml/Norrid/Views/%1.qml").arg(type)));
    // Ctrl+Q quits from any of Norrid's windows.
    QObject::connect(view->engine(), &QQmlEngine::quit, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return view;
}
