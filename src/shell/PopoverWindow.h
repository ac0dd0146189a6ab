#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QTimer>
#include <chrono>

class PopoverContent;
class QWindow;

// Hosts the popover: a frameless window under the tray icon, kept off the taskbar, that closes when
// it loses focus, when the application stops being the active one, or on Escape. On Wayland the
// compositor places it: no client may place its own window there, and the pointer position Qt
// reports is stale. Its size is fixed (smallest = largest), so tiling compositors float it.
// Its title, "Norrid Cards", is what window rules can match. The QML scene is built when
// the popover is shown, not at launch, and let go once the popover has stayed closed for a minute: Norrid
// spends most of the day with it closed. While it is open, the cards' ages ("5m ago") move on every minute.
class PopoverWindow : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *title = "Norrid Cards";
    static constexpr std::chrono::milliseconds sceneKeptFor{60'000};

    explicit PopoverWindow(PopoverContent &content, QObject *parent = nullptr);
    ~PopoverWindow() override;

    bool isShown() const;
    // Opens the popover at the tray icon (anchor: the icon's geometry, or empty when the tray does
    // not tell; the pointer is used then), or closes it when it is open.
    void toggle(const QRect &anchor);
    void show(const QRect &anchor);
    void close();
    void setHeight(int height);

    // The window (a QQuickView) while its scene is built; for tests and screenshots.
    QWindow *view() const { return m_view; }
    void setSceneKeptForTesting(std::chrono::milliseconds time) { m_releaseScene.setInterval(time); }

Q_SIGNALS:
    void aboutToShow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void place(const QRect &anchor);
    void applySize();
    void closeByItself();
    void releaseScene();

    PopoverContent &m_content;
    QWindow *m_view = nullptr;
    int m_height = 300;
    QElapsedTimer m_sinceAutoClose;
    QTimer m_releaseScene;
    QTimer m_refreshTimes;
};
