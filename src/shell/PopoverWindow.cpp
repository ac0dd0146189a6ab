#include "shell/PopoverWindow.h"

#include "shell/ApplicationSetup.h"
#include "shell/QuickScene.h"
#include "views/PopoverContent.h"
#include "views/PopoverMetrics.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

namespace {
// A click on the tray icon first takes the focus from the open popover, which closes it, and then
// arrives as a toggle; within this time after such a close the toggle must not reopen it.
constexpr qint64 reopenGuardMilliseconds = 400;
} // namespace

PopoverWindow::PopoverWindow(PopoverContent &content, QObject *parent) : QObject(parent), m_content(content)
{
    m_releaseScene.setSingleShot(true);
    m_releaseScene.setTimerType(Qt::VeryCoarseTimer);
    m_releaseScene.setInterval(sceneKeptFor);
    connect(&m_releaseScene, &QTimer::timeout, this, &PopoverWindow::releaseScene);
    m_refreshTimes.setTimerType(Qt::VeryCoarseTimer);
    m_refreshTimes.setInterval(std::chrono::minutes(1));
    connect(&m_refreshTimes, &QTimer::timeout, &m_content, &PopoverContent::refreshTimes);
}

PopoverWindow::~PopoverWindow()
{
    delete m_view;
}

bool PopoverWindow::isShown() const
{
    return m_view && m_view->isVisible();
}

void PopoverWindow::toggle(const QRect &anchor)
{
    if (isShown()) {
        close();
        return;
    }
    if (m_sinceAutoClose.isValid() && m_sinceAutoClose.elapsed() < reopenGuardMilliseconds)
        return;
    show(anchor);
}

void PopoverWindow::show(const QRect &anchor)
{
    if (!m_view)
        build();
    if (!m_view)
        return;
    m_releaseScene.stop();
    Q_EMIT aboutToShow();
    m_content.refreshTimes();
    m_refreshTimes.start();
    applySize();
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        place(anchor);
    m_view->show();
    m_view->raise();
    m_view->requestActivate();
    Q_EMIT m_content.opened();
}

void PopoverWindow::close()
{
    if (m_view)
        m_view->hide();
}

void PopoverWindow::setHeight(int height)
{
    m_height = height;
    if (m_view)
        applySize();
}

void PopoverWindow::applySize()
{
    // A window whose smallest and largest sizes are one is a popup to tiling compositors (sway,
    // i3-likes): they float it instead of tiling it across the workspace. Others keep it as it is.
    const QSize size(int(m_content.metrics().width()), m_height);
    m_view->setMinimumSize(size);
    m_view->setMaximumSize(size);
    m_view->resize(size);
}

void PopoverWindow::build()
{
    m_view = QuickScene::create(QStringLiteral("PopoverView"),
                                {{QStringLiteral("content"), QVariant::fromValue(&m_content)}});
    if (!m_view)
        return;
    m_view->setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_view->setTitle(QString::fromLatin1(title));
    applySize();

    connect(m_view, &QWindow::activeChanged, this, [this] {
        if (!m_view->isActive())
            closeByItself();
    });
    // A compositor may refuse the popover the focus (a tray click over D-Bus carries no activation
    // token); it still goes when the user turns to another application.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, m_view, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            closeByItself();
    });
    connect(m_view, &QWindow::visibleChanged, this, [this](bool visible) {
        if (!visible) {
            m_refreshTimes.stop();
            m_releaseScene.start();
        }
    });
    m_view->installEventFilter(this);
}

void PopoverWindow::closeByItself()
{
    if (!m_view || !m_view->isVisible())
        return;
    m_sinceAutoClose.start();
    m_view->hide();
}

void PopoverWindow::releaseScene()
{
    if (!m_view || m_view->isVisible())
        return;
    delete m_view;
    m_view = nullptr;
    ApplicationSetup::returnFreedMemory();
}

bool PopoverWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void PopoverWindow::place(const QRect &anchor)
{
    const QPoint pointer = QCursor::pos();
    const QPoint at = anchor.isValid() ? anchor.center() : pointer;
    QScreen *screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);

    // Below the icon when the panel is at the top, above it when the panel is at the bottom.
    const QRect icon = anchor.isValid() ? anchor : QRect(pointer, QSize(1, 1));
    const bool panelAtBottom = icon.center().y() > area.center().y();
    int y = panelAtBottom ? icon.top() - m_height - 4 : icon.bottom() + 4;
    const int width = int(m_content.metrics().width());
    int x = icon.center().x() - width / 2;
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() - width + 1));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() - m_height + 1));
    m_view->setPosition(x, y);
}
