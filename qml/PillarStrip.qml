// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// A row of pillars (luck pillars, flow years, months or days). Rows are plain
// objects { title, gan, zhi, sub }; `panel` lays them out as a grid instead.
Item {
    id: strip
    property string label: ""
    property var rows: []
    property int currentIndex: -1
    property bool panel: false
    property bool useColor: true
    property int cellWidth: 44
    property int cellHeight: 84
    readonly property int count: rows ? rows.length : 0
    signal picked(int index)

    implicitHeight: panel ? Math.max(1, Math.ceil(count / Math.max(1, Math.floor(width / cellWidth)))) * cellHeight
                          : cellHeight
    implicitWidth: 200

    Component {
        id: cellDelegate
        Rectangle {
            width: strip.cellWidth
            height: strip.cellHeight
            color: index === strip.currentIndex ? P.accentLight : "transparent"
            border.color: index === strip.currentIndex ? P.accent : "transparent"
            radius: 3
            Column {
                anchors.centerIn: parent
                spacing: 0
                Label {
                    text: modelData.title
                    font.pixelSize: 11
                    color: P.inkSoft
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    text: modelData.gan
                    font.pixelSize: 19
                    color: strip.useColor ? P.chacColor(text) : "black"
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    text: modelData.zhi
                    font.pixelSize: 19
                    color: strip.useColor ? P.chacColor(text) : "black"
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    text: modelData.sub
                    textFormat: Text.StyledText
                    font.pixelSize: 10
                    color: P.inkSoft
                    horizontalAlignment: Text.AlignHCenter
                    anchors.horizontalCenter: parent.horizontalCenter
                }
            }
            MouseArea {
                anchors.fill: parent
                onClicked: strip.picked(index)
            }
        }
    }

    Label {
        id: stripLabel
        text: strip.label
        visible: text.length > 0
        width: visible ? 18 : 0
        anchors.verticalCenter: parent.verticalCenter
        wrapMode: Text.Wrap
        font.pixelSize: 13
        color: P.accentDark
    }

    ListView {
        id: rowView
        visible: !strip.panel
        anchors.fill: parent
        anchors.leftMargin: stripLabel.width
        orientation: ListView.Horizontal
        clip: true
        model: strip.rows
        currentIndex: strip.currentIndex
        delegate: cellDelegate
        onCurrentIndexChanged: if (currentIndex >= 0) positionViewAtIndex(currentIndex, ListView.Contain)
        onCountChanged: if (currentIndex >= 0) positionViewAtIndex(currentIndex, ListView.Contain)
    }

    GridView {
        id: gridView
        visible: strip.panel
        anchors.fill: parent
        anchors.leftMargin: stripLabel.width
        cellWidth: strip.cellWidth
        cellHeight: strip.cellHeight
        interactive: false
        model: strip.panel ? strip.rows : []
        delegate: cellDelegate
    }
}
