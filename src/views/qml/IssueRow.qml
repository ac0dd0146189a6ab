import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// One card: key, assignee, age and summary. A click opens it in the browser.
AbstractButton {
    id: row
    required property string key
    required property string summary
    required property string assignee
    required property bool hasAssignee
    required property string age
    required property url url
    required property bool hasLink
    required property string accessibilityText
    signal open(url url)
    property Style style: Style {}

    implicitHeight: 68
    height: 68
    enabled: hasLink
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    opacity: enabled ? 1.0 : 0.45
    Accessible.role: Accessible.Button
    Accessible.name: accessibilityText
    Accessible.description: "Opens the ticket in your browser"
    ToolTip.visible: hovered
    ToolTip.text: summary
    ToolTip.delay: 800
    onClicked: if (hasLink) row.open(row.url)
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    background: Rectangle {
        color: row.hovered || row.activeFocus ? Qt.rgba(row.style.primary.r, row.style.primary.g, row.style.primary.b, 0.06) : "transparent"
        Rectangle {
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 12
            height: 1
            color: row.style.divider
        }
    }

    contentItem: ColumnLayout {
        spacing: 4
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        anchors.topMargin: 10
        anchors.bottomMargin: 10

        RowLayout {
            spacing: 6
            Layout.fillWidth: true
            Label {
                objectName: "issueKey"
                text: row.key
                font.family: "monospace"
                font.pixelSize: row.style.caption + 1
                font.weight: Font.DemiBold
                color: row.style.teal
            }
            Label {
                objectName: "issueAssignee"
                visible: row.hasAssignee
                text: row.assignee
                font.pixelSize: row.style.caption + 1
                color: row.style.secondary
                elide: Text.ElideRight
                Layout.maximumWidth: 150
            }
            Item { Layout.fillWidth: true; Layout.minimumWidth: 8 }
            Label {
                objectName: "issueAge"
                visible: row.age.length > 0
                text: row.age
                font.pixelSize: row.style.caption2 + 1
                color: row.style.secondary
            }
            Image {
                source: row.style.symbol("arrow.up.right", row.hovered ? row.style.teal : Qt.rgba(row.style.secondary.r, row.style.secondary.g, row.style.secondary.b, 0.5))
                sourceSize: Qt.size(10, 10)
                Accessible.ignored: true
            }
        }
        Label {
            objectName: "issueSummary"
            text: row.summary
            font.pixelSize: row.style.callout + 1
            color: row.style.primary
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignLeft
        }
    }
}
