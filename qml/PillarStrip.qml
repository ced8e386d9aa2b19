// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/qml"
import "qrc:/qml/MyFusion/Palette.js" as P

// A row of pillars (luck pillars, flow years, months or days). Rows are plain
// objects { title, gan, zhi, sub } with, where the list has them, an age, the
// stem's ten god, the hidden stems with their ten gods and the twelve stage;
// `panel` lays them out as a grid instead.
Item {
    id: strip
    property string label: ""
    property var rows: []
    property int currentIndex: -1
    property bool panel: false
    property bool useColor: true
    property bool rightToLeft: false
    property bool showShen10: true
    property bool showCang: true
    property bool showYun12: true
    property int smallPixelSize: 11
    property int mainPixelSize: 19
    property int cellWidth: Math.max(44, 3 * smallPixelSize + 10)
    readonly property int count: rows ? rows.length : 0
    readonly property var sample: count > 0 ? rows[0] : ({})
    readonly property bool hasAge: sample.age !== undefined
    readonly property bool hasShen10: sample.shen10 !== undefined && showShen10
    readonly property bool hasCang: sample.cang !== undefined && showCang
    readonly property bool hasYun12: sample.yun12 !== undefined && showYun12
    readonly property bool hasSub: sample.sub !== undefined && String(sample.sub).length > 0
    FontMetrics {
        id: smallMetrics
        font.pixelSize: strip.smallPixelSize
    }
    FontMetrics {
        id: mainMetrics
        font.pixelSize: strip.mainPixelSize
    }
    readonly property int smallLine: Math.ceil(smallMetrics.height)
    property int cellHeight: 10 + 2 * Math.ceil(mainMetrics.height)
                             + smallLine * (1 + (hasAge ? 1 : 0) + (hasShen10 ? 1 : 0) + (hasCang ? 2 : 0)
                                            + (hasYun12 ? 1 : 0) + (hasSub ? 1 : 0))
    signal picked(int index)
    // Engine vocabulary is Simplified; it is shown in the window's script.
    readonly property int language: AppState.language
    function shown(text) {
        return JsxfSingleton.shown(text, language);
    }

    implicitHeight: panel ? Math.max(1, Math.ceil(count / Math.max(1, Math.floor((width - stripLabel.width) / cellWidth)))) * cellHeight
                          : cellHeight
    implicitWidth: 200

    Component {
        id: cellDelegate
        Rectangle {
            objectName: "stripCell" + index
            width: strip.cellWidth
            height: strip.cellHeight
            color: index === strip.currentIndex ? P.accentLight : "transparent"
            border.color: index === strip.currentIndex ? P.accent : "transparent"
            radius: 3
            Column {
                anchors.centerIn: parent
                spacing: 0
                Label {
                    text: strip.shown(modelData.title)
                    font.pixelSize: strip.smallPixelSize
                    color: P.inkSoft
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    objectName: "ageLabel"
                    visible: strip.hasAge
                    text: modelData.age !== undefined ? strip.shown(modelData.age) : ""
                    font.pixelSize: strip.smallPixelSize
                    color: P.inkSoft
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    objectName: "shen10Label"
                    visible: strip.hasShen10
                    text: modelData.shen10 !== undefined ? strip.shown(modelData.shen10) : ""
                    font.pixelSize: strip.smallPixelSize
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    text: modelData.gan
                    font.pixelSize: strip.mainPixelSize
                    color: strip.useColor ? P.chacColor(text) : "black"
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    text: modelData.zhi
                    font.pixelSize: strip.mainPixelSize
                    color: strip.useColor ? P.chacColor(text) : "black"
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    objectName: "cangLabel"
                    visible: strip.hasCang
                    text: modelData.cang !== undefined ? modelData.cang : ""
                    font.pixelSize: strip.smallPixelSize
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    objectName: "cangShenLabel"
                    visible: strip.hasCang
                    text: modelData.cangShen !== undefined ? strip.shown(modelData.cangShen) : ""
                    font.pixelSize: strip.smallPixelSize
                    color: P.inkSoft
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    objectName: "yun12Label"
                    visible: strip.hasYun12
                    text: modelData.yun12 !== undefined ? strip.shown(modelData.yun12) : ""
                    font.pixelSize: strip.smallPixelSize
                    color: P.inkSoft
                    anchors.horizontalCenter: parent.horizontalCenter
                }
                Label {
                    visible: strip.hasSub
                    text: modelData.sub !== undefined ? strip.shown(modelData.sub) : ""
                    textFormat: Text.StyledText
                    font.pixelSize: strip.smallPixelSize
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
        width: visible ? strip.smallPixelSize + 7 : 0
        anchors.verticalCenter: parent.verticalCenter
        wrapMode: Text.Wrap
        font.pixelSize: strip.smallPixelSize + 2
        color: P.accentDark
    }

    ListView {
        id: rowView
        objectName: "rowView"
        visible: !strip.panel
        anchors.fill: parent
        anchors.leftMargin: stripLabel.width
        orientation: ListView.Horizontal
        layoutDirection: strip.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight
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
        layoutDirection: strip.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight
        interactive: false
        model: strip.panel ? strip.rows : []
        delegate: cellDelegate
    }
}
