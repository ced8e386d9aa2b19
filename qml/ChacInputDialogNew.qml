// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/js/birthInput.js" as Birth
import "qrc:/qml/MyFusion/Palette.js" as P

// Finds birth moments from the four pillars.
Popup {
    id: dlg
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    width: Math.min(parent.width * 0.97, 520)
    height: Math.min(parent.height * 0.95, 720)
    modal: true
    focus: true

    property int gender: 0
    property int currentColumn: 0
    // Stems and branches of the year, month, day and hour pillars; -1 unset.
    property var stems: [-1, -1, -1, -1]
    property var branches: [-1, -1, -1, -1]
    property var found: []          // [{solar, lunar, moment}]
    property string message: ""
    property var chacInSight: null

    signal momentChosen(var moment)

    readonly property var stemNames: ["甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"]
    readonly property var branchNames: ["子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"]

    // The month and hour stems follow from the year and day stems.
    function autoStems() {
        var s = stems.slice();
        s[1] = (s[0] >= 0 && branches[1] >= 0) ? Birth.monthStemFor(s[0], branches[1]) : -1;
        s[3] = (s[2] >= 0 && branches[3] >= 0) ? Birth.hourStemFor(s[2], branches[3]) : -1;
        stems = s;
    }

    function pickStem(i) {
        if (i < 0 || i > 9) {
            console.log("currentIndexGan < 0 || currentIndexGan > 9");
            return;
        }
        if (currentColumn === 1 || currentColumn === 3)
            return;
        var s = stems.slice();
        s[currentColumn] = i;
        stems = s;
        autoStems();
    }

    function pickBranch(i) {
        if (i < 0 || i > 11) {
            console.log("currentIndexZhi < 0 || currentIndexZhi > 11");
            return;
        }
        var b = branches.slice();
        b[currentColumn] = i;
        branches = b;
        autoStems();
    }

    function pillarText(col) {
        return (stems[col] >= 0 ? stemNames[stems[col]] : "？") + (branches[col] >= 0 ? branchNames[branches[col]] : "？");
    }

    // The dialog's own chart engine, made on the first search.
    Component {
        id: insightComponent
        InSight { }
    }

    function engine() {
        if (!chacInSight)
            chacInSight = insightComponent.createObject(dlg);
        return chacInSight;
    }

    function search() {
        found = [];
        var chacs = [];
        for (var c = 0; c < 4; ++c) {
            var idx = Birth.chacIndex(stems[c], branches[c]);
            if (idx < 0) {
                message = qsTr("四柱尚未选全，或有干支阴阳不配。");
                return -1;
            }
            chacs.push(idx);
        }
        var e = engine();
        e.reinitAllTimepoints();
        e.beginWithChacs(chacs[0], chacs[1], chacs[2], chacs[3], gender);
        var list = [];
        var texts = [[e.thisSolarDateStr, e.thisLunarDateStr, e.thisSolarDateStrInt],
                     [e.alternativeSolarDateStr2, e.alternativeLunarDateStr2, e.alternativeSolarDateStr2Int],
                     [e.alternativeSolarDateStr3, e.alternativeLunarDateStr3, e.alternativeSolarDateStr3Int]];
        for (var k = 0; k < Math.min(3, e.timepointCnt); ++k) {
            var m = Birth.parseSolarNumeric(texts[k][2]);
            if (m)
                list.push({solar: texts[k][0], lunar: texts[k][1], moment: m});
        }
        found = list;
        message = list.length > 0 ? "" : qsTr("近三百个甲子日内未找到符合此四柱的时间。");
        return list.length;
    }

    function selfTestSample() {
        // 甲子年 丙寅月 甲子日 甲子时
        stems = [0, -1, 0, -1];
        branches = [0, 2, 0, 0];
        autoStems();
        search();
    }

    contentItem: ColumnLayout {
        spacing: 8

        Label {
            text: qsTr("以四柱反查时间")
            font.bold: true
            font.pixelSize: 17
            color: P.accentDark
        }

        RowLayout {
            spacing: 6
            Layout.fillWidth: true

            Repeater {
                model: [qsTr("年柱"), qsTr("月柱"), qsTr("日柱"), qsTr("时柱")]
                Button {
                    Layout.fillWidth: true
                    checkable: true
                    checked: dlg.currentColumn === index
                    text: modelData + "\n" + dlg.pillarText(index)
                    font.pixelSize: 17
                    onClicked: dlg.currentColumn = index
                }
            }
        }

        Label {
            text: qsTr("先点中以上四柱之一，再在下面选择其干支：")
            wrapMode: Label.Wrap
            Layout.fillWidth: true
        }

        GridLayout {
            columns: 6
            columnSpacing: 4
            rowSpacing: 4
            Layout.fillWidth: true

            Repeater {
                model: 10
                Button {
                    text: dlg.stemNames[index]
                    enabled: dlg.currentColumn === 0 || dlg.currentColumn === 2
                    font.pixelSize: 17
                    Layout.fillWidth: true
                    onClicked: dlg.pickStem(index)
                }
            }
        }
        GridLayout {
            columns: 6
            columnSpacing: 4
            rowSpacing: 4
            Layout.fillWidth: true

            Repeater {
                model: 12
                Button {
                    text: dlg.branchNames[index]
                    font.pixelSize: 17
                    Layout.fillWidth: true
                    onClicked: dlg.pickBranch(index)
                }
            }
        }

        Label {
            text: qsTr("说明：月干与时干，是会自动匹配的，无需选定。")
            color: P.inkSoft
            wrapMode: Label.Wrap
            Layout.fillWidth: true
        }

        Label {
            text: dlg.message
            visible: text.length > 0
            color: P.warning
            wrapMode: Label.Wrap
            Layout.fillWidth: true
        }

        ButtonGroup { id: resultGroup }

        Repeater {
            model: dlg.found
            RadioButton {
                text: qsTr("公历：") + modelData.solar + "  " + qsTr("农历：") + modelData.lunar
                ButtonGroup.group: resultGroup
                checked: index === 0
                property int resultIndex: index
                Layout.fillWidth: true
            }
        }

        Item { Layout.fillHeight: true }

        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 8

            Button {
                text: qsTr("取消")
                onClicked: dlg.close()
            }
            Button {
                text: qsTr("查找")
                onClicked: dlg.search()
            }
            Button {
                text: qsTr("确认")
                highlighted: true
                enabled: dlg.found.length > 0
                onClicked: {
                    var i = resultGroup.checkedButton ? resultGroup.checkedButton.resultIndex : 0;
                    dlg.momentChosen(dlg.found[i].moment);
                    dlg.close();
                }
            }
        }
    }
}
