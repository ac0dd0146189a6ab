#include "updates/AppcastParser.h"
#include "updates/VersionComparator.h"

#include <QFile>
#include <QTest>

namespace {

const QUrl feedURL(QStringLiteral("https://example.com/feeds/appcast.xml"));

AppcastParser::Result parseFixture(const char *name)
{
    QFile file(QStringLiteral(APPCAST_DATA_DIR "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return AppcastParser::parse(file.readAll(), feedURL);
}

const AppcastItem &itemWithVersion(const AppcastParser::Result &result, const QString &version)
{
    for (const AppcastItem &item : result.items) {
        if (item.version == version)
            return item;
    }
    qFatal("no item with version %s", qPrintable(version));
}

QUrl url(const char *text)
{
    return QUrl(QString::fromLatin1(text));
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
        QVERIFY(!result.error);
        QCOMPARE(result.items.size(), 3);

        const AppcastItem &two = result.items.first();
        QCOMPARE(two.version, QStringLiteral("2.0"));
        QCOMPARE(two.releaseNotesURL,
                 url("https://you.com/app/2.0.html")); // white space around it in the feed
        QCOMPARE(two.downloadURL.toString(QUrl::FullyEncoded),
                 QStringLiteral("https://you.com/app/Your%20Great%20App%202.0.zip"));
        QCOMPARE(two.date, QDateTime(QDate(2006, 1, 9), QTime(19, 20, 11), Qt::UTC));

        // A build number beside a display version: compared by the one, shown with the other.
        const AppcastItem &build = itemWithVersion(result, QStringLiteral("241"));
        QCOMPARE(build.displayVersion, QStringLiteral("1.4"));

        // Feed order is not version order; and a bare build number outranks the dotted versions, which
        // is why a feed should use build numbers throughout.
        QCOMPARE(AppcastParser::newest(result.items)->version, QStringLiteral("241"));
        QCOMPARE(AppcastParser::newest(result.items.mid(0, 2))->version, QStringLiteral("2.0"));
        QVERIFY(!AppcastParser::newest({}));
    }

    void namespaceBoundToAnotherPrefix()
    {
        const AppcastParser::Result result = parseFixture("testnamespaces.xml");
        QVERIFY(!result.error);
        QStringList versions;
        for (const AppcastItem &item : result.items)
            versions.append(item.version);
        QCOMPARE(versions, (QStringList{u"3.0"_qs, u"2.0"_qs, u"4.0"_qs, u"5.0"_qs}));
        QCOMPARE(AppcastParser::newest(result.items)->version, QStringLiteral("5.0"));

        // The version inside informationalUpdate names the builds it applies to, not the item's version.
        const AppcastItem &informational = result.items[2];
        QVERIFY(informational.informational);
        QCOMPARE(informational.informationalVersions, QStringList{u"2.5"_qs});
        QVERIFY(informational.isInformationalFor(QStringLiteral("2.5")));
        QVERIFY(!informational.isInformationalFor(QStringLiteral("3.0")));

        // The critical mark inside sparkle:tags.
        QVERIFY(result.items[3].isCriticalFor(QStringLiteral("4.0")));
    }

    void dangerousLinksAreDropped()
    {
        const AppcastParser::Result result = parseFixture("test-dangerous-link.xml");
        QVERIFY(!result.error);
        QCOMPARE(result.items.size(), 4);

        const AppcastItem &file = itemWithVersion(result, QStringLiteral("1.0"));
        QVERIFY(file.releaseNotesURL.isEmpty() && file.fullReleaseNotesURL.isEmpty() &&
                file.infoURL.isEmpty() && file.downloadURL.isEmpty());

        // Plain http survives parsing; the session refuses to open it (see the feed tests).
        const AppcastItem &plain = itemWithVersion(result, QStringLiteral("2.0"));
        QCOMPARE(plain.downloadURL, url("http://sparkle-project.org/release-2.0.zip"));
        QCOMPARE(plain.displayVersion, QStringLiteral("2.0 (Visit abc.com for updates)"));

        const AppcastItem &prose = itemWithVersion(result, QStringLiteral("3.0 (Visit abc.com for updates)"));
        QVERIFY(prose.critical);
        QVERIFY(prose.criticalBelowVersion.isEmpty());

        const AppcastItem newest = *AppcastParser::newest(result.items);
        QCOMPARE(newest.version, QStringLiteral("4.0"));
        QVERIFY(newest.isInformationalFor(QStringLiteral("1.0")));
    }

    void relativeLinksResolveAgainstTheFeed()
    {
        const AppcastParser::Result result = parseFixture("test-relative-urls.xml");
        QVERIFY(!result.error);
        QCOMPARE(result.items.size(), 4);
        QCOMPARE(result.items[0].downloadURL, url("https://example.com/feeds/release-3.0.zip"));

        const AppcastItem &noEnclosure = result.items[1];
        QVERIFY(noEnclosure.downloadURL.isEmpty());
        QCOMPARE(noEnclosure.infoURL, url("https://example.com/info/info-2.0.txt"));

        QCOMPARE(result.items[2].fullReleaseNotesURL, url("https://example.com/feeds/notes/fullnotes.txt"));

        // Without a feed address a relative link leads nowhere and is dropped.
        QFile file(QStringLiteral(APPCAST_DATA_DIR "/test-relative-urls.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(AppcastParser::parse(file.readAll(), QUrl()).items[0].downloadURL.isEmpty());
    }

    void malformedFeedsGiveAnError_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("message");
        const QString unreadable = QStringLiteral("The update feed could not be read: ");
        QTest::newRow("empty") << QByteArray() << unreadable + QStringLiteral("it is empty.");
        QTest::newRow("HTML page") << QByteArray("<html><body>Moved</body></html>")
                                   << unreadable + QStringLiteral("it is not an RSS feed.");
        QTest::newRow("cut off") << QByteArray("<rss version=\"2.0\"><channel><item><title>1.0</title>")
                                 << unreadable;
        QTest::newRow("unbound prefix")
            << QByteArray("<rss><channel><item><sparkle:version>2</sparkle:version>"
                          "</item></channel></rss>")
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
