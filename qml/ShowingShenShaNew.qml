// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"
import "qrc:/js/shenShaNotes.js" as Notes
import "qrc:/qml/MyFusion/Palette.js" as P

// The ShenSha view: one row per present pillar (year .. conception pillar)
// with name, stem, branch and NaYin, then its relation entries. Tapping an
// entry flashes the pillars it joins and shows its note.
Pane {
    id: view
    // The chart view this one shows; it answers starsShown(column),
    // relationsShown(column) and holds the derived pillars.
    property var chart: null
    property var gss: chart ? chart.gssRel : null
    property bool useColor: chart ? chart.useColor : true
    property var flashColumns: []
    property string noteText: ""
    padding: 6
    // Engine vocabulary is Simplified; it is shown in the window's script.
    readonly property int language: AppState.language
    function shown(text) {
        return JsxfSingleton.shown(text, language);
    }

    // A new set of relations makes the last note stale.
    Connections {
        target: view.gss
        function onTagForChangedCntChanged() {
            view.noteText = "";
            view.flashColumns = [];
        }
    }

    // The entries a column shows under the display settings: stars below
    // code 80, combinations and clashes from 80 on.
    function shownEntries(column) {
        var list = relationLists.length > column ? relationLists[column] : [];
        if (!chart)
            return list;
        var stars = chart.starsShown(column), joins = chart.relationsShown(column);
        return list.filter(function (e) {
            return parseInt(String(e).split("|")[0], 10) >= 80 ? joins : stars;
        });
    }

    // 命宫 and 胎元 shown as full pillars with NaYin from the engine.
    function headOf(column, basic) {
        var head = basic.length > 0 ? String(basic[0]).split("|") : ["", "", "", ""];
        var nayin = basic.length > 3 ? basic[3] : "";
        if (chart && (column === 8 || column === 9) && chart.derivedPillars.length > column - 8) {
            var d = chart.derivedPillars[column - 8];
            head[1] = d.gan;
            head[2] = d.zhi;
            nayin = d.nayin;
        }
        return { head: head, nayin: nayin };
    }

    readonly property var relationLists: gss ? [gss.zhu0, gss.zhu1, gss.zhu2, gss.zhu3, gss.zhu4, gss.zhu5,
                                               gss.zhu6, gss.zhu7, gss.zhu8, gss.zhu9] : []
    readonly property var basicLists: gss ? [gss.zhu0_basic, gss.zhu1_basic, gss.zhu2_basic, gss.zhu3_basic,
                                            gss.zhu4_basic, gss.zhu5_basic, gss.zhu6_basic, gss.zhu7_basic,
                                            gss.zhu8_basic, gss.zhu9_basic] : []
    // Columns whose relation list is filled by the last call (absent columns
    // may keep old basic rows, so the relation lists decide).
    property var presentColumns: chart ? chart.presentColumns : []

    function colored(ch) {
        return "<font color='" + (useColor ? P.chacColor(ch) : P.ink) + "'>" + ch + "</font>";
    }

    function entryTapped(text) {
        var e = Notes.parseEntry(text);
        flashColumns = e.columns;
        noteText = shown(Notes.describe(text));
        flashTimer.restart();
    }

    Timer {
        id: flashTimer
        interval: 1600
        onTriggered: view.flashColumns = []
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 2

        Label {
            objectName: "shenShaNote"
            Layout.fillWidth: true
            text: view.noteText.length > 0 ? view.noteText : qsTr("点击神煞或刑冲合会，可见其所涉各柱及简要说明。")
            wrapMode: Text.Wrap
            color: view.noteText.length > 0 ? P.ink : P.inkSoft
            font.pixelSize: 13
        }

        Repeater {
            model: view.presentColumns
            Rectangle {
                id: rowRect
                property int column: modelData
                property var basic: view.basicLists.length > column ? view.basicLists[column] : []
                property var shown: view.headOf(column, basic)
                property var head: shown.head
                property bool flashing: view.flashColumns.indexOf(column) >= 0
                Layout.fillWidth: true
                implicitHeight: rowLayout.implicitHeight + 6
                radius: 3
                color: flashing ? "#ffe082" : (column % 2 === 0 ? P.surface : P.paper)
                Behavior on color { ColorAnimation { duration: 250 } }

                RowLayout {
                    id: rowLayout
                    anchors.fill: parent
                    anchors.margins: 3
                    spacing: 6
                    Label {
                        text: view.shown(rowRect.head[0])
                        textFormat: Text.StyledText
                        font.pixelSize: 12
                        Layout.preferredWidth: 22
                        color: P.inkSoft
                    }
                    Label {
                        text: view.colored(rowRect.head[1]) + view.colored(rowRect.head[2])
                        textFormat: Text.StyledText
                        font.pixelSize: 18
                        font.bold: true
                        Layout.preferredWidth: 44
                    }
                    Label {
                        text: view.shown(rowRect.shown.nayin)
                        font.pixelSize: 12
                        color: P.inkSoft
                        Layout.preferredWidth: 60
                    }
                    Flow {
                        Layout.fillWidth: true
                        spacing: 4
                        Repeater {
                            model: view.shownEntries(rowRect.column)
                            Label {
                                text: view.shown(Notes.nameOf(parseInt(String(modelData).split("|")[0], 10)))
                                font.pixelSize: 13
                                color: P.accentDark
                                padding: 2
                                background: Rectangle { color: P.accentLight; radius: 3 }
                                MouseArea {
                                    anchors.fill: parent
                                    onClicked: view.entryTapped(modelData)
                                }
                            }
                        }
                    }
                }
            }
        }
        Item { Layout.fillHeight: true }
    }
}
