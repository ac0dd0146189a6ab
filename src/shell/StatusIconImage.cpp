#include "shell/StatusIconImage.h"

#include "shell/StatusIconEngine.h"
#include "shell/StatusPresentation.h"
#include "shell/SymbolNames.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

// Proportions of the badged symbol: the symbol shrinks to 22/25 and sits at the bottom left, so the
// dot (6/22 of the icon) has the top-right corner mostly to itself.
constexpr double badgedSymbolScale = 22.0 / 25.0;
constexpr double dotScale = 6.0 / 22.0;
// The pill is over half the icon tall: at 16–22 px anything smaller is not readable.
constexpr double pillScale = 0.6;
// Digit height within the pill.
constexpr double digitScale = 0.68;

// Transparent gap that separates the pill and the dot from the symbol beneath them.
double gapFor(int pixelSize)
{
    return std::max(1.0, pixelSize / 16.0);
}

QPainterPath countPath(const QString &text, double pillHeight, double maxTextWidth)
{
    QFont font;
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    font.setPixelSize(100); // sized as a path below, so the metrics of this size do not matter
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const double scaleY = pillHeight * digitScale / box.height();
    // Narrow the digits rather than shrink them when "99+" does not fit: height is what stays legible.
    const double scaleX = std::min(scaleY, maxTextWidth / box.width());
    QTransform transform;
    transform.scale(scaleX, scaleY);
    transform.translate(-box.left(), -box.top());
    return transform.map(path);
}

void drawCount(QPainter &painter, const QString &text, int pixelSize)
{
    const double height = std::round(pixelSize * pillScale);
    const double padding = height * 0.22;
    QPainterPath digits = countPath(text, height, pixelSize - 2 * padding);
    const double width =
        std::min<double>(pixelSize, std::max(height, std::ceil(digits.boundingRect().width() + 2 * padding)));
    const QRectF pill(pixelSize - width, pixelSize - height, width, height);

    // The whole corner is cleared, not just a ring around the pill: a ring leaves slivers of the
    // symbol beside the pill's rounded ends that read as stray dots at tray sizes.
    const double gap = gapFor(pixelSize);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawRect(pill.adjusted(-gap, -gap, 0, 0));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawRoundedRect(pill, height / 2, height / 2);

    // The digits are cut out of the pill, so the panel shows through them whatever its colour.
    const QRectF box = digits.boundingRect();
    digits.translate(pill.center() - box.center());
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawPath(digits);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Below this many pixels the count is the icon: a numeral as tall as the icon allows, the
// checklist dropped. A pill in a 16-pixel icon leaves digits about 5 pixels tall.
constexpr int smallestPillIcon = 22;
// The numeral's height within the icon.
constexpr double numeralScale = 0.8;

void drawNumeral(QPainter &painter, const QString &text, int pixelSize, bool badged)
{
    QPainterPath digits = countPath(text, pixelSize * numeralScale / digitScale, pixelSize);
    const QRectF box = digits.boundingRect();
    // Centred, and at the bottom when the update dot holds the top right corner.
    const double top = badged ? pixelSize - box.height() : (pixelSize - box.height()) / 2;
    digits.translate(QPointF((pixelSize - box.width()) / 2, top) - box.topLeft());
    painter.drawPath(digits);
}

void drawDot(QPainter &painter, int pixelSize)
{
    const double diameter = pixelSize * dotScale;
    const QRectF dot(pixelSize - diameter, 0, diameter, diameter);
    const double gap = gapFor(pixelSize);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawEllipse(dot.adjusted(-gap, -gap, gap, gap));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawEllipse(dot);
}

// The snooze mark: a bold "Z" in the top left corner, on a cleared square so it stands apart from
// the symbol or the numeral beneath. At 16 px it is 7 px wide with 2-pixel strokes.
void drawSnoozeMark(QPainter &painter, int pixelSize)
{
    const double side = std::max(7.0, pixelSize * 0.44);
    const double stroke = std::max(2.0, std::round(side / 3.5));
    const double gap = gapFor(pixelSize);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawRect(QRectF(0, 0, side + gap, side + gap));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPolygonF zed;
    zed << QPointF(0, 0) << QPointF(side, 0) << QPointF(side, stroke) << QPointF(stroke * 1.4, side - stroke)
        << QPointF(side, side - stroke) << QPointF(side, side) << QPointF(0, side)
        << QPointF(0, side - stroke) << QPointF(side - stroke * 1.4, stroke) << QPointF(0, stroke);
    painter.drawPolygon(zed);
}

// The symbol's SVG, its strokes made thicker where they would come out thinner than 2 pixels:
// thinner ones are only ever drawn half covered, washed out to the colour of whatever is beneath.
QByteArray symbolSvg(const QString &path, double side)
{
    QFile file(path);
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    constexpr double viewBox = 24, designStroke = 2, thinnest = 1.6;
    const double stroke = std::max(designStroke, thinnest * viewBox / side);
    if (stroke > designStroke)
        svg.replace(QByteArrayLiteral("stroke-width=\"2\""),
                    QByteArrayLiteral("stroke-width=\"") + QByteArray::number(stroke, 'f', 2) + '"');
    return svg;
}

// The shapes of a mask, grown by `width` pixels all round and filled with one colour.
// Each pixel takes the strongest coverage within reach, so a faint antialiased rim grows no
// stronger than it was.
QImage grown(const QImage &mask, int width, const QColor &colour)
{
    const QImage source = mask.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage ring(mask.size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb rgb = colour.rgb();
    for (int y = 0; y < ring.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(ring.scanLine(y));
        for (int x = 0; x < ring.width(); ++x) {
            int alpha = 0;
            for (int dy = std::max(-width, -y); dy <= std::min(width, ring.height() - 1 - y); ++dy) {
                const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(y + dy));
                for (int dx = std::max(-width, -x); dx <= std::min(width, ring.width() - 1 - x); ++dx) {
                    if (dx * dx + dy * dy <= width * width + width) // a round pen, not a square one
                        alpha = std::max(alpha, qAlpha(from[x + dx]));
                }
            }
            line[x] = qPremultiply(qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), alpha));
        }
    }
    return ring;
}

} // namespace

StatusIconImage::StatusIconImage(qsizetype capacity) : m_capacity(std::max<qsizetype>(1, capacity)) {}

QIcon StatusIconImage::icon(const Content &content)
{
    const auto hit = std::find_if(m_entries.begin(), m_entries.end(),
                                  [&](const Entry &entry) { return entry.content == content; });
    if (hit != m_entries.end()) {
        const Entry entry = *hit;
        m_entries.erase(hit);
        m_entries.prepend(entry);
        return entry.icon;
    }

    ++m_renderCount;
    QList<int> offered;
    for (const int size : logicalSizes)
        for (const int scale : {1, 2})
            if (!offered.contains(size * scale)) // 16@2x and 32@1x share their pixels
                offered.append(size * scale);
    const QIcon icon(
        new StatusIconEngine([content](int pixels) { return render(content, pixels); }, offered));
    m_entries.prepend({content, icon});
    if (m_entries.size() > m_capacity)
        m_entries.removeLast();
    return icon;
}

QImage StatusIconImage::render(const Content &content, int pixelSize)
{
    return render(content, pixelSize, isNumeral(content, pixelSize));
}

bool StatusIconImage::isNumeral(const Content &content, int pixelSize)
{
    return content.count > 0 && (pixelSize < smallestPillIcon || content.hostScales) &&
           content.symbolName == u"checklist";
}

QImage StatusIconImage::render(const Content &content, int pixelSize, bool numeral)
{
    if (content.outline.isValid()) {
        // The shapes shrink by the outline's width on each side, so it rings them at the edges too.
        const int width = outlineWidth(pixelSize);
        Content shapes = content;
        shapes.outline = QColor();
        QImage mask(pixelSize, pixelSize, QImage::Format_ARGB32_Premultiplied);
        mask.fill(Qt::transparent);
        QPainter inset(&mask);
        inset.drawImage(width, width, render(shapes, pixelSize - 2 * width, numeral));
        inset.end();
        // The outline goes under the shapes: it rings them, fills the gaps around the pill and the
        // dot, and shows through the digits cut out of the pill.
        QImage image = grown(mask, width, content.outline);
        QPainter over(&image);
        over.drawImage(0, 0, mask);
        over.end();
        image.setText(QStringLiteral("Description"), StatusPresentation::accessibleLabel());
        return image;
    }

    QImage image(pixelSize, pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setText(QStringLiteral("Description"), StatusPresentation::accessibleLabel());

    // Everything is drawn as one shape in black and coloured at the end, so the image is monochrome
    // whatever colours the SVG itself names.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // An unknown symbol leaves the count and the dot on their own rather than no icon at all.
    const QString symbolPath = numeral ? QString() : SymbolNames::resourcePath(content.symbolName);
    if (!symbolPath.isEmpty()) {
        const double side = content.badged ? pixelSize * badgedSymbolScale : pixelSize;
        QSvgRenderer symbol(symbolSvg(symbolPath, side));
        symbol.render(&painter, QRectF(0, pixelSize - side, side, side));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    if (numeral)
        drawNumeral(painter, countText(content.count), pixelSize, content.badged);
    if (content.badged)
        drawDot(painter, pixelSize);
    if (content.count > 0 && !numeral)
        drawCount(painter, countText(content.count), pixelSize);
    if (content.snoozed)
        drawSnoozeMark(painter, pixelSize);

    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), content.colour);
    return image;
}

int StatusIconImage::outlineWidth(int pixelSize)
{
    return std::max(1, int(std::lround(pixelSize / 24.0)));
}

QString StatusIconImage::countText(int count)
{
    return count > 99 ? QStringLiteral("99+") : QString::number(std::max(count, 0));
}

QColor StatusIconImage::paletteForeground()
{
    return QGuiApplication::palette().color(QPalette::WindowText);
}
