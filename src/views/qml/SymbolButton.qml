import QtQuick
import QtQuick.Controls.Basic

// A borderless button that shows one symbol.
ToolButton {
    id: control
    required property string symbol
    property string tooltip
    property Style style: Style {}
    implicitWidth: 28
    implicitHeight: 28
    focusPolicy: Qt.StrongFocus
    Accessible.ignored: !visible
    icon.source: style.symbol(symbol, style.secondary)
    // The image carries its colour; the style's tint would follow the palette the control had at
    // creation, not the one the desktop switched to.
    icon.color: "transparent"
    icon.width: 16
    icon.height: 16
    display: AbstractButton.IconOnly
    ToolTip.visible: hovered && tooltip.length > 0
    ToolTip.text: tooltip
    ToolTip.delay: 600
    background: Rectangle {
        radius: 5
        color: control.down ? control.style.divider : (control.hovered || control.visualFocus ? Qt.rgba(0.5, 0.5, 0.5, 0.12) : "transparent")
    }
}
