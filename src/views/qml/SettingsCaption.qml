import QtQuick
import QtQuick.Layouts

// Small secondary text under a group of controls; it also shows what Jira or the keyring said.
PlainLabel {
    property Style style: Style {}
    Layout.fillWidth: true
    wrapMode: Text.Wrap
    font.pixelSize: style.caption
    color: style.secondary
}
