// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml/MyFusion/Palette.js" as P

// The chart's boundary warnings (InSight.boundaryWarnings): a birth within the
// error budget of a Jie, a double-hour, the day change, or in a lunar month
// whose first day is uncertain, each with a switch to the chart on the other
// side. The page decides what switching means (alternativeRequested).
ColumnLayout {
    id: strip
    property var insight: null
    property int switch11pm: 1
    property bool trueSolarTime: false
    // The page shows the other side's chart; offers the way back.
    property bool showingAlternative: false
    spacing: 2

    signal alternativeRequested(var warning)
    signal originalRequested()

    readonly property var warnings: insight && insight.totalReadyCalc === 1
                                    ? insight.boundaryWarnings(switch11pm, trueSolarTime) : []

    function kindText(kind) {
        if (kind === "jie")
            return qsTr("临近节气交接，月柱（立春时连年柱）可能属另一侧");
        if (kind === "hour")
            return qsTr("临近时辰交界，时柱可能属另一侧");
        if (kind === "day-change")
            return qsTr("临近换日时刻，日柱可能属另一侧");
        return qsTr("本农历月的朔日距子夜仅数秒，月首日期不确定");
    }

    function detailText(w) {
        var t = (w.kind === "uncertain-month" ? qsTr("朔距子夜 ") : qsTr("距交界 "))
                + Number(w.minutesAway).toFixed(2) + qsTr(" 分钟，误差预算 ±") + w.budgetSeconds + qsTr(" 秒");
        if (w.kind === "uncertain-month")
            return t + qsTr("；月首也可能是 ") + w.alternativeMonthStart;
        return t + qsTr("；另一侧：") + w.alternative.join(" ");
    }

    Repeater {
        model: strip.warnings
        delegate: Rectangle {
            objectName: "boundaryWarning" + index
            Layout.fillWidth: true
            implicitHeight: row.implicitHeight + 8
            radius: 4
            color: "#fdf0e0"
            border.color: P.help
            RowLayout {
                id: row
                anchors.fill: parent
                anchors.margins: 4
                ColumnLayout {
                    // A small preferred width lets the texts wrap beside the button.
                    Layout.fillWidth: true
                    Layout.preferredWidth: 10
                    spacing: 0
                    Label {
                        Layout.fillWidth: true
                        Layout.preferredWidth: 10
                        text: "⚠ " + strip.kindText(modelData.kind)
                        wrapMode: Text.Wrap
                        font.pixelSize: 13
                        font.bold: true
                    }
                    Label {
                        Layout.fillWidth: true
                        Layout.preferredWidth: 10
                        text: strip.detailText(modelData)
                        wrapMode: Text.Wrap
                        font.pixelSize: 12
                        color: P.inkSoft
                    }
                }
                Button {
                    objectName: "alternativeButton" + index
                    visible: modelData.kind !== "uncertain-month"
                    text: qsTr("看另一侧")
                    onClicked: strip.alternativeRequested(modelData)
                }
            }
        }
    }

    Button {
        objectName: "originalChartButton"
        visible: strip.showingAlternative
        text: qsTr("回到原盘")
        onClicked: strip.originalRequested()
    }

    // Self-test and screenshots: a birth in the minute after 惊蛰 2024.
    // Standing alone on a page, the rows keep together at the top.
    Item {
        Layout.fillHeight: true
    }

    Component {
        id: sampleEngine
        InSight { }
    }
    function selfTestSample() {
        var e = sampleEngine.createObject(strip);
        e.beginWithTime(0, 0, 2024, 3, 5, 10, 23);
        insight = e;
    }
}
