#pragma once

#include <QQuickImageProvider>

// Serves the app's symbols to QML, tinted: "image://symbol/<name>?<colour>", for example
// "image://symbol/gearshape?#80000000".
class SymbolImageProvider : public QQuickImageProvider
{
public:
    SymbolImageProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The symbol drawn in one colour at the given pixel size; a null image for an unknown name.
    static QImage render(const QString &name, const QColor &colour, const QSize &pixelSize);
};
