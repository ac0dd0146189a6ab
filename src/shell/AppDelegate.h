#pragma once

#include "updates/UpdateState.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QUrl>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <utility>

class AppSettings;
class GentleUpdateReminder;
class NotificationManager;
class NotificationSnooze;
class PopoverContent;
class PopoverWindow;
class ReviewMonitor;
class SettingsWindowController;
class TrayIcon;
class TrayWatcher;
class QWidget;
class UpdateWindowController;
class Updater;
class WakeWatcher;

// Builds and owns Norrid's objects for the life of the process, runs the launch sequence and keeps
// the tray icon and the popover in step with the monitor, the notifications and the updater.
class AppDelegate : public QObject
{
    Q_OBJECT

public:
    AppDelegate(AppSettings &settings, NotificationManager &notifier, QObject *parent = nullptr);
    ~AppDelegate() override;

    // The launch sequence; opens no window, also when nothing is configured yet.
    void applicationDidFinishLaunching();

    // Created on first use, then the same monitor for the life of the process.
    ReviewMonitor &monitor();

    void togglePopover();
    void openBoard();
    void openSettings();
    void checkForUpdates();
    void quit();
    // What a bug report needs from the running Norrid (DiagnosticReport::norridFacts); never the
    // token, the email or a card's text.
    QVariantMap diagnosticFacts();
    // The whole report, to the clipboard ("Copy Diagnostics" in the settings window).
    void copyDiagnostics();
    // A word of NotificationSnooze::words, or "off"; false for any other word.
    bool snooze(const QString &length);

    // Opens a link in the desktop's browser; tests replace it. Only https and http links get here.
    std::function<void(const QUrl &)> openURL;

    UpdateState &updateState() { return m_updateState; }
    TrayIcon *trayIcon() const { return m_tray.get(); }
    PopoverWindow *popover() const { return m_popover.get(); }
    PopoverContent *popoverContent() const { return m_popoverContent.get(); }
    SettingsWindowController *settingsWindow() const { return m_settingsWindow.get(); }
    Updater *updater() const { return m_updater.get(); }
    NotificationSnooze &notificationSnooze();

private:
    // A callback for another object that holds the delegate weakly: it does nothing once the
    // delegate is gone. action is a member function or anything callable with the delegate first.
    template<typename Action> auto weakly(Action action)
    {
        return [self = QPointer<AppDelegate>(this), action](auto &&...arguments) {
            if (self)
                std::invoke(action, *self, std::forward<decltype(arguments)>(arguments)...);
        };
    }

    void setupStatusItem();
    void setupPopover();
    void bindState();
    void refreshStatusButton();
    void updatePopoverSize();
    void showIssueCount();
    void showSnooze();
    void showUpdatesComeFromPackageManager();
    void showNoTrayMessage();
    void withdrawNoTrayMessage();
    void open(const QUrl &url);

    AppSettings &m_settings;
    NotificationManager &m_notifier;
    UpdateState m_updateState;
    std::unique_ptr<NotificationSnooze> m_snooze;
    std::unique_ptr<ReviewMonitor> m_monitor;
    std::unique_ptr<GentleUpdateReminder> m_updateReminder;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<UpdateWindowController> m_updateWindow; // after the updater: it holds its session
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<PopoverContent> m_popoverContent;
    std::unique_ptr<PopoverWindow> m_popover;
    std::unique_ptr<SettingsWindowController> m_settingsWindow;
    std::unique_ptr<WakeWatcher> m_wakeWatcher;
    std::unique_ptr<TrayWatcher> m_trayWatcher;
    QPointer<QWidget> m_noTrayBox; // the window that says so, where no notification can
};
