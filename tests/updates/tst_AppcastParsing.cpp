// Reading appcast feeds, published ones among them, and the order of versions.
#include "updates/AppcastParser.h"
#include "updates/VersionComparator.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QUrl feedURL(u"https://example.com/feeds/appcast.xml"_s);

AppcastParser::Result parseFixture(const char *name, const QUrl &feed = feedURL)
{
    QFile file(QStringLiteral(APPCAST_DATA_DIR "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    const AppcastParser::Result result = AppcastParser::parse(file.readAll(), feed);
    if (result.error)
        qFatal("%s: %s", name, qPrintable(*result.error));
    return result;
}

QStringList versions(const QList<AppcastItem> &items)
{
    QStringList result;
    for (const AppcastItem &item : items)
        result.append(item.version);
    return result;
}

} // namespace

class AppcastParsingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order"); // the sign of compare(a, b)
        auto row = [](const char *name, const char *a, const char *b, int order) {
            QTest::newRow(name) << QString::fromUtf8(a) << QString::fromUtf8(b) << order;
        };
        row("numbers, not text", "1.10", "1.9", 1);
        row("beta before release", "2.0b3", "2.0", -1);
        row("alpha before beta", "1.0a9", "1.0b1", -1);
        row("spelled pre-release", "1.0 beta", "1.0", -1);
        row("patch level", "1.0.1", "1.0", 1);
        row("leading zeros", "1.09", "1.10", -1);
        row("beyond 64 bits", "100000000000000000000", "99999999999999999999", 1);
        row("prose after the version", "3.0 (Visit abc.com for updates)", "4.0", -1);
        row("empty is oldest", "", "0", -1);
        row("trailing zero", "1.0", "1.0.0", 0);
    }

    void versionOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(VersionComparator::compare(a, b), order);
        QCOMPARE(VersionComparator::compare(b, a), -order);
    }

    void sampleFeed()
    {
        const AppcastParser::Result result = parseFixture("SampleAppcast.xml");
        QCOMPARE(versions(result.items), (QStringList{u"2.0"_s, u"1.5"_s, u"241"_s}));
        const AppcastItem &two = result.items.first();
        QCOMPARE(two.releaseNotesURL, QUrl(u"https://you.com/app/2.0.html"_s)); // white space around it
        QCOMPARE(two.downloadURL.toString(QUrl::FullyEncoded),
                 u"https://you.com/app/Your%20Great%20App%202.0.zip"_s);
        // A build number beside a display version: compared by the one, shown with the other.
        QCOMPARE(result.items[2].displayVersion, u"1.4"_s);
        // Feed order is not version order; and a bare build number outranks the dotted versions,
        // which is why a feed should use build numbers throughout.
        QCOMPARE(AppcastParser::newest(result.items)->version, u"241"_s);
        QCOMPARE(AppcastParser::newest(result.items.mid(0, 2))->version, u"2.0"_s);
        QVERIFY(!AppcastParser::newest({}));
    }

    void namespaceBoundToAnotherPrefix()
    {
        const AppcastParser::Result result = parseFixture("testnamespaces.xml");
        QCOMPARE(versions(result.items), (QStringList{u"3.0"_s, u"2.0"_s, u"4.0"_s, u"5.0"_s}));
        QCOMPARE(AppcastParser::newest(result.items)->version, u"5.0"_s);
        // The version inside informationalUpdate names the builds it applies to, not the item's.
        QVERIFY(result.items[2].isInformationalFor(u"2.5"_s) &&
                !result.items[2].isInformationalFor(u"3.0"_s));
        // The critical mark inside sparkle:tags.
        QVERIFY(result.items[3].isCriticalFor(u"4.0"_s));
    }

    void dangerousLinksAreDropped()
    {
        const AppcastParser::Result result = parseFixture("test-dangerous-link.xml");
        QCOMPARE(versions(result.items),
                 (QStringList{u"4.0"_s, u"3.0 (Visit abc.com for updates)"_s, u"2.0"_s, u"1.0"_s}));
        const AppcastItem &file = result.items[3];
        QVERIFY(file.releaseNotesURL.isEmpty() && file.fullReleaseNotesURL.isEmpty() &&
                file.infoURL.isEmpty() && file.downloadURL.isEmpty());
        // Plain http survives parsing; the session refuses to open it (see the feed tests).
        QCOMPARE(result.items[2].downloadURL, QUrl(u"http://sparkle-project.org/release-2.0.zip"_s));
        QCOMPARE(result.items[2].displayVersion, u"2.0 (Visit abc.com for updates)"_s);
        QVERIFY(result.items[1].critical && result.items[1].criticalBelowVersion.isEmpty());
        QCOMPARE(AppcastParser::newest(result.items)->version, u"4.0"_s);
        QVERIFY(result.items[0].isInformationalFor(u"1.0"_s));
    }

    void relativeLinksResolveAgainstTheFeed()
    {
        const AppcastParser::Result result = parseFixture("test-relative-urls.xml");
        QCOMPARE(result.items[0].downloadURL, QUrl(u"https://example.com/feeds/release-3.0.zip"_s));
        QCOMPARE(result.items[0].releaseNotesURL, QUrl(u"https://example.com/feeds/notes/relnote-3.0.txt"_s));
        QVERIFY(result.items[1].downloadURL.isEmpty()); // no enclosure
        QCOMPARE(result.items[1].infoURL, QUrl(u"https://example.com/info/info-2.0.txt"_s));
        // Without a feed address a relative link leads nowhere and is dropped.
        QVERIFY(parseFixture("test-relative-urls.xml", QUrl()).items[0].downloadURL.isEmpty());
    }

    void malformedFeedsGiveAnError_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("message");
        const QString unreadable = u"The update feed could not be read: "_s;
        QTest::newRow("empty") << QByteArray() << unreadable + u"it is empty."_s;
        QTest::newRow("HTML page") << QByteArray("<html><body>Moved</body></html>")
                                   << unreadable + u"it is not an RSS feed."_s;
        QTest::newRow("cut off") << QByteArray("<rss version=\"2.0\"><channel><item><title>1.0</title>")
                                 << unreadable;
        QTest::newRow("unbound prefix")
            << QByteArray("<rss><channel><item><sparkle:version>2</sparkle:version></item></channel></rss>")
            << unreadable;
    }

    void malformedFeedsGiveAnError()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, message);
        const AppcastParser::Result result = AppcastParser::parse(document, feedURL);
        QVERIFY(result.error);
        QVERIFY2(result.error->startsWith(message), qPrintable(*result.error));
        QVERIFY(result.items.isEmpty());
    }
};

QTEST_GUILESS_MAIN(AppcastParsingTest)
#include "tst_AppcastParsing.moc"
