#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QRect>

class PopoverContent;
class QQuickView;

// Hosts the popover: a frameless window under the tray icon that closes when it loses focus or on
// Escape. The QML scene is built the first time the popover is shown, not at launch.
class PopoverWindow : public QObject
{
    Q_OBJECT

public:
    static constexpr int width = 360;

    explicit PopoverWindow(PopoverContent &content, QObject *parent = nullptr);
    ~PopoverWindow() override;

    bool isShown() const;
    // Opens the popover at the tray icon (anchor: the icon's geometry, or empty when the tray does
    // not tell; the pointer is used then), or closes it when it is open.
    void toggle(const QRect &anchor);
    void show(const QRect &anchor);
    void close();
    void setHeight(int height);

    // The window, once built; for tests and screenshots.
    QQuickView *view() const { return m_view; }

Q_SIGNALS:
    void aboutToShow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void place(const QRect &anchor);

    PopoverContent &m_content;
    QQuickView *m_view = nullptr;
    int m_height = 300;
    QElapsedTimer m_sinceAutoClose;
};
