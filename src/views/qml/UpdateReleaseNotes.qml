import QtQuick
import QtQuick.Controls.Basic

// The notes of a release in a framed box that scrolls. The text is StyledText prepared by the
// controller, which has taken out everything that would load from the network; links are handed up.
Rectangle {
    id: box
    property string notes
    property Style style: Style {}
    signal linkActivated(string link)
    color: style.palette.base
    border.color: style.divider
    border.width: 1
    radius: 4
    implicitHeight: 80

    Flickable {
        id: scroller
        objectName: "releaseNotesScroller"
        anchors.fill: parent
        anchors.margins: 1
        clip: true
        contentWidth: width
        contentHeight: notesText.implicitHeight + 16
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        Text {
            id: notesText
            objectName: "releaseNotesText"
            x: 8
            y: 8
            width: scroller.width - 16
            text: box.notes
            textFormat: Text.StyledText
            wrapMode: Text.Wrap
            font.pixelSize: box.style.body
            color: box.style.primary
            linkColor: box.style.teal
            onLinkActivated: link => box.linkActivated(link)

            HoverHandler {
                cursorShape: notesText.hoveredLink ? Qt.PointingHandCursor : Qt.ArrowCursor
            }
        }
    }
}
