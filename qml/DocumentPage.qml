import QtQuick 2.15
import QtQuick.Controls 2.15

// A rich-text document page of the drawer.
ScrollablePage {
    id: docPage
    property string body: ""
    signal textPressed()

    Label {
        id: bodyLabel
        objectName: "documentBody"
        text: docPage.body
        textFormat: Text.StyledText
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
