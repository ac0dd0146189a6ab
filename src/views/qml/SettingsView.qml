import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Norrid.Views

// The content of the settings window: five sections over a draft held by the C++ form, then a bottom
// bar with the connection test and Save. Return saves, Escape closes the window, Ctrl+Q quits.
FocusScope {
    id: root
    required property SettingsForm form
    property Style style: Style {}
    width: 480
    height: 680
    focus: true

    function save() {
        if (form.canConnect)
            form.apply()
    }

    // Keys the focused control leaves alone come up here; text fields pass Return on.
    Keys.onReturnPressed: save()
    Keys.onEnterPressed: save()
    Keys.onEscapePressed: Window.window.hide()

    // Each time the window opens, typing goes into the first empty connection field.
    Connections {
        target: root.form
        function onAppeared() {
            const fields = { siteURL: siteURLInput, email: emailInput, token: tokenInput }
            const field = fields[root.form.firstEmptyField]
            if (field)
                field.forceActiveFocus()
        }
    }

    Shortcut {
        sequences: ["Ctrl+Q"]
        context: Qt.WindowShortcut
        onActivated: Qt.quit()
    }

    // Keeps the control that takes the keyboard focus (Tab) in view.
    Connections {
        target: root.Window.window
        function onActiveFocusItemChanged() {
            const item = root.Window.window ? root.Window.window.activeFocusItem : null
            if (!item || item === sections)
                return
            for (let p = item.parent; p; p = p.parent) {
                if (p === sections) {
                    const top = item.mapToItem(sections, 0, 0).y
                    if (top < scroller.contentY)
                        scroller.contentY = Math.max(0, top - 12)
                    else if (top + item.height > scroller.contentY + scroller.height)
                        scroller.contentY = Math.min(scroller.contentHeight - scroller.height,
                                                     top + item.height - scroller.height + 12)
                    return
                }
            }
        }
    }

    Rectangle {
        anchors.fill: parent
        color: root.style.palette.window
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Flickable {
            id: scroller
            objectName: "scroller"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentWidth: width
            contentHeight: sections.implicitHeight + 32
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}

            ColumnLayout {
                id: sections
                x: 16
                y: 16
                width: scroller.width - 32
                spacing: 14

                SettingsSection {
                    title: qsTr("Jira connection")
                    SettingsRow {
                        label: qsTr("Site URL")
                        SettingsTextField {
                            id: siteURLInput
                            objectName: "siteURLField"
                            placeholderText: "https://your-team.atlassian.net"
                            Accessible.name: qsTr("Site URL")
                            value: root.form.siteURL
                            onEdited: function(text) { root.form.siteURL = text }
                        }
                    }
                    SettingsCaption {
                        objectName: "siteProblem"
                        Layout.leftMargin: root.style.labelWidth + 8
                        visible: text.length > 0
                        text: root.form.siteProblem
                        color: root.style.red
                    }
                    SettingsCaption {
                        objectName: "siteNote"
                        Layout.leftMargin: root.style.labelWidth + 8
                        visible: text.length > 0
                        text: root.form.siteNote
                    }
                    SettingsRow {
                        label: qsTr("Email")
                        SettingsTextField {
                            id: emailInput
                            objectName: "emailField"
                            placeholderText: qsTr("you@company.com")
                            Accessible.name: qsTr("Email")
                            value: root.form.email
                            onEdited: function(text) { root.form.email = text }
                        }
                    }
                    SettingsCaption {
                        objectName: "emailCaption"
                        Layout.leftMargin: root.style.labelWidth + 8
                        text: qsTr("On Jira Data Center, your user name — or leave it empty to sign in with a personal access token.")
                    }
                    SettingsRow {
                        label: qsTr("API token")
                        SettingsTextField {
                            id: tokenInput
                            objectName: "tokenField"
                            placeholderText: qsTr("Paste your API token or personal access token")
                            Accessible.name: qsTr("API token")
                            echoMode: TextInput.Password
                            value: root.form.token
                            onEdited: function(text) { root.form.token = text }
                        }
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        Layout.leftMargin: root.style.labelWidth + 8
                        spacing: 4
                        SettingsCaption {
                            objectName: "tokenCaption"
                            text: qsTr("An API token for Jira Cloud, or a personal access token for Jira Data Center.")
                        }
                        SettingsButton {
                            objectName: "tokenPageButton"
                            text: root.form.tokenPageText
                            onClicked: root.form.openTokenPage()
                        }
                        SettingsCaption {
                            objectName: "keyringCaption"
                            text: qsTr("Stored in your system keyring — never in plain text.")
                        }
                        SettingsCaption {
                            objectName: "saveProblem"
                            visible: text.length > 0
                            text: root.form.saveProblem
                            color: root.style.red
                        }
                    }
                }

                SettingsSection {
                    title: qsTr("What to watch")
                    // The watched columns, with the one the fields below edit marked.
                    ColumnLayout {
                        objectName: "columnList"
                        visible: root.form.columnTitles.length > 1
                        Layout.fillWidth: true
                        spacing: 2
                        Accessible.role: Accessible.List
                        Accessible.name: qsTr("Watched columns")
                        Repeater {
                            model: root.form.columnTitles
                            // The 6.4 linter misses this file's ids inside a delegate; the engine resolves them.
                            // qmllint disable unqualified
                            delegate: ItemDelegate {
                                id: columnEntry
                                required property string modelData
                                required property int index
                                readonly property bool current: index === root.form.currentColumn
                                objectName: "columnEntry" + index
                                Layout.fillWidth: true
                                implicitHeight: Math.max(24, implicitContentHeight + 6)
                                topPadding: 3
                                bottomPadding: 3
                                leftPadding: 10
                                text: (index + 1) + ". " + modelData
                                font.pixelSize: root.style.body
                                font.bold: current
                                highlighted: current
                                Accessible.role: Accessible.ListItem
                                Accessible.name: text
                                Accessible.selected: current
                                onClicked: root.form.currentColumn = index
                                background: Rectangle {
                                    radius: 4
                                    color: columnEntry.current ? Qt.rgba(root.style.palette.highlight.r, root.style.palette.highlight.g,
                                                                        root.style.palette.highlight.b, 0.25)
                                                               : (columnEntry.hovered ? root.style.divider : "transparent")
                                }
                            }
                            // qmllint enable unqualified
                        }
                    }
                    SettingsRow {
                        label: qsTr("Board ID")
                        SettingsTextField {
                            objectName: "boardIdField"
                            placeholderText: "590"
                            Accessible.name: qsTr("Board ID")
                            value: root.form.boardId
                            onEdited: function(text) { root.form.boardId = text }
                        }
                    }
                    SettingsCaption {
                        objectName: "boardIdNote"
                        Layout.leftMargin: root.style.labelWidth + 8
                        visible: text.length > 0
                        text: root.form.boardIdNote
                    }
                    SettingsRow {
                        label: qsTr("Status")
                        SettingsTextField {
                            objectName: "statusField"
                            placeholderText: qsTr("To review")
                            Accessible.name: qsTr("Status")
                            value: root.form.statusName
                            onEdited: function(text) { root.form.statusName = text }
                        }
                    }
                    SettingsRow {
                        label: qsTr("Team quick filter")
                        visible: root.form.quickFilters.length > 0
                        SettingsPicker {
                            objectName: "filterPicker"
                            model: root.form.filterChoices
                            currentIndex: root.form.selectedFilterIndex
                            help: qsTr("The quick-filter chips from the top of your board. Picking one applies the same filtering the web board does.")
                            Accessible.name: qsTr("Team quick filter")
                            onChosen: function(index) { root.form.selectedFilterIndex = index }
                        }
                    }
                    RowLayout {
                        Layout.alignment: Qt.AlignHCenter
                        Layout.fillWidth: false
                        Layout.maximumWidth: parent.width
                        spacing: 8
                        SettingsButton {
                            objectName: "loadFiltersButton"
                            text: qsTr("Load team filters from board")
                            busy: root.form.loadingFilters
                            enabled: root.form.canLoadFilters
                            onClicked: root.form.startLoadingQuickFilters()
                        }
                        SettingsCaption {
                            objectName: "filterMessage"
                            visible: text.length > 0
                            Layout.fillWidth: false
                            Layout.maximumWidth: 180
                            text: root.form.filterMessage
                        }
                    }
                    SettingsRow {
                        label: qsTr("Team filter (JQL)")
                        SettingsTextField {
                            objectName: "extraJQLField"
                            placeholderText: qsTr("optional, e.g. labels = team-f")
                            Accessible.name: qsTr("Team filter (JQL)")
                            value: root.form.extraJQL
                            onEdited: function(text) { root.form.extraJQL = text }
                        }
                    }
                    SettingsRow {
                        label: qsTr("Name")
                        SettingsTextField {
                            objectName: "columnNameField"
                            placeholderText: qsTr("optional, shown instead of the status")
                            Accessible.name: qsTr("Column name")
                            value: root.form.columnName
                            onEdited: function(text) { root.form.columnName = text }
                        }
                    }
                    SettingsCaption {
                        objectName: "watchCaption"
                        text: qsTr("Status is the exact Jira status behind your column. The team filter narrows a shared board to your team — pick a quick filter above to fill it automatically, or write your own JQL.")
                    }
                    Flow {
                        Layout.fillWidth: true
                        spacing: 6
                        SettingsButton {
                            objectName: "addColumnButton"
                            text: qsTr("Add Column")
                            enabled: root.form.canAddColumn
                            help: qsTr("Watch another status or board on the same connection (up to 8 columns).")
                            onClicked: root.form.addColumn()
                        }
                        SettingsButton {
                            objectName: "removeColumnButton"
                            visible: root.form.columnTitles.length > 1
                            text: qsTr("Remove")
                            onClicked: root.form.removeColumn()
                        }
                        SettingsButton {
                            objectName: "moveColumnUpButton"
                            visible: root.form.columnTitles.length > 1
                            enabled: root.form.currentColumn > 0
                            text: qsTr("Move Up")
                            onClicked: root.form.moveColumn(-1)
                        }
                        SettingsButton {
                            objectName: "moveColumnDownButton"
                            visible: root.form.columnTitles.length > 1
                            enabled: root.form.currentColumn < root.form.columnTitles.length - 1
                            text: qsTr("Move Down")
                            onClicked: root.form.moveColumn(1)
                        }
                    }
                }

                SettingsSection {
                    title: qsTr("Notifications")
                    SettingsRow {
                        label: qsTr("Sound")
                        SettingsPicker {
                            objectName: "soundPicker"
                            model: root.form.soundChoices
                            currentIndex: root.form.soundIndex
                            Accessible.name: qsTr("Notification sound")
                            onChosen: function(index) {
                                const name = root.form.soundOptions[index]
                                root.form.soundName = name
                                root.form.previewSound(name)
                            }
                        }
                    }
                    SettingsButton {
                        objectName: "testNotificationButton"
                        text: qsTr("Send test notification")
                        help: qsTr("Posts a sample banner with the selected sound so you can preview it.")
                        onClicked: root.form.sendTestNotification()
                    }
                }

                SettingsSection {
                    title: qsTr("General")
                    SettingsRow {
                        label: qsTr("Check every")
                        SettingsPicker {
                            objectName: "intervalPicker"
                            model: root.form.pollIntervalChoices
                            currentIndex: root.form.pollIntervalIndex
                            Accessible.name: qsTr("Check interval")
                            onChosen: function(index) { root.form.pollIntervalIndex = index }
                        }
                    }
                    SettingsRow {
                        label: qsTr("Tray icon")
                        SettingsPicker {
                            objectName: "trayIconPicker"
                            model: root.form.trayIconChoices
                            currentIndex: root.form.trayIconIndex
                            help: qsTr("Light suits a dark panel, Dark a light one. Automatic follows the desktop's colour scheme.")
                            Accessible.name: qsTr("Tray icon")
                            onChosen: function(index) { root.form.trayIconIndex = index }
                        }
                    }
                    SettingsRow {
                        label: qsTr("Launch at login")
                        wideLabel: true
                        Switch {
                            objectName: "launchAtLoginSwitch"
                            padding: 0
                            checked: root.form.launchAtLogin
                            onToggled: root.form.launchAtLogin = checked
                            Accessible.name: qsTr("Launch at login")
                            ToolTip.visible: hovered
                            property string help: qsTr("Start Norrid automatically when you log in.")
                            ToolTip.text: help
                            ToolTip.delay: 600
                        }
                    }
                }

                SettingsSection {
                    title: qsTr("Updates")
                    SettingsRow {
                        label: qsTr("Version")
                        PlainLabel {
                            objectName: "versionValue"
                            Layout.fillWidth: true
                            horizontalAlignment: Text.AlignRight
                            text: root.form.appVersion
                            font.pixelSize: root.style.body
                            color: root.style.secondary
                        }
                    }
                    SettingsRow {
                        label: qsTr("Check for updates automatically")
                        wideLabel: true
                        Switch {
                            objectName: "autoUpdateSwitch"
                            padding: 0
                            checked: root.form.autoUpdate
                            onToggled: root.form.autoUpdate = checked
                            Accessible.name: qsTr("Check for updates automatically")
                            ToolTip.visible: hovered
                            property string help: qsTr("Looks for a new version once a day. You get a notification and a banner in the app when one is ready.")
                            ToolTip.text: help
                            ToolTip.delay: 600
                        }
                    }
                    SettingsButton {
                        objectName: "checkUpdatesButton"
                        text: qsTr("Check for Updates Now")
                        help: qsTr("Contacts the update feed and offers any newer version right away.")
                        onClicked: root.form.checkForUpdates()
                    }
                    SettingsButton {
                        objectName: "copyDiagnosticsButton"
                        text: qsTr("Copy Diagnostics")
                        help: qsTr("Copies what a bug report needs: versions, the desktop, the tray, the keyring and the last poll. Never the token, the email or a card's text.")
                        onClicked: root.form.copyDiagnostics()
                    }
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: root.style.divider
        }

        RowLayout {
            objectName: "bottomBar"
            Layout.fillWidth: true
            Layout.margins: 12
            spacing: 12
            SettingsButton {
                objectName: "testButton"
                text: qsTr("Test connection")
                busy: root.form.testing
                enabled: root.form.canTest
                onClicked: root.form.startTestConnection()
            }
            SettingsResultLabel {
                id: resultLabel
                objectName: "resultLabel"
                form: root.form
                Layout.fillWidth: true
            }
            SettingsButton {
                objectName: "signInButton"
                visible: root.form.canSignIn
                text: qsTr("Sign In…")
                onClicked: root.form.signIn()
            }
            Item {
                Layout.fillWidth: true
                visible: !resultLabel.visible
            }
            SettingsButton {
                objectName: "saveButton"
                text: qsTr("Save")
                highlighted: true
                enabled: root.form.canConnect
                onClicked: root.save()
            }
        }
    }
}
