// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// Adds the record of a chart file after checking that its pillars still
// follow from its record; the chart files of the documents folder are listed.
Dialog {
    id: dialog
    objectName: "chartImportDialog"

    property var files: []
    // The window's luck-start rule, for records without their own.
    property string luckRule: "described"
    property string outcome: ""
    property bool failed: false

    // After an import: the new record's id.
    signal imported(string userid)

    modal: true
    title: qsTr("导入命盘文件")
    x: parent ? Math.round((parent.width - width) / 2) : 0
    y: parent ? Math.round((parent.height - height) / 4) : 0
    width: parent ? Math.min(parent.width - 24, 480) : 480

    onAboutToShow: {
        outcome = "";
        pathField.text = "";
        files = easyfunction.chartFilesIn(easyfunction.chartExportFolder());
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 4

        Label {
            text: qsTr("文件：")
            color: P.inkSoft
        }
        TextField {
            id: pathField
            objectName: "importPath"
            Layout.fillWidth: true
            selectByMouse: true
            placeholderText: qsTr("命盘文件的路径")
        }
        Label {
            visible: dialog.files.length > 0
            text: qsTr("文稿文件夹中的文件：")
            color: P.inkSoft
        }
        ListView {
            objectName: "importFiles"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(contentHeight, 160)
            clip: true
            model: dialog.files
            delegate: ItemDelegate {
                width: ListView.view.width
                text: String(modelData).replace(/^.*[\/\\]/, "")
                onClicked: pathField.text = modelData
            }
        }
        Label {
            objectName: "importResult"
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
            objectName: "importButton"
            text: qsTr("导入")
            enabled: pathField.text.length > 0
            onClicked: {
                var a = easyfunction.importChartFile(pathField.text, dialog.luckRule);
                dialog.failed = !a.ok;
                dialog.outcome = String(a.message);
                if (a.ok)
                    dialog.imported(String(a.userid));
            }
        }
        Button {
            text: qsTr("关闭")
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
    }
}
