// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/js/chartCalculation.js" as Calc
import "qrc:/qml/MyFusion/Palette.js" as P

// How the entered clock time became the charted moment, below the header's
// true and mean solar times: the zone and its offset at that moment, summer
// time applied or not, the minutes by which mean and true solar time differ
// from the clock, and the reading of a local time that did not exist or
// existed twice (chosen here, never silently).
ColumnLayout {
    id: header
    property var result: null
    signal readingChosen(bool daylight)

    readonly property var figures: result && result.ok && result.chain ? Calc.chainFigures(result) : null

    function minutesText(m) {
        return (m >= 0 ? "+" : "") + m + qsTr("分");
    }

    spacing: 2
    visible: figures !== null

    Label {
        objectName: "chainZone"
        Layout.fillWidth: true
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pixelSize: 13
        text: header.figures === null ? ""
            : qsTr("时区：") + header.figures.zone + " " + header.figures.offset + "  "
              + (header.figures.dstMinutes !== 0 ? qsTr("夏令时：已计入") + " " + header.figures.dstMinutes + qsTr("分")
                                                 : qsTr("夏令时：未计入"))
    }
    Label {
        objectName: "chainSolar"
        Layout.fillWidth: true
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pixelSize: 13
        text: header.figures === null ? ""
            : qsTr("较钟表时间：平太阳时") + " " + header.minutesText(header.figures.meanMinutes) + "，"
              + qsTr("真太阳时") + " " + header.minutesText(header.figures.trueMinutes)
    }
    RowLayout {
        visible: header.figures !== null && header.figures.localTime !== "ok"
        spacing: 4
        Label {
            objectName: "chainLocalFlag"
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            font.pixelSize: 13
            color: P.accent
            text: header.figures === null || header.figures.localTime === "ok" ? ""
                : (header.figures.localTime === "gap" ? qsTr("此当地时间因拨快时钟而不存在")
                                                      : qsTr("此当地时间因拨回时钟而出现两次"))
                  + qsTr("，现按") + (header.figures.daylightReading ? qsTr("夏令时") : qsTr("标准时")) + qsTr("读取")
        }
        Button {
            objectName: "chainReadingButton"
            text: header.figures !== null && header.figures.daylightReading ? qsTr("改按标准时") : qsTr("改按夏令时")
            onClicked: header.readingChosen(!header.figures.daylightReading)
        }
    }
}
