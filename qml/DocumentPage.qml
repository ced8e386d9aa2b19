import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/js/documents.js" as Docs

// A rich-text document page of the drawer. With docFile set, the body is
// that document of datafiles/docs, in the chosen script.
ScrollablePage {
    id: docPage
    property string body: docFile.length > 0 ? docPage.shown(docPage.bodyFilter(Docs.bodyOf(Docs.readResource(
                                                   "qrc:/datafiles/docs/" + docFile)))) : ""
    property string docFile: ""
    readonly property bool traditional: typeof windowRoot !== "undefined" && windowRoot && windowRoot.appLanguage === 1
    signal textPressed()

    // Pages that fill in values override this.
    function bodyFilter(text) {
        return text;
    }

    function shown(text) {
        if (!traditional || typeof windowRoot === "undefined" || !windowRoot || !windowRoot.jsxf)
            return text;
        return windowRoot.jsxf.sxf_getTranBySimp(text);
    }

    Label {
        id: bodyLabel
        objectName: "documentBody"
        text: docPage.body
        textFormat: Text.RichText
        wrapMode: Label.Wrap
        lineHeight: 1.25
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
