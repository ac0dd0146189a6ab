import QtQuick
import QtQuick.Controls.Basic

// A compact push button. While `busy` it shows a small progress indicator instead of its text,
// keeping its size.
Button {
    id: button
    property bool busy: false
    property string help
    property Style style: Style {}
    implicitHeight: 26
    topPadding: 3
    bottomPadding: 3
    leftPadding: 12
    rightPadding: 12
    font.pixelSize: style.body
    ToolTip.visible: hovered && help.length > 0
    ToolTip.text: help
    ToolTip.delay: 600
    Accessible.name: text

    contentItem: Item {
        implicitWidth: label.implicitWidth
        implicitHeight: label.implicitHeight
        Text {
            id: label
            anchors.centerIn: parent
            visible: !button.busy
            text: button.text
            font: button.font
            color: button.highlighted ? button.palette.brightText : button.palette.buttonText
            opacity: button.enabled ? 1 : 0.45
        }
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
