#include "NorridProcess.h"
#include "support/FakeJiraDocuments.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int timeoutMs = 30000;

// One element of the tree a screen reader reads, in the order atspi_tree.py walks it.
struct Node
{
    int depth = 0;
    QString role;
    QString name;
    QStringList states;
};

// The tree of the application of that process id, read through AT-SPI by python3-pyatspi: Debian's
// python, the one its package is installed for.
QList<Node> readTree(qint64 pid)
{
    QProcess reader;
    reader.start(u"/usr/bin/python3"_s, {QStringLiteral(NORRID_ATSPI_TREE), QString::number(pid)});
    if (!reader.waitForFinished(timeoutMs) || reader.exitCode() != 0)
        return {};
    QList<Node> nodes;
    for (const QByteArray &line : reader.readAllStandardOutput().split('\n')) {
        const QJsonObject node = QJsonDocument::fromJson(line).object();
        if (!node.isEmpty())
            nodes.append({node[u"depth"_s].toInt(), node[u"role"_s].toString(), node[u"name"_s].toString(),
                          node[u"states"_s].toVariant().toStringList()});
    }
    return nodes;
}

} // namespace

// The popover as a screen reader meets it: the real application as a process under Xvfb, with the
// accessibility bus started the way a desktop starts it (at-spi-bus-launcher, then org.a11y.Status
// IsEnabled set, as a screen reader does) and the popover opened with `norrid popover`. Its tree is
// read from outside through AT-SPI (atspi_tree.py). A notification server that holds its name but
// answers nothing turns notifications off, so that banner shows.
class TestAccessibility : public QObject
{
    Q_OBJECT

    FakeJiraServer m_jira;
    QProcess m_accessibilityBus;
    QDBusConnection m_silentServer = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"silent"_s);
    NorridProcess m_norrid;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_jira.start(), qPrintable(m_jira.errorString()));
        QList<FakeJiraDocuments::Issue> cards;
        for (int i = 1; i <= 3; ++i)
            cards.append({u"NOR-%1"_s.arg(i), u"Card %1"_s.arg(i),
                          i == 2 ? std::nullopt : std::optional(u"Ann"_s),
                          QDateTime::currentDateTimeUtc()
                              .addSecs(-60 * (10 - i))
                              .toString(u"yyyy-MM-ddTHH:mm:ss.zzz+0000"_s)});
        m_jira.setResponse(FakeJiraDocuments::issuesPath(u"42"_s),
                           FakeResponse::json(FakeJiraDocuments::issues(cards)));
        QVERIFY(m_silentServer.registerService(u"org.freedesktop.Notifications"_s));

        m_accessibilityBus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_accessibilityBus.start(u"/usr/libexec/at-spi-bus-launcher"_s, {u"--launch-immediately"_s});
        QVERIFY2(m_accessibilityBus.waitForStarted(), "at-spi-bus-launcher (at-spi2-core) did not start");
        QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
        QTRY_VERIFY_WITH_TIMEOUT(bus->isServiceRegistered(u"org.a11y.Bus"_s), timeoutMs);
        QDBusInterface status(u"org.a11y.Bus"_s, u"/org/a11y/bus"_s, u"org.a11y.Status"_s);
        QVERIFY(status.setProperty("IsEnabled", true));

        QVERIFY(m_norrid.prepare(m_jira, u"42"_s, u"a11y@example.com"_s, u"To review"_s, u"a11y-token"_s));
        m_norrid.process.start(QStringLiteral(NORRID_TESTAPP), {});
        QVERIFY2(m_norrid.process.waitForStarted(), qPrintable(m_norrid.process.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(!m_jira.requests().isEmpty(), timeoutMs);
        QTest::qWait(1000); // the answer is read
    }

    void cleanupTestCase()
    {
        m_norrid.stop();
        m_accessibilityBus.terminate();
        m_accessibilityBus.waitForFinished(5000);
    }

    // The card list is a list named by the count in words, each card a button named by its key,
    // summary, assignee and age, the first one focused; the notifications-off banner is an alert;
    // the views that are hidden are not there at all.
    void popoverReadsAsAListOfCards()
    {
        QCOMPARE(QProcess::execute(QStringLiteral(NORRID_TESTAPP), {u"popover"_s}), 0);
        QList<Node> tree;
        const auto find = [&tree](const QString &role, const QString &name = {}) {
            return std::find_if(tree.cbegin(), tree.cend(), [&](const Node &node) {
                return node.role == role && (name.isEmpty() || node.name == name) &&
                       node.states.contains(u"showing"_s);
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(
            (tree = readTree(m_norrid.process.processId()), find(u"list"_s) != tree.cend()), timeoutMs);
        const auto dump = [&tree] {
            QStringList lines;
            for (const Node &node : std::as_const(tree))
                lines.append(u"%1%2 \"%3\" %4"_s.arg(QString(node.depth * 2, u' '), node.role, node.name,
                                                     node.states.join(u',')));
            return lines.join(u'\n');
        };
        const auto showOnFailure = qScopeGuard([&dump] {
            if (QTest::currentTestFailed())
                qInfo().noquote() << "The tree read through AT-SPI:\n" << dump();
        });

        const auto list = find(u"list"_s);
        QCOMPARE(list->name, u"3 cards to review"_s);
        QStringList cards;
        for (auto node = list + 1; node != tree.cend() && node->depth > list->depth; ++node) {
            if (node->depth == list->depth + 1 && node->role == u"push button"_s)
                cards.append(node->name +
                             (node->states.contains(u"focused"_s) ? u" (focused)"_s : QString()));
        }
        QCOMPARE(cards, (QStringList{u"NOR-3, Card 3, assigned to Ann, updated 7 min. ago (focused)"_s,
                                     u"NOR-2, Card 2, updated 8 min. ago"_s,
                                     u"NOR-1, Card 1, assigned to Ann, updated 9 min. ago"_s}));

        QVERIFY(find(u"alert"_s, u"Notifications are off for Norrid. Enable them in your desktop's settings "
                                 "to get pinged about new cards."_s) != tree.cend());
        for (const QString &hidden : {u"Nothing to review"_s, u"Loading…"_s, u"Couldn't reach Jira"_s,
                                      u"Open Settings"_s, u"Install…"_s}) {
            const bool absent = std::none_of(tree.cbegin(), tree.cend(),
                                             [&](const Node &node) { return node.name.startsWith(hidden); });
            QVERIFY2(absent, qPrintable(hidden));
        }
        QCOMPARE(std::count_if(tree.cbegin(), tree.cend(),
                               [](const Node &node) { return node.role == u"alert"_s; }),
                 1);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
