#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

#include <array>

// The tray icon's image: the state symbol, the card count in a pill at the bottom right and the
// update dot at the top right (below 22 pixels, the count alone as a numeral filling the icon in
// place of the checklist, which leaves no room for a readable pill), in one colour with a thin outline of
// another around them, so the icon reads on a dark panel and on a light one alike. Trays show no text beside
// an icon, so the count lives in the image. Icons are cached and handed out again for equal content: tray
// hosts keep (and leak) every pixmap they are sent, so the shell should only set a new icon when cacheKey()
// changes.
class StatusIconImage
{
public:
    struct Content
    {
        QString symbolName; // a name from SymbolNames
        int count = 0;      // 0 shows no pill; above 99 shows "99+"
        bool badged = false;
        QColor colour;  // the shapes
        QColor outline; // a ring around the shapes (filling the digits' cuts); none when invalid
        // The host shrinks one pixmap to whatever size it draws (StatusNotifierItem hosts: waybar
        // and GNOME's AppIndicator take the largest and scale it to 16 px), so every size gets the
        // design that reads at the smallest: the count as a numeral.
        bool hostScales = false;
        bool snoozed = false; // a "Z" in the top left corner while notifications are snoozed
        friend bool operator==(const Content &, const Content &) = default;
    };

    // The sizes tray hosts ask for; each is rendered at scale 1 and 2.
    static constexpr std::array<int, 5> logicalSizes{16, 22, 24, 32, 48};

    explicit StatusIconImage(qsizetype capacity = 8);

    // The icon for the content, rendered on the first request and then reused while it stays cached.
    QIcon icon(const Content &content);
    // How many icons have been rendered, cache misses only.
    int renderCount() const { return m_renderCount; }

    // One square image of pixelSize physical pixels; its "Description" text is the accessible label.
    // Needs a QGuiApplication, for the font of the count.
    static QImage render(const Content &content, int pixelSize);
    // Whether the count is drawn as the whole icon at this size.
    static bool isNumeral(const Content &content, int pixelSize);
    // The text in the pill for a count.
    static QString countText(int count);
    // The foreground colour of the application's palette, the best guess at the panel's.
    static QColor paletteForeground();
    // How wide the outline is at an image size, in pixels.
    static int outlineWidth(int pixelSize);

private:
    static QImage render(const Content &content, int pixelSize, bool numeral);

    struct Entry
    {
        Content content;
        QIcon icon;
    };

    QList<Entry> m_entries; // most recently used first
    qsizetype m_capacity;
    int m_renderCount = 0;
};
