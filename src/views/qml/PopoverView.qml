import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts

// The popover under the tray icon: header, the column's cards (or a message), banners, footer.
Rectangle {
    id: root
    required property QtObject content
    property Style style: Style {}
    width: 360
    height: content.height
    color: style.palette.window

    component Divider: Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 1
        color: root.style.divider
    }

    // Borderless: only a faint wash while hovered or pressed.
    component TextButton: ToolButton {
        id: button
        background: Rectangle {
            radius: 5
            color: button.down ? root.style.divider
                               : (button.hovered || button.visualFocus ? Qt.rgba(0.5, 0.5, 0.5, 0.12) : "transparent")
        }
    }

    Shortcut {
        sequences: ["Ctrl+Q"]
        context: Qt.WindowShortcut
        onActivated: root.content.quit()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        // Header
        RowLayout {
            Layout.fillWidth: true
            Layout.preferredHeight: 58
            Layout.leftMargin: 12
            Layout.rightMargin: 12
            spacing: 8
            ColumnLayout {
                spacing: 2
                RowLayout {
                    spacing: 6
                    Label {
                        objectName: "title"
                        text: "To review"
                        font.pixelSize: root.style.headline + 1
                        font.bold: true
                        color: root.style.primary
                    }
                    Label {
                        objectName: "countBadge"
                        visible: root.content.count > 0
                        text: root.content.count
                        font.pixelSize: root.style.caption + 1
                        font.weight: Font.DemiBold
                        color: root.style.teal
                        leftPadding: 7
                        rightPadding: 7
                        topPadding: 1
                        bottomPadding: 1
                        Accessible.name: root.content.countAccessibleName
                        background: Rectangle {
                            radius: height / 2
                            color: Qt.rgba(0.118, 0.624, 0.71, 0.18)
                        }
                    }
                }
                Label {
                    objectName: "subtitle"
                    text: root.content.subtitle
                    font.pixelSize: root.style.caption + 1
                    color: root.style.secondary
                }
            }
            Item { Layout.fillWidth: true }
            SymbolButton {
                objectName: "boardButton"
                symbol: "rectangle.grid.2x2"
                tooltip: "Open the board in your browser"
                Accessible.name: "Open board in browser"
                onClicked: root.content.openBoard()
            }
            SymbolButton {
                objectName: "refreshButton"
                symbol: "arrow.clockwise"
                tooltip: "Refresh now"
                Accessible.name: "Refresh now"
                onClicked: root.content.refresh()
            }
        }
        Divider {}

        // Main area
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            MessageView {
                objectName: "setupView"
                anchors.fill: parent
                visible: root.content.mainAreaName === "setup"
                symbol: "gearshape"
                title: root.content.setupTitle
                text: root.content.setupText
                showsButton: true
                onButtonClicked: root.content.openSettings()
            }
            MessageView {
                objectName: "emptyView"
                anchors.fill: parent
                visible: root.content.mainAreaName === "empty"
                symbol: "checkmark.circle"
                title: "Nothing to review"
                text: "You're all caught up.\nNew cards in To review show up here and notify you."
            }
            MessageView {
                objectName: "errorView"
                anchors.fill: parent
                visible: root.content.mainAreaName === "error"
                symbol: "exclamationmark.triangle"
                title: "Couldn't reach Jira"
                text: root.content.errorMessage
                showsButton: true
                buttonText: root.content.canSignIn ? "Sign In to Jira…" : "Open Settings"
                onButtonClicked: root.content.canSignIn ? root.content.signIn() : root.content.openSettings()
            }
            RowLayout {
                objectName: "loadingView"
                anchors.centerIn: parent
                visible: root.content.mainAreaName === "loading"
                spacing: 8
                BusyIndicator { running: parent.visible; padding: 0; implicitWidth: 20; implicitHeight: 20 }
                Label { text: "Loading…"; color: root.style.secondary }
            }
            ListView {
                id: list
                objectName: "cardList"
                anchors.fill: parent
                visible: root.content.mainAreaName === "list"
                clip: true
                model: root.content.issues
                keyNavigationEnabled: true
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}
                delegate: IssueRow {
                    width: ListView.view.width
                    onOpen: (url) => root.content.openIssue(url)
                }
            }
        }

        Divider { visible: root.content.showsUpdate }
        Banner {
            objectName: "updateBanner"
            Layout.fillWidth: true
            Layout.preferredHeight: 34
            visible: root.content.showsUpdate
            symbol: "arrow.down.circle.fill"
            symbolColor: root.style.teal
            text: root.content.updateText
            actionText: "Install…"
            actionTooltip: root.content.updateTooltip
            accessibleName: root.content.updateAccessibleName
            onActionTriggered: root.content.installUpdate()
        }
        Divider { visible: root.content.showsWarning }
        Banner {
            objectName: "warningBanner"
            Layout.fillWidth: true
            Layout.preferredHeight: 34
            visible: root.content.showsWarning
            symbol: "bell.slash.fill"
            symbolColor: root.style.orange
            text: "Notifications are off for Norrid"
            actionText: "Enable…"
            actionTooltip: "Open the desktop's notification settings"
            accessibleName: "Notifications are off for Norrid. Enable them in your desktop's settings to get pinged about new cards."
            onActionTriggered: root.content.enableNotifications()
        }
        Divider {}

        // Footer
        RowLayout {
            Layout.fillWidth: true
            Layout.preferredHeight: 40
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            spacing: 12
            RowLayout {
                objectName: "footerError"
                visible: root.content.showsFooterError
                spacing: 4
                Layout.fillWidth: true
                Image {
                    source: root.style.symbol("exclamationmark.triangle", root.style.orange)
                    sourceSize: Qt.size(12, 12)
                }
                PlainLabel {
                    objectName: "footerErrorText"
                    text: root.content.errorMessage
                    color: root.style.orange
                    font.pixelSize: root.style.caption + 1
                    elide: Text.ElideRight
                    maximumLineCount: 1
                    Layout.fillWidth: true
                    HoverHandler { id: footerHover }
                    PlainToolTip {
                        visible: footerHover.hovered
                        text: root.content.errorMessage
                    }
                }
            }
            Item { Layout.fillWidth: true; visible: !root.content.showsFooterError }
            TextButton {
                objectName: "footerSignInButton"
                visible: root.content.showsFooterError && root.content.canSignIn
                text: "Sign In…"
                onClicked: root.content.signIn()
            }
            TextButton {
                objectName: "settingsButton"
                text: "Settings…"
                onClicked: root.content.openSettings()
            }
            TextButton {
                objectName: "quitButton"
                text: "Quit"
                ToolTip.visible: hovered
                ToolTip.text: "Quit Norrid"
                ToolTip.delay: 600
                onClicked: root.content.quit()
            }
        }
    }
}
