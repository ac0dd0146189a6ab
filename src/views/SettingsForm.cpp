#include "views/SettingsForm.h"

#include "jira/BoardAddress.h"
#include "jira/JiraSite.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "updates/Updater.h"
#include "views/SettingsValidation.h"
#include "views/VersionText.h"

#include <QDesktopServices>
#include <algorithm>

using SettingsValidation::trimmed;

const QList<qint64> SettingsForm::pollIntervals{30, 60, 120, 300};
const QUrl SettingsForm::tokenPageURL{
    QStringLiteral("https://id.atlassian.com/manage-profile/security/api-tokens")};

SettingsForm::SettingsForm(AppSettings &settings, NotificationManager &notifier, Updater *updater,
                           QObject *parent)
    : QObject(parent), openURL([](const QUrl &url) { QDesktopServices::openUrl(url); }), m_settings(settings),
      m_notifier(notifier), m_updater(updater)
{
    if (updater)
        connect(updater, &Updater::automaticallyChecksForUpdatesChanged, this,
                &SettingsForm::autoUpdateChanged);
    // The ok text names the status field as it reads now.
    connect(this, &SettingsForm::statusNameChanged, this, &SettingsForm::testResultTextChanged);
    // A column without a name is called by its status in the list.
    connect(this, &SettingsForm::statusNameChanged, this, &SettingsForm::columnsChanged);
    connect(this, &SettingsForm::testResultChanged, this, &SettingsForm::testResultTextChanged);
    connect(&settings, &AppSettings::tokenUnavailableChanged, this, &SettingsForm::saveProblemChanged);
    connect(&settings, &AppSettings::saveProblemChanged, this, &SettingsForm::saveProblemChanged);
    connect(&settings, &AppSettings::trayIconAppearanceChanged, this, &SettingsForm::trayIconIndexChanged);

    connect(&m_connectionTest, &ConnectionTest::runningChanged, this, &SettingsForm::testingChanged);
    connect(&m_connectionTest, &ConnectionTest::runningChanged, this, &SettingsForm::availabilityChanged);
    connect(&m_connectionTest, &ConnectionTest::resultChanged, this, &SettingsForm::testResultChanged);
    m_connectionTest.onPassed = [this](const SettingsDraft &tested) { store(tested); };

    connect(&m_filters, &QuickFilterChoice::filtersChanged, this, &SettingsForm::quickFiltersChanged);
    connect(&m_filters, &QuickFilterChoice::selectionChanged, this, &SettingsForm::selectedFilterIdChanged);
    connect(&m_filters, &QuickFilterChoice::loadingChanged, this, &SettingsForm::loadingFiltersChanged);
    connect(&m_filters, &QuickFilterChoice::loadingChanged, this, &SettingsForm::availabilityChanged);
    connect(&m_filters, &QuickFilterChoice::messageChanged, this, &SettingsForm::filterMessageChanged);
    connect(&m_filters, &QuickFilterChoice::jqlPicked, this, &SettingsForm::setExtraJQL);
    m_filters.teamFilter = [this] { return m_draft.extraJQL; };
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
    assignField(m_draft.siteURL, value, &SettingsForm::siteURLChanged);
    fillBoardIdFrom(value);
}

void SettingsForm::fillBoardIdFrom(const QString &siteAddress)
{
    // A board page pasted for the site names the board to watch. A board ID the user gave stays;
    // one filled in from an earlier text of this field follows it (the address may be typed).
    if (!trimmed(m_draft.boardId).isEmpty() && m_boardIdNote.isEmpty())
        return;
    if (const auto board = BoardAddress::boardId(siteAddress)) {
        setBoardId(*board);
        setBoardIdNote(tr("Filled in from the board address you pasted."));
    }
}

void SettingsForm::setBoardIdNote(const QString &note)
{
    if (note == m_boardIdNote)
        return;
    m_boardIdNote = note;
    Q_EMIT boardIdNoteChanged();
}
void SettingsForm::setEmail(const QString &value)
{
    assignField(m_draft.email, value, &SettingsForm::emailChanged);
}
void SettingsForm::setToken(const QString &value)
{
    assignField(m_draft.token, value, &SettingsForm::tokenChanged);
}
void SettingsForm::setBoardId(const QString &value)
{
    setBoardIdNote({});
    assignField(m_draft.boardId, value, &SettingsForm::boardIdChanged);
}

void SettingsForm::setStatusName(const QString &value)
{
    assignField(m_draft.statusName, value, &SettingsForm::statusNameChanged);
}

void SettingsForm::setExtraJQL(const QString &value)
{
    const bool changed = value != m_draft.extraJQL;
    m_draft.extraJQL = value;
    Q_EMIT extraJQLChanged();
    // Emptying the field when it leaves the picked filter's JQL would wipe what the user is typing at
    // each keystroke; choosing "None" in the picker is what empties it.
    if (changed)
        m_filters.followEditedJQL(value);
}

void SettingsForm::setColumnName(const QString &value)
{
    m_draft.columnName = value;
    Q_EMIT columnNameChanged();
    Q_EMIT columnsChanged();
}

QStringList SettingsForm::columnTitles() const
{
    QStringList titles;
    for (const WatchedColumn &column : m_draft.allColumns())
        titles.append(column.title().isEmpty() ? tr("New column") : column.title());
    return titles;
}

bool SettingsForm::canAddColumn() const
{
    return m_draft.columns.size() < AppSettings::maximumColumns;
}

void SettingsForm::showColumn(qsizetype index)
{
    m_draft.columns = m_draft.allColumns();
    m_draft.current = std::clamp<qsizetype>(index, 0, m_draft.columns.size() - 1);
    const WatchedColumn column = m_draft.columns.at(m_draft.current);
    setBoardId(column.boardId);
    setStatusName(column.statusName);
    setExtraJQL(column.extraJQL);
    setColumnName(column.name);
    // The quick filters belong to the board: those of this column's.
    m_filters.matchSelection(m_draft.extraJQL);
    if (canLoadFilters())
        startLoadingQuickFilters();
}

void SettingsForm::setCurrentColumn(int index)
{
    if (index != m_draft.current && index >= 0 && index < m_draft.columns.size())
        showColumn(index);
}

void SettingsForm::addColumn()
{
    if (!canAddColumn())
        return;
    m_draft.columns = m_draft.allColumns();
    m_draft.columns.append({m_draft.columns.at(m_draft.current).boardId, {}, {}, {}, {}});
    showColumn(m_draft.columns.size() - 1);
}

void SettingsForm::removeColumn()
{
    if (m_draft.columns.size() < 2)
        return;
    const qsizetype removed = m_draft.current;
    m_draft.columns.remove(removed);
    m_draft.current = -1; // what the fields hold is the removed column's
    showColumn(std::min(removed, m_draft.columns.size() - 1));
}

void SettingsForm::moveColumn(int offset)
{
    const qsizetype to = m_draft.current + offset;
    if (to < 0 || to >= m_draft.columns.size())
        return;
    m_draft.columns = m_draft.allColumns();
    m_draft.columns.move(m_draft.current, to);
    m_draft.current = to;
    Q_EMIT columnsChanged();
}

void SettingsForm::setPollInterval(qint64 seconds)
{
    m_draft.pollInterval = seconds;
    Q_EMIT pollIntervalChanged();
}

int SettingsForm::pollIntervalIndex() const
{
    return int(pollIntervals.indexOf(m_draft.pollInterval));
}

void SettingsForm::setPollIntervalIndex(int index)
{
    if (index >= 0 && index < pollIntervals.size())
        setPollInterval(pollIntervals.at(index));
}

void SettingsForm::setSoundName(const QString &value)
{
    m_draft.soundName = value;
    Q_EMIT soundNameChanged();
}

void SettingsForm::setLaunchAtLogin(bool enabled)
{
    m_draft.launchAtLogin = enabled;
    Q_EMIT launchAtLoginChanged();
}

bool SettingsForm::canConnect() const
{
    return SettingsValidation::canConnect(m_draft);
}

bool SettingsForm::canLoadFilters() const
{
    return !m_filters.loading() && canConnect();
}

// --- Load and save --------------------------------------------------------------------------------

void SettingsForm::load()
{
    const SettingsDraft stored = SettingsDraft::stored(m_settings);
    // Not setSiteURL: the board is filled in from what the user pastes, not from what was stored.
    assignField(m_draft.siteURL, stored.siteURL, &SettingsForm::siteURLChanged);
    setBoardId(stored.boardId);
    setEmail(stored.email);
    setToken(stored.token);
    setStatusName(stored.statusName);
    setExtraJQL(stored.extraJQL);
    setPollInterval(stored.pollInterval);
    setSoundName(stored.soundName);
    setLaunchAtLogin(stored.launchAtLogin);
    m_draft.columns = stored.columns;
    m_draft.current = 0;
    setColumnName(stored.columnName);
    // The picker's selection belongs to the draft too: the quick filter the stored team filter is.
    m_filters.matchSelection(m_draft.extraJQL);
}

void SettingsForm::appear()
{
    load();
    Q_EMIT appeared();
    if (canLoadFilters())
        startLoadingQuickFilters();
}

void SettingsForm::apply()
{
    store(m_draft);
}

void SettingsForm::store(const SettingsDraft &draft)
{
    // The field shows the address as stored, unless the user typed another one since.
    if (draft.siteURL == m_draft.siteURL)
        setSiteURL(JiraConfig::normalizeSiteURL(draft.siteURL));
    m_launchAtLoginProblem = draft.store(m_settings);
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

// --- Connection test and quick filters ------------------------------------------------------------

SettingsForm::ResultKind SettingsForm::testResultKind() const
{
    if (!testResult())
        return ResultKind::none;
    return testResult()->kind == TestResult::Kind::ok ? ResultKind::ok : ResultKind::fail;
}

QString SettingsForm::testResultText() const
{
    if (!testResult())
        return {};
    if (testResult()->kind == TestResult::Kind::fail)
        return testResult()->message;
    if (!testResult()->columns.isEmpty()) {
        if (!testResult()->server.isEmpty())
            return tr("Connected to %1 — %2").arg(testResult()->server, testResult()->columns);
        return tr("Connected — %1").arg(testResult()->columns);
    }
    if (!testResult()->server.isEmpty())
        return tr("Connected to %1 — %n in %2", nullptr, testResult()->count)
            .arg(testResult()->server, trimmed(m_draft.statusName));
    return tr("Connected — %n in %1", nullptr, testResult()->count).arg(trimmed(m_draft.statusName));
}

QCoro::Task<> SettingsForm::testConnection()
{
    return m_connectionTest.run(m_draft);
}

void SettingsForm::startTestConnection()
{
    testConnection();
}

QVariant SettingsForm::selectedFilterIdValue() const
{
    const auto id = m_filters.selectedId();
    return id ? QVariant(*id) : QVariant();
}

void SettingsForm::setSelectedFilterIdValue(const QVariant &id)
{
    bool isNumber = false;
    const qint64 number = id.toLongLong(&isNumber);
    setSelectedFilterId(id.isNull() || !isNumber ? std::nullopt : std::optional<qint64>(number));
}

QCoro::Task<> SettingsForm::loadQuickFilters()
{
    return m_filters.load(m_draft.config());
}

void SettingsForm::startLoadingQuickFilters()
{
    loadQuickFilters();
}

// --- Notifications, general, updates --------------------------------------------------------------

QStringList SettingsForm::soundOptions() const
{
    return NotificationManager::soundOptions;
}

QStringList SettingsForm::soundChoices() const
{
    // The sounds keep their names; only the two that are not a sound's name are words to translate.
    QStringList choices = soundOptions();
    for (QString &choice : choices) {
        if (choice == u"Default")
            choice = tr("Default");
        else if (choice == u"None")
            choice = tr("None");
    }
    return choices;
}

QStringList SettingsForm::pollIntervalChoices() const
{
    return {tr("30 seconds"), tr("1 minute"), tr("2 minutes"), tr("5 minutes")};
}

void SettingsForm::sendTestNotification()
{
    m_notifier.sendTest(m_draft.soundName);
}

void SettingsForm::previewSound(const QString &name)
{
    soundPreview.preview(name);
}

std::optional<QUrl> SettingsForm::personalAccessTokenPage() const
{
    const JiraSite site = JiraSite::read(m_draft.config().siteURL);
    if (!site.isValid() || site.isCloud())
        return std::nullopt;
    return site.personalAccessTokenPage();
}

QString SettingsForm::tokenPageText() const
{
    return personalAccessTokenPage() ? tr("Create a personal access token…") : tr("Create an API token…");
}

void SettingsForm::openTokenPage()
{
    if (openURL)
        openURL(personalAccessTokenPage().value_or(tokenPageURL));
}

bool SettingsForm::canSignIn() const
{
    return testResult() && testResult()->signInURL.has_value();
}

void SettingsForm::signIn()
{
    if (canSignIn() && openURL)
        openURL(*testResult()->signInURL);
}

void SettingsForm::copyDiagnostics()
{
    if (onCopyDiagnostics)
        onCopyDiagnostics();
}

void SettingsForm::checkForUpdates()
{
    if (onCheckForUpdates)
        onCheckForUpdates();
}

QString SettingsForm::siteProblem() const
{
    return SettingsValidation::siteProblem(m_draft);
}

QString SettingsForm::siteNote() const
{
    const JiraSite site = JiraSite::read(m_draft.config().siteURL);
    if (!site.isValid() || site.dropped().isEmpty())
        return {};
    return tr("Norrid reads Jira at %1.").arg(site.baseText());
}

QString SettingsForm::firstEmptyField() const
{
    return SettingsValidation::firstEmptyConnectionField(m_draft);
}

QString SettingsForm::appVersion() const
{
    return VersionText::current();
}

namespace {
// The stored values of the tray icon's appearance, in the order of its choices.
const QStringList trayIconSettings{QStringLiteral("automatic"), QStringLiteral("light"),
                                   QStringLiteral("dark")};
} // namespace

QStringList SettingsForm::trayIconChoices() const
{
    return {tr("Automatic"), tr("Light"), tr("Dark")};
}

int SettingsForm::trayIconIndex() const
{
    return int(std::max<qsizetype>(0, trayIconSettings.indexOf(m_settings.trayIconAppearance())));
}

void SettingsForm::setTrayIconIndex(int index)
{
    if (index >= 0 && index < trayIconSettings.size())
        m_settings.setTrayIconAppearance(trayIconSettings.at(index));
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
