// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/js/birthInput.js" as Birth
import "qrc:/js/recordWords.js" as Words
import "qrc:/qml/MyFusion/Palette.js" as P

// The first page: the birth form above the calendar, records and study tabs.
Page {
    id: comeIn
    title: qsTr("晴曜命盘")

    property var oneCustModelAll: null
    property bool isDoingCalculate: false
    property bool showingHeader: true
    property string lastUserId: ""
    property alias newInput: form
    property alias tabBar: tabs

    // The page's own records model, made once it has completed.
    function createModel() {
        return recordsModelComponent.createObject(comeIn);
    }

    Component {
        id: recordsModelComponent
        RecordsModel { }
    }

    function toggleShowingHeader() {
        showingHeader = !showingHeader;
    }

    function gSet() {
        return AppState.settings;
    }

    // Stores the form as a new person record and, when asked, opens its chart.
    // Returns the new identifier, or "" when nothing was stored.
    function toStartDoing(openChart) {
        if (isDoingCalculate)
            return "";
        isDoingCalculate = true;
        var timeTextValue = form.inputTime;
        var id = String(oneCustModelAll.newCustomer(
                            form.inputGender,
                            Birth.calendarTypeCode(timeTextValue),
                            Birth.calculationText(timeTextValue),
                            form.inputTimeDisplay,
                            String(form.inputJvalue),
                            form.fullPlaceName,
                            Birth.recordName(form.inputName, qsTr("時空")),
                            form.personClassNote,
                            form.inputNote,
                            String(form.toUseZTY),
                            String(form.toUseJingD),
                            String(form.toChangeDay23),
                            String(form.toUsingXSL),
                            String(form.inputPlaceXSLtype),
                            String(form.inputTimzoneJvalue)));
        // The luck-start rule of new charts and an unknown hour go with the
        // record, written through a model narrowed to it.
        var wordStore = id.length > 6 ? createModel() : null;
        if (wordStore) {
            wordStore.userid = id;
            wordStore.updateCustInfoByStrName(id, "extraColumn4", Words.withHourUnknown(
                Words.withLuckRule("", gSet() ? gSet().luckRule : "described"), form.hourUnknown));
            wordStore.destroy();
        }
        lastUserId = id;
        // A world city's zone goes with the record: the chart reads offsets
        // and summer time for the birth moment from the tz database.
        if (id.length > 6 && form.inputZone.length > 0) {
            zoneStore.userid = id;
            zoneStore.updateCustInfoByStrName(id, "extraColumn3", form.inputZone);
        }
        tabs.currentIndex = 1;
        var g = gSet();
        if (g)
            g.toCntCalculateQingYao += 1;
        timeToAvoidOpenTwice2.start();
        if (openChart && id.length > 6) {
            if (AppState.stack)
                AppState.stack.push("qrc:/qml/ComeInNext.qml", {theuseridpage: id});
        }
        return id;
    }

    Timer {
        id: timeToAvoidOpenTwice2
        interval: 1500
        onTriggered: comeIn.isDoingCalculate = false
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        NewInput {
            id: form
            objectName: "newInput"
            visible: comeIn.showingHeader
            Layout.fillWidth: true
            startEnabled: !comeIn.isDoingCalculate
            onStartRequested: comeIn.toStartDoing(true)
            onTimeRequested: {
                dateDialog.placeJv = form.inputJvalue;
                dateDialog.timeZoneJv = form.inputTimzoneJvalue;
                dateDialog.placeXSLtype = form.inputPlaceXSLtype;
                dateDialog.open();
            }
            onPlaceRequested: placeDialog.open()
            onWorldPlaceRequested: worldDialog.open()
        }

        TabBar {
            id: tabs
            objectName: "tabBar"
            Layout.fillWidth: true

            TabButton { text: qsTr("日历") }
            TabButton { text: qsTr("收藏") }
            TabButton { text: qsTr("学习") }

            TapHandler {
                // Double-click or press-and-hold folds the form away.
                onDoubleTapped: comeIn.toggleShowingHeader()
                onLongPressed: comeIn.toggleShowingHeader()
            }
        }

        StackLayout {
            currentIndex: tabs.currentIndex
            Layout.fillWidth: true
            Layout.fillHeight: true

            Repeater {
                model: ["qrc:/qml/Wnlmini.qml", "qrc:/qml/ListViewRecord.qml", "qrc:/qml/ListViewBooks.qml"]
                Loader {
                    id: tabLoader
                    source: modelData
                    // The records tab lists this page's records; a day chosen
                    // on the calendar goes to the date dialog.
                    onLoaded: {
                        if (index === 1)
                            item.custModel = Qt.binding(function () { return comeIn.oneCustModelAll; });
                    }
                    Connections {
                        target: index === 0 ? tabLoader.item : null
                        function onDateSelected(y, m, d) { dateDialog.setSolarDay(y, m, d); }
                    }
                }
            }
        }
    }

    DateInputDialog {
        id: dateDialog
        objectName: "dateDialog"
        onMomentChosen: form.takeMoment(moment)
        onReverseRequested: chacDialog.open()
    }

    ChacInputDialogNew {
        id: chacDialog
        gender: form.inputGender
        onMomentChosen: {
            dateDialog.setMoment(moment.y, moment.m, moment.d, moment.h, moment.mi);
            if (!dateDialog.opened)
                dateDialog.open();
        }
    }

    PlaceInputDialog {
        id: placeDialog
        objectName: "placeDialog"
        onPlaceChosen: form.takePlace(place)
        onWorldSearchRequested: worldDialog.open()
    }

    PlaceInputViaWorldMapPopup {
        id: worldDialog
        objectName: "worldDialog"
        onPlaceChosen: form.takePlace(place)
    }

    Notice {
        id: notice
    }

    SqloneCustomerModel {
        id: zoneStore
    }

    Component.onCompleted: oneCustModelAll = createModel()
}
