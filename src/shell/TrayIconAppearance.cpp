#include "shell/TrayIconAppearance.h"

#include <algorithm>
#include <cmath>

namespace TrayIconAppearance {

Mode fromSetting(const QString &text)
{
    if (text == QLatin1String("light"))
        return Mode::light;
    if (text == QLatin1String("dark"))
        return Mode::dark;
    return Mode::automatic;
}

Colours colours(Mode mode, const QColor &automaticGlyph)
{
    QColor glyph = mode == Mode::light ? lightGlyph : mode == Mode::dark ? darkGlyph : automaticGlyph;
    if (!glyph.isValid())
        glyph = darkGlyph;
    glyph.setAlpha(255);
    // The outline takes whichever of the two extremes stands out more from the glyph.
    const QColor outline = contrast(glyph, darkGlyph) >= contrast(glyph, lightGlyph) ? darkGlyph : lightGlyph;
    return {glyph, outline};
}

double luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace TrayIconAppearance
