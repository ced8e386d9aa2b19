// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/js/birthInput.js" as Birth
import "qrc:/js/clipboardTime.js" as Clip
import "qrc:/qml/MyFusion/Palette.js" as P

// Date and time of birth: spinners, typed input, clipboard recognition and
// the time corrections.
Popup {
    id: dlg
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    width: Math.min(parent.width * 0.97, 540)
    height: Math.min(parent.height * 0.97, 800)
    modal: true
    focus: true
    padding: 10
    readonly property int language: AppState.language

    // The place the corrections use, set by the form.
    property real placeJv: 120
    property real timeZoneJv: 120
    property int placeXSLtype: -1

    readonly property bool lunar: calSwitch.checked
    readonly property bool leap: lunar && leapSwitch.checked
    property string message: ""
    property var solar: null          // {y, m, d} of the selected moment, or null
    property bool inXSLPeriod: false
    property string ztyLine: ""
    property string ptyLine: ""
    property string ganZhiLine: ""
    property string lastClipboard: ""

    readonly property int toUseZTY: ztyRadio.checked ? 1 : 0
    readonly property int toUseJingD: clockRadio.checked ? 0 : 1
    readonly property int toChangeDay23: day23Switch.checked ? 1 : 0
    readonly property int toUsingXSL: xslSwitch.visible && xslSwitch.checked ? 1 : 0

    signal momentChosen(var moment)
    signal reverseRequested()

    function twoDigits(n) {
        return (n < 10 ? "0" : "") + n;
    }

    function selectedYear() {
        return (18 + centuryTumbler.currentIndex) * 100 + yearTumbler.currentIndex;
    }

    function selected() {
        return {y: selectedYear(), m: monthTumbler.currentIndex + 1, d: dayTumbler.currentIndex + 1,
                h: hourTumbler.currentIndex, mi: minuteTumbler.currentIndex};
    }

    // Puts a moment on the spinners; hour and minute only when given.
    function setMoment(y, m, d, h, mi) {
        centuryTumbler.currentIndex = Math.max(0, Math.min(2, Math.floor(y / 100) - 18));
        yearTumbler.currentIndex = y % 100;
        monthTumbler.currentIndex = m - 1;
        dayTumbler.currentIndex = d - 1;
        if (h >= 0)
            hourTumbler.currentIndex = h;
        if (mi >= 0)
            minuteTumbler.currentIndex = mi;
        refresh();
    }

    // Switching between 公历 and 农历 keeps the moment: the date on the
    // spinners is converted (the switch has already changed when this runs;
    // the spinner indexes have not).
    function convertKind(toLunar) {
        var f = JsxfSingleton;
        var s = selected();
        var out = {};
        if (toLunar && Birth.isValidSolarDate(s.y, s.m, s.d) && f.sxf_myGetLunarBySolar(s.y, s.m, s.d, 12, 0, out) === 0) {
            leapSwitch.checked = out.leap === 1;
            setMoment(out.y, out.m, out.d, -1, -1);
            return;
        }
        if (!toLunar && f.sxf_checkAndGetLunarInput(s.y, s.m, s.d, leapSwitch.checked ? 1 : 0, out, {}) === 0) {
            leapSwitch.checked = false;
            setMoment(out.y, out.m, out.d, -1, -1);
            return;
        }
        refresh();
    }

    // The typed field in the mask's form, from the spinners.
    function typedText() {
        var s = selected();
        return s.y + qsTr("年") + twoDigits(s.m) + qsTr("月") + twoDigits(s.d) + qsTr("日") + twoDigits(s.h) + qsTr("时")
            + twoDigits(s.mi) + qsTr("分");
    }

    // Typed digits are read in the calendar kind already chosen: the field
    // has no place for 公历 or 农历.
    function applyTyped(text) {
        var r = Clip.recognise(text);
        if (!r)
            return false;
        setMoment(r.year, r.month, r.day, r.hour, r.minute);
        return true;
    }

    // A recognised text (clipboard or typed) fills the spinners.
    function applyRecognised(r) {
        calSwitch.checked = r.lunar;
        leapSwitch.checked = r.leap;
        setMoment(r.year, r.month, r.day, r.hour, r.minute);
    }

    function readClipboard() {
        var text = String(easyfunction.getHtmlFromClipboard());
        if (text === "false" || text.length < 6 || text === lastClipboard)
            return false;
        lastClipboard = text;
        var r = Clip.recognise(text);
        if (!r) {
            console.log("null, not matched");
            return false;
        }
        applyRecognised(r);
        easyfunction.clearTheClipboard();
        return true;
    }

    // Recomputes the solar date, the summer-time switch and the three lines.
    function refresh() {
        var s = selected();
        message = "";
        if (!typedField.activeFocus)
            typedField.text = typedText();
        solar = null;
        var f = JsxfSingleton;
        if (!lunar) {
            if (!Birth.isValidSolarDate(s.y, s.m, s.d)) {
                message = qsTr("无该日期，公历有的月份无29、30或31日。");
                inXSLPeriod = false;
                ztyLine = ptyLine = ganZhiLine = "";
                return;
            }
            solar = {y: s.y, m: s.m, d: s.d};
        } else {
            var out = {}, outString = {str: ""};
            var rc = f.sxf_checkAndGetLunarInput(s.y, s.m, s.d, leap ? 1 : 0, out, outString);
            if (rc === 0)
                solar = {y: out.y, m: out.m, d: out.d};
            else
                message = outString.str ? outString.str : qsTr("无该农历日期。");
        }
        if (!solar) {
            inXSLPeriod = false;
            ztyLine = ptyLine = ganZhiLine = "";
            return;
        }
        inXSLPeriod = CalendarRules.clockInSummerTimeTable(solar.y, solar.m, solar.d, s.h, s.mi, placeXSLtype);
        var kind = toUseJingD === 0 ? "clock" : toUseZTY === 1 ? "true" : "mean";
        var o = CalendarRules.solarTimeCorrection(solar.y, solar.m, solar.d, s.h, s.mi, timeZoneJv * 4,
                                                  toUsingXSL === 1 ? 60 : 0, placeJv, kind, toChangeDay23);
        ztyLine = o.ok ? qsTr("真太阳时: ") + o.trueSolarText : "";
        ptyLine = o.ok ? qsTr("平太阳时: ") + o.meanSolarText : "";
        ganZhiLine = o.ok && o.pillars[0] >= 0 ? qsTr("干支: ") + o.pillarNames.join(" ") : "";
    }

    // Hands the moment on the spinners to the form.
    function emitMoment() {
        refresh();
        // A date the calendar refused (正月三十 of a 29-day month) is never
        // handed on.
        if (!solar)
            return false;
        var s = selected();
        momentChosen({lunar: lunar, leap: leap, y: s.y, m: s.m, d: s.d, h: s.h, mi: s.mi, solar: solar,
                      toUseZTY: toUseZTY, toUseJingD: toUseJingD, toChangeDay23: toChangeDay23,
                      toUsingXSL: toUsingXSL});
        return true;
    }

    function accept() {
        if (!emitMoment())
            return false;
        close();
        return true;
    }

    // A day picked in the perpetual calendar becomes the form's solar date at
    // once; the hour and minute already chosen stay.
    function setSolarDay(y, m, d) {
        calSwitch.checked = false;
        leapSwitch.checked = false;
        setMoment(y, m, d, -1, -1);
        return emitMoment();
    }

    function selfTestSample() {
        var r = Clip.recognise("农历一九九三年腊月初九 3点30分");
        if (r)
            applyRecognised(r);
    }

    onOpened: {
        lastClipboard = "";
        readClipboard();
        refresh();
    }

    // Watches the clipboard while the dialog is open.
    Timer {
        interval: 1200
        repeat: true
        running: dlg.opened
        onTriggered: dlg.readClipboard()
    }

    contentItem: Flickable {
        implicitHeight: 400
        contentHeight: column.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column
            width: dlg.availableWidth
            spacing: 8

            RowLayout {
                spacing: 6
                Label { text: qsTr("公历"); font.bold: !calSwitch.checked }
                Switch {
                    id: calSwitch
                    objectName: "calSwitch"
                    onToggled: dlg.convertKind(checked)
                }
                Label { text: qsTr("农历"); font.bold: calSwitch.checked }
                Item { width: 16 }
                Label { text: qsTr("是否闰月:"); visible: dlg.lunar }
                Label { text: qsTr("否"); visible: dlg.lunar }
                Switch {
                    id: leapSwitch
                    objectName: "leapSwitch"
                    visible: dlg.lunar
                    onToggled: dlg.refresh()
                }
                Label { text: qsTr("是"); visible: dlg.lunar }
            }

            GridLayout {
                columns: 6
                rowSpacing: 0
                columnSpacing: 2
                Layout.fillWidth: true

                Repeater {
                    model: [qsTr("世纪"), qsTr("年"), qsTr("月"), qsTr("日"), qsTr("时"), qsTr("分")]
                    Label {
                        text: modelData
                        color: P.inkSoft
                        horizontalAlignment: Text.AlignHCenter
                        Layout.fillWidth: true
                    }
                }

                DateTumbler {
                    id: centuryTumbler
                    objectName: "centuryTumbler"
                    model: ["18", "19", "20"]
                    currentIndex: 1
                    visibleItemCount: 5
                    wrap: false
                    Layout.fillWidth: true
                    onCurrentIndexChanged: Qt.callLater(dlg.refresh)
                }
                DateTumbler {
                    id: yearTumbler
                    objectName: "yearTumbler"
                    model: 100
                    currentIndex: 90
                    visibleItemCount: 5
                    Layout.fillWidth: true
                    delegate: tumblerText
                    onCurrentIndexChanged: Qt.callLater(dlg.refresh)
                }
                DateTumbler {
                    id: monthTumbler
                    objectName: "monthTumbler"
                    // The same count in both kinds: a new model would reset the index.
                    model: 12
                    visibleItemCount: 5
                    Layout.fillWidth: true
                    delegate: monthName
                    onCurrentIndexChanged: Qt.callLater(dlg.refresh)
                }
                DateTumbler {
                    id: dayTumbler
                    objectName: "dayTumbler"
                    model: 31
                    visibleItemCount: 5
                    Layout.fillWidth: true
                    delegate: dayName
                    onCurrentIndexChanged: Qt.callLater(dlg.refresh)
                }
                DateTumbler {
                    id: hourTumbler
                    objectName: "hourTumbler"
                    model: 24
                    currentIndex: 12
                    visibleItemCount: 5
                    Layout.fillWidth: true
                    delegate: tumblerText
                    onCurrentIndexChanged: Qt.callLater(dlg.refresh)
                }
                DateTumbler {
                    id: minuteTumbler
                    objectName: "minuteTumbler"
                    model: 60
                    visibleItemCount: 5
                    Layout.fillWidth: true
                    delegate: tumblerText
                    onCurrentIndexChanged: Qt.callLater(dlg.refresh)
                }
            }

            TextField {
                id: typedField
                objectName: "typedField"
                visible: false
                // The mask's literals are shown, so they follow the script.
                inputMask: JsxfSingleton.shown("D999年09月09日09时09分", dlg.language)
                placeholderText: qsTr("手工输入时间或粘贴")
                Layout.fillWidth: true
                // Complete input moves the spinners at once; they write back
                // here whenever the field is not being edited.
                onTextEdited: if (acceptableInput) dlg.applyTyped(text)
                onAccepted: {
                    if (!dlg.applyTyped(text))
                        dlg.message = qsTr("未能识别输入的时间。");
                }
                onActiveFocusChanged: if (!activeFocus) text = dlg.typedText()
            }

            Label {
                text: qsTr("可粘贴含时间的文字，如：公历1993年11月12日13时16分、农历一九九三年腊月初九 3点30分、"
                           + "2019年2月25日星期一下午3点16分、1993-12-03 03:00、199312030300")
                color: P.inkSoft
                font.pixelSize: 12
                wrapMode: Label.Wrap
                Layout.fillWidth: true
            }

            Label {
                objectName: "messageLabel"
                text: dlg.message
                visible: text.length > 0
                color: P.warning
                wrapMode: Label.Wrap
                Layout.fillWidth: true
            }

            Frame {
                Layout.fillWidth: true

                ColumnLayout {
                    anchors.fill: parent
                    spacing: 2

                    RadioButton {
                        id: ztyRadio
                        objectName: "ztyRadio"
                        text: qsTr("采用真太阳时")
                        checked: true
                        onToggled: dlg.refresh()
                    }
                    RadioButton {
                        id: ptyRadio
                        objectName: "ptyRadio"
                        text: qsTr("采用平太阳时")
                        onToggled: dlg.refresh()
                    }
                    RadioButton {
                        id: clockRadio
                        objectName: "clockRadio"
                        text: qsTr("采用钟表时间")
                        onToggled: dlg.refresh()
                    }
                    Switch {
                        id: xslSwitch
                        objectName: "xslSwitch"
                        text: qsTr("用了夏时令")
                        visible: dlg.inXSLPeriod
                        onToggled: dlg.refresh()
                    }
                    Switch {
                        id: day23Switch
                        objectName: "day23Switch"
                        text: checked ? qsTr("子时换日") : qsTr("零点换日")
                        checked: true
                        onToggled: dlg.refresh()
                    }
                    Label { text: dlg.ztyLine; visible: text.length > 0 }
                    Label { text: dlg.ptyLine; visible: text.length > 0 }
                    Label { text: dlg.ganZhiLine; visible: text.length > 0 }
                }
            }

            Flow {
                spacing: 8
                Layout.fillWidth: true

                Button {
                    text: qsTr("以四柱反查时间")
                    onClicked: dlg.reverseRequested()
                }
                Button {
                    text: qsTr("手动输入")
                    onClicked: {
                        typedField.visible = !typedField.visible;
                        if (typedField.visible)
                            typedField.forceActiveFocus();
                    }
                }
                Button {
                    text: qsTr("取消")
                    onClicked: dlg.close()
                }
                Button {
                    objectName: "confirmButton"
                    text: qsTr("确认")
                    highlighted: true
                    enabled: dlg.lunar || dlg.solar !== null
                    onClicked: dlg.accept()
                }
            }
        }
    }

    Component {
        id: tumblerText
        Label {
            text: dlg.twoDigits(modelData)
            opacity: 1.0 - Math.abs(Tumbler.displacement) / (Tumbler.tumbler.visibleItemCount / 2)
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: 17
            MouseArea {
                anchors.fill: parent
                onClicked: parent.Tumbler.tumbler.pick(index)
            }
        }
    }
    readonly property var lunarMonthNames: [qsTr("正"), qsTr("二"), qsTr("三"), qsTr("四"), qsTr("五"), qsTr("六"),
                                            qsTr("七"), qsTr("八"), qsTr("九"), qsTr("十"), qsTr("冬"), qsTr("腊")]
    Component {
        id: monthName
        Label {
            // One delegate for both kinds: a new delegate would reset the index.
            text: dlg.lunar ? dlg.lunarMonthNames[modelData] : modelData + 1
            opacity: 1.0 - Math.abs(Tumbler.displacement) / (Tumbler.tumbler.visibleItemCount / 2)
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: 17
            MouseArea {
                anchors.fill: parent
                onClicked: parent.Tumbler.tumbler.pick(index)
            }
        }
    }
    Component {
        id: dayName
        Label {
            text: !dlg.lunar ? modelData + 1 : modelData < Birth.lunarDayNames.length ? Birth.lunarDayNames[modelData] : ""
            opacity: 1.0 - Math.abs(Tumbler.displacement) / (Tumbler.tumbler.visibleItemCount / 2)
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: 17
            MouseArea {
                anchors.fill: parent
                onClicked: parent.Tumbler.tumbler.pick(index)
            }
        }
    }
}
