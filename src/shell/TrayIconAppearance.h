#pragma once

#include <QColor>
#include <QString>

// How the tray icon is coloured. No application can see the colour of the panel its icon sits on,
// so the user can say: a light icon for a dark panel, a dark one for a light panel, or Norrid's
// best guess. Whatever the choice, a thin outline of the opposite colour keeps the icon readable.
namespace TrayIconAppearance {

enum class Mode
{
    automatic,
    light, // a light icon, for dark panels
    dark   // a dark icon, for light panels
};

// The two colours an icon is drawn in: a light glyph for dark panels, a dark one for light panels.
inline constexpr QColor lightGlyph(0xF2, 0xF2, 0xF2);
inline constexpr QColor darkGlyph(0x1C, 0x1C, 0x1C);

struct Colours
{
    QColor glyph;
    QColor outline;
    friend bool operator==(const Colours &, const Colours &) = default;
};

// The stored setting: "automatic", "light" or "dark"; anything else reads as automatic.
Mode fromSetting(const QString &text);

// automaticGlyph is the best guess at the panel's foreground, used in automatic mode.
Colours colours(Mode mode, const QColor &automaticGlyph);

// WCAG relative luminance (0 black to 1 white) and the contrast ratio of two colours (1 to 21).
double luminance(const QColor &colour);
double contrast(const QColor &a, const QColor &b);

} // namespace TrayIconAppearance
