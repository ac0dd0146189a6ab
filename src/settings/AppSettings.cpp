#include "settings/AppSettings.h"

#include "settings/SystemLog.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kSiteURL = QStringLiteral("siteURL");
const QString kEmail = QStringLiteral("email");
const QString kBoardId = QStringLiteral("boardId");
const QString kStatusName = QStringLiteral("statusName");
const QString kExtraJQL = QStringLiteral("extraJQL");
const QString kPollInterval = QStringLiteral("pollInterval");
const QString kNotificationSound = QStringLiteral("notificationSound");
const QString kTrayIconAppearance = QStringLiteral("trayIconAppearance");

constexpr qint64 kDefaultPollInterval = 60;

// Only text counts as text: QSettings turns a hand-edited "a, b" into a list, and a list, a byte
// array or any other kind yields the default like a missing key.
QString readText(const QSettings &store, const QString &key, const QString &fallback = {})
{
    const QVariant value = store.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : fallback;
}

// An INI file keeps numbers as text, so the text has to read as a whole number; anything else
// (words, fractions, numbers beyond 64 bits) yields the default. No bounds apply here.
qint64 readWholeNumber(const QSettings &store, const QString &key, qint64 fallback)
{
    const QVariant value = store.value(key);
    bool ok = false;
    qint64 number = 0;
    switch (value.typeId()) {
    case QMetaType::QString:
        number = value.toString().toLongLong(&ok);
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        number = value.toLongLong(&ok);
        break;
    default:
        break;
    }
    return ok ? number : fallback;
}

// QSettings says no more than "access error", so the file itself is asked what is wrong. The text
// names the file as %1; the developer line takes it in English, the settings window translated.
const char *writeFailure(const QString &fileName)
{
    const QFileInfo file(fileName);
    if (file.isDir())
        return QT_TRANSLATE_NOOP("AppSettings", "%1 is a folder");
    if (file.exists() && !file.isReadable())
        return QT_TRANSLATE_NOOP("AppSettings", "%1 cannot be read");
    if (file.exists() && !file.isWritable())
        return QT_TRANSLATE_NOOP("AppSettings", "%1 is read-only");
    return QT_TRANSLATE_NOOP("AppSettings", "%1 cannot be written");
}

} // namespace

AppSettings &AppSettings::shared()
{
    // Never destroyed: it lives as long as the process, and nothing is written at exit.
    static AppSettings *const instance = new AppSettings(defaultFileName());
    return *instance;
}

QString AppSettings::defaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/norrid/Norrid.conf");
}

AppSettings::AppSettings(const QString &settingsFile, QObject *parent)
    : QObject(parent), m_fileName(settingsFile)
{
    load();
    m_pending = Pending::Read;
    runKeyring(true);
}

AppSettings::~AppSettings() = default;

void AppSettings::load()
{
    // Reading only: a QSettings that is never assigned to does not create or touch the file.
    const QSettings store(m_fileName, QSettings::IniFormat);
    m_siteURL = readText(store, kSiteURL);
    m_email = readText(store, kEmail);
    m_boardId = readText(store, kBoardId);
    m_statusName = readText(store, kStatusName);
    m_extraJQL = readText(store, kExtraJQL);
    m_pollInterval = readWholeNumber(store, kPollInterval, kDefaultPollInterval);
    m_notificationSound = readText(store, kNotificationSound, QStringLiteral("Default"));
    m_trayIconAppearance = readText(store, kTrayIconAppearance, QStringLiteral("automatic"));
}

void AppSettings::persist(const QString &key, const QVariant &value)
{
    // A store of its own for each write: QSettings keeps the first error it meets for the life of
    // the object, and only a fresh one tells whether this write reached the disk. sync() writes at
    // once, so a crash right after an assignment loses nothing.
    QSettings store(m_fileName, QSettings::IniFormat);
    store.setValue(key, value);
    for (const QString &owed : std::as_const(m_unsavedKeys))
        if (owed != key)
            store.setValue(owed, storedValue(owed));
    store.sync();
    // A format error only means the old file was damaged; QSettings has written a clean one over it.
    if (store.status() != QSettings::AccessError) {
        m_unsavedKeys.clear();
        setSaveProblem({});
        return;
    }
    if (!m_unsavedKeys.contains(key))
        m_unsavedKeys.append(key);
    const char *failure = writeFailure(m_fileName);
    SystemLog::write(QStringLiteral("settings save failed"), QString::fromUtf8(failure).arg(m_fileName));
    setSaveProblem(tr("The settings could not be saved: %1.").arg(tr(failure).arg(m_fileName)));
}

QVariant AppSettings::storedValue(const QString &key) const
{
    if (key == kSiteURL)
        return m_siteURL;
    if (key == kEmail)
        return m_email;
    if (key == kBoardId)
        return m_boardId;
    if (key == kStatusName)
        return m_statusName;
    if (key == kExtraJQL)
        return m_extraJQL;
    if (key == kPollInterval)
        return m_pollInterval;
    if (key == kTrayIconAppearance)
        return m_trayIconAppearance;
    return m_notificationSound;
}

void AppSettings::setSaveProblem(const QString &problem)
{
    const bool changed = problem != m_saveProblem;
    m_saveProblem = problem;
    if (changed)
        Q_EMIT saveProblemChanged();
}

void AppSettings::setSiteURL(const QString &value)
{
    m_siteURL = value;
    persist(kSiteURL, value);
    Q_EMIT siteURLChanged();
}

void AppSettings::setEmail(const QString &value)
{
    m_email = value;
    persist(kEmail, value);
    Q_EMIT emailChanged();
}

void AppSettings::setBoardId(const QString &value)
{
    m_boardId = value;
    persist(kBoardId, value);
    Q_EMIT boardIdChanged();
}

void AppSettings::setStatusName(const QString &value)
{
    m_statusName = value;
    persist(kStatusName, value);
    Q_EMIT statusNameChanged();
}

void AppSettings::setExtraJQL(const QString &value)
{
    m_extraJQL = value;
    persist(kExtraJQL, value);
    Q_EMIT extraJQLChanged();
}

void AppSettings::setPollInterval(qint64 value)
{
    m_pollInterval = value;
    persist(kPollInterval, value);
    Q_EMIT pollIntervalChanged();
}

void AppSettings::setNotificationSound(const QString &value)
{
    m_notificationSound = value;
    persist(kNotificationSound, value);
    Q_EMIT notificationSoundChanged();
}

void AppSettings::setTrayIconAppearance(const QString &value)
{
    m_trayIconAppearance = value;
    persist(kTrayIconAppearance, value);
    Q_EMIT trayIconAppearanceChanged();
}

JiraConfig AppSettings::jiraConfig() const
{
    JiraConfig config;
    config.siteURL = JiraConfig::normalizeSiteURL(m_siteURL);
    config.email = m_email;
    config.token = m_token;
    config.boardId = m_boardId;
    config.statusName = m_statusName;
    config.extraJQL = m_extraJQL;
    return config;
}

bool AppSettings::isConfigured() const
{
    // The email may be empty: the token is then a personal access token.
    return !m_siteURL.isEmpty() && !m_token.isEmpty() && !m_boardId.isEmpty() && !m_statusName.isEmpty();
}
