#include "shell/StatusIconEngine.h"

#include <QPainter>

#include <algorithm>

StatusIconEngine::StatusIconEngine(Render render, QList<int> offered)
    : m_render(std::move(render)), m_offered(std::move(offered))
{
    std::sort(m_offered.begin(), m_offered.end());
}

QIconEngine *StatusIconEngine::clone() const
{
    auto *copy = new StatusIconEngine(m_render, m_offered);
    copy->m_drawn = m_drawn;
    return copy;
}

QString StatusIconEngine::key() const
{
    return QStringLiteral("NorridStatusIconEngine");
}

QPixmap StatusIconEngine::drawn(int pixels)
{
    const auto found = m_drawn->constFind(pixels);
    if (found != m_drawn->constEnd())
        return *found;
    QPixmap pixmap = QPixmap::fromImage(m_render(pixels));
    m_drawn->insert(pixels, pixmap);
    return pixmap;
}

void StatusIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    // Square, centred in the rectangle: trays hand out taller slots than wide (trayer: 22 × 30), and
    // a stretched icon turns the count's pill into an egg and blurs its outline.
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const int side = std::min(rect.width(), rect.height());
    const QPixmap pixmap = scaledPixmap((QSizeF(side, side) * scale).toSize(), mode, state, scale);
    if (pixmap.isNull())
        return;
    QRect square(0, 0, side, side);
    square.moveCenter(rect.center());
    painter->drawPixmap(square, pixmap);
}

QPixmap StatusIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap StatusIconEngine::scaledPixmap(const QSize &pixels, QIcon::Mode, QIcon::State, qreal scale)
{
    const int side = std::min(pixels.width(), pixels.height());
    if (!m_render || side <= 0)
        return {};
    // Drawn at the very size asked for: the design of each size is its own (see StatusIconImage).
    QPixmap result = drawn(side);
    if (result.size() != pixels)
        result = result.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    result.setDevicePixelRatio(scale);
    return result;
}

QSize StatusIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    // Any size is drawn.
    return m_render ? size : QSize();
}

QList<QSize> StatusIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const int pixels : std::as_const(m_offered))
        sizes.append(QSize(pixels, pixels));
    return sizes;
}

bool StatusIconEngine::isNull()
{
    return !m_render;
}
