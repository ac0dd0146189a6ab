#pragma once

#include <QDir>
#include <QQuickItem>
#include <QQuickView>
#include <QTest>

// The named items of a QML window as the view tests find, click and photograph them.
namespace QuickItems {

// The item of that objectName under `in` (the window's root when none); null, with a warning, when
// there is none.
inline QQuickItem *find(const QQuickView *view, const char *name, const QQuickItem *in = nullptr)
{
    auto *found = (in ? in : view->rootObject())->findChild<QQuickItem *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no item named %s", name);
    return found;
}

inline QRectF sceneRect(const QQuickItem *item)
{
    return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
}

// A left click in the middle of the item, which must be shown.
inline void click(QWindow *window, const QQuickItem *item)
{
    QVERIFY(item && item->isVisible());
    QTest::mouseClick(window, Qt::LeftButton, {}, sceneRect(item).center().toPoint());
}

// Saves the window as <folder>/<name>.png, for a human to look at.
inline void shoot(QQuickWindow *window, const QString &folder, const QString &name)
{
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(window->grabWindow().save(folder + u'/' + name + QStringLiteral(".png")));
}

} // namespace QuickItems
