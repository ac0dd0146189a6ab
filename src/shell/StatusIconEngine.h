#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>

// An icon made of ready-drawn pixmaps that hands them out as they are, scaling on the fly when a
// size was not drawn. Qt's own pixmap icons put every pixmap they hand out into the process-wide
// QPixmapCache, which keeps it (and the pixels of icons long dropped) until 10 MB of other pixmaps
// push it out: an icon that changes with every new count would fill that cache for nothing.
class StatusIconEngine : public QIconEngine
{
public:
    // Pixmaps of one picture at several sizes; each carries its device pixel ratio.
    explicit StatusIconEngine(QList<QPixmap> pixmaps);

    QIconEngine *clone() const override;
    QString key() const override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    // size is in physical pixels, as QIcon asks.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    // The drawn sizes in physical pixels, as Qt's pixmap icons report them.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;

private:
    // The smallest drawn pixmap at least this many physical pixels wide, else the largest; null
    // when there are none.
    const QPixmap *bestFor(int pixels) const;

    QList<QPixmap> m_pixmaps; // by growing physical width
};
