// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import Qt.labs.folderlistmodel 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// Browses the folder of the user database, folders first; it never goes
// above the folder it started in.
Page {
    id: folderPage
    title: qsTr("用户数据的文件路径")

    // The folder of the user database unless a caller gives another root.
    property string rootFolder: {
        var f = String(userdatafile);
        if (f.length === 0 || f === ":memory:")
            return "";
        return "file://" + f.substring(0, f.lastIndexOf("/"));
    }

    function canGoUp() {
        return folderModel.folder.toString() !== rootFolder && folderModel.folder.toString().indexOf(rootFolder) === 0;
    }

    function goUp() {
        if (canGoUp())
            folderModel.folder = folderModel.parentFolder;
    }

    FolderListModel {
        id: folderModel
        folder: folderPage.rootFolder
        rootFolder: folderPage.rootFolder
        showDirsFirst: true
        showDotAndDotDot: false
        nameFilters: ["*"]
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 8
        spacing: 6

        RowLayout {
            Layout.fillWidth: true
            Button {
                text: qsTr("上一层")
                enabled: folderPage.canGoUp()
                onClicked: folderPage.goUp()
            }
            Label {
                Layout.fillWidth: true
                elide: Label.ElideMiddle
                color: P.inkSoft
                text: folderPage.rootFolder.length > 0 ? decodeURIComponent(folderModel.folder.toString().replace("file://", ""))
                                                       : qsTr("数据只保存在内存中。")
            }
        }

        ListView {
            id: list
            objectName: "folderList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: folderPage.rootFolder.length > 0 ? folderModel : null
            delegate: ItemDelegate {
                width: list.width
                text: fileName + (fileIsDir ? "/" : "  (" + fileSize + " B)")
                onClicked: {
                    if (fileIsDir)
                        folderModel.folder = fileURL;
                }
            }
            ScrollIndicator.vertical: ScrollIndicator { }
        }
    }
}
