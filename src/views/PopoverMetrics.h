#pragma once

#include <QFont>
#include <QObject>

// The popover's sizes, in device-independent pixels, and the type scale of Norrid's windows, in
// points relative to the application font: the one place they are set. The rows, the header, the
// banners and the footer are as tall as the text they hold at the application font, so a larger
// system text size makes them taller. The popover window does not size to its content: its host
// sets the height from height() whenever the count, a banner or the font changes. QML reads the
// same object as the singleton PopoverMetrics.
class PopoverMetrics : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double width READ width CONSTANT)
    Q_PROPERTY(double padding READ padding CONSTANT)
    Q_PROPERTY(double footerPadding READ footerPadding CONSTANT)
    Q_PROPERTY(double dividerHeight READ dividerHeight CONSTANT)
    Q_PROPERTY(double rowSpacing READ rowSpacing CONSTANT)
    Q_PROPERTY(double assigneeWidth READ assigneeWidth CONSTANT)
    Q_PROPERTY(double headerHeight READ headerHeight NOTIFY changed)
    Q_PROPERTY(double rowHeight READ rowHeight NOTIFY changed)
    Q_PROPERTY(double bannerHeight READ bannerHeight NOTIFY changed)
    Q_PROPERTY(double footerHeight READ footerHeight NOTIFY changed)
    Q_PROPERTY(double messageAreaHeight READ messageAreaHeight NOTIFY changed)
    Q_PROPERTY(int fullRows READ fullRows CONSTANT)
    Q_PROPERTY(double body READ body NOTIFY changed)
    Q_PROPERTY(double caption READ caption NOTIFY changed)
    Q_PROPERTY(double caption2 READ caption2 NOTIFY changed)
    Q_PROPERTY(double callout READ callout NOTIFY changed)
    Q_PROPERTY(double headline READ headline NOTIFY changed)
    Q_PROPERTY(double title READ title NOTIFY changed)

public:
    // The sizes at `font`; without one, at the application font, followed when it changes.
    explicit PopoverMetrics(QObject *parent = nullptr);
    explicit PopoverMetrics(const QFont &font, QObject *parent = nullptr);

    static constexpr double width() { return 360; }
    // Left and right of the header, the rows and the banners; the footer's is narrower.
    static constexpr double padding() { return 12; }
    static constexpr double footerPadding() { return 10; }
    static constexpr double dividerHeight() { return 1; }
    // Between a row's key line and its summary.
    static constexpr double rowSpacing() { return 4; }
    static constexpr double assigneeWidth() { return 150; }
    // Rows shown in full before the list scrolls; half of the next row peeks out below them.
    static constexpr int fullRows() { return 5; }

    double headerHeight() const;
    // The key line and two lines of summary, with room above and below.
    double rowHeight() const;
    double bannerHeight() const;
    double footerHeight() const;
    // The main area when it shows no card list (setup, loading, error or empty view).
    double messageAreaHeight() const;

    // The type scale, in points: body is the application font's size.
    double body() const { return m_body; }
    double caption() const { return m_body * 11 / 12; }
    double caption2() const { return m_body * 10 / 12; }
    double callout() const { return m_body * 13 / 12; }
    double headline() const { return m_body * 14 / 12; }
    double title() const { return m_body * 15 / 12; }

    // The height for issueCount cards and the optional notification warning and update banners.
    double height(int issueCount, bool showsWarning, bool showsUpdate) const;

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setFont(const QFont &font);
    double lineHeight(double points, bool bold = false) const;

    QFont m_font;
    double m_body = 9;
};
