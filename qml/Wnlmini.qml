// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"
import "qrc:/js/monthGrid.js" as Grid
import "qrc:/qml/MyFusion/Palette.js" as P

// The perpetual calendar tab: one month with solar and lunar days, the
// solar terms marked, and the chosen day's details below.
Item {
    id: wnl

    readonly property int minYear: 1800
    readonly property int maxYear: 2200
    property int year: new Date().getFullYear()
    property int month: new Date().getMonth() + 1
    property int selectedDay: new Date().getDate()
    property var cells: []
    property var terms: []
    // Texts from the native engine, set when the month or the day changes
    // (the engine's own properties change while they are computed).
    property string detailsText: ""
    property string termsText: ""
    readonly property bool traditional: AppState.language === 1

    signal dateSelected(int y, int m, int d)

    onTraditionalChanged: refresh()

    // The script facade; the shared one unless given.
    property var facadeObject: JsxfSingleton

    function facade() {
        return facadeObject;
    }

    // Data texts (lunar days, terms) follow the chosen script.
    function shown(text) {
        return JsxfSingleton.shown(text, traditional ? 1 : 0);
    }

    function refresh() {
        var f = facade();
        var data = f.sxf_monthData(year, month);
        terms = data ? data.terms : [];
        cells = Grid.monthCells(year, month, data ? data.lunar : [], terms);
        selectedDay = Math.min(selectedDay, Grid.daysInMonth(year, month));
        ymField.text = Grid.fieldText(year, month);
        termsText = shown(terms.map(function (t) {
            return t.name + "：" + t.d + qsTr("日 ") + ("0" + t.h).slice(-2) + ":" + ("0" + t.mi).slice(-2)
                    + (t.uncertain ? qsTr("（距子夜不足误差预算，交节日期可能差一日）") : "");
        }).join("<br>"));
        if (data && data.uncertain && data.uncertain.length > 0)
            termsText += "<br>" + shown(qsTr("农历月首不确定：") + data.uncertain[0] + "–"
                                        + data.uncertain[data.uncertain.length - 1] + qsTr("日（朔日距子夜仅数秒）"));
        detailsText = details();
    }

    function showMonth(y, m) {
        year = y;
        month = m;
        refresh();
    }

    function move(deltaMonths) {
        var r = Grid.shiftMonth(year, month, deltaMonths, minYear, maxYear);
        showMonth(r.y, r.m);
    }

    function today() {
        var now = new Date();
        selectedDay = now.getDate();
        // refresh() below also renews the details.
        showMonth(now.getFullYear(), now.getMonth() + 1);
    }

    function termOfDay(d) {
        for (var i = 0; i < terms.length; i++) {
            if (terms[i].d === d)
                return terms[i];
        }
        return null;
    }

    function details() {
        var s = facade().sxf_newShowMessD(year, month, selectedDay);
        var t = termOfDay(selectedDay);
        if (t)
            s += "<br>" + qsTr("节气：") + t.name + " " + ("0" + t.h).slice(-2) + ":" + ("0" + t.mi).slice(-2);
        return shown(s);
    }

    // Chooses a day; the first page hands its date to the birth form's date
    // dialog, which keeps the hour and minute chosen there.
    function toSetTheSelectedDate(d) {
        selectedDay = d;
        detailsText = details();
        dateSelected(year, month, d);
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 4
        spacing: 4

        RowLayout {
            Layout.fillWidth: true
            spacing: 2
            Button { text: qsTr("上"); Layout.preferredWidth: 40; onClicked: wnl.move(-12) }
            Button { text: qsTr("前"); Layout.preferredWidth: 40; onClicked: wnl.move(-1) }
            TextField {
                id: ymField
                objectName: "yearMonthField"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                inputMask: "D999年09月"
                onEditingFinished: {
                    var r = Grid.parseYearMonth(text, wnl.minYear, wnl.maxYear);
                    if (r)
                        wnl.showMonth(r.y, r.m);
                    else
                        text = Grid.fieldText(wnl.year, wnl.month);
                }
            }
            Button { text: qsTr("后"); Layout.preferredWidth: 40; onClicked: wnl.move(1) }
            Button { text: qsTr("下"); Layout.preferredWidth: 40; onClicked: wnl.move(12) }
            Button { text: qsTr("今"); Layout.preferredWidth: 40; onClicked: wnl.today() }
        }

        GridLayout {
            id: grid
            objectName: "monthGrid"
            Layout.fillWidth: true
            columns: 7
            rowSpacing: 1
            columnSpacing: 1

            Repeater {
                model: [QT_TR_NOOP("日"), QT_TR_NOOP("一"), QT_TR_NOOP("二"), QT_TR_NOOP("三"),
                    QT_TR_NOOP("四"), QT_TR_NOOP("五"), QT_TR_NOOP("六")]
                Label {
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    color: index === 0 || index === 6 ? P.warning : P.inkSoft
                    text: qsTr(modelData)
                }
            }

            Repeater {
                model: wnl.cells
                Rectangle {
                    Layout.fillWidth: true
                    Layout.preferredHeight: 44
                    Layout.preferredWidth: 10
                    radius: 3
                    color: modelData.day === 0 ? "transparent"
                         : modelData.day === wnl.selectedDay ? P.accentLight : P.surface
                    border.color: modelData.term !== "" ? P.accent : "transparent"

                    Column {
                        anchors.centerIn: parent
                        visible: modelData.day > 0
                        Label {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: modelData.day
                            font.bold: true
                        }
                        Label {
                            anchors.horizontalCenter: parent.horizontalCenter
                            font.pixelSize: 11
                            color: modelData.term !== "" ? P.accentDark : P.inkSoft
                            text: wnl.shown(modelData.term !== "" ? modelData.term : modelData.lunar)
                        }
                    }
                    MouseArea {
                        anchors.fill: parent
                        enabled: modelData.day > 0
                        onClicked: wnl.toSetTheSelectedDate(modelData.day)
                    }
                }
            }
        }

        Label {
            objectName: "dayDetails"
            Layout.fillWidth: true
            wrapMode: Label.Wrap
            textFormat: Text.StyledText
            text: wnl.detailsText
        }
        Label {
            Layout.fillWidth: true
            wrapMode: Label.Wrap
            textFormat: Text.StyledText
            color: P.inkSoft
            font.pixelSize: 13
            text: wnl.termsText
        }
        Item { Layout.fillHeight: true }
    }

    // The facade is created by the window after the first page.
    Timer {
        interval: 0
        running: true
        onTriggered: wnl.refresh()
    }
}
