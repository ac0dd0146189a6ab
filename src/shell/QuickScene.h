#pragma once

#include <QSize>
#include <QVariantMap>

class QString;
class QWindow;

// Norrid's windows are QML scenes, and their whole QML side (Qt Quick, the QML files, the symbol
// images) is a module of its own that is loaded the first time a window is shown. While only the
// tray icon is on screen, Qt Quick is not in memory at all.
namespace QuickScene {

// A new, hidden window showing the type of the QML module Norrid.Views (its file <type>.qml) with
// the given initial properties of its root; the caller owns it. Null when the module cannot be
// loaded; the user has been told why.
QWindow *create(const QString &type, const QVariantMap &properties);

// Makes a window of a fixed size, centred on the primary screen: the settings and update windows.
void fixSizeAndCentre(QWindow &window, QSize size);

} // namespace QuickScene
