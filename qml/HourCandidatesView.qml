// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/qml/MyFusion/Palette.js" as P

// A birth day whose hour is unknown: its pillars without the hour, and the
// twelve candidate hour pillars side by side (InSight.hourCandidates), each
// with the ten-gods of its stem and hidden stems and its luck start.
ColumnLayout {
    id: view
    property var insight: null
    property int gender: 0
    property int solarlunar: 0
    property int year: 0
    property int month: 0
    property int day: 0
    property int isleap: 0
    property real ztyJdPlus: 0
    property int switch11pm: 1
    readonly property int language: AppState.language
    property bool useColor: true
    spacing: 2

    signal candidatePicked(var candidate)

    readonly property var candidates: insight && year > 0
                                      ? insight.hourCandidates(gender, solarlunar, year, month, day, isleap,
                                                               ztyJdPlus, switch11pm) : []

    function colorOf(ch) {
        return useColor ? P.chacColor(ch) : P.ink;
    }

    Label {
        objectName: "threePillarsLabel"
        visible: view.candidates.length > 0
        text: view.candidates.length > 0
              ? qsTr("时辰不详：") + view.candidates[0].pillars.slice(0, 3).join(" ") + qsTr(" ＋ 十二个候选时柱")
              : ""
        font.bold: true
        font.pixelSize: 13
    }
    Label {
        visible: view.year > 0 && view.candidates.length === 0
        text: qsTr("无法排出该日的候选时柱。")
        color: P.warning
    }
    GridLayout {
        objectName: "hourCandidatesGrid"
        Layout.fillWidth: true
        columns: 4
        columnSpacing: 8
        rowSpacing: 3
        Repeater {
            model: [qsTr("时辰"), qsTr("十神（干／藏干）"), qsTr("起运"), qsTr("神煞刑冲合")]
            Label {
                text: modelData
                color: P.inkSoft
                font.pixelSize: 12
                Layout.fillWidth: index === 3
                Layout.preferredWidth: index === 3 ? 10 : -1
            }
        }
        Repeater {
            model: view.candidates.length * 4
            Label {
                readonly property var c: view.candidates[Math.floor(index / 4)]
                readonly property int column: index % 4
                // A Jie on this day changes the month pillar for part of the candidates.
                readonly property bool otherMonth: c.pillars[1] !== view.candidates[0].pillars[1]
                // Ten gods and stars are the engine's Simplified vocabulary.
                text: column === 0 ? c.clock + " " + c.pillars[3] + (otherMonth ? "\n" + c.pillars[1] + qsTr("月") : "")
                      : column === 1 ? JsxfSingleton.shown(c.hourStemGod + "\n" + c.hourBranchGods.split("|").join(" "), view.language)
                      : column === 2 ? c.luckStart.ageYears + qsTr("年") + c.luckStart.ageMonths + qsTr("月")
                                       + c.luckStart.ageDays + qsTr("日") + "\n" + c.luckStart.start.substring(0, 10)
                      : JsxfSingleton.shown(c.relations.join(" "), view.language)
                textFormat: Text.PlainText
                wrapMode: column === 3 ? Text.Wrap : Text.NoWrap
                Layout.fillWidth: column === 3
                Layout.preferredWidth: column === 3 ? 10 : -1
                color: column === 0 ? view.colorOf(c.pillars[3].charAt(0)) : P.ink
                font.pixelSize: 12
                font.bold: column === 0
                MouseArea {
                    anchors.fill: parent
                    onClicked: view.candidatePicked(parent.c)
                }
            }
        }
    }

    // Standing alone on a page, the rows keep together at the top.
    Item {
        Layout.fillHeight: true
    }

    Component {
        id: sampleEngine
        InSight { }
    }
    function selfTestSample() {
        insight = sampleEngine.createObject(view);
        year = 1990;
        month = 6;
        day = 15;
    }
}
