#include "shell/SymbolImageProvider.h"

#include "shell/SymbolNames.h"

#include <QPainter>
#include <QSvgRenderer>

SymbolImageProvider::SymbolImageProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QImage SymbolImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const qsizetype query = id.indexOf(QLatin1Char('?'));
    const QString name = query < 0 ? id : id.left(query);
    const QColor colour(query < 0 ? QStringLiteral("black") : id.mid(query + 1));
    const QSize pixels = requestedSize.isValid() && !requestedSize.isEmpty() ? requestedSize : QSize(16, 16);
    QImage image = render(name, colour.isValid() ? colour : QColor(Qt::black), pixels);
    if (size)
        *size = image.size();
    return image;
}

QImage SymbolImageProvider::render(const QString &name, const QColor &colour, const QSize &pixelSize)
{
    const QString file = SymbolNames::resourcePath(name);
    if (file.isEmpty())
        return {};
    QSvgRenderer renderer(file);
    if (!renderer.isValid())
        return {};
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    // Keep the symbol's shape and paint it in one colour, as the panel and the views expect.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), colour);
    return image;
}
