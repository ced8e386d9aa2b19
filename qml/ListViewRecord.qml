// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/qml/MyFusion/Palette.js" as P

// The records tab: search by keyword and class, open, delete, compare.
Item {
    id: recordTab

    // The records model: the one given (the first page gives its own), else
    // one of the tab's own.
    property var custModel: null
    property var ownModel: null
    readonly property var records: custModel ? custModel : ownModel
    readonly property int language: AppState.language
    property bool multiSelect: false
    property var selectedIds: []
    property string keyword: ""
    property int classIndex: 0
    readonly property var classKeys: [QT_TR_NOOP("不限"), QT_TR_NOOP("贵客"), QT_TR_NOOP("论坛网友"),
        QT_TR_NOOP("社交朋友"), QT_TR_NOOP("亲朋"), QT_TR_NOOP("陌生人")]
    readonly property string classKey: classKeys[Math.max(0, Math.min(classIndex, classKeys.length - 1))]
    // Rows shown, for the page and its tests.
    readonly property int rowCount: list.count

    signal chartRequested(string userid)
    signal compareRequested(var ids)

    function gSet() {
        return AppState.settings;
    }

    function ensureModel() {
        if (!records)
            ownModel = ownModelComponent.createObject(recordTab);
        return records;
    }

    Component {
        id: ownModelComponent
        SqloneCustomerModel { }
    }

    // The keyword search carries the chosen class along.
    function search(text) {
        keyword = text === undefined ? keywordField.text : String(text);
        if (ensureModel())
            records.setFilterMore2(classKey, keyword);
    }

    function chooseClass(index) {
        classIndex = index;
        if (classBox.currentIndex !== index)
            classBox.currentIndex = index;
        if (ensureModel())
            records.setFilterMore1(classKey);
    }

    function openRecord(userid) {
        var g = gSet();
        if (g)
            g.toCntViewHistory += 1;
        chartRequested(userid);
        if (AppState.stack)
            AppState.stack.push("qrc:/qml/ComeInNext.qml", {theuseridpage: userid});
    }

    // Deletes row `row` of the list as now filtered; true when it went.
    function removeRecord(row, userid) {
        if (!ensureModel())
            return false;
        return records.removeItem(row, userid);
    }

    function toggleSelected(userid, on) {
        var ids = selectedIds.filter(function (x) { return x !== userid; });
        if (on)
            ids.push(userid);
        selectedIds = ids;
    }

    function leaveMultiSelect() {
        multiSelect = false;
        selectedIds = [];
    }

    function openCompare() {
        if (selectedIds.length === 0)
            return;
        var g = gSet();
        if (g)
            g.toCntOpenCompare += 1;
        var ids = selectedIds.slice();
        compareRequested(ids);
        if (AppState.stack)
            AppState.stack.push("qrc:/qml/PeopleComparePage.qml", {u1idArray: ids});
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 6
        spacing: 6

        RowLayout {
            Layout.fillWidth: true
            spacing: 6

            TextField {
                id: keywordField
                objectName: "keywordField"
                Layout.fillWidth: true
                placeholderText: qsTr("输入年份等关键字")
                selectByMouse: true
                onEditingFinished: recordTab.search(text)
            }
            Button {
                objectName: "searchButton"
                text: qsTr("搜索")
                onClicked: recordTab.search(keywordField.text)
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 6

            ComboBox {
                id: classBox
                objectName: "classBox"
                Layout.preferredWidth: 130
                model: recordTab.classKeys.map(function (k) { return qsTr(k); })
                onActivated: recordTab.chooseClass(index)
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "importChartButton"
                visible: !recordTab.multiSelect
                text: qsTr("导入")
                onClicked: importDialog.open()
            }
            Button {
                objectName: "multiButton"
                text: recordTab.multiSelect ? qsTr("比较(") + recordTab.selectedIds.length + qsTr("个)") : qsTr("多选")
                enabled: !recordTab.multiSelect || recordTab.selectedIds.length > 0
                onClicked: {
                    if (recordTab.multiSelect)
                        recordTab.openCompare();
                    else
                        recordTab.multiSelect = true;
                }
            }
            Button {
                objectName: "cancelButton"
                visible: recordTab.multiSelect
                text: qsTr("取消选择")
                onClicked: recordTab.leaveMultiSelect()
            }
        }

        ListView {
            id: list
            objectName: "recordList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: recordTab.records
            ScrollIndicator.vertical: ScrollIndicator { }

            delegate: SwipeDelegate {
                id: row
                width: list.width
                readonly property string uid: String(model.userid)
                swipe.enabled: !recordTab.multiSelect
                onClicked: {
                    if (recordTab.multiSelect)
                        check.checked = !check.checked;
                    else
                        recordTab.openRecord(uid);
                }

                contentItem: RowLayout {
                    spacing: 8
                    CheckBox {
                        id: check
                        visible: recordTab.multiSelect
                        checked: recordTab.selectedIds.indexOf(row.uid) >= 0
                        onToggled: recordTab.toggleSelected(row.uid, checked)
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2
                        Label {
                            Layout.fillWidth: true
                            elide: Label.ElideRight
                            font.bold: true
                            textFormat: Text.PlainText
                            text: model.seqno + " - " + (model.name === undefined ? "" : model.name)
                        }
                        Label {
                            Layout.fillWidth: true
                            elide: Label.ElideRight
                            color: P.inkSoft
                            font.pixelSize: 13
                            textFormat: Text.PlainText
                            text: JsxfSingleton.shown(model.inputtime, recordTab.language) + "  "
                                  + (model.inputPlaceName ? model.inputPlaceName : "")
                        }
                    }
                }

                swipe.right: Label {
                    id: deleteLabel
                    text: qsTr("删除")
                    color: "white"
                    verticalAlignment: Label.AlignVCenter
                    padding: 12
                    height: parent.height
                    anchors.right: parent.right
                    background: Rectangle {
                        color: deleteLabel.SwipeDelegate.pressed ? Qt.darker(P.warning, 1.1) : P.warning
                    }
                    SwipeDelegate.onClicked: {
                        confirmDelete.row = index;
                        confirmDelete.userid = row.uid;
                        confirmDelete.open();
                        row.swipe.close();
                    }
                }
            }

            Label {
                anchors.centerIn: parent
                visible: list.count === 0
                color: P.inkSoft
                text: qsTr("没有记录。")
            }
        }
    }

    Dialog {
        id: confirmDelete
        property int row: -1
        property string userid: ""
        anchors.centerIn: parent
        modal: true
        title: qsTr("删除")
        Label {
            text: qsTr("确定删除该记录吗？")
        }
        footer: DialogButtonBox {
            Button {
                objectName: "confirmDeleteYes"
                text: qsTr("删除")
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                objectName: "confirmDeleteNo"
                text: qsTr("取消")
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }
        onAccepted: recordTab.removeRecord(row, userid)
    }

    Notice {
        id: notice
    }

    ChartImportDialog {
        id: importDialog
        luckRule: recordTab.gSet() && recordTab.gSet().luckRule ? recordTab.gSet().luckRule : "described"
        // The new record in the list, and its chart on show.
        onImported: {
            close();
            recordTab.search(recordTab.keyword);
            recordTab.openRecord(userid);
        }
    }

    // The first page sets its model when it completes, after this tab.
    Component.onCompleted: Qt.callLater(ensureModel)
}
