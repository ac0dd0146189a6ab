import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Norrid.Views

// The centred symbol, title, text and optional button of the setup, empty and error views.
Item {
    id: view
    property string symbol
    property string title
    property string text
    property bool showsButton: false
    property string buttonText: qsTr("Open Settings")
    signal buttonClicked()
    property Style style: Style {}
    Accessible.role: Accessible.Grouping
    Accessible.name: title
    Accessible.ignored: !visible

    function focusButton() {
        if (showsButton)
            button.forceActiveFocus();
    }

    ColumnLayout {
        anchors.centerIn: parent
        width: parent.width - 4 * PopoverMetrics.padding
        spacing: 8

        Image {
            Layout.alignment: Qt.AlignHCenter
            source: view.style.symbol(view.symbol, view.style.secondary)
            sourceSize.width: 26
            sourceSize.height: 26
            Accessible.ignored: true
        }
        Label {
            objectName: "messageTitle"
            Layout.alignment: Qt.AlignHCenter
            text: view.title
            Accessible.ignored: !visible
            font.pixelSize: view.style.callout
            font.bold: true
            color: view.style.primary
        }
        PlainLabel {
            objectName: "messageText"
            Layout.fillWidth: true
            text: view.text
            wrapMode: Text.Wrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: view.style.caption
            color: view.style.secondary
        }
        Button {
            id: button
            objectName: "openSettingsButton"
            Layout.alignment: Qt.AlignHCenter
            visible: view.showsButton
            text: view.buttonText
            Accessible.ignored: !visible
            font.pixelSize: view.style.caption
            onClicked: view.buttonClicked()
            // The prominent look: the accent colour with white text.
            palette.buttonText: "white"
            background: Rectangle {
                implicitWidth: 100
                implicitHeight: 26
                radius: 5
                color: button.down ? Qt.darker(view.style.teal, 1.2) : view.style.teal
                border.width: button.visualFocus ? 2 : 0
                border.color: Qt.darker(view.style.teal, 1.5)
            }
        }
    }
}
