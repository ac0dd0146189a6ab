#include "shell/UpdateWindowController.h"

#include "shell/QuickScene.h"
#include "updates/UpdateLinks.h"
#include "updates/UpdateSession.h"
#include "updates/Updater.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QEvent>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWindow>
#include <algorithm>

namespace {

// The tags Text.StyledText formats, under the name it knows them by; every other tag is dropped
// and its text kept.
QString styledTagName(const QString &tag)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("b"), QStringLiteral("b")},   {QStringLiteral("strong"), QStringLiteral("b")},
        {QStringLiteral("i"), QStringLiteral("i")},   {QStringLiteral("em"), QStringLiteral("i")},
        {QStringLiteral("u"), QStringLiteral("u")},   {QStringLiteral("p"), QStringLiteral("p")},
        {QStringLiteral("div"), QStringLiteral("p")}, {QStringLiteral("br"), QStringLiteral("br")},
        {QStringLiteral("ul"), QStringLiteral("ul")}, {QStringLiteral("ol"), QStringLiteral("ol")},
        {QStringLiteral("li"), QStringLiteral("li")}, {QStringLiteral("pre"), QStringLiteral("pre")},
        {QStringLiteral("h1"), QStringLiteral("h3")}, {QStringLiteral("h2"), QStringLiteral("h4")},
        {QStringLiteral("h3"), QStringLiteral("h5")}, {QStringLiteral("h4"), QStringLiteral("h5")},
        {QStringLiteral("h5"), QStringLiteral("h6")}, {QStringLiteral("h6"), QStringLiteral("h6")},
        {QStringLiteral("a"), QStringLiteral("a")},
    };
    return names.value(tag.toLower());
}

// Resolves character references with Qt's HTML reader; StyledText knows only a handful of them.
QString withoutReferences(const QString &html)
{
    static const QRegularExpression reference(
        QStringLiteral("&(?:#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[A-Za-z][A-Za-z0-9]{1,31});"));
    QString plain;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : reference.globalMatch(html)) {
        plain += html.mid(at, match.capturedStart() - at);
        plain += QTextDocumentFragment::fromHtml(match.captured()).toPlainText();
        at = match.capturedEnd();
    }
    plain += html.mid(at);
    return plain;
}

// Text between tags, escaped again for StyledText.
QString styledText(const QString &html)
{
    return withoutReferences(html).toHtmlEscaped();
}

// The https address of an <a> tag's attributes, or nothing.
QUrl linkTarget(const QString &attributes)
{
    static const QRegularExpression href(
        QStringLiteral(R"re(\bhref\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = href.match(attributes);
    if (!match.hasMatch())
        return {};
    QString value;
    for (int group = 1; group <= 3 && value.isEmpty(); ++group)
        value = match.captured(group);
    const QUrl url(withoutReferences(value).trimmed(), QUrl::StrictMode);
    return UpdateLinks::isHttps(url) ? url : QUrl();
}

} // namespace

UpdateWindowController::UpdateWindowController(Updater &updater, QObject *parent)
    : QObject(parent), m_session(*updater.session())
{
    connect(&m_session, &UpdateSession::changed, this, &UpdateWindowController::follow);
    connect(&m_session, &UpdateSession::finished, this, &UpdateWindowController::follow);
    connect(&m_session, &UpdateSession::progressChanged, this, &UpdateWindowController::progressChanged);
    if (m_session.presented())
        follow();
}

// The view is no child of this object (a window has no QObject parent), so it goes here.
UpdateWindowController::~UpdateWindowController()
{
    delete m_view;
}

bool UpdateWindowController::isShown() const
{
    return m_view && m_view->isVisible();
}

QString UpdateWindowController::title() const
{
    switch (m_session.state()) {
    case UpdateSession::State::idle:
        return {};
    case UpdateSession::State::checking:
        return tr("Checking for updates…");
    case UpdateSession::State::upToDate:
        return tr("You're up to date!");
    case UpdateSession::State::updateAvailable:
        return tr("A new version of Norrid is available!");
    case UpdateSession::State::downloading:
        return tr("Downloading update…");
    case UpdateSession::State::installing:
        return tr("Ready to Install");
    case UpdateSession::State::error:
        return tr("Update Error!");
    }
    return {};
}

QString UpdateWindowController::message() const
{
    switch (m_session.state()) {
    case UpdateSession::State::idle:
    case UpdateSession::State::checking:
        return {};
    case UpdateSession::State::upToDate:
        return tr("Norrid %1 is currently the newest version available.")
            .arg(m_session.runningDisplayVersion());
    case UpdateSession::State::updateAvailable:
        // An informational update has nothing to download, only a page to read.
        return (m_session.informational()
                    ? tr("Norrid %1 is now available — you have %2. Would you like to learn more "
                         "about this update on the web?")
                : m_session.installs()
                    ? tr("Norrid %1 is now available — you have %2. Would you like to install it "
                         "now?")
                    : tr("Norrid %1 is now available — you have %2. Would you like to download it "
                         "now?"))
            .arg(m_session.displayVersion(), m_session.runningDisplayVersion());
    case UpdateSession::State::downloading:
        return tr("Norrid %1 is being downloaded. Its signature is checked before it is installed.")
            .arg(m_session.displayVersion());
    case UpdateSession::State::installing:
        if (m_session.installerName().isEmpty())
            return tr("Norrid %1 was downloaded and its signature checked, and your software installer has "
                      "opened "
                      "it: finish the installation there, then start Norrid again. The checked update is "
                      "kept as "
                      "%2.")
                .arg(m_session.displayVersion(), m_session.keptFile());
        return tr("Norrid %1 was downloaded and its signature checked, and %2 has opened it: finish the "
                  "installation there, then start Norrid again. The checked update is kept as %3.")
            .arg(m_session.displayVersion(), m_session.installerName(), m_session.keptFile());
    case UpdateSession::State::error:
        return m_session.errorText();
    }
    return {};
}

double UpdateWindowController::progress() const
{
    const qint64 total = m_session.bytesTotal();
    return total > 0 ? std::clamp(double(m_session.bytesReceived()) / double(total), 0.0, 1.0) : -1.0;
}

QString UpdateWindowController::progressText() const
{
    const qint64 total = m_session.bytesTotal();
    // Tenths of a megabyte for large files; a small one would sit at "0.0" for a while.
    const int decimals = total >= 0 && total < 10'000'000 ? 2 : 1;
    const auto megabytes = [decimals](qint64 bytes) {
        return QString::number(double(bytes) / 1e6, 'f', decimals);
    };
    return total > 0 ? tr("%1 of %2 MB").arg(megabytes(m_session.bytesReceived()), megabytes(total))
                     : tr("%1 MB").arg(megabytes(m_session.bytesReceived()));
}

QString UpdateWindowController::releaseNotes() const
{
    return styledReleaseNotes(m_session.releaseNotes());
}

bool UpdateWindowController::hasReleaseNotesLink() const
{
    return m_session.releaseNotesURL().isValid();
}

void UpdateWindowController::openReleaseNotes()
{
    const QUrl url = m_session.releaseNotesURL();
    if (UpdateLinks::isHttps(url) && m_session.openURL)
        m_session.openURL(url);
}

void UpdateWindowController::openLink(const QString &link)
{
    const QUrl url(link, QUrl::StrictMode);
    if (UpdateLinks::isHttps(url) && m_session.openURL)
        m_session.openURL(url);
}

bool UpdateWindowController::canShowFile() const
{
    const UpdateSession::State state = m_session.state();
    return (state == UpdateSession::State::installing || state == UpdateSession::State::error) &&
           !m_session.keptFile().isEmpty();
}

void UpdateWindowController::showInFolder()
{
    const QString file = m_session.keptFile();
    if (file.isEmpty())
        return;
    // The file manager's own interface selects the file; without one, the folder opens.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(file).toString()} << QString();
    auto *answer = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 5000), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [file](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        if (done->reply().type() != QDBusMessage::ReplyMessage)
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath()));
    });
}

QString UpdateWindowController::styledReleaseNotes(const QString &description)
{
    static const QRegularExpression anyTag(QStringLiteral("<[A-Za-z/!?]"));
    if (!description.contains(anyTag))
        return description.trimmed().toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));

    // One token at a time: a comment, an element whose content is never text, a tag (attributes may
    // quote a ">"), or a declaration. Anything unclosed runs to the end and is dropped.
    static const QRegularExpression token(
        QStringLiteral(
            R"re(<!--.*?(?:-->|$))re"
            R"re(|<(script|style|head|title|iframe|object|embed|svg|math|template|noscript|textarea)\b)re"
            R"re(.*?(?:</\1\s*>|$))re"
            R"re(|<(/?)([A-Za-z][A-Za-z0-9]*)((?:[^>"']|"[^"]*"|'[^']*')*)(?:>|$))re"
            R"re(|<[!?][^>]*(?:>|$))re"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);

    QString styled;
    bool linkOpen = false;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : token.globalMatch(description)) {
        styled += styledText(description.mid(at, match.capturedStart() - at));
        at = match.capturedEnd();
        const QString tag = styledTagName(match.captured(3));
        if (tag.isEmpty())
            continue;
        const bool closing = !match.captured(2).isEmpty();
        if (tag == u"br") {
            styled += QStringLiteral("<br>");
        } else if (tag == u"a") {
            // A link shows as one only when it leads to an https page; otherwise its text stays.
            if (closing && linkOpen) {
                styled += QStringLiteral("</a>");
                linkOpen = false;
            } else if (!closing && !linkOpen) {
                const QUrl target = linkTarget(match.captured(4));
                if (target.isValid()) {
                    // StyledText takes the address as written, without resolving references; an
                    // encoded URL holds no quote that could end it.
                    styled += QStringLiteral("<a href=\"%1\">").arg(QString::fromLatin1(target.toEncoded()));
                    linkOpen = true;
                }
            }
        } else {
            styled += (closing ? QStringLiteral("</%1>") : QStringLiteral("<%1>")).arg(tag);
        }
    }
    styled += styledText(description.mid(at));
    if (linkOpen)
        styled += QStringLiteral("</a>");
    return styled.trimmed();
}

void UpdateWindowController::follow()
{
    Q_EMIT changed();
    if (!m_session.presented() || m_session.state() == UpdateSession::State::idle) {
        if (m_view)
            m_view->hide();
        return;
    }
    if (!m_view)
        build();
    if (!m_view)
        return;
    m_view->show();
    m_view->raise();
    m_view->requestActivate();
}

bool UpdateWindowController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::Close)
        m_session.close();
    return QObject::eventFilter(watched, event);
}

void UpdateWindowController::build()
{
    m_view = QuickScene::create(QStringLiteral("UpdateWindow"),
                                {{QStringLiteral("controller"), QVariant::fromValue(this)},
                                 {QStringLiteral("session"), QVariant::fromValue(&m_session)}});
    if (!m_view)
        return;
    m_view->setTitle(tr("Software Update"));
    m_view->setFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    QuickScene::fixSizeAndCentre(*m_view, size);

    // The window's close button dismisses the update, like Escape and the buttons that end it.
    m_view->installEventFilter(this);
}
