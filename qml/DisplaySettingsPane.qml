// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// The chart page's display choices, on the page itself and in the settings
// dialog. Every control writes its settings key at once (GlobalSettings stores
// a key when it changes) and the pages bind to the keys, so changes apply live.
// Each control's objectName is the key it sets.
ColumnLayout {
    id: pane
    // The window's shared settings unless a view passes its own.
    property QtObject settings: AppState.settings ? AppState.settings : fallback.createObject(pane)
    Component {
        id: fallback
        GlobalSettings { }
    }
    property int labelPixelSize: 13
    spacing: 4

    // On/off keys, stored as 1 or 0.
    readonly property var switchKeys: [
        { key: "toUsingColorForChac", text: qsTr("五行着色") },
        { key: "toShowGan10Shen", text: qsTr("天干十神") },
        { key: "toShowZhiCang", text: qsTr("地支藏干") },
        { key: "toShowChangSheng12yun", text: qsTr("十二长生") },
        { key: "toShowRiZhuRight", text: qsTr("日主旁注") },
        { key: "showHorizontalYunSuiAndSSAtOpening", text: qsTr("打开时显示大运流年总览") }
    ]
    readonly property var layerNames: [qsTr("原局"), qsTr("大运"), qsTr("流年"), qsTr("流月"), qsTr("流日")]
    readonly property var layerKeys: ["Main", "Yun", "Year", "YMon", "Ydmn"]
    readonly property var aspectKeys: ["Info", "Ss", "Eff"]

    Flow {
        Layout.fillWidth: true
        spacing: 2
        Repeater {
            model: pane.switchKeys
            Switch {
                objectName: modelData.key
                text: modelData.text
                font.pixelSize: pane.labelPixelSize
                checked: pane.settings[modelData.key] === 1
                onToggled: pane.settings[modelData.key] = checked ? 1 : 0
            }
        }
        Switch {
            objectName: "toShowShiSuiXuSui"
            text: checked ? qsTr("岁数：周岁") : qsTr("岁数：虚岁")
            font.pixelSize: pane.labelPixelSize
            checked: pane.settings.toShowShiSuiXuSui === 1
            onToggled: pane.settings.toShowShiSuiXuSui = checked ? 1 : 0
        }
        Switch {
            // One choice for the natal pillars and the luck and flow rows.
            objectName: "firstPanelMainZhuRightToLeft"
            text: checked ? qsTr("从右到左排列") : qsTr("从左到右排列")
            font.pixelSize: pane.labelPixelSize
            checked: pane.settings.firstPanelMainZhuRightToLeft === 1
            onToggled: pane.settings.setRightToLeft(checked)
        }
    }

    RowLayout {
        spacing: 6
        Label {
            text: qsTr("字号")
            font.pixelSize: pane.labelPixelSize
        }
        SpinBox {
            objectName: "fontSizePlus"
            from: pane.settings.minFontSteps
            to: pane.settings.maxFontSteps
            value: pane.settings.fontSizePlus
            editable: false
            onValueModified: pane.settings.setFontSteps(value)
        }
    }

    // Which rows appear for each layer: the pillars, their ShenSha and their
    // interactions (combinations, clashes and the like).
    GridLayout {
        objectName: "layerGrid"
        columns: 4
        rowSpacing: 0
        columnSpacing: 4
        Label { text: "" }
        Label { text: qsTr("显示"); font.pixelSize: pane.labelPixelSize; color: P.inkSoft }
        Label { text: qsTr("神煞"); font.pixelSize: pane.labelPixelSize; color: P.inkSoft }
        Label { text: qsTr("刑冲合会"); font.pixelSize: pane.labelPixelSize; color: P.inkSoft }
        Repeater {
            model: 20
            Item {
                readonly property int layerIndex: Math.floor(index / 4)
                readonly property int aspect: index % 4 - 1
                readonly property string key: aspect >= 0 ? "show" + pane.layerKeys[layerIndex] + "Zhu" + pane.aspectKeys[aspect] : ""
                implicitWidth: aspect < 0 ? layerLabel.implicitWidth : box.implicitWidth
                implicitHeight: aspect < 0 ? layerLabel.implicitHeight : box.implicitHeight
                Label {
                    id: layerLabel
                    visible: parent.aspect < 0
                    anchors.verticalCenter: parent.verticalCenter
                    text: pane.layerNames[parent.layerIndex]
                    font.pixelSize: pane.labelPixelSize
                }
                CheckBox {
                    id: box
                    visible: parent.aspect >= 0
                    objectName: parent.key
                    checked: visible && pane.settings[parent.key] === 1
                    onToggled: pane.settings[parent.key] = checked ? 1 : 0
                }
            }
        }
    }

    Label {
        text: qsTr("显示层次")
        font.pixelSize: pane.labelPixelSize
        color: P.inkSoft
    }
    Flow {
        Layout.fillWidth: true
        spacing: 2
        Repeater {
            // The in-memory onlyShow* views; the last entry shows all layers.
            model: [
                { key: "onlyShowMainZhuInfo", text: qsTr("仅原局"), limit: 0 },
                { key: "onlyShowMainYunInfo", text: qsTr("原局与大运"), limit: 1 },
                { key: "onlyShowMainYunYearInfo", text: qsTr("至流年"), limit: 2 },
                { key: "onlyShowMainYunYearYmonInfo", text: qsTr("至流月"), limit: 3 },
                { key: "allLayers", text: qsTr("全部"), limit: 4 }
            ]
            RadioButton {
                objectName: modelData.key
                text: modelData.text
                font.pixelSize: pane.labelPixelSize
                checked: pane.settings.layerLimit === modelData.limit
                onToggled: if (checked) pane.settings.chooseLayerLimit(modelData.limit)
            }
        }
    }

    Label {
        text: qsTr("月令当令")
        font.pixelSize: pane.labelPixelSize
        color: P.inkSoft
    }
    Flow {
        Layout.fillWidth: true
        spacing: 2
        Repeater {
            model: [qsTr("子平真诠"), qsTr("网传盲派"), qsTr("渊海子平")]
            RadioButton {
                objectName: "intTypeOfYueDangLing" + index
                text: modelData
                font.pixelSize: pane.labelPixelSize
                checked: pane.settings.intTypeOfYueDangLing === index
                onToggled: if (checked) pane.settings.intTypeOfYueDangLing = index
            }
        }
    }
}
