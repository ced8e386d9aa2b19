// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// Saves the chart of a record as an image, a PDF or a chart file, or prints
// it. On a desktop the file name can be edited; elsewhere the file goes to
// the documents folder.
Dialog {
    id: dialog
    objectName: "chartExportDialog"

    property string userid: ""
    // script, elementColours, school, luckRule, hourShift, selectedLuck
    property var chartSettings: ({})
    readonly property bool desktop: Qt.platform.os !== "android" && Qt.platform.os !== "ios"
    readonly property var kinds: ["png", "pdf", "chart"]
    property int kindIndex: 0
    property string printer: ""
    property string outcome: ""
    property bool failed: false

    modal: true
    title: qsTr("导出命盘")
    x: parent ? Math.round((parent.width - width) / 2) : 0
    y: parent ? Math.round((parent.height - height) / 3) : 0
    width: parent ? Math.min(parent.width - 24, 480) : 480

    function proposePath() {
        pathField.text = easyfunction.chartExportPath(userid, kinds[kindIndex]);
    }

    function show(answer) {
        failed = !answer.ok;
        outcome = String(answer.message);
    }

    onAboutToShow: {
        outcome = "";
        printer = String(easyfunction.printerName());
        proposePath();
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 4

        Repeater {
            model: [qsTr("图片（PNG，长图）"), qsTr("PDF 文档（A4）"), qsTr("命盘文件（可再导入）")]
            RadioButton {
                objectName: "exportKind" + index
                text: modelData
                checked: dialog.kindIndex === index
                onToggled: if (checked) {
                    dialog.kindIndex = index;
                    dialog.proposePath();
                }
            }
        }
        Label {
            text: dialog.desktop ? qsTr("保存为：") : qsTr("保存到文稿文件夹：")
            color: P.inkSoft
        }
        TextField {
            id: pathField
            objectName: "exportPath"
            Layout.fillWidth: true
            readOnly: !dialog.desktop
            selectByMouse: true
        }
        Label {
            objectName: "exportResult"
            Layout.fillWidth: true
            visible: text.length > 0
            text: dialog.outcome
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            color: dialog.failed ? P.warning : P.ink
        }
    }

    footer: DialogButtonBox {
        Button {
            objectName: "exportSave"
            text: qsTr("保存")
            onClicked: dialog.show(easyfunction.exportChart(dialog.userid, dialog.kinds[dialog.kindIndex],
                                                            pathField.text, dialog.chartSettings))
        }
        Button {
            objectName: "exportPrint"
            visible: dialog.printer.length > 0
            text: qsTr("打印")
            onClicked: dialog.show(easyfunction.printChart(dialog.userid, dialog.chartSettings))
        }
        Button {
            text: qsTr("关闭")
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
    }
}
