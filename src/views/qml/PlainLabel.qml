import QtQuick
import QtQuick.Controls.Basic

// A label for text that comes from Jira, the update feed or an error: shown exactly as received.
// It is plain text by construction, so a tag or an entity in it shows as written and nothing it
// names is ever loaded or followed. Any other format set on it is put back to plain text. Hidden, it
// leaves the accessibility tree (an item Qt is told to ignore hands its children to its parent, so
// every hidden view's labels and buttons leave it themselves).
Label {
    textFormat: Text.PlainText
    Accessible.ignored: !visible
    onTextFormatChanged: if (textFormat !== Text.PlainText) textFormat = Text.PlainText
}
