#include "shell/StatusIconImage.h"
#include "shell/SymbolNames.h"

#include <QDir>
#include <QFileInfo>
#include <QSvgRenderer>
#include <QTest>

namespace {

using Content = StatusIconImage::Content;
const QColor light(240, 240, 240), dark(32, 32, 32);

Content content(const char *symbol, int count = 0, bool badged = false, QColor colour = light)
{
    return {QString::fromLatin1(symbol), count, badged, colour};
}

int alphaAt(const QImage &image, QPointF point)
{
    return qAlpha(image.pixel(point.toPoint()));
}

// The bounds of the digits cut into the pill: transparent pixels between opaque ones on their row.
// Rendered without a symbol, so the pill is the only shape.
QRect digitHoles(const QImage &image)
{
    QRect holes;
    for (int y = 0; y < image.height(); ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 200) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        for (int x = first + 1; first >= 0 && x < last; ++x) {
            if (qAlpha(image.pixel(x, y)) < 100)
                holes |= QRect(x, y, 1, 1);
        }
    }
    return holes;
}

} // namespace

class TestStatusIconImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every name resolves to a bundled SVG, and nothing unused is bundled.
    void symbolTable()
    {
        QStringList used;
        for (const QString &name : SymbolNames::symbolNames()) {
            const QString path = SymbolNames::resourcePath(name);
            QVERIFY2(QSvgRenderer(path).isValid(), qPrintable(name));
            used.append(QFileInfo(path).fileName());
        }
        QCOMPARE(SymbolNames::resourcePath(QStringLiteral("no.such.symbol")), QString());
        used.removeDuplicates();
        used.sort();
        QCOMPARE(QDir(QStringLiteral(":/icons")).entryList(QDir::Files, QDir::Name), used);
    }

    // The one colour given, whatever the SVG names, so the icon reads on the panel it is made for.
    void monochrome()
    {
        for (const QColor &colour : {light, dark}) {
            const QImage image =
                StatusIconImage::render(content("exclamationmark.triangle", 12, true, colour), 32);
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (qAlpha(image.pixel(x, y)) == 255 && ++opaque)
                        QCOMPARE(QColor(image.pixel(x, y)), colour);
                }
            }
            QVERIFY(opaque > 100);
        }
    }

    void updateDot()
    {
        for (const char *symbol : {"checklist", "exclamationmark.triangle"}) {
            for (const int size : {16, 22, 32, 44}) {
                const double diameter = size * 6.0 / 22.0;
                const QPointF centre(size - diameter / 2, diameter / 2), corner(size - 1, size - 1);
                const QImage plain = StatusIconImage::render(content(symbol), size);
                const QImage badged = StatusIconImage::render(content(symbol, 0, true), size);
                QCOMPARE(alphaAt(plain, centre), 0);
                QCOMPARE(alphaAt(badged, centre), 255);
                QCOMPARE(alphaAt(badged, corner), alphaAt(plain, corner));
            }
        }
    }

    // The digits are cut out of the pill tall enough to read, and each count looks different.
    void countIsLegible()
    {
        for (const int size : {16, 22, 24, 32, 44}) {
            QCOMPARE(digitHoles(StatusIconImage::render(content("", 0), size)), QRect());
            QList<QRect> digits;
            QList<QImage> images;
            for (const int count : {1, 7, 12, 99, 100}) {
                images.append(StatusIconImage::render(content("", count), size));
                digits.append(digitHoles(images.last()));
                QVERIFY2(
                    digits.last().height() >= size * 0.3,
                    qPrintable(QStringLiteral("%1 px: %2 px digits").arg(size).arg(digits.last().height())));
                QCOMPARE(images.count(images.last()), 1);
            }
            QVERIFY(digits.at(2).width() > digits.at(1).width());
        }
        QCOMPARE(StatusIconImage::countText(100), QStringLiteral("99+"));
    }

    void cacheReusesIcons()
    {
        StatusIconImage images(2);
        const QIcon three = images.icon(content("checklist", 3));
        QCOMPARE(images.icon(content("checklist", 3)).cacheKey(), three.cacheKey());
        QCOMPARE(images.renderCount(), 1);
        QVERIFY(images.icon(content("checklist", 4)).cacheKey() != three.cacheKey());
        QCOMPARE(images.icon(content("checklist", 3)).cacheKey(), three.cacheKey());
        QCOMPARE(images.renderCount(), 2);
        // Every part of the content counts, the colour too; the least recently used entry goes.
        images.icon(content("checklist", 3, true));
        images.icon(content("checklist", 3, false, dark));
        QCOMPARE(images.renderCount(), 4);
        QVERIFY(images.icon(content("checklist", 3)).cacheKey() != three.cacheKey());
        QCOMPARE(images.renderCount(), 5);

        // Tray hosts ask for logical sizes at scale 1 and 2.
        for (const int size : StatusIconImage::logicalSizes)
            QCOMPARE(three.pixmap(QSize(size, size), 2.0).size(), QSize(size, size) * 2);
    }
};

QTEST_MAIN(TestStatusIconImage)
#include "tst_statusiconimage.moc"
