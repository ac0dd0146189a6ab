import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// One titled group of the settings form: the title, then its rows in a rounded box.
ColumnLayout {
    id: section
    required property string title
    property Style style: Style {}
    default property alias rows: box.data
    Layout.fillWidth: true
    spacing: 4

    Label {
        objectName: "sectionTitle"
        text: section.title
        Layout.leftMargin: 6
        font.pixelSize: section.style.body
        font.weight: Font.DemiBold
        color: section.style.secondary
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
    Rectangle {
        Layout.fillWidth: true
        implicitHeight: box.implicitHeight + 20
        radius: 8
        color: Qt.rgba(section.style.primary.r, section.style.primary.g, section.style.primary.b, 0.035)
        border.color: section.style.divider
        ColumnLayout {
            id: box
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 10
            spacing: 8
        }
    }
}
