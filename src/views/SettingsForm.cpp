#include "views/SettingsForm.h"

#include "BuildInfo.h"
#include "jira/JiraClient.h"
#include "notifications/CanberraSoundPlayer.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "settings/LaunchAtLogin.h"
#include "updates/Updater.h"

#include <QDesktopServices>
#include <QMetaEnum>
#include <QVariantMap>

const QList<qint64> SettingsForm::pollIntervals{30, 60, 120, 300};
const QStringList SettingsForm::pollIntervalNames{QStringLiteral("30 seconds"), QStringLiteral("1 minute"),
                                                  QStringLiteral("2 minutes"), QStringLiteral("5 minutes")};
const QUrl SettingsForm::tokenPageURL{
    QStringLiteral("https://id.atlassian.com/manage-profile/security/api-tokens")};

namespace {
const QString noFilters = QStringLiteral("This board has no quick filters.");

void playWithCanberra(const QString &name)
{
    // Made on the first preview, so a window that never previews a sound opens no audio connection.
    static CanberraSoundPlayer player;
    player.play(name);
}
} // namespace

SettingsForm::SettingsForm(AppSettings &settings, NotificationManager &notifier, Updater *updater,
                           QObject *parent)
    : QObject(parent), openURL([](const QUrl &url) { QDesktopServices::openUrl(url); }),
      playSound(&playWithCanberra), m_settings(settings), m_notifier(notifier), m_updater(updater)
{
    if (updater)
        connect(updater, &Updater::automaticallyChecksForUpdatesChanged, this,
                &SettingsForm::autoUpdateChanged);
    // The ok text names the status field as it reads now.
    connect(this, &SettingsForm::statusNameChanged, this, &SettingsForm::testResultTextChanged);
    connect(this, &SettingsForm::testResultChanged, this, &SettingsForm::testResultTextChanged);
    connect(&settings, &AppSettings::tokenUnavailableChanged, this, &SettingsForm::saveProblemChanged);
    connect(&settings, &AppSettings::saveProblemChanged, this, &SettingsForm::saveProblemChanged);
}

QString SettingsForm::trimmed(const QString &text)
{
    // QString::trimmed goes by QChar::isSpace: the Unicode spaces, tabs and every kind of line break.
    return text.trimmed();
}

// --- Draft fields ---------------------------------------------------------------------------------

void SettingsForm::assignField(QString &field, const QString &value, void (SettingsForm::*changed)())
{
    field = value;
    Q_EMIT(this->*changed)();
    Q_EMIT availabilityChanged();
}

void SettingsForm::setSiteURL(const QString &value)
{
    assignField(m_siteURL, value, &SettingsForm::siteURLChanged);
}
void SettingsForm::setEmail(const QString &value)
{
    assignField(m_email, value, &SettingsForm::emailChanged);
}
void SettingsForm::setToken(const QString &value)
{
    assignField(m_token, value, &SettingsForm::tokenChanged);
}
void SettingsForm::setBoardId(const QString &value)
{
    assignField(m_boardId, value, &SettingsForm::boardIdChanged);
}

void SettingsForm::setStatusName(const QString &value)
{
    assignField(m_statusName, value, &SettingsForm::statusNameChanged);
}

void SettingsForm::setExtraJQL(const QString &value)
{
    const bool changed = value != m_extraJQL;
    m_extraJQL = value;
    Q_EMIT extraJQLChanged();
    // A team filter edited away from the picked quick filter's JQL is no longer that filter. Only the
    // selection goes: emptying the field here would wipe what the user is typing at each keystroke.
    // Choosing "None" in the picker is what empties it.
    if (!changed || !m_selectedFilterId)
        return;
    const QuickFilter *filter = filterWithId(*m_selectedFilterId);
    if (!filter || trimmed(filter->jql) != trimmed(value)) {
        m_selectedFilterId.reset();
        Q_EMIT selectedFilterIdChanged();
    }
}

void SettingsForm::setPollInterval(qint64 seconds)
{
    m_pollInterval = seconds;
    Q_EMIT pollIntervalChanged();
}

int SettingsForm::pollIntervalIndex() const
{
    return int(pollIntervals.indexOf(m_pollInterval));
}

void SettingsForm::setPollIntervalIndex(int index)
{
    if (index >= 0 && index < pollIntervals.size())
        setPollInterval(pollIntervals.at(index));
}

void SettingsForm::setSoundName(const QString &value)
{
    m_soundName = value;
    Q_EMIT soundNameChanged();
}

void SettingsForm::setLaunchAtLogin(bool enabled)
{
    m_launchAtLogin = enabled;
    Q_EMIT launchAtLoginChanged();
}

bool SettingsForm::canConnect() const
{
    for (const QString *field : {&m_siteURL, &m_email, &m_token, &m_boardId, &m_statusName}) {
        if (trimmed(*field).isEmpty())
            return false;
    }
    return true;
}

bool SettingsForm::canLoadFilters() const
{
    return !m_loadingFilters && canConnect() && !trimmed(m_boardId).isEmpty();
}

JiraConfig SettingsForm::draftConfig() const
{
    return JiraConfig{JiraConfig::normalizeSiteURL(m_siteURL),
                      trimmed(m_email),
                      trimmed(m_token),
                      trimmed(m_boardId),
                      trimmed(m_statusName),
                      trimmed(m_extraJQL)};
}

// --- Load and save --------------------------------------------------------------------------------

void SettingsForm::load()
{
    setSiteURL(m_settings.siteURL());
    setEmail(m_settings.email());
    setToken(m_settings.token());
    setBoardId(m_settings.boardId());
    setStatusName(m_settings.statusName());
    setExtraJQL(m_settings.extraJQL());
    setPollInterval(m_settings.pollInterval());
    setSoundName(m_settings.notificationSound());
    setLaunchAtLogin(LaunchAtLogin::isEnabled());
    // The picker's selection belongs to the draft too: the quick filter the stored team filter is.
    m_selectedFilterId = filterMatching(m_extraJQL);
    Q_EMIT selectedFilterIdChanged();
}

void SettingsForm::appear()
{
    load();
    if (canLoadFilters())
        startLoadingQuickFilters();
}

void SettingsForm::apply()
{
    const QString site = JiraConfig::normalizeSiteURL(m_siteURL);
    setSiteURL(site);
    m_settings.setSiteURL(site);
    m_settings.setEmail(trimmed(m_email));
    m_settings.setToken(trimmed(m_token));
    m_settings.setBoardId(trimmed(m_boardId));
    m_settings.setStatusName(trimmed(m_statusName));
    m_settings.setExtraJQL(trimmed(m_extraJQL));
    m_settings.setPollInterval(m_pollInterval);
    m_settings.setNotificationSound(m_soundName);
    m_launchAtLoginProblem =
        LaunchAtLogin::setEnabled(m_launchAtLogin)
            ? QString()
            : (m_launchAtLogin ? QStringLiteral("Norrid could not set itself to start at login.")
                               : QStringLiteral("Norrid could not stop starting at login."));
    Q_EMIT saveProblemChanged();
    if (onSave)
        onSave();
}

QString SettingsForm::saveProblem() const
{
    QStringList problems;
    for (const QString &problem :
         {m_settings.tokenProblem(), m_settings.saveProblem(), m_launchAtLoginProblem}) {
        if (!problem.isEmpty())
            problems.append(problem);
    }
    return problems.join(u' ');
}

// --- Connection test ------------------------------------------------------------------------------

void SettingsForm::setTesting(bool testing)
{
    m_testing = testing;
    Q_EMIT testingChanged();
    Q_EMIT availabilityChanged();
}

void SettingsForm::setTestResult(std::optional<TestResult> result)
{
    m_testResult = std::move(result);
    Q_EMIT testResultChanged();
}

SettingsForm::ResultKind SettingsForm::testResultKind() const
{
    if (!m_testResult)
        return ResultKind::none;
    return m_testResult->kind == TestResult::Kind::ok ? ResultKind::ok : ResultKind::fail;
}

QString SettingsForm::testResultKindName() const
{
    return QString::fromLatin1(QMetaEnum::fromType<ResultKind>().valueToKey(int(testResultKind())));
}

QString SettingsForm::testResultText() const
{
    if (!m_testResult)
        return {};
    if (m_testResult->kind == TestResult::Kind::fail)
        return m_testResult->message;
    return QStringLiteral("Connected — %1 in %2").arg(m_testResult->count).arg(trimmed(m_statusName));
}

void SettingsForm::startTestConnection()
{
    testConnection();
}

QCoro::Task<> SettingsForm::testConnection()
{
    if (m_testing)
        co_return;
    setTesting(true);
    setTestResult(std::nullopt);
    const JiraClient client(draftConfig());
    QPointer<SettingsForm> self(this);
    const auto result = co_await client.fetchReviewIssues();
    if (!self)
        co_return;
    if (result.ok()) {
        setTestResult(TestResult::ok(int(result.value().size())));
        apply();
    } else {
        setTestResult(TestResult::fail(result.error().errorDescription()));
    }
    setTesting(false);
}

// --- Quick filters --------------------------------------------------------------------------------

void SettingsForm::setLoadingFilters(bool loading)
{
    m_loadingFilters = loading;
    Q_EMIT loadingFiltersChanged();
    Q_EMIT availabilityChanged();
}

void SettingsForm::setFilterMessage(std::optional<QString> message)
{
    m_filterMessage = std::move(message);
    Q_EMIT filterMessageChanged();
}

void SettingsForm::setQuickFilters(QList<QuickFilter> filters)
{
    m_quickFilters = std::move(filters);
    Q_EMIT quickFiltersChanged();
    Q_EMIT selectedFilterIdChanged(); // the selection's index moves with the list
}

const QuickFilter *SettingsForm::filterWithId(qint64 id) const
{
    for (const QuickFilter &filter : m_quickFilters) {
        if (filter.id == id)
            return &filter;
    }
    return nullptr;
}

std::optional<qint64> SettingsForm::filterMatching(const QString &jql) const
{
    // Both sides trimmed: Jira keeps a quick filter's JQL as its author typed it, spaces and all.
    const QString wanted = trimmed(jql);
    for (const QuickFilter &filter : m_quickFilters) {
        if (trimmed(filter.jql) == wanted)
            return filter.id;
    }
    return std::nullopt;
}

void SettingsForm::setSelectedFilterId(std::optional<qint64> id)
{
    const bool changed = id != m_selectedFilterId;
    m_selectedFilterId = id;
    Q_EMIT selectedFilterIdChanged();
    if (!changed)
        return;
    if (!id) {
        setExtraJQL(QString());
    } else if (const QuickFilter *filter = filterWithId(*id)) {
        setExtraJQL(filter->jql);
    }
}

QVariant SettingsForm::selectedFilterIdValue() const
{
    return m_selectedFilterId ? QVariant(*m_selectedFilterId) : QVariant();
}

void SettingsForm::setSelectedFilterIdValue(const QVariant &id)
{
    bool isNumber = false;
    const qint64 number = id.toLongLong(&isNumber);
    setSelectedFilterId(id.isNull() || !isNumber ? std::nullopt : std::optional<qint64>(number));
}

int SettingsForm::selectedFilterIndex() const
{
    if (!m_selectedFilterId)
        return 0;
    for (qsizetype i = 0; i < m_quickFilters.size(); ++i) {
        if (m_quickFilters.at(i).id == *m_selectedFilterId)
            return int(i) + 1;
    }
    return 0;
}

void SettingsForm::setSelectedFilterIndex(int index)
{
    if (index <= 0 || index > m_quickFilters.size())
        setSelectedFilterId(std::nullopt);
    else
        setSelectedFilterId(m_quickFilters.at(index - 1).id);
}

QVariantList SettingsForm::quickFilterItems() const
{
    QVariantList items;
    for (const QuickFilter &filter : m_quickFilters)
        items.append(QVariantMap{{QStringLiteral("id"), filter.id}, {QStringLiteral("name"), filter.name}});
    return items;
}

QStringList SettingsForm::filterChoices() const
{
    QStringList choices{QStringLiteral("None")};
    for (const QuickFilter &filter : m_quickFilters)
        choices.append(filter.name);
    return choices;
}

void SettingsForm::startLoadingQuickFilters()
{
    loadQuickFilters();
}

QCoro::Task<> SettingsForm::loadQuickFilters()
{
    if (m_loadingFilters)
        co_return;
    setLoadingFilters(true);
    setFilterMessage(std::nullopt);
    const JiraClient client(draftConfig());
    QPointer<SettingsForm> self(this);
    auto result = co_await client.fetchQuickFilters();
    if (!self)
        co_return;
    if (result.ok()) {
        setQuickFilters(std::move(result.value()));
        if (m_quickFilters.isEmpty())
            setFilterMessage(noFilters);
        else
            setSelectedFilterId(filterMatching(m_extraJQL));
    } else {
        // The list and the selection stay as they were.
        setFilterMessage(result.error().errorDescription());
    }
    setLoadingFilters(false);
}

// --- Notifications, general, updates --------------------------------------------------------------

QStringList SettingsForm::soundOptions() const
{
    return NotificationManager::soundOptions;
}

void SettingsForm::sendTestNotification()
{
    m_notifier.sendTest(m_soundName);
}

void SettingsForm::previewSound(const QString &name)
{
    if (name == QLatin1String("Default") || name == QLatin1String("None") || !playSound)
        return;
    playSound(name);
}

void SettingsForm::openTokenPage()
{
    if (openURL)
        openURL(tokenPageURL);
}

void SettingsForm::checkForUpdates()
{
    if (onCheckForUpdates)
        onCheckForUpdates();
}

QString SettingsForm::versionText(const QString &shortVersion, const QString &build)
{
    if (shortVersion.isEmpty())
        return QStringLiteral("dev");
    if (build.isEmpty())
        return shortVersion;
    return shortVersion + QStringLiteral(" (") + build + u')';
}

QString SettingsForm::appVersion() const
{
    return versionText(QString::fromUtf8(BuildInfo::shortVersion), QString::fromUtf8(BuildInfo::buildNumber));
}

bool SettingsForm::autoUpdate() const
{
    return m_updater ? m_updater->automaticallyChecksForUpdates() : true;
}

void SettingsForm::setAutoUpdate(bool enabled)
{
    if (m_updater)
        m_updater->setAutomaticallyChecksForUpdates(enabled);
    // Also without an updater, so a switch the user flipped goes back to what it shows.
    Q_EMIT autoUpdateChanged();
}
