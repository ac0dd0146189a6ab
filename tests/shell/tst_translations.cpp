#include "shell/Translations.h"
#include "views/RelativeTime.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QDateTime now(QDate(2024, 3, 15), QTime(12, 0), Qt::UTC);

// The placeholders of a text, as a sorted list: a translation must keep every one of them.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(?:[1-9]|n)"));
    QStringList found;
    for (const auto &match : pattern.globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

void removeTranslators()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        removeTranslators();
        QLocale::setDefault(QLocale::c());
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("fiveDaysAgo");
        QTest::addColumn<QString>("oneDayAgo");
        QTest::addColumn<QString>("threeCards");
        QTest::newRow("de") << "de_DE"
                            << "vor 5 Tagen"
                            << "vor 1 Tag"
                            << "3 Vorgänge bereit zur Prüfung";
        QTest::newRow("fr") << "fr_FR"
                            << "il y a 5 jours"
                            << "il y a 1 jour"
                            << "3 tickets prêts pour la revue";
        QTest::newRow("es") << "es_ES"
                            << "hace 5 días"
                            << "hace 1 día"
                            << "3 incidencias listas para revisión";
        QTest::newRow("pt_BR") << "pt_BR"
                               << "há 5 dias"
                               << "há 1 dia"
                               << "3 itens prontos para revisão";
    }

    // The .ts is complete: every text translated, every plural form there (two in each of these
    // languages), no placeholder lost or added. Then the built catalogue is the one Norrid loads
    // for the language, and its plurals come out right.
    void catalogue()
    {
        QFETCH(QString, language);
        const QString name = language.startsWith(u"pt") ? language : language.left(2);
        QFile ts(QStringLiteral(NORRID_TS_DIR "/norrid_%1.ts").arg(name));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString source;
        bool numerus = false;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"message") {
                numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
                ++messages;
            } else if (xml.name() == u"translation") {
                QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(source));
                QStringList forms;
                if (!numerus)
                    forms.append(xml.readElementText());
                while (numerus && xml.readNextStartElement())
                    forms.append(xml.readElementText());
                QVERIFY2(forms.size() == (numerus ? 2 : 1), qPrintable(source));
                for (const QString &form : std::as_const(forms)) {
                    QVERIFY2(!form.trimmed().isEmpty(), qPrintable(source));
                    QCOMPARE(placeholders(form), placeholders(source));
                }
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 100);

        QLocale::setDefault(QLocale(language));
        QVERIFY(Translations::install(*QCoreApplication::instance()));
        QFETCH(QString, fiveDaysAgo);
        QFETCH(QString, oneDayAgo);
        QFETCH(QString, threeCards);
        QCOMPARE(RelativeTime::string(now.addDays(-5), now), fiveDaysAgo);
        QCOMPARE(RelativeTime::string(now.addDays(-1), now), oneDayAgo);
        QCOMPARE(QCoreApplication::translate("NotificationManager", "%n cards ready for review", nullptr, 3),
                 threeCards);
    }

    // English is the source: a user whose first language is English, or one Norrid has no
    // catalogue for, reads the source texts.
    void english()
    {
        for (const char *language : {"en_US", "it_IT"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(language)));
            QVERIFY(!Translations::install(*QCoreApplication::instance()));
            QCOMPARE(RelativeTime::string(now.addDays(-5), now), QStringLiteral("5 days ago"));
        }
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("status") << QStringList{QStringLiteral("status")} << 3 << "Norrid läuft nicht.";
        QTest::newRow("help, with Qt's own words")
            << QStringList{QStringLiteral("--help")} << 0 << "Optionen:";
        QTest::newRow("usage") << QStringList{QStringLiteral("frobnicate")} << 2
                               << "unbekannter Befehl „frobnicate“";
    }

    // `norrid` on a German desktop, with no session bus to find a Norrid on.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QProcess norrid;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=/nonexistent"));
        norrid.setProcessEnvironment(environment);
        norrid.start(QStringLiteral(NORRID_EXECUTABLE), arguments);
        QVERIFY(norrid.waitForFinished(10000));
        QTEST(norrid.exitCode(), "exitCode");
        const QString output =
            QString::fromUtf8(norrid.readAllStandardOutput() + norrid.readAllStandardError());
        QFETCH(QString, expected);
        QVERIFY2(output.contains(expected), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
