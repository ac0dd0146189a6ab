import QtQuick
import Norrid.Views

// Colours and the type scale shared by Norrid's views. The sizes are pixel sizes worked out from the
// application font (PopoverMetrics), so a larger system text size reaches every window.
QtObject {
    id: style
    readonly property SystemPalette palette: SystemPalette { colorGroup: SystemPalette.Active }
    readonly property color primary: palette.windowText
    readonly property color secondary: Qt.rgba(primary.r, primary.g, primary.b, 0.6)
    readonly property color divider: Qt.rgba(primary.r, primary.g, primary.b, 0.15)
    readonly property color teal: "#1E9FB5"
    readonly property color orange: "#E8870E"
    readonly property color green: "#2E9E48"
    readonly property color red: "#D6372E"
    readonly property int body: PopoverMetrics.body
    readonly property int callout: PopoverMetrics.callout
    readonly property int caption: PopoverMetrics.caption
    readonly property int caption2: PopoverMetrics.caption2
    readonly property int headline: PopoverMetrics.headline
    readonly property int title: PopoverMetrics.title
    // The settings form's label column: as wide as eight lines are tall, so it grows with the font.
    readonly property FontMetrics metrics: FontMetrics { font.pixelSize: style.body }
    readonly property real labelWidth: Math.ceil(8 * metrics.height)

    function symbol(name: string, color: color): string {
        return "image://symbol/" + name + "?" + String(color)
    }
}
