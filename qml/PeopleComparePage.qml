// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// Charts side by side: one chart view (First, in compared mode) per chosen
// record, in a row that scrolls sideways, with separators between them.
Page {
    id: comparePage
    title: qsTr("比较")

    property var u1idArray: []
    // Width of one chart column.
    property real columnWidth: Math.max(320, Math.min(width, 460))
    readonly property int chartCount: row.children.length

    Flickable {
        id: flick
        anchors.fill: parent
        contentWidth: row.width
        contentHeight: height
        flickableDirection: Flickable.HorizontalFlick
        clip: true
        ScrollBar.horizontal: ScrollBar { }

        Row {
            id: row
            height: flick.height

            Repeater {
                id: charts
                objectName: "charts"
                model: comparePage.u1idArray

                Row {
                    height: row.height

                    Rectangle {
                        // Separator before every chart but the first.
                        width: index > 0 ? 2 : 0
                        visible: width > 0
                        height: parent.height
                        color: P.line
                    }

                    Loader {
                        objectName: "chartLoader"
                        width: comparePage.columnWidth
                        height: parent.height
                        readonly property string userid: String(modelData)
                        // The record is given before the view completes, so
                        // it reads that record once.
                        Component.onCompleted: setSource("qrc:/qml/First.qml",
                                                         {isInComparedMode: true, theuserid: userid})
                    }
                }
            }
        }
    }

    Label {
        anchors.centerIn: parent
        visible: comparePage.u1idArray.length === 0
        color: P.inkSoft
        text: qsTr("尚未选择要比较的记录。")
    }
}
