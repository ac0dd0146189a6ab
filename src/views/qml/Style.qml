import QtQuick

// Colours and type sizes shared by Norrid's views.
QtObject {
    readonly property SystemPalette palette: SystemPalette { colorGroup: SystemPalette.Active }
    readonly property color primary: palette.windowText
    readonly property color secondary: Qt.rgba(primary.r, primary.g, primary.b, 0.6)
    readonly property color divider: Qt.rgba(primary.r, primary.g, primary.b, 0.15)
    readonly property color teal: "#1E9FB5"
    readonly property color orange: "#E8870E"
    readonly property color green: "#2E9E48"
    readonly property color red: "#D6372E"
    readonly property int headline: 13
    readonly property int subheadline: 11
    readonly property int callout: 12
    readonly property int body: 12
    readonly property int caption: 10
    readonly property int caption2: 9

    function symbol(name, color) {
        return "image://symbol/" + name + "?" + String(color)
    }
}
