import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Norrid.Views

// One card: key, assignee, age and summary. A click opens it in the browser. A card without a link
// is greyed out and does nothing when clicked, but still shows its summary when hovered. With
// several columns the list also holds each column's heading (its name and count) and, for an empty
// or failing column, one note; those rows are text only.
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
    required property bool isCard
    required property bool isHeading
    required property bool isProblem
    required property string sectionText
    required property string detail
    signal open(url url)
    property Style style: Style {}
    readonly property bool highlighted: isCard && hasLink && (hovered || activeFocus)
    // The card the keyboard is on: the palette's highlight colour, a wash and a bar at the left.
    readonly property bool keyboardFocused: isCard && activeFocus
    readonly property real rowHeight: isCard ? PopoverMetrics.rowHeight
                                             : (isHeading ? PopoverMetrics.headingHeight : PopoverMetrics.noteHeight)

    implicitHeight: rowHeight
    height: rowHeight
    leftPadding: PopoverMetrics.padding
    rightPadding: PopoverMetrics.padding
    // Not disabled without a link: a disabled item gets no hover, so its tooltip would never show.
    hoverEnabled: true
    // The list gives its current card the focus; a row is never a Tab stop of its own.
    focusPolicy: Qt.NoFocus
    opacity: !isCard || hasLink ? 1.0 : 0.45
    Accessible.role: isCard ? Accessible.Button : (isHeading ? Accessible.Heading : Accessible.StaticText)
    Accessible.name: accessibilityText
    Accessible.description: isCard ? qsTr("Opens the ticket in your browser") : ""
    onClicked: if (isCard && hasLink) row.open(row.url)
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    PlainToolTip {
        objectName: "issueToolTip"
        visible: row.hovered && row.isCard
        text: row.summary
        delay: 800
    }

    background: Rectangle {
        readonly property color focusColor: row.style.palette.highlight
        color: row.keyboardFocused ? Qt.rgba(focusColor.r, focusColor.g, focusColor.b, 0.18)
                                   : (row.highlighted ? Qt.rgba(row.style.primary.r, row.style.primary.g, row.style.primary.b, 0.06) : "transparent")
        Rectangle {
            objectName: "focusBar"
            visible: row.keyboardFocused
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            width: 3
            color: parent.focusColor
        }
        Rectangle {
            objectName: "issueDivider"
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: PopoverMetrics.padding
            height: PopoverMetrics.dividerHeight
            visible: !row.isHeading
            color: row.style.divider
        }
    }

    // The key line with the summary right under it, the pair centred in the row whatever the
    // summary's line count: the button sizes this item, the column keeps its own height.
    contentItem: Item {
        RowLayout {
            objectName: "sectionHeading"
            visible: row.isHeading
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 3
            width: parent.width
            spacing: 6
            PlainLabel {
                objectName: "sectionTitle"
                text: row.sectionText
                font.pixelSize: PopoverMetrics.caption
                font.weight: Font.Bold
                color: row.style.secondary
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            PlainLabel {
                objectName: "sectionCount"
                text: row.detail
                font.pixelSize: PopoverMetrics.caption2
                color: row.style.secondary
            }
        }
        RowLayout {
            objectName: "sectionNote"
            visible: !row.isCard && !row.isHeading
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width
            spacing: 6
            Image {
                visible: row.isProblem
                source: row.style.symbol("exclamationmark.triangle", row.style.orange)
                sourceSize.width: 12
                sourceSize.height: 12
                Accessible.ignored: true
            }
            PlainLabel {
                objectName: "sectionNoteText"
                text: row.sectionText
                font.pixelSize: PopoverMetrics.caption
                color: row.isProblem ? row.style.orange : row.style.secondary
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
        }
        ColumnLayout {
            objectName: "issueText"
            visible: row.isCard
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width
            spacing: PopoverMetrics.rowSpacing

            RowLayout {
                objectName: "issueKeyLine"
                spacing: 6
                Layout.fillWidth: true
                PlainLabel {
                    objectName: "issueKey"
                    text: row.key
                    font.family: "monospace"
                    font.pixelSize: row.style.caption
                    font.weight: Font.DemiBold
                    color: row.style.teal
                }
                PlainLabel {
                    objectName: "issueAssignee"
                    visible: row.hasAssignee
                    text: row.assignee
                    font.pixelSize: row.style.caption
                    color: row.style.secondary
                    elide: Text.ElideRight
                    Layout.maximumWidth: PopoverMetrics.assigneeWidth
                }
                Item { Layout.fillWidth: true; Layout.minimumWidth: 8 }
                PlainLabel {
                    objectName: "issueAge"
                    visible: row.age.length > 0
                    text: row.age
                    font.pixelSize: row.style.caption2
                    color: row.style.secondary
                }
                Image {
                    source: row.style.symbol("arrow.up.right", row.highlighted ? row.style.teal : Qt.rgba(row.style.secondary.r, row.style.secondary.g, row.style.secondary.b, 0.5))
                    sourceSize.width: 10
                    sourceSize.height: 10
                    Accessible.ignored: true
                }
            }
            PlainLabel {
                objectName: "issueSummary"
                text: row.summary
                font.pixelSize: row.style.callout
                color: row.style.primary
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignLeft
            }
        }
    }
}
