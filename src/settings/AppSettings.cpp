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
// The first column's name; its board, status and filter are the keys above.
const QString kColumnName = QStringLiteral("columnName");
// The further columns, a QSettings array: columns/size, then columns/N/boardId, statusName,
// extraJQL and name, N counted from 1.
const QString kColumns = QStringLiteral("columns");
const QString kColumnBoardId = QStringLiteral("boardId");
const QString kColumnStatusName = QStringLiteral("statusName");
const QString kColumnExtraJQL = QStringLiteral("extraJQL");
const QString kColumnEntryName = QStringLiteral("name");

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

// The further columns as the file holds them, every entry kept, also those beyond the ones watched
// and those without a board or a status, so that writing them back drops none.
QList<WatchedColumn> readColumns(QSettings &store)
{
    QList<WatchedColumn> columns;
    const int size = store.beginReadArray(kColumns);
    for (int i = 0; i < size; ++i) {
        store.setArrayIndex(i);
        WatchedColumn column;
        column.boardId = readText(store, kColumnBoardId);
        column.statusName = readText(store, kColumnStatusName);
        column.extraJQL = readText(store, kColumnExtraJQL);
        column.name = readText(store, kColumnEntryName);
        for (const QString &key : store.childKeys()) {
            if (key != kColumnBoardId && key != kColumnStatusName && key != kColumnExtraJQL &&
                key != kColumnEntryName)
                column.otherKeys.insert(key, store.value(key));
        }
        columns.append(column);
    }
    store.endArray();
    return columns;
}

void writeColumns(QSettings &store, const QList<WatchedColumn> &columns)
{
    store.remove(kColumns);
    if (columns.isEmpty())
        return;
    store.beginWriteArray(kColumns, int(columns.size()));
    for (int i = 0; i < columns.size(); ++i) {
        store.setArrayIndex(i);
        const WatchedColumn &column = columns[i];
        store.setValue(kColumnBoardId, column.boardId);
        store.setValue(kColumnStatusName, column.statusName);
        if (!column.extraJQL.isEmpty())
            store.setValue(kColumnExtraJQL, column.extraJQL);
        if (!column.name.isEmpty())
            store.setValue(kColumnEntryName, column.name);
        for (auto other = column.otherKeys.cbegin(); other != column.otherKeys.cend(); ++other)
            store.setValue(other.key(), other.value());
    }
    store.endArray();
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
    QSettings store(m_fileName, QSettings::IniFormat);
    m_siteURL = readText(store, kSiteURL);
    m_email = readText(store, kEmail);
    m_boardId = readText(store, kBoardId);
    m_statusName = readText(store, kStatusName);
    m_extraJQL = readText(store, kExtraJQL);
    m_pollInterval = readWholeNumber(store, kPollInterval, kDefaultPollInterval);
    m_notificationSound = readText(store, kNotificationSound, QStringLiteral("Default"));
    m_trayIconAppearance = readText(store, kTrayIconAppearance, QStringLiteral("automatic"));
    m_columnName = readText(store, kColumnName);
    m_furtherColumns = readColumns(store);
}

void AppSettings::persist(const QString &key, const QVariant &value)
{
    // A store of its own for each write: QSettings keeps the first error it meets for the life of
    // the object, and only a fresh one tells whether this write reached the disk. sync() writes at
    // once, so a crash right after an assignment loses nothing.
    QSettings store(m_fileName, QSettings::IniFormat);
    const auto write = [&](const QString &name, const QVariant &stored) {
        if (name == kColumns)
            writeColumns(store, m_furtherColumns);
        else
            store.setValue(name, stored);
    };
    write(key, value);
    for (const QString &owed : std::as_const(m_unsavedKeys))
        if (owed != key)
            write(owed, storedValue(owed));
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
    if (key == kColumnName)
        return m_columnName;
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

QList<WatchedColumn> AppSettings::columns() const
{
    QList<WatchedColumn> columns{{m_boardId, m_statusName, m_extraJQL, m_columnName, {}}};
    columns += m_furtherColumns.mid(0, maximumColumns - 1);
    return columns;
}

void AppSettings::setColumns(const QList<WatchedColumn> &columns)
{
    if (columns.isEmpty())
        return;
    const WatchedColumn &first = columns.first();
    if (first.boardId != m_boardId)
        setBoardId(first.boardId);
    if (first.statusName != m_statusName)
        setStatusName(first.statusName);
    if (first.extraJQL != m_extraJQL)
        setExtraJQL(first.extraJQL);
    bool changed = false;
    if (first.name != m_columnName) {
        m_columnName = first.name;
        persist(kColumnName, m_columnName);
        changed = true;
    }
    // Entries beyond those watched are not shown anywhere, so nobody changed them: they stay.
    QList<WatchedColumn> further = columns.mid(1, maximumColumns - 1);
    further += m_furtherColumns.mid(maximumColumns - 1);
    if (further != m_furtherColumns) {
        m_furtherColumns = std::move(further);
        persist(kColumns, {});
        changed = true;
    }
    if (changed)
        Q_EMIT columnsChanged();
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
