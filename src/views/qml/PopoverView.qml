import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Norrid.Views

// The popover under the tray icon: header, the column's cards (or a message), banners, footer.
Rectangle {
    id: root
    required property PopoverContent content
    property Style style: Style {}
    width: PopoverMetrics.width
    height: content.height
    color: style.palette.window

    component Divider: Rectangle {
        property Style style: Style {}
        Layout.fillWidth: true
        Layout.preferredHeight: PopoverMetrics.dividerHeight
        color: style.divider
    }

    // Borderless: only a faint wash while hovered or pressed.
    component TextButton: ToolButton {
        id: button
        property Style style: Style {}
        font.pixelSize: style.body
        // The text follows the window's palette as it is now (a switch to a dark theme included).
        palette.buttonText: style.primary
        Accessible.ignored: !visible
        background: Rectangle {
            radius: 5
            color: button.down ? button.style.divider
                               : (button.hovered || button.visualFocus ? Qt.rgba(0.5, 0.5, 0.5, 0.12) : "transparent")
        }
    }

    // On opening, the keyboard starts at the first card, or at the main view's button without cards.
    function focusFirst() {
        if (list.visible && list.moveTo(0, 1))
            list.forceActiveFocus();
        else if (setupView.visible)
            setupView.focusButton();
        else if (errorView.visible)
            errorView.focusButton();
        else
            root.forceActiveFocus();
    }
    // Whether the user has gone to a button of the header, the banners or the footer.
    readonly property bool buttonHasFocus: boardButton.activeFocus || refreshButton.activeFocus
                                           || updateBanner.actionHasFocus || warningBanner.actionHasFocus
                                           || signInButton.activeFocus || settingsButton.activeFocus
                                           || quitButton.activeFocus
    function focusCardsUnlessOnAButton() {
        if (list.visible && !root.buttonHasFocus)
            root.focusFirst();
    }
    Timer {
        id: afterTheViewsSwap
        interval: 0
        onTriggered: root.focusCardsUnlessOnAButton()
    }
    Connections {
        target: root.content
        function onOpened() { root.focusFirst() }
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
            Layout.preferredHeight: PopoverMetrics.headerHeight
            Layout.leftMargin: PopoverMetrics.padding
            Layout.rightMargin: PopoverMetrics.padding
            spacing: 8
            ColumnLayout {
                spacing: 2
                RowLayout {
                    spacing: 6
                    Label {
                        objectName: "title"
                        text: qsTr("To review")
                        Accessible.ignored: !visible
                        font.pixelSize: root.style.headline
                        font.bold: true
                        color: root.style.primary
                    }
                    Label {
                        objectName: "countBadge"
                        visible: root.content.count > 0
                        text: root.content.count
                        font.pixelSize: root.style.caption
                        font.weight: Font.DemiBold
                        color: root.style.teal
                        leftPadding: 7
                        rightPadding: 7
                        topPadding: 1
                        bottomPadding: 1
                        Accessible.name: root.content.countAccessibleName
                        Accessible.ignored: !visible
                        background: Rectangle {
                            radius: height / 2
                            color: Qt.rgba(0.118, 0.624, 0.71, 0.18)
                        }
                    }
                }
                Label {
                    objectName: "subtitle"
                    text: root.content.subtitle
                    Accessible.ignored: !visible
                    font.pixelSize: root.style.caption
                    color: root.style.secondary
                }
            }
            Item { Layout.fillWidth: true }
            SymbolButton {
                id: boardButton
                objectName: "boardButton"
                symbol: "rectangle.grid.2x2"
                tooltip: qsTr("Open the board in your browser")
                Accessible.name: qsTr("Open board in browser")
                onClicked: root.content.openBoard()
            }
            SymbolButton {
                id: refreshButton
                objectName: "refreshButton"
                symbol: "arrow.clockwise"
                tooltip: qsTr("Refresh now")
                Accessible.name: qsTr("Refresh now")
                onClicked: root.content.refresh()
            }
        }
        Divider {}

        // Main area
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            MessageView {
                id: setupView
                objectName: "setupView"
                anchors.fill: parent
                visible: root.content.mainArea === PopoverContent.MainArea.setup
                symbol: "gearshape"
                title: root.content.setupTitle
                text: root.content.setupText
                showsButton: true
                onButtonClicked: root.content.openSettings()
            }
            MessageView {
                objectName: "emptyView"
                anchors.fill: parent
                visible: root.content.mainArea === PopoverContent.MainArea.empty
                symbol: "checkmark.circle"
                title: qsTr("Nothing to review")
                text: qsTr("You're all caught up.\nNew cards in To review show up here and notify you.")
            }
            MessageView {
                id: errorView
                objectName: "errorView"
                anchors.fill: parent
                visible: root.content.mainArea === PopoverContent.MainArea.error
                symbol: "exclamationmark.triangle"
                title: qsTr("Couldn't reach Jira")
                text: root.content.errorMessage
                showsButton: true
                buttonText: root.content.canSignIn ? qsTr("Sign In to Jira…") : qsTr("Open Settings")
                onButtonClicked: root.content.canSignIn ? root.content.signIn() : root.content.openSettings()
            }
            RowLayout {
                objectName: "loadingView"
                anchors.centerIn: parent
                visible: root.content.mainArea === PopoverContent.MainArea.loading
                Accessible.role: Accessible.Grouping
                Accessible.name: loadingLabel.text
                Accessible.ignored: !visible
                spacing: 8
                BusyIndicator {
                    running: parent.visible
                    padding: 0
                    implicitWidth: 20
                    implicitHeight: 20
                    Accessible.ignored: true
                }
                Label {
                    id: loadingLabel
                    text: qsTr("Loading…")
                    color: root.style.secondary
                    Accessible.ignored: true // the view says it
                }
            }
            // One stop in the Tab chain: Up, Down, Home and End move between the cards, passing over
            // the sections' headings and notes; the current card has the keyboard focus.
            ListView {
                id: list
                objectName: "cardList"
                anchors.fill: parent
                visible: root.content.mainArea === PopoverContent.MainArea.list
                clip: true
                model: root.content.issues
                activeFocusOnTab: true
                keyNavigationEnabled: false
                boundsBehavior: Flickable.StopAtBounds
                // In the accessibility tree only while there is something to scroll.
                ScrollBar.vertical: ScrollBar { Accessible.ignored: !visible || size >= 1 }
                Accessible.role: Accessible.List
                Accessible.name: root.content.countAccessibleName
                Accessible.ignored: !visible
                delegate: IssueRow {
                    width: ListView.view.width
                    onOpen: (url) => root.content.openIssue(url)
                }

                // Makes the card met from `row` going `step` the current one; false when there is none.
                function moveTo(row: int, step: int): bool {
                    const card = root.content.issues.cardFrom(row, step);
                    if (card < 0)
                        return false;
                    currentIndex = card;
                    // The first card shows with its column's heading above it, the last one with the
                    // end of the list; a card reached upwards brings its heading along too.
                    if (card === root.content.issues.cardFrom(0, 1))
                        positionViewAtBeginning();
                    else if (card === root.content.issues.cardFrom(count - 1, -1))
                        positionViewAtEnd();
                    else {
                        if (step < 0 && card > 0)
                            positionViewAtIndex(card - 1, ListView.Contain);
                        positionViewAtIndex(card, ListView.Contain);
                    }
                    return true;
                }
                Keys.onUpPressed: moveTo(currentIndex - 1, -1)
                Keys.onDownPressed: moveTo(currentIndex + 1, 1)
                Keys.onPressed: (event) => {
                    if (event.key === Qt.Key_Home)
                        moveTo(0, 1);
                    else if (event.key === Qt.Key_End)
                        moveTo(count - 1, -1);
                    else
                        return;
                    event.accepted = true;
                }
                // A heading never keeps the focus: after the rows change, the nearest card takes it.
                onCountChanged: if (root.content.issues.cardFrom(currentIndex, 1) !== currentIndex)
                                    moveTo(currentIndex, 1) || moveTo(currentIndex, -1)
                // Cards that arrive while no button the user went to holds the focus take it (once the
                // other views have hidden).
                onVisibleChanged: if (visible) afterTheViewsSwap.restart()
            }
        }

        Divider { visible: root.content.showsUpdate }
        Banner {
            id: updateBanner
            objectName: "updateBanner"
            Layout.fillWidth: true
            Layout.preferredHeight: PopoverMetrics.bannerHeight
            visible: root.content.showsUpdate
            symbol: "arrow.down.circle.fill"
            symbolColor: root.style.teal
            text: root.content.updateText
            actionText: qsTr("Install…")
            actionTooltip: root.content.updateTooltip
            accessibleName: root.content.updateAccessibleName
            onActionTriggered: root.content.installUpdate()
        }
        Divider { visible: root.content.showsWarning }
        Banner {
            id: warningBanner
            objectName: "warningBanner"
            Layout.fillWidth: true
            Layout.preferredHeight: PopoverMetrics.bannerHeight
            visible: root.content.showsWarning
            symbol: "bell.slash.fill"
            symbolColor: root.style.orange
            text: qsTr("Notifications are off for Norrid")
            actionText: qsTr("Enable…")
            actionTooltip: qsTr("Open the desktop's notification settings")
            accessibleName: qsTr("Notifications are off for Norrid. Enable them in your desktop's settings to get pinged about new cards.")
            onActionTriggered: root.content.enableNotifications()
        }
        Divider {}

        // Footer
        RowLayout {
            Layout.fillWidth: true
            Layout.preferredHeight: PopoverMetrics.footerHeight
            Layout.leftMargin: PopoverMetrics.footerPadding
            Layout.rightMargin: PopoverMetrics.footerPadding
            spacing: 12
            RowLayout {
                objectName: "footerError"
                visible: root.content.showsFooterError
                spacing: 4
                Layout.fillWidth: true
                Image {
                    source: root.style.symbol("exclamationmark.triangle", root.style.orange)
                    sourceSize.width: 12
                    sourceSize.height: 12
                }
                PlainLabel {
                    objectName: "footerErrorText"
                    text: root.content.errorMessage
                    color: root.style.orange
                    font.pixelSize: root.style.caption
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
                id: signInButton
                objectName: "footerSignInButton"
                visible: root.content.showsFooterError && root.content.canSignIn
                text: qsTr("Sign In…")
                onClicked: root.content.signIn()
            }
            TextButton {
                id: settingsButton
                objectName: "settingsButton"
                text: qsTr("Settings…")
                onClicked: root.content.openSettings()
            }
            TextButton {
                id: quitButton
                objectName: "quitButton"
                text: qsTr("Quit")
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Quit Norrid")
                ToolTip.delay: 600
                onClicked: root.content.quit()
            }
        }
    }
}
