import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// A compact single-line field. It shows `value` and reports every edit the user makes through
// `edited`; it never assigns its own text, so it keeps following `value`.
TextField {
    id: field
    property string value
    property Style style: Style {}
    signal edited(string text)
    Layout.fillWidth: true
    // At least 26 high, taller when a large font needs it.
    implicitHeight: Math.max(26, field.contentHeight + field.topPadding + field.bottomPadding)
    topPadding: 4
    bottomPadding: 4
    leftPadding: 7
    rightPadding: 7
    font.pixelSize: style.body
    text: value
    selectByMouse: true
    onTextEdited: edited(text)
    background: Rectangle {
        radius: 5
        color: field.style.palette.base
        border.width: field.activeFocus ? 2 : 1
        border.color: field.activeFocus ? field.style.teal : field.style.divider
    }
}
