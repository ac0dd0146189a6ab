#include "shell/StatusIconEngine.h"

#include <QPainter>

#include <algorithm>

StatusIconEngine::StatusIconEngine(QList<QPixmap> pixmaps) : m_pixmaps(std::move(pixmaps))
{
    std::stable_sort(m_pixmaps.begin(), m_pixmaps.end(),
                     [](const QPixmap &a, const QPixmap &b) { return a.width() < b.width(); });
}

QIconEngine *StatusIconEngine::clone() const
{
    return new StatusIconEngine(m_pixmaps);
}

QString StatusIconEngine::key() const
{
    return QStringLiteral("NorridStatusIconEngine");
}

const QPixmap *StatusIconEngine::bestFor(int pixels) const
{
    if (m_pixmaps.isEmpty())
        return nullptr;
    const auto fits = std::find_if(m_pixmaps.cbegin(), m_pixmaps.cend(),
                                   [pixels](const QPixmap &pixmap) { return pixmap.width() >= pixels; });
    return fits != m_pixmaps.cend() ? &*fits : &m_pixmaps.constLast();
}

void StatusIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    // Square, centred in the rectangle: trays hand out taller slots than wide (trayer: 22 × 30), and
    // a stretched icon turns the count's pill into an egg and blurs its outline.
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const int side = std::min(rect.width(), rect.height());
    const QPixmap drawn = scaledPixmap((QSizeF(side, side) * scale).toSize(), mode, state, scale);
    if (drawn.isNull())
        return;
    QRect square(0, 0, side, side);
    square.moveCenter(rect.center());
    painter->drawPixmap(square, drawn);
}

QPixmap StatusIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap StatusIconEngine::scaledPixmap(const QSize &pixels, QIcon::Mode, QIcon::State, qreal scale)
{
    const QPixmap *best = bestFor(std::min(pixels.width(), pixels.height()));
    if (!best || pixels.isEmpty())
        return {};
    QPixmap result =
        best->size() == pixels ? *best : best->scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    result.setDevicePixelRatio(scale);
    return result;
}

QSize StatusIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    // Any size is drawn, from the nearest pixmap.
    return m_pixmaps.isEmpty() ? QSize() : size;
}

QList<QSize> StatusIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const QPixmap &pixmap : std::as_const(m_pixmaps)) {
        if (!sizes.contains(pixmap.size()))
            sizes.append(pixmap.size());
    }
    return sizes;
}

bool StatusIconEngine::isNull()
{
    return m_pixmaps.isEmpty();
}
