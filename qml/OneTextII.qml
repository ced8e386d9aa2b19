// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"
import "qrc:/qml/MyFusion/Palette.js" as P

// One pillar of the chart: ten god, stem, branch, hidden stems with their
// gods, and the twelve stage, top to bottom. `cell` comes from
// chartCalculation.pillarCell().
ColumnLayout {
    id: cellRoot
    property string zhuType: ""
    property var cell: null
    property bool useColor: true
    property int mainPixelSize: 28
    property int smallPixelSize: 13
    // Relations with the selected luck and flow pillars, by name.
    property var marks: []
    spacing: 1
    // Engine vocabulary is Simplified; it is shown in the window's script.
    readonly property int language: AppState.language
    function shown(text) {
        return JsxfSingleton.shown(text, language);
    }

    function colorOf(ch) {
        return useColor ? P.chacColor(ch) : "black";
    }

    // The hidden stems, each in its element colour.
    function cangHtml(text) {
        var s = String(text);
        var h = "";
        for (var i = 0; i < s.length; i++)
            h += "<font color='" + colorOf(s.charAt(i)) + "'>" + s.charAt(i) + "</font>";
        return h;
    }

    Label {
        objectName: "zhuTypeLabel"
        text: cellRoot.shown(cellRoot.zhuType)
        color: P.inkSoft
        font.pixelSize: cellRoot.smallPixelSize
        Layout.alignment: Qt.AlignHCenter
    }
    Label {
        objectName: "shen10Label"
        text: cellRoot.cell ? cellRoot.shown(cellRoot.cell.shen10) : ""
        visible: !cellRoot.cell || cellRoot.cell.showShen10
        font.pixelSize: cellRoot.smallPixelSize
        Layout.alignment: Qt.AlignHCenter
    }
    Label {
        objectName: "ganLabel"
        text: cellRoot.cell ? cellRoot.cell.gan : ""
        color: cellRoot.colorOf(text)
        font.pixelSize: cellRoot.mainPixelSize
        font.bold: true
        Layout.alignment: Qt.AlignHCenter
    }
    Label {
        objectName: "zhiLabel"
        text: cellRoot.cell ? cellRoot.cell.zhi : ""
        color: cellRoot.colorOf(text)
        font.pixelSize: cellRoot.mainPixelSize
        font.bold: true
        Layout.alignment: Qt.AlignHCenter
    }
    Label {
        objectName: "cangLabel"
        property string plain: cellRoot.cell ? cellRoot.cell.cang : ""
        text: cellRoot.cangHtml(plain)
        textFormat: Text.StyledText
        visible: !cellRoot.cell || cellRoot.cell.showCang
        font.pixelSize: cellRoot.smallPixelSize
        Layout.alignment: Qt.AlignHCenter
    }
    Label {
        objectName: "cangShenLabel"
        text: cellRoot.cell ? cellRoot.shown(cellRoot.cell.cangShen) : ""
        visible: !cellRoot.cell || cellRoot.cell.showCang
        color: P.inkSoft
        font.pixelSize: cellRoot.smallPixelSize
        Layout.alignment: Qt.AlignHCenter
    }
    Label {
        objectName: "yun12Label"
        text: cellRoot.cell ? cellRoot.shown(cellRoot.cell.yun12) : ""
        visible: !cellRoot.cell || cellRoot.cell.showYun12
        font.pixelSize: cellRoot.smallPixelSize
        Layout.alignment: Qt.AlignHCenter
    }
    // A layout sizes a wrapping label by its one-line height, so the marks
    // sit in a column, which stacks them by the height they wrap to.
    Column {
        Layout.alignment: Qt.AlignHCenter
        spacing: cellRoot.spacing
        Repeater {
            objectName: "marks"
            model: cellRoot.marks
            Label {
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(implicitWidth, Math.max(cellRoot.smallPixelSize * 6, 72))
                text: modelData
                font.pixelSize: cellRoot.smallPixelSize - 1
                color: P.warning
                padding: 1
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                background: Rectangle { color: "#fdecea"; radius: 3 }
            }
        }
    }
}
