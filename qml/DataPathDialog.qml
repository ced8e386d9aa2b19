// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/js/windowRules.js" as Rules
import "qrc:/qml/MyFusion/Palette.js" as P

// Where the user database lives, with a warning when that place is unsafe.
Dialog {
    id: dataPathDialog
    x: Math.round((parent.width - width) / 2)
    y: Math.round(parent.height / 8)
    width: Math.min(parent.width * 0.92, 460)
    modal: true
    title: qsTr("用户数据的文件路径")

    footer: DialogButtonBox {
        Button {
            text: qsTr("确定")
            highlighted: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }

    property string dataFile: userdatafile
    property string inAppDir: userdatafileIsinAppDir
    readonly property var warnings: Rules.dataPathWarnings(dataFile, inAppDir)
    readonly property alias memoryWarningText: memoryWarning.text
    readonly property alias appDirWarningText: appDirWarning.text
    readonly property alias memoryWarningShown: memoryWarning.visible
    readonly property alias appDirWarningShown: appDirWarning.visible

    // The window opens the folder page (LeftSheet/FolderListView) on this.
    signal folderBrowseRequested()

    contentItem: ColumnLayout {
        spacing: 10

        Label {
            text: qsTr("用户数据（排盘记录）保存在：")
            Layout.fillWidth: true
            wrapMode: Label.Wrap
        }
        TextArea {
            text: dataPathDialog.dataFile.length > 0 ? dataPathDialog.dataFile : qsTr("（用户数据库尚未打开）")
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.WrapAnywhere
            Layout.fillWidth: true
        }
        Button {
            objectName: "browseFolderButton"
            text: qsTr("浏览所在文件夹")
            // A database in memory has no folder.
            enabled: dataPathDialog.dataFile.length > 0 && !dataPathDialog.warnings.inMemory
            onClicked: {
                dataPathDialog.close();
                dataPathDialog.folderBrowseRequested();
            }
        }
        Label {
            id: memoryWarning
            visible: dataPathDialog.warnings.inMemory
            text: qsTr("警告：本App无权写入用户文件夹，排盘记录只保存在内存中，退出App后将全部丢失。请授权本App访问存储空间后重新启动。")
            color: P.warning
            Layout.fillWidth: true
            wrapMode: Label.Wrap
        }
        Label {
            id: appDirWarning
            visible: dataPathDialog.warnings.inAppDir
            text: qsTr("注意：排盘记录保存在本App自己的数据文件夹中，卸载App时可能被一并删除。如需保留，请在卸载前备份该文件。")
            color: P.warning
            Layout.fillWidth: true
            wrapMode: Label.Wrap
        }
    }
}
