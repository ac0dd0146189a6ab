import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// A compact drop-down list for the settings form. `chosen` reports a choice the user made.
ComboBox {
    id: picker
    property string help
    property Style style: Style {}
    signal chosen(int index)
    Layout.fillWidth: true
    implicitHeight: 26
    font.pixelSize: style.body
    onActivated: function(index) { chosen(index) }
    ToolTip.visible: hovered && help.length > 0 && !popup.visible
    ToolTip.text: help
    ToolTip.delay: 600
}
