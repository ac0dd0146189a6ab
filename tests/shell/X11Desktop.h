#pragma once

#include <QList>
#include <QRect>
#include <QString>

// The X display of an end-to-end test, seen from outside the application: its window tree (through
// xwininfo) and the pointer and keyboard (through xdotool, which sends real input via XTEST).
namespace X11Desktop {

struct Window
{
    quint32 id = 0;
    QString name;     // the title, empty when it has none
    QString resClass; // the second WM_CLASS string
    QRect geometry;   // in root coordinates
    int depth = 0;    // 1 for a child of the root window
    quint32 parent = 0;
};

// Every window below the root, in tree order.
QList<Window> windows();
// Whether `window` lies inside the window `ancestor` (at any depth), as `list` tells.
bool isInside(const QList<Window> &list, const Window &window, quint32 ancestor);
// The ids of the mapped windows whose title matches the regular expression.
QList<quint32> visibleWindowsNamed(const QString &pattern);
// Moves the pointer to `at` (root coordinates) and clicks the button there.
bool click(const QPoint &at, int button);
// Types one key, like "Down" or "Return", into the window that has the focus.
bool key(const QString &keysym);

} // namespace X11Desktop
