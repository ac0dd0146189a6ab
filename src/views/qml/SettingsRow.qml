import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// A labelled row of the settings form: the label on the left, the control (the row's children)
// on the right.
RowLayout {
    id: row
    required property string label
    // A label that takes the room of the row, for rows whose control sits at the far right.
    property bool wideLabel: false
    property Style style: Style {}
    Layout.fillWidth: true
    spacing: 8

    Label {
        text: row.label
        Layout.preferredWidth: row.wideLabel ? -1 : row.style.labelWidth
        Layout.fillWidth: row.wideLabel
        Layout.alignment: Qt.AlignVCenter
        elide: Text.ElideRight
        font.pixelSize: row.style.body
        color: row.style.primary
    }
}
