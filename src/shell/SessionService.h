#pragma once

#include "shell/BusNames.h"
#include "views/StateReport.h"

#include <QDBusAbstractAdaptor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantList>
#include <QVariantMap>

class AppDelegate;
class AppSettings;
class ReviewMonitor;

// Norrid on the session bus, under its desktop entry's ID: the one name that makes a second
// launch hand over to the first, the state as properties that announce their changes, the
// actions as methods, and org.freedesktop.Application for desktops that activate applications
// the standard way. Reading a property never asks Jira anything.
class SessionService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.norrid.Norrid1")
    Q_PROPERTY(int Count READ count)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QString State READ state)
    Q_PROPERTY(QString Message READ message)
    Q_PROPERTY(QString LastUpdated READ lastUpdated)
    Q_PROPERTY(QVariantList Cards READ cards)
    // When the snooze of notifications ends, ISO 8601; empty when they are not snoozed.
    Q_PROPERTY(QString SnoozedUntil READ snoozedUntil)
    Q_PROPERTY(QVariantList Columns READ columns)

public:
    static constexpr QLatin1StringView serviceName = BusNames::service;
    static constexpr QLatin1StringView objectPath = BusNames::objectPath;
    static constexpr QLatin1StringView interfaceName = BusNames::interface;

    // Whether this process now owns the name. False when another Norrid does; also false, with a
    // line in the log, when there is no session bus (then nothing can be shared, and Norrid runs
    // alone as before).
    enum class Claim
    {
        owned,
        taken,
        noBus
    };
    static Claim claimName();
    // Asks the Norrid that owns the name to open its popover (a launch from the menu) or to do
    // nothing (from the autostart entry). True when it answered.
    static bool handOver(bool openPopover);

    SessionService(AppDelegate &delegate, AppSettings &settings, QObject *parent = nullptr);

    // Puts the object on the bus under the name this process owns.
    bool publish();

    int count() const { return m_report.count; }
    QString status() const { return m_report.status; }
    QString state() const { return m_report.state; }
    QString message() const { return m_report.message; }
    QString lastUpdated() const { return m_report.lastUpdated; }
    QVariantList cards() const;
    QVariantList columns() const;
    QString snoozedUntil() const { return m_report.snoozedUntil; }
    const StateReport &report() const { return m_report; }

public Q_SLOTS:
    void Refresh();
    void TogglePopover();
    void OpenPopover();
    void OpenSettings();
    void Quit();
    // Snoozes notifications until the time given (ISO 8601); empty text or a past time resumes
    // them. False when the text is no time.
    bool SetSnoozedUntil(const QString &until);
    // Snoozes for 30m, 1h, 4h or until tomorrow (9:00), or resumes with "off"; false for another word.
    bool Snooze(const QString &length);
    // What a bug report needs from the running Norrid (DiagnosticReport::norridFacts); never the
    // token, the email or a card's text.
    QVariantMap Diagnostics();

private:
    void recompute();
    StateReport currentReport() const;

    AppDelegate &m_delegate;
    ReviewMonitor &m_monitor;
    AppSettings &m_settings;
    StateReport m_report;
    bool m_cardsStale = true; // the monitor's cards changed since they were last turned into m_report
    QTimer m_coalesce;        // many signals of one change make one PropertiesChanged
};

// org.freedesktop.Application on the same object: Activate opens the popover, ActivateAction runs
// "refresh", "settings" or "quit".
class ApplicationAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit ApplicationAdaptor(SessionService &service);

public Q_SLOTS:
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(const QString &name, const QVariantList &parameter, const QVariantMap &platformData);

private:
    SessionService &m_service;
};
