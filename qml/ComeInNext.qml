// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/js/chartBook.js" as Book
import "qrc:/qml/MyFusion/Palette.js" as P

// The chart page of one record: the chart view, then the classic-text
// references and the user's notes in two tabs.
Page {
    id: comeInNext
    title: qsTr("命盘")

    property string theuseridpage: ""
    property alias currentTab: tabs.currentIndex
    property alias first: firstView
    property alias showShenSha: firstView.showShenSha
    property string bookText: ""
    property var expandedSections: ({})
    property bool notesLoaded: false

    readonly property string notesPlaceholder: qsTr("尚未作评语或笔记。<br/>可以在此输入有关信息（如联系方式、其特点或经历等等）。<br/>输入后会自动保存。<br/>对于手机，只有授权本App访问手机的存储空间，才能保存。")
    readonly property QtObject settings: firstView.settings
    readonly property int school: settings.intTypeOfYueDangLing
    onSchoolChanged: if (firstView.thisTotalReady) buildBook()
    onLanguageChanged: if (firstView.thisTotalReady) buildBook()
    readonly property int language: AppState.language

    SqlBookDataModel {
        id: bookModel
    }

    function buildBook() {
        var ins = firstView.inviewInSight;
        var c = {
            yearChac: ins.yearChac, monthChac: ins.monthChac, dayChac: ins.dayChac, hourChac: ins.hourChac,
            ytgChengCnt: ins.ytgChengCnt, essentials: firstView.lastResult.essentials,
            birthJd: ins.jd_birthTime, jieBefore: ins.jd_JieTimeBefore, qiMiddle: ins.jd_QiTimeMiddle,
            jieAfter: ins.jd_JieTimeAfter, school: settings.intTypeOfYueDangLing, termNames: firstView.jsxf.jieQiNames
        };
        bookText = Book.bookHtml(c, function (book, idx) {
            return bookModel.getContentByFieldFilter(book, idx[0], idx.length > 1 ? idx[1] : "", idx.length > 2 ? idx[2] : "");
        }, expandedSections, language === 1 ? function (t) { return JsxfSingleton.shown(t, 1); } : null);
    }

    // Scrolls the luck and flow lists to the top of the chart column.
    function showLists() {
        listsTimer.restart();
    }
    Timer {
        id: listsTimer
        interval: 150
        onTriggered: flick.contentY = Math.max(0, Math.min(firstView.y + firstView.listsTop(), flick.contentHeight - flick.height))
    }

    // Opens a tab and scrolls it into view.
    function showTab(index) {
        tabs.currentIndex = index;
        scrollTimer.restart();
    }

    // After the layout has placed the tabs.
    Timer {
        id: scrollTimer
        interval: 100
        onTriggered: if (!comeInNext.wide) flick.contentY = Math.max(0, Math.min(tabArea.y, flick.contentHeight - flick.height))
    }

    function loadNotes() {
        var n = firstView.record.morenotes;
        notesArea.text = n === undefined || n === null || String(n) === "不适用" ? "" : String(n);
        notesLoaded = true;
    }

    function saveNotes() {
        saveTimer.stop();
        if (notesLoaded && theuseridpage.length > 0)
            firstView.inviewOneCustModel.updateCustInfoByStrName(theuseridpage, "morenotes", notesArea.text);
    }

    // How long typing must pause before the notes are saved.
    property int notesSaveDelay: 1200
    Timer {
        id: saveTimer
        interval: comeInNext.notesSaveDelay
        onTriggered: comeInNext.saveNotes()
    }

    // At 1000 px and wider: the chart on the left, the tabs (with the
    // ShenSha view as a third tab) on the right, each scrolling on its own.
    readonly property bool wide: width >= 1000
    onShowShenShaChanged: if (wide && showShenSha) tabs.currentIndex = 2
    onWideChanged: if (!wide && tabs.currentIndex === 2) tabs.currentIndex = 0

    Flickable {
        id: flick
        objectName: "chartFlick"
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: comeInNext.wide ? Math.round(parent.width * 0.5) : parent.width
        contentHeight: column.implicitHeight
        clip: true
        ScrollIndicator.vertical: ScrollIndicator { }

        ColumnLayout {
            id: column
            width: flick.width
            spacing: 0

            RowLayout {
                Layout.fillWidth: true
                Layout.margins: 4
                Item { Layout.fillWidth: true }
                Button {
                    objectName: "chartExportButton"
                    text: qsTr("导出或打印")
                    flat: true
                    onClicked: {
                        exportDialog.userid = comeInNext.theuseridpage;
                        exportDialog.chartSettings = {
                            script: comeInNext.language, elementColours: settings.toUsingColorForChac,
                            school: settings.intTypeOfYueDangLing, luckRule: settings.luckRule,
                            hourShift: firstView.hourBackOrForward,
                            selectedLuck: Math.max(0, firstView.yunlistiiCurrentIndex)
                        };
                        exportDialog.open();
                    }
                }
            }

            First {
                id: firstView
                objectName: "first"
                Layout.fillWidth: true
                theuserid: comeInNext.theuseridpage
                shenShaElsewhere: comeInNext.wide
                panelMode: AppState.doublePanel
                onThisTotalReadyChanged: {
                    if (thisTotalReady) {
                        comeInNext.buildBook();
                        if (!comeInNext.notesLoaded)
                            comeInNext.loadNotes();
                    }
                }
            }
        }
    }

    Flickable {
        id: sideFlick
        objectName: "sideFlick"
        visible: comeInNext.wide
        anchors.left: flick.right
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        contentHeight: sideColumn.implicitHeight
        clip: true
        ScrollIndicator.vertical: ScrollIndicator { }

        ColumnLayout {
            id: sideColumn
            width: sideFlick.width
            spacing: 0
        }
    }

    ColumnLayout {
        id: tabArea
        objectName: "tabArea"
        parent: comeInNext.wide ? sideColumn : column
        Layout.fillWidth: true
        spacing: 0

            TabBar {
                id: tabs
                objectName: "chartTabs"
                Layout.fillWidth: true
                Repeater {
                    model: comeInNext.wide ? [qsTr("古籍参考"), qsTr("评语笔记"), qsTr("神煞")]
                                           : [qsTr("古籍参考"), qsTr("评语笔记")]
                    TabButton { text: modelData }
                }
            }

            StackLayout {
                currentIndex: tabs.currentIndex
                Layout.fillWidth: true
                Layout.preferredHeight: currentIndex === 0 ? bookLabel.implicitHeight + 20
                                        : currentIndex === 2 ? sideShenSha.implicitHeight + 20 : 360

                Label {
                    id: bookLabel
                    objectName: "bookText"
                    padding: 8
                    text: comeInNext.bookText
                    textFormat: Text.RichText
                    wrapMode: Text.Wrap
                    font.pixelSize: firstView.smallPx
                    onLinkActivated: {
                        var key = String(link).replace(/^show(More|Less)/, "");
                        var e = comeInNext.expandedSections;
                        e[key] = String(link).indexOf("showMore") === 0;
                        comeInNext.expandedSections = e;
                        comeInNext.buildBook();
                    }
                }

                ColumnLayout {
                    spacing: 4
                    TextArea {
                        id: notesArea
                        objectName: "notesArea"
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        wrapMode: TextEdit.Wrap
                        textFormat: TextEdit.PlainText
                        onTextChanged: if (comeInNext.notesLoaded) saveTimer.restart()
                        Label {
                            anchors.fill: parent
                            anchors.margins: 8
                            visible: notesArea.text.length === 0 && !notesArea.activeFocus
                            text: comeInNext.notesPlaceholder
                            textFormat: Text.StyledText
                            wrapMode: Text.Wrap
                            color: P.inkSoft
                        }
                    }
                    Button {
                        objectName: "notesDoneButton"
                        text: qsTr("完成编辑")
                        Layout.alignment: Qt.AlignRight
                        onClicked: {
                            comeInNext.saveNotes();
                            notesArea.focus = false;
                        }
                    }
                }

                ShowingShenShaNew {
                    id: sideShenSha
                    objectName: "sideShenShaView"
                    chart: firstView
                }
            }
    }

    Component.onDestruction: if (saveTimer.running) saveNotes()

    ChartExportDialog {
        id: exportDialog
    }
}
