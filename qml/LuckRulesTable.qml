// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/qml/MyFusion/Palette.js" as P

// Every luck-start rule side by side (InSight.luckStarts): start age, 交运
// moment and the difference from the chosen rule in days; a tap chooses a
// rule (ruleChosen), the chosen one shows its arithmetic.
ColumnLayout {
    id: table
    property var insight: null
    property string chosenRule: insight && insight.totalReadyCalc === 1 ? insight.luckRuleName() : "described"
    spacing: 2

    signal ruleChosen(string rule)

    readonly property var starts: insight && insight.totalReadyCalc === 1 ? insight.luckStarts() : []
    readonly property real chosenJd: {
        for (var i = 0; i < starts.length; i++)
            if (starts[i].rule === chosenRule)
                return starts[i].jd;
        return 0;
    }

    // The engine's label, in the window's script; the described rule is the default.
    function ruleLabel(s) {
        return JsxfSingleton.shown(s.label, AppState.language) + (s.rule === "described" ? qsTr("（默认）") : "");
    }

    function differenceText(jd) {
        var d = jd - chosenJd;
        if (Math.abs(d) < 0.0005)
            return "—";
        return (d > 0 ? "+" : "") + d.toFixed(2) + qsTr(" 天");
    }

    Label {
        text: qsTr("起运规则对照（三日为一年；差值相对所选规则）")
        font.bold: true
        font.pixelSize: 13
    }
    GridLayout {
        objectName: "luckRulesGrid"
        Layout.fillWidth: true
        columns: 4
        columnSpacing: 8
        rowSpacing: 2
        Label { text: qsTr("规则"); color: P.inkSoft; font.pixelSize: 12 }
        Label { text: qsTr("起运岁数"); color: P.inkSoft; font.pixelSize: 12 }
        Label { text: qsTr("交运时刻"); color: P.inkSoft; font.pixelSize: 12 }
        Label { text: qsTr("相差"); color: P.inkSoft; font.pixelSize: 12 }
        Repeater {
            model: table.starts.length * 4
            Label {
                readonly property var s: table.starts[Math.floor(index / 4)]
                readonly property int column: index % 4
                readonly property bool chosen: s.rule === table.chosenRule
                text: column === 0 ? (chosen ? "● " : "○ ") + table.ruleLabel(s)
                      : column === 1 ? s.ageYears + qsTr("年") + s.ageMonths + qsTr("月") + s.ageDays + qsTr("日")
                                       + s.ageHours + qsTr("时")
                      : column === 2 ? s.start.replace("T", " ")
                      : table.differenceText(s.jd)
                color: chosen ? P.accentDark : P.ink
                font.pixelSize: 12
                font.bold: chosen
                MouseArea {
                    anchors.fill: parent
                    onClicked: table.ruleChosen(parent.s.rule)
                }
            }
        }
    }
    Repeater {
        model: {
            for (var i = 0; i < table.starts.length; i++)
                if (table.starts[i].rule === table.chosenRule)
                    return table.starts[i].steps;
            return [];
        }
        Label {
            Layout.fillWidth: true
            Layout.preferredWidth: 10
            // The engine writes its ages in Simplified.
            text: JsxfSingleton.shown(modelData, AppState.language)
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.pixelSize: 11
            color: P.inkSoft
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
        var e = sampleEngine.createObject(table);
        e.beginWithTime(0, 0, 1987, 11, 3, 16, 45);
        insight = e;
    }
}
