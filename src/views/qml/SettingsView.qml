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
                    title: "Jira connection"
                    SettingsRow {
                        label: "Site URL"
                        SettingsTextField {
                            id: siteURLInput
                            objectName: "siteURLField"
                            placeholderText: "https://your-team.atlassian.net"
                            Accessible.name: "Site URL"
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
                        label: "Email"
                        SettingsTextField {
                            id: emailInput
                            objectName: "emailField"
                            placeholderText: "you@company.com"
                            Accessible.name: "Email"
                            value: root.form.email
                            onEdited: function(text) { root.form.email = text }
                        }
                    }
                    SettingsCaption {
                        objectName: "emailCaption"
                        Layout.leftMargin: root.style.labelWidth + 8
                        text: "On Jira Data Center, your user name — or leave it empty to sign in with a personal access token."
                    }
                    SettingsRow {
                        label: "API token"
                        SettingsTextField {
                            id: tokenInput
                            objectName: "tokenField"
                            placeholderText: "Paste your API token or personal access token"
                            Accessible.name: "API token"
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
                            text: "An API token for Jira Cloud, or a personal access token for Jira Data Center."
                        }
                        SettingsButton {
                            objectName: "tokenPageButton"
                            text: root.form.tokenPageText
                            onClicked: root.form.openTokenPage()
                        }
                        SettingsCaption {
                            objectName: "keyringCaption"
                            text: "Stored in your system keyring — never in plain text."
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
                    title: "What to watch"
                    // The watched columns, with the one the fields below edit marked.
                    ColumnLayout {
                        objectName: "columnList"
                        visible: root.form.columnTitles.length > 1
                        Layout.fillWidth: true
                        spacing: 2
                        Accessible.role: Accessible.List
                        Accessible.name: "Watched columns"
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
                        label: "Board ID"
                        SettingsTextField {
                            objectName: "boardIdField"
                            placeholderText: "590"
                            Accessible.name: "Board ID"
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
                        label: "Status"
                        SettingsTextField {
                            objectName: "statusField"
                            placeholderText: "To review"
                            Accessible.name: "Status"
                            value: root.form.statusName
                            onEdited: function(text) { root.form.statusName = text }
                        }
                    }
                    SettingsRow {
                        label: "Team quick filter"
                        visible: root.form.quickFilters.length > 0
                        SettingsPicker {
                            objectName: "filterPicker"
                            model: root.form.filterChoices
                            currentIndex: root.form.selectedFilterIndex
                            help: "The quick-filter chips from the top of your board. Picking one applies the same filtering the web board does."
                            Accessible.name: "Team quick filter"
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
                            text: "Load team filters from board"
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
                        label: "Team filter (JQL)"
                        SettingsTextField {
                            objectName: "extraJQLField"
                            placeholderText: "optional, e.g. labels = team-f"
                            Accessible.name: "Team filter (JQL)"
                            value: root.form.extraJQL
                            onEdited: function(text) { root.form.extraJQL = text }
                        }
                    }
                    SettingsRow {
                        label: "Name"
                        SettingsTextField {
                            objectName: "columnNameField"
                            placeholderText: "optional, shown instead of the status"
                            Accessible.name: "Column name"
                            value: root.form.columnName
                            onEdited: function(text) { root.form.columnName = text }
                        }
                    }
                    SettingsCaption {
                        objectName: "watchCaption"
                        text: "Status is the exact Jira status behind your column. The team filter narrows a shared board to your team — pick a quick filter above to fill it automatically, or write your own JQL."
                    }
                    Flow {
                        Layout.fillWidth: true
                        spacing: 6
                        SettingsButton {
                            objectName: "addColumnButton"
                            text: "Add Column"
                            enabled: root.form.canAddColumn
                            help: "Watch another status or board on the same connection (up to 8 columns)."
                            onClicked: root.form.addColumn()
                        }
                        SettingsButton {
                            objectName: "removeColumnButton"
                            visible: root.form.columnTitles.length > 1
                            text: "Remove"
                            onClicked: root.form.removeColumn()
                        }
                        SettingsButton {
                            objectName: "moveColumnUpButton"
                            visible: root.form.columnTitles.length > 1
                            enabled: root.form.currentColumn > 0
                            text: "Move Up"
                            onClicked: root.form.moveColumn(-1)
                        }
                        SettingsButton {
                            objectName: "moveColumnDownButton"
                            visible: root.form.columnTitles.length > 1
                            enabled: root.form.currentColumn < root.form.columnTitles.length - 1
                            text: "Move Down"
                            onClicked: root.form.moveColumn(1)
                        }
                    }
                }

                SettingsSection {
                    title: "Notifications"
                    SettingsRow {
                        label: "Sound"
                        SettingsPicker {
                            objectName: "soundPicker"
                            model: root.form.soundOptions
                            currentIndex: root.form.soundIndex
                            Accessible.name: "Notification sound"
                            onChosen: function(index) {
                                const name = root.form.soundOptions[index]
                                root.form.soundName = name
                                root.form.previewSound(name)
                            }
                        }
                    }
                    SettingsButton {
                        objectName: "testNotificationButton"
                        text: "Send test notification"
                        help: "Posts a sample banner with the selected sound so you can preview it."
                        onClicked: root.form.sendTestNotification()
                    }
                }

                SettingsSection {
                    title: "General"
                    SettingsRow {
                        label: "Check every"
                        SettingsPicker {
                            objectName: "intervalPicker"
                            model: root.form.pollIntervalChoices
                            currentIndex: root.form.pollIntervalIndex
                            Accessible.name: "Check interval"
                            onChosen: function(index) { root.form.pollIntervalIndex = index }
                        }
                    }
                    SettingsRow {
                        label: "Tray icon"
                        SettingsPicker {
                            objectName: "trayIconPicker"
                            model: root.form.trayIconChoices
                            currentIndex: root.form.trayIconIndex
                            help: "Light suits a dark panel, Dark a light one. Automatic follows the desktop's colour scheme."
                            Accessible.name: "Tray icon"
                            onChosen: function(index) { root.form.trayIconIndex = index }
                        }
                    }
                    SettingsRow {
                        label: "Launch at login"
                        wideLabel: true
                        Switch {
                            objectName: "launchAtLoginSwitch"
                            padding: 0
                            checked: root.form.launchAtLogin
                            onToggled: root.form.launchAtLogin = checked
                            Accessible.name: "Launch at login"
                            ToolTip.visible: hovered
                            property string help: "Start Norrid automatically when you log in."
                            ToolTip.text: help
                            ToolTip.delay: 600
                        }
                    }
                }

                SettingsSection {
                    title: "Updates"
                    SettingsRow {
                        label: "Version"
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
                        label: "Check for updates automatically"
                        wideLabel: true
                        Switch {
                            objectName: "autoUpdateSwitch"
                            padding: 0
                            checked: root.form.autoUpdate
                            onToggled: root.form.autoUpdate = checked
                            Accessible.name: "Check for updates automatically"
                            ToolTip.visible: hovered
                            property string help: "Looks for a new version once a day. You get a notification and a banner in the app when one is ready."
                            ToolTip.text: help
                            ToolTip.delay: 600
                        }
                    }
                    SettingsButton {
                        objectName: "checkUpdatesButton"
                        text: "Check for Updates Now"
                        help: "Contacts the update feed and offers any newer version right away."
                        onClicked: root.form.checkForUpdates()
                    }
                    SettingsButton {
                        objectName: "copyDiagnosticsButton"
                        text: "Copy Diagnostics"
                        help: "Copies what a bug report needs: versions, the desktop, the tray, the keyring and the last poll. Never the token, the email or a card's text."
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
                text: "Test connection"
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
                text: "Sign In…"
                onClicked: root.form.signIn()
            }
            Item {
                Layout.fillWidth: true
                visible: !resultLabel.visible
            }
            SettingsButton {
                objectName: "saveButton"
                text: "Save"
                highlighted: true
                enabled: root.form.canConnect
                onClicked: root.save()
            }
        }
    }
}
