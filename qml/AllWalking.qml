// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml/MyFusion/Palette.js" as P

// All luck pillars side by side, each with its ten flow years. `luckRows` are
// the rows of chartCalculation.luckRows(); a tap picks a luck pillar and year.
ListView {
    id: walking
    property var luckRows: []
    property int selectedLuck: -1
    property int selectedYear: -1
    property bool useColor: true
    signal yearPicked(int luckIndex, int yearOffset)

    function yearName(sinoYear) {
        return JsxfSingleton.ganZhi(CalendarRules.yearPillar(sinoYear));
    }

    implicitHeight: 300
    orientation: ListView.Horizontal
    clip: true
    spacing: 2
    model: luckRows
    delegate: Column {
        id: luckColumn
        property int luckIndex: index
        width: 58
        spacing: 1
        Label {
            text: modelData.gan + modelData.zhi
            font.pixelSize: 17
            font.bold: true
            color: luckColumn.luckIndex === walking.selectedLuck ? P.accent
                   : walking.useColor ? P.chacColor(modelData.gan) : P.ink
            anchors.horizontalCenter: parent.horizontalCenter
        }
        Repeater {
            model: 10
            Label {
                text: (walking.luckRows[luckColumn.luckIndex].sinoYear + index) + " "
                      + walking.yearName(walking.luckRows[luckColumn.luckIndex].sinoYear + index)
                font.pixelSize: 11
                color: luckColumn.luckIndex === walking.selectedLuck && index === walking.selectedYear ? P.warning : P.inkSoft
                anchors.horizontalCenter: parent.horizontalCenter
                MouseArea {
                    anchors.fill: parent
                    onClicked: walking.yearPicked(luckColumn.luckIndex, index)
                }
            }
        }
    }
}
