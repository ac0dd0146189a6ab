#pragma once

#include <QObject>
#include <QSize>
#include <functional>

class AppSettings;
class NotificationManager;
class SettingsForm;
class Updater;
class QWindow;

// Owns the settings window, "Norrid Settings": built the first time it is shown, then kept for the
// life of the process. Closing it only hides it; the next show() brings back the same window.
class SettingsWindowController : public QObject
{
    Q_OBJECT

public:
    // 480 by 680, wider for a large application font: the form's label column and captions grow with it.
    static QSize size();

    SettingsWindowController(AppSettings &settings, NotificationManager &notifier, Updater *updater,
                             std::function<void()> onCheckForUpdates, std::function<void()> onSave,
                             QObject *parent = nullptr);
    ~SettingsWindowController() override;

    // Shows the window in front and focused, with the draft freshly loaded from the store.
    void show();
    void hide();
    bool isShown() const;

    SettingsForm &form() const { return *m_form; }
    // The window (a QQuickView), once built; for tests and screenshots.
    QWindow *window() const { return m_view; }

private:
    void build();

    SettingsForm *m_form;
    QWindow *m_view = nullptr;
};
