#include "shell/StatusPresentation.h"

#include <QTest>

using StatusPresentation::StateKind;

class TestStatusPresentation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void look()
    {
        const QString message = QStringLiteral("Jira rejected the email/token (401). Check your API token.");
        const QString cards = QStringLiteral("Norrid — cards in  In Review ");
        const QString update = QStringLiteral("Norrid — update available");
        const QString setup = QStringLiteral("Norrid — needs setup");
        const QString triangle = QStringLiteral("exclamationmark.triangle"),
                      checklist = QStringLiteral("checklist");
        const struct
        {
            StateKind kind;
            bool update;
            StatusPresentation::Look look;
        } cases[] = {{StateKind::error, false, {QStringLiteral("Norrid — ") + message, triangle, false}},
                     {StateKind::error, true, {QStringLiteral("Norrid — ") + message, triangle, true}},
                     {StateKind::needsSetup, false, {setup, checklist, false}},
                     {StateKind::needsSetup, true, {setup, checklist, true}},
                     {StateKind::loading, false, {cards, checklist, false}},
                     {StateKind::ok, false, {cards, checklist, false}},
                     {StateKind::loading, true, {update, checklist, true}},
                     {StateKind::ok, true, {update, checklist, true}}};
        for (const auto &c : cases) {
            // The message only shows in the error state; the status name as stored, spaces included.
            const auto look =
                StatusPresentation::look({c.kind, message, c.update, QStringLiteral(" In Review ")});
            QCOMPARE(look.toolTip, c.look.toolTip);
            QCOMPARE(look.symbolName, c.look.symbolName);
            QCOMPARE(look.badged, c.look.badged);
        }
    }

    void countTexts()
    {
        QCOMPARE(StatusPresentation::title(0), QString());
        QCOMPARE(StatusPresentation::title(12), QStringLiteral(" 12"));
        // No singular form, and zero is still spoken.
        QCOMPARE(StatusPresentation::accessibleValue(0), QStringLiteral("0 cards to review"));
        QCOMPARE(StatusPresentation::accessibleValue(1), QStringLiteral("1 cards to review"));
    }
};

QTEST_APPLESS_MAIN(TestStatusPresentation)
#include "tst_statuspresentation.moc"
