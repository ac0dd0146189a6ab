#pragma once

#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <functional>
#include <memory>

// An icon drawn on demand, at the sizes a tray asks for, each once: an XEmbed tray asks for its
// slot's size alone, a StatusNotifierItem host for every size the icon offers. Qt's own pixmap
// icons put every pixmap they hand out into the process-wide QPixmapCache, which keeps it (and the
// pixels of icons long dropped) until 10 MB of other pixmaps push it out: an icon that changes with
// every new count would fill that cache for nothing. Here the pixels go with the icon.
class StatusIconEngine : public QIconEngine
{
public:
    // Draws the picture as a square image of this many physical pixels.
    using Render = std::function<QImage(int pixels)>;

    // `offered` are the sizes, in physical pixels, that the icon lists as its own.
    StatusIconEngine(Render render, QList<int> offered);

    QIconEngine *clone() const override;
    QString key() const override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    // size is in physical pixels, as QIcon asks.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    // The offered sizes in physical pixels, as Qt's pixmap icons report their drawn ones.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;

private:
    // The picture at this many physical pixels, drawn the first time it is asked for.
    QPixmap drawn(int pixels);

    Render m_render;
    QList<int> m_offered;
    // Shared with the clones QIcon makes, so a size is drawn once per icon.
    std::shared_ptr<QMap<int, QPixmap>> m_drawn = std::make_shared<QMap<int, QPixmap>>();
};
