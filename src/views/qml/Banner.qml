import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// One line under the list: a symbol, a text and a small action button.
Item {
    id: banner
    property string symbol
    property color symbolColor
    property string text
    property string actionText
    property string actionTooltip
    property string accessibleName
    signal actionTriggered()
    property Style style: Style {}
    implicitHeight: 34
    Accessible.role: Accessible.Grouping
    Accessible.name: accessibleName

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        spacing: 6
        Image {
            source: banner.style.symbol(banner.symbol, banner.symbolColor)
            sourceSize: Qt.size(13, 13)
            Accessible.ignored: true
        }
        PlainLabel {
            objectName: "bannerText"
            text: banner.text
            font.pixelSize: banner.style.caption + 1
            color: banner.style.secondary
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
        ToolButton {
            id: action
            objectName: "bannerAction"
            text: banner.actionText
            font.pixelSize: banner.style.caption + 1
            palette.buttonText: banner.style.teal
            PlainToolTip {
                visible: action.hovered
                text: banner.actionTooltip
                delay: 600
            }
            onClicked: banner.actionTriggered()
            // Borderless: only a faint wash while hovered or pressed.
            background: Rectangle {
                radius: 5
                color: action.down ? banner.style.divider
                                   : (action.hovered || action.visualFocus ? Qt.rgba(0.5, 0.5, 0.5, 0.12) : "transparent")
            }
        }
    }
}
