import QtQuick
import QtQuick.Controls.Basic

// A tooltip whose text is shown as plain text (the style's own tooltip reads markup in it).
ToolTip {
    id: tip
    contentItem: PlainLabel {
        objectName: "toolTipText"
        text: tip.text
        font: tip.font
        wrapMode: Text.Wrap
        color: tip.palette.toolTipText
    }
}
