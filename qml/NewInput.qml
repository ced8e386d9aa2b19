// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/js/birthInput.js" as Birth
import "qrc:/qml/MyFusion/Palette.js" as P

// The birth input form: name, gender, time, place, class and note.
Pane {
    id: form
    padding: 10

    property string inputName: nameField.text
    property int inputGender: simpleSwitchMale.visualPosition === 0 ? 0 : 1
    property string inputWhere: ""
    property string fullPlaceName: ""
    property real inputJvalue: 120
    property alias placeJv: form.inputJvalue
    property real inputTimzoneJvalue: 120
    property alias timeZoneJvOfPlace: form.inputTimzoneJvalue
    property int inputPlaceXSLtype: -1
    // IANA zone of a world city; empty for the place table (its type says the zone).
    property string inputZone: ""
    property alias placeXSLtype: form.inputPlaceXSLtype
    property string inputTime: ""
    property string inputTimeDisplay: ""
    property string timeForCal: ""
    property var theSolarCalymdhMi_newInput: []
    property int toUseZTY: 1
    property int toUseJingD: 1
    property int toChangeDay23: 1
    property int toUsingXSL: 0
    property string inputNote: noteField.text
    // Stored untranslated, so the class filter finds a record in either language.
    readonly property var personClasses: ["不限", "贵客", "论坛网友", "社交朋友", "亲朋", "陌生人"]
    property string personClassNote: classBox.currentIndex > 0 ? personClasses[classBox.currentIndex] : ""
    property bool inputTimeIsReady: false
    property bool inputPlaceIsReady: false
    property bool startEnabled: true
    property alias hourUnknown: hourUnknownBox.checked

    signal startRequested()

    // The moment chosen in the date dialog.
    function takeMoment(r) {
        inputTime = Birth.timeText(r.lunar, r.leap, r.y, r.m, r.d, r.h, r.mi);
        inputTimeDisplay = (r.lunar ? qsTr("农历: ") : qsTr("公历: ")) + r.y + qsTr("年")
                + (r.lunar && r.leap ? qsTr("闰") : "") + r.m + qsTr("月") + r.d + qsTr("日")
                + r.h + qsTr("时") + r.mi + qsTr("分");
        theSolarCalymdhMi_newInput = r.solar ? [r.solar.y, r.solar.m, r.solar.d, r.h, r.mi] : [];
        timeForCal = r.solar ? [r.solar.y, r.solar.m, r.solar.d, r.h, r.mi].join(" ") : "";
        toUseZTY = r.toUseZTY;
        toUseJingD = r.toUseJingD;
        toChangeDay23 = r.toChangeDay23;
        toUsingXSL = r.toUsingXSL;
        inputTimeIsReady = true;
    }

    // A place from the place dialog or the city search.
    function takePlace(p) {
        inputWhere = p.name + qsTr("  经度:") + Number(p.lng).toFixed(2);
        fullPlaceName = p.name;
        inputJvalue = p.lng;
        inputTimzoneJvalue = p.timeZoneJv;
        inputPlaceXSLtype = p.xslType;
        inputZone = p.zone ? String(p.zone) : "";
        inputPlaceIsReady = true;
    }

    function clearForm() {
        nameField.text = "";
        noteField.text = "";
        classBox.currentIndex = 0;
        simpleSwitchMale.checked = false;
        hourUnknownBox.checked = false;
        inputWhere = "";
        fullPlaceName = "";
        inputPlaceXSLtype = -1;
        inputTime = "";
        inputTimeDisplay = "";
        timeForCal = "";
        theSolarCalymdhMi_newInput = [];
        inputTimeIsReady = false;
        inputPlaceIsReady = false;
        applyDefaultPlace();
    }

    // Without a chosen place the form stands at the system zone's meridian;
    // in Taiwan, Singapore and Hong Kong it names the place.
    function applyDefaultPlace() {
        var lng = Number(easyfunction.getStandardTimezoneLng());
        inputJvalue = isNaN(lng) ? 120 : lng;
        inputTimzoneJvalue = inputJvalue;
        var defaults = [
            {test: "isInTaiwanTimeZone", name: qsTr("台灣"), lng: 121 + 38 / 60, shown: ": 121°38'", xsl: 2},
            {test: "isInSingaporeTimeZone", name: qsTr("新加坡"), lng: 103 + 45 / 60, shown: ": 103°45'", xsl: 3},
            {test: "isInHongKongTimeZone", name: qsTr("香港"), lng: 114 + 8 / 60, shown: ": 114°08'", xsl: 1}
        ];
        for (var i = 0; i < defaults.length; ++i) {
            if (easyfunction[defaults[i].test]() === true) {
                inputWhere = defaults[i].name + defaults[i].shown;
                fullPlaceName = defaults[i].name;
                inputJvalue = defaults[i].lng;
                inputPlaceXSLtype = defaults[i].xsl;
                inputPlaceIsReady = true;
                return;
            }
        }
    }

    Component.onCompleted: applyDefaultPlace()

    signal timeRequested()
    signal placeRequested()
    signal worldPlaceRequested()

    background: Rectangle {
        color: P.surface
        border.color: P.paperDark
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 8

        RowLayout {
            spacing: 8
            Layout.fillWidth: true

            TextField {
                id: nameField
                objectName: "nameField"
                placeholderText: qsTr("名字")
                selectByMouse: true
                Layout.fillWidth: true
            }
            Label {
                text: qsTr("男")
                color: simpleSwitchMale.checked ? P.inkSoft : P.accentDark
                font.bold: !simpleSwitchMale.checked
            }
            Switch {
                id: simpleSwitchMale
                objectName: "simpleSwitchMale"
            }
            Label {
                text: qsTr("女")
                color: simpleSwitchMale.checked ? P.accentDark : P.inkSoft
                font.bold: simpleSwitchMale.checked
            }
        }

        RowLayout {
            spacing: 8
            Layout.fillWidth: true

            Button {
                id: timeButton
                objectName: "timeButton"
                text: form.inputTimeIsReady ? form.inputTimeDisplay : qsTr("出生时间")
                Layout.fillWidth: true
                onClicked: form.timeRequested()
            }
            // The chart then shows the twelve candidate hour pillars.
            CheckBox {
                id: hourUnknownBox
                objectName: "hourUnknownBox"
                text: qsTr("时辰不详")
            }
        }

        RowLayout {
            spacing: 8
            Layout.fillWidth: true

            Button {
                id: placeButton
                objectName: "placeButton"
                text: form.inputPlaceIsReady ? form.inputWhere : qsTr("出生地")
                Layout.fillWidth: true
                onClicked: form.placeRequested()
            }
            Button {
                objectName: "worldPlaceButton"
                text: qsTr("以全球地图定位出生地")
                visible: !AppState.settings || AppState.settings.allowToUsingGlobalMap === 1
                onClicked: form.worldPlaceRequested()
            }
        }

        RowLayout {
            spacing: 8
            Layout.fillWidth: true

            ComboBox {
                id: classBox
                model: [qsTr("不限"), qsTr("贵客"), qsTr("论坛网友"), qsTr("社交朋友"), qsTr("亲朋"), qsTr("陌生人")]
                Layout.preferredWidth: 120
            }
            TextField {
                id: noteField
                placeholderText: qsTr("备注")
                selectByMouse: true
                Layout.fillWidth: true
            }
        }

        RowLayout {
            spacing: 10
            Layout.fillWidth: true

            Button {
                objectName: "clearButton"
                text: qsTr("清除")
                onClicked: form.clearForm()
            }
            Button {
                id: startButton
                objectName: "startButton"
                text: qsTr("开始计算")
                highlighted: true
                enabled: form.inputTimeIsReady && form.inputPlaceIsReady && form.startEnabled
                Layout.fillWidth: true
                onClicked: form.startRequested()
            }
        }
    }
}
