import QtQuick
import QtQuick.Controls.Basic

// A compact push button. While `busy` it shows a small progress indicator instead of its text,
// keeping its size.
Button {
    id: button
    property bool busy: false
    property string help
    property Style style: Style {}
    readonly property color textColor: highlighted ? palette.brightText : palette.buttonText
    // At least 26 high, taller when a large font needs it.
    implicitHeight: Math.max(26, implicitContentHeight + topPadding + bottomPadding)
    topPadding: 3
    bottomPadding: 3
    leftPadding: 12
    rightPadding: 12
    font.pixelSize: style.body
    ToolTip.visible: hovered && help.length > 0
    ToolTip.text: help
    ToolTip.delay: 600
    Accessible.name: text

    // The text keeps its room while the indicator shows in its place.
    contentItem: Text {
        text: button.text
        font: button.font
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: button.busy ? "transparent" : Qt.rgba(button.textColor.r, button.textColor.g, button.textColor.b,
                                                      button.enabled ? 1 : 0.45)
        BusyIndicator {
            objectName: "busyIndicator"
            anchors.centerIn: parent
            visible: button.busy
            running: button.busy
            width: 16
            height: 16
            padding: 0
        }
    }
}
