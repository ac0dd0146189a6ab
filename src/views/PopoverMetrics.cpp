#include "views/PopoverMetrics.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace {
// A symbol button of the header, and the padding of a text button (the Basic style's).
constexpr double symbolButton = 28;
constexpr double buttonPadding = 6;
} // namespace

PopoverMetrics::PopoverMetrics(QObject *parent) : PopoverMetrics(QGuiApplication::font(), parent)
{
    qGuiApp->installEventFilter(this);
}

PopoverMetrics::PopoverMetrics(const QFont &font, QObject *parent) : QObject(parent)
{
    setFont(font);
}

void PopoverMetrics::setFont(const QFont &font)
{
    m_font = font;
    // The size it shows at, given in points or in pixels.
    m_body = QFontInfo(font).pixelSize();
}

double PopoverMetrics::lineHeight(int pixels, bool bold) const
{
    QFont font = m_font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return std::ceil(QFontMetricsF(font).lineSpacing());
}

double PopoverMetrics::headerHeight() const
{
    const double titles = lineHeight(headline(), true) + 2 + lineHeight(caption());
    return std::max(titles, symbolButton) + 2 * padding();
}

double PopoverMetrics::rowHeight() const
{
    // The key line is as tall as its tallest text, the monospace key.
    QFont key = m_font;
    key.setFamily(QStringLiteral("monospace"));
    key.setPixelSize(caption());
    key.setWeight(QFont::DemiBold);
    const double keyLine = std::max(std::ceil(QFontMetricsF(key).lineSpacing()), lineHeight(caption()));
    return keyLine + rowSpacing() + 2 * lineHeight(callout()) + 2 * (padding() - 4);
}

double PopoverMetrics::bannerHeight() const
{
    return lineHeight(caption()) + 2 * buttonPadding + 8;
}

double PopoverMetrics::footerHeight() const
{
    return lineHeight(body()) + 2 * buttonPadding + 12;
}

double PopoverMetrics::messageAreaHeight() const
{
    return 3 * rowHeight();
}

double PopoverMetrics::headingHeight() const
{
    return std::ceil(lineHeight(caption(), true) + 12);
}

double PopoverMetrics::noteHeight() const
{
    return std::ceil(2 * lineHeight(caption()) + 12);
}

double PopoverMetrics::height(int issueCount, bool showsWarning, bool showsUpdate) const
{
    return height(issueCount, 0, 0, showsWarning, showsUpdate);
}

double PopoverMetrics::height(int cards, int headings, int notes, bool showsWarning, bool showsUpdate) const
{
    double mainArea = messageAreaHeight();
    const double list = rowHeight() * cards + headingHeight() * headings + noteHeight() * notes;
    if (list > 0) {
        const double full = rowHeight() * fullRows();
        // Half of the sixth row shows, so the list visibly scrolls.
        mainArea = list > full ? full + std::ceil(rowHeight() / 2) : list;
    }
    const double banner = dividerHeight() + bannerHeight();
    return headerHeight() + dividerHeight() + mainArea + (showsUpdate ? banner : 0) +
           (showsWarning ? banner : 0) + dividerHeight() + footerHeight();
}

bool PopoverMetrics::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qGuiApp && event->type() == QEvent::ApplicationFontChange) {
        setFont(QGuiApplication::font());
        Q_EMIT changed();
    }
    return QObject::eventFilter(watched, event);
}
