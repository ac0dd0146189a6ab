import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// A compact drop-down list for the settings form. `chosen` reports a choice the user made. Its
// entries can be names from Jira (quick filters), so they are shown as plain text.
ComboBox {
    id: picker
    property string help
    property Style style: Style {}
    signal chosen(int index)
    Layout.fillWidth: true
    // At least 26 high, taller when a large font needs it.
    implicitHeight: Math.max(26, implicitContentHeight + topPadding + bottomPadding)
    font.pixelSize: style.body
    onActivated: function(index) { chosen(index) }
    ToolTip.visible: hovered && help.length > 0 && !popup.visible
    ToolTip.text: help
    ToolTip.delay: 600

    // Qt 6.4's linter does not see this file's ids inside a delegate; the engine resolves them.
    // qmllint disable unqualified
    delegate: ItemDelegate {
        id: entry
        required property int index
        required property var modelData
        width: ListView.view.width
        text: String(modelData)
        font.weight: picker.currentIndex === index ? Font.DemiBold : Font.Normal
        highlighted: picker.highlightedIndex === index
        hoverEnabled: picker.hoverEnabled
        contentItem: PlainLabel {
            objectName: "pickerEntryText"
            text: entry.text
            font: entry.font
            color: entry.highlighted ? entry.palette.highlightedText : entry.palette.text
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
        }
    }
    // qmllint enable unqualified
}
