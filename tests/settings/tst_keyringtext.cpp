// What every view says about the keyring, as one table of its states: each says what is true.
#include "settings/KeyringText.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Condition = KeyringState::Condition;
using Owed = KeyringState::Owed;
Q_DECLARE_METATYPE(KeyringState)

class TestKeyringText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachStateSaysWhatIsTrue_data()
    {
        QTest::addColumn<KeyringState>("state");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("tray");
        QTest::newRow("fine") << KeyringState{Condition::ready, Owed::nothing} << QString() << QString()
                              << QString();
        QTest::newRow("locked, token to read")
            << KeyringState{Condition::locked, Owed::read} << u"Keyring locked"_s
            << u"Your keyring is locked, so the Jira API token cannot be read. Once the keyring is unlocked, "
               u"Norrid connects again without asking for the token."_s
            << u"keyring locked; connects once the keyring is unlocked"_s;
        QTest::newRow("not answering, token to read")
            << KeyringState{Condition::unreachable, Owed::read} << u"Keyring not reachable"_s
            << u"Norrid cannot reach your system keyring, so the Jira API token cannot be read. Once the "
               u"keyring "
               u"answers, Norrid connects again without asking for the token."_s
            << u"keyring not reachable; connects once the keyring answers"_s;
        QTest::newRow("no keyring, token to store")
            << KeyringState{Condition::absent, Owed::save} << u"No keyring"_s
            << u"This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet), so the "
               u"Jira "
               u"API token is not stored yet. Norrid keeps it in memory and stores it once a keyring runs."_s
            << u"no keyring; stores the token once a keyring runs"_s;
        QTest::newRow("locked, token to delete")
            << KeyringState{Condition::locked, Owed::remove} << u"Keyring locked"_s
            << u"Your keyring is locked, so the old Jira API token is still stored. Norrid deletes it once "
               u"the "
               u"keyring is unlocked."_s
            << u"keyring locked; deletes the old token once the keyring is unlocked"_s;
    }

    void eachStateSaysWhatIsTrue()
    {
        QFETCH(KeyringState, state);
        QFETCH(QString, title);
        QFETCH(QString, sentence);
        QFETCH(QString, tray);
        QCOMPARE(KeyringText::title(state), title);
        QCOMPARE(KeyringText::sentence(state), sentence);
        QCOMPARE(KeyringText::trayNote(state), tray);
    }
};

QTEST_GUILESS_MAIN(TestKeyringText)
#include "tst_keyringtext.moc"
