import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Norrid.Views

// The "Software Update" window: a check on its way, the newest version already running, a new
// version with its release notes and what to do about it, or what went wrong. Texts come from the
// controller, actions go to the session; every action but the release-notes link ends the session.
// Return takes the highlighted button, Escape closes the window, Ctrl+Q quits.
FocusScope {
    id: root
    required property UpdateWindowController controller
    required property UpdateSession session
    property Style style: Style {}
    readonly property int sessionState: session.state
    readonly property bool checking: sessionState === UpdateSession.State.checking
    readonly property bool offering: sessionState === UpdateSession.State.updateAvailable
    readonly property bool downloading: sessionState === UpdateSession.State.downloading
    readonly property bool finishedWithOK: sessionState === UpdateSession.State.upToDate || sessionState === UpdateSession.State.error
                                           || sessionState === UpdateSession.State.installing
    width: 460
    height: 300
    focus: true

    function acceptDefault() {
        if (offering)
            session.download()
        else if (finishedWithOK)
            session.close()
    }

    Keys.onReturnPressed: acceptDefault()
    Keys.onEnterPressed: acceptDefault()
    Keys.onEscapePressed: session.close()

    Shortcut {
        sequences: ["Ctrl+Q"]
        context: Qt.WindowShortcut
        onActivated: Qt.quit()
    }

    Rectangle {
        anchors.fill: parent
        color: root.style.palette.window
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 14

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 16

            Item {
                Layout.preferredWidth: 48
                Layout.preferredHeight: 48
                Layout.alignment: Qt.AlignTop

                BusyIndicator {
                    objectName: "busyIndicator"
                    anchors.fill: parent
                    padding: 4
                    visible: root.checking || root.downloading
                    running: visible
                }
                Image {
                    objectName: "stateSymbol"
                    anchors.fill: parent
                    visible: symbol.length > 0
                    sourceSize.width: 48
                    sourceSize.height: 48
                    source: symbol
                    readonly property string symbol: {
                        switch (root.sessionState) {
                        case UpdateSession.State.upToDate:
                            return root.style.symbol("checkmark.circle.fill", root.style.green)
                        case UpdateSession.State.updateAvailable:
                            return root.style.symbol("arrow.down.circle.fill", root.style.teal)
                        case UpdateSession.State.installing:
                            return root.style.symbol("checkmark.circle.fill", root.style.green)
                        case UpdateSession.State.error:
                            return root.style.symbol("exclamationmark.triangle", root.style.red)
                        default:
                            return ""
                        }
                    }
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                spacing: 8

                PlainLabel {
                    objectName: "title"
                    Layout.fillWidth: true
                    text: root.controller.title
                    font.pixelSize: root.style.title
                    font.bold: true
                    color: root.style.primary
                    wrapMode: Text.Wrap
                }
                PlainLabel {
                    objectName: "message"
                    Layout.fillWidth: true
                    visible: text.length > 0
                    text: root.controller.message
                    font.pixelSize: root.style.body
                    color: root.style.primary
                    wrapMode: Text.Wrap
                    maximumLineCount: 6
                    elide: Text.ElideRight
                }
                // The download's progress: a bar once the size is known, and the megabytes so far.
                ProgressBar {
                    objectName: "downloadProgress"
                    Layout.fillWidth: true
                    visible: root.downloading
                    from: 0
                    to: 1
                    indeterminate: root.controller.progress < 0
                    value: Math.max(root.controller.progress, 0)
                }
                PlainLabel {
                    objectName: "progressText"
                    Layout.fillWidth: true
                    visible: root.downloading
                    text: root.controller.progressText
                    font.pixelSize: root.style.body
                    color: root.style.secondary
                }
                UpdateReleaseNotes {
                    id: notesBox
                    objectName: "releaseNotes"
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    visible: root.offering && notes.length > 0
                    notes: root.offering ? root.controller.releaseNotes : ""
                    style: root.style
                    onLinkActivated: link => root.controller.openLink(link)
                }
                Text {
                    objectName: "releaseNotesLink"
                    visible: root.offering && root.controller.hasReleaseNotesLink
                    text: qsTr("Release notes ↗")
                    font.pixelSize: root.style.body
                    font.underline: notesLinkMouse.containsMouse
                    color: root.style.teal
                    Accessible.role: Accessible.Link
                    Accessible.name: text
                    MouseArea {
                        id: notesLinkMouse
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: root.controller.openReleaseNotes()
                    }
                }
                // Keeps the texts at the top when there are no notes to fill the space.
                Item {
                    Layout.fillHeight: true
                    visible: !notesBox.visible
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            SettingsButton {
                objectName: "skipButton"
                text: qsTr("Skip This Version")
                visible: root.offering && !root.session.critical
                style: root.style
                onClicked: root.session.skipThisVersion()
            }
            SettingsButton {
                objectName: "showInFolderButton"
                text: qsTr("Show in Folder")
                visible: root.controller.canShowFile
                style: root.style
                onClicked: root.controller.showInFolder()
            }
            Item {
                Layout.fillWidth: true
            }
            SettingsButton {
                objectName: "remindButton"
                text: qsTr("Remind Me Later")
                visible: root.offering
                style: root.style
                onClicked: root.session.remindMeLater()
            }
            SettingsButton {
                objectName: "downloadButton"
                text: root.session.informational ? qsTr("Learn More…") : root.session.installs ? qsTr("Install Update") : qsTr("Download")
                visible: root.offering
                highlighted: true
                style: root.style
                onClicked: root.session.download()
            }
            SettingsButton {
                objectName: "cancelButton"
                text: qsTr("Cancel")
                visible: root.checking || root.downloading
                style: root.style
                onClicked: root.session.close()
            }
            SettingsButton {
                objectName: "okButton"
                text: qsTr("OK")
                visible: root.finishedWithOK
                highlighted: true
                style: root.style
                onClicked: root.session.close()
            }
        }
    }
}
