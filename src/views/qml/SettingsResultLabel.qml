import QtQuick
import QtQuick.Layouts
import Norrid.Views

// The outcome of the last connection test beside its button: green with a check mark, or red with
// a cross, the message cut to two lines and shown whole when hovered.
RowLayout {
    id: result
    required property SettingsForm form
    property Style style: Style {}
    readonly property bool failed: form.testResultKind === SettingsForm.ResultKind.fail
    readonly property color tint: failed ? style.red : style.green
    visible: form.testResultKind !== SettingsForm.ResultKind.none
    spacing: 4

    Image {
        objectName: "resultIcon"
        Layout.alignment: Qt.AlignTop
        Layout.topMargin: 1
        source: result.visible ? result.style.symbol(result.failed ? "xmark.circle.fill" : "checkmark.circle.fill", result.tint) : ""
        sourceSize.width: 13
        sourceSize.height: 13
    }
    PlainLabel {
        id: message
        objectName: "resultText"
        Layout.fillWidth: true
        text: result.form.testResultText
        color: result.tint
        font.pixelSize: result.style.caption
        wrapMode: Text.Wrap
        maximumLineCount: result.failed ? 2 : 1
        elide: Text.ElideRight
        Accessible.name: message.text

        HoverHandler { id: hover }
        PlainToolTip {
            objectName: "resultToolTip"
            visible: result.failed && hover.hovered
            text: result.form.testResultText
            delay: 400
            width: Math.min(implicitWidth, 400)
        }
    }
}
