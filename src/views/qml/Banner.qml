import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Norrid.Views

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
    readonly property bool actionHasFocus: action.activeFocus
    property Style style: Style {}
    implicitHeight: PopoverMetrics.bannerHeight
    // An alert: screen readers announce it as it appears (AT-SPI's "showing" state of an alert).
    Accessible.role: Accessible.AlertMessage
    Accessible.name: accessibleName
    Accessible.ignored: !visible

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: PopoverMetrics.padding
        anchors.rightMargin: PopoverMetrics.padding
        spacing: 6
        Image {
            source: banner.style.symbol(banner.symbol, banner.symbolColor)
            sourceSize.width: 13
            sourceSize.height: 13
            Accessible.ignored: true
        }
        PlainLabel {
            objectName: "bannerText"
            text: banner.text
            font.pixelSize: banner.style.caption
            color: banner.style.secondary
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
        ToolButton {
            id: action
            objectName: "bannerAction"
            text: banner.actionText
            Accessible.ignored: !visible
            font.pixelSize: banner.style.caption
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
