// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/qml"

// A rich-text document page of the drawer.
ScrollablePage {
    id: docPage
    // A document of datafiles/docs by file name; `fallback` shows when it is
    // not in this build.
    property string documentFile: ""
    property string fallback: ""
    property string extra: ""
    // Text.RichText (Qt's HTML subset) or Text.MarkdownText.
    property int format: Text.RichText
    property string body: documentText(documentFile, fallback) + extra
    signal textPressed()

    function documentText(file, otherwise) {
        var text = documentPages[file] ? String(documentPages[file]) : otherwise;
        return JsxfSingleton.shown(text, AppState.language);
    }

    Label {
        id: bodyLabel
        objectName: "documentBody"
        text: docPage.body
        textFormat: docPage.format
        wrapMode: Label.Wrap
        // Spacing a Markdown document's lines costs a second and more on a
        // page with tables (every cell is laid out again).
        lineHeight: docPage.format === Text.MarkdownText ? 1 : 1.25
        onLinkActivated: Qt.openUrlExternally(link)

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton
            cursorShape: bodyLabel.hoveredLink ? Qt.PointingHandCursor : Qt.ArrowCursor
            onClicked: {
                var link = bodyLabel.linkAt(mouse.x, mouse.y);
                if (link)
                    Qt.openUrlExternally(link);
                else
                    docPage.textPressed();
            }
        }
    }
}
