#include "views/PopoverMetrics.h"

#include <QTest>

class TestPopoverMetrics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void height()
    {
        struct Case
        {
            int count;
            bool warning, update;
            double expected;
        };
        // Every message view (setup, loading, error, empty) gets the area of an empty list; from the
        // sixth card on, half a row peeks out below the five full ones.
        const Case cases[] = {{0, false, false, 300}, {1, false, false, 168},  {5, false, false, 440},
                              {6, false, false, 474}, {60, false, false, 474}, {-3, false, false, 300},
                              {0, false, true, 335},  {0, true, false, 335},   {1, true, true, 238},
                              {60, true, true, 544}};
        for (const Case &c : cases)
            QCOMPARE(PopoverMetrics::height(c.count, c.warning, c.update), c.expected);
    }
};

QTEST_APPLESS_MAIN(TestPopoverMetrics)
#include "tst_popovermetrics.moc"
