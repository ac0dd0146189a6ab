#pragma once

#include <QFont>
#include <QObject>
#include <algorithm>

// The popover's sizes, in device-independent pixels, and the type scale of Norrid's windows, in
// whole pixels relative to the application font (whole, so that text measured here is laid out
// the same in QML): the one place they are set. The rows, the header, the
// banners and the footer are as tall as the text they hold at the application font, so a larger
// system text size makes them taller. The popover window does not size to its content: its host
// sets the height from height() whenever the count, a banner or the font changes. QML reads the
// same object as the singleton PopoverMetrics.
class PopoverMetrics : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double width READ width NOTIFY changed)
    Q_PROPERTY(double padding READ padding CONSTANT)
    Q_PROPERTY(double footerPadding READ footerPadding CONSTANT)
    Q_PROPERTY(double dividerHeight READ dividerHeight CONSTANT)
    Q_PROPERTY(double rowSpacing READ rowSpacing CONSTANT)
    Q_PROPERTY(double assigneeWidth READ assigneeWidth NOTIFY changed)
    Q_PROPERTY(double headerHeight READ headerHeight NOTIFY changed)
    Q_PROPERTY(double rowHeight READ rowHeight NOTIFY changed)
    Q_PROPERTY(double bannerHeight READ bannerHeight NOTIFY changed)
    Q_PROPERTY(double footerHeight READ footerHeight NOTIFY changed)
    Q_PROPERTY(double messageAreaHeight READ messageAreaHeight NOTIFY changed)
    Q_PROPERTY(double headingHeight READ headingHeight NOTIFY changed)
    Q_PROPERTY(double noteHeight READ noteHeight NOTIFY changed)
    Q_PROPERTY(int fullRows READ fullRows CONSTANT)
    Q_PROPERTY(int body READ body NOTIFY changed)
    Q_PROPERTY(int caption READ caption NOTIFY changed)
    Q_PROPERTY(int caption2 READ caption2 NOTIFY changed)
    Q_PROPERTY(int callout READ callout NOTIFY changed)
    Q_PROPERTY(int headline READ headline NOTIFY changed)
    Q_PROPERTY(int title READ title NOTIFY changed)

public:
    // The sizes at `font`; without one, at the application font, followed when it changes.
    explicit PopoverMetrics(QObject *parent = nullptr);
    explicit PopoverMetrics(const QFont &font, QObject *parent = nullptr);

    // 360 wide, and wider for a font so large that a banner's words would not fit.
    double width() const { return std::max(360.0, 25.0 * m_body); }
    // Left and right of the header, the rows and the banners; the footer's is narrower.
    static constexpr double padding() { return 12; }
    static constexpr double footerPadding() { return 10; }
    static constexpr double dividerHeight() { return 1; }
    // Between a row's key line and its summary.
    static constexpr double rowSpacing() { return 4; }
    // Rows shown in full before the list scrolls; half of the next row peeks out below them.
    static constexpr int fullRows() { return 5; }

    // The widest an assignee's name goes before it is cut: about 25 characters.
    double assigneeWidth() const { return 12.5 * m_body; }
    double headerHeight() const;
    // The key line and two lines of summary, with room above and below.
    double rowHeight() const;
    double bannerHeight() const;
    double footerHeight() const;
    // The main area when it shows no card list (setup, loading, error or empty view).
    double messageAreaHeight() const;

    // The type scale, in pixels: body is the application font's size.
    int body() const { return m_body; }
    int caption() const { return scaled(11); }
    int caption2() const { return scaled(10); }
    int callout() const { return scaled(13); }
    int headline() const { return scaled(14); }
    int title() const { return scaled(15); }

    // With several columns: a section's heading (its name and count), and the one line of an empty
    // or failing column (two lines of text).
    double headingHeight() const;
    double noteHeight() const;

    // The height for issueCount cards and the optional notification warning and update banners.
    double height(int issueCount, bool showsWarning, bool showsUpdate) const;
    // The same for a list of sections: their cards, headings and notes, shown in full up to the
    // height of fullRows() cards, beyond which half a card's height more shows.
    double height(int cards, int headings, int notes, bool showsWarning, bool showsUpdate) const;

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setFont(const QFont &font);
    // The body size times twelfths.
    int scaled(int twelfths) const { return (m_body * twelfths + 6) / 12; }
    double lineHeight(int pixels, bool bold = false) const;

    QFont m_font;
    int m_body = 12;
};
