// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/js/chartCalculation.js" as Calc
import "qrc:/js/recordWords.js" as Words
import "qrc:/qml/MyFusion/Palette.js" as P

// The chart view of one person record: header, time switches, the four
// pillars, luck and flow lists and the ShenSha view. The calculation itself is
// chartCalculation.calculate(); this item holds the page state around it.
Pane {
    id: first
    padding: 6

    property string theuserid: ""
    property bool isInComparedMode: false
    property bool notToDoCalculation: false

    property int thisYearJiaZi: -1
    property int thisMonthJiaZi: -1
    property int thisDayJiaZi: -1
    property int thisHourJiaZi: -1
    property int thisRiGanNum: -1
    property int thisYueZhiNum: -1
    property int thisShiZhiNum: -1
    property int thiYTGChengNum: 70
    property bool thisTotalReady: false

    property int toUseZhenTaiYangShiTransit: 0
    property int isUsingJingDuTransit: 0
    property int itoChangeDay23clock: 1
    property int itoUsingXiaShiLing: 0
    property int hourBackOrForward: 0
    // A local time that did not exist or existed twice, read as summer time.
    property bool daylightReading: false
    // Abroad: "on" or "off" when the summer-time switch overrides the tz database.
    property string dstOverride: ""

    property bool isIn23clock: false
    property bool isIn23clockAfterZPty: false
    property bool isInXSLTime: false

    property int yunlistiiCurrentIndex: -1
    property int yearlistiiCurrentIndex: -1
    property int ymonlistiiCurrentIndex: -1
    property int ydaylistiiCurrentIndex: -1

    property var lastResult: null
    property var record: ({})
    property var pillarCells: [null, null, null, null]
    property var luckRows: []
    property var yearRows: []
    property var monthRows: []
    property var dayRows: []
    property string headerText: ""
    property string headerPlain: ""
    property bool showShenSha: false
    property bool showSettings: false
    property string copiedNote: ""

    readonly property var jsxf: (typeof windowRoot !== "undefined" && windowRoot && windowRoot.jsxf) ? windowRoot.jsxf
                                                                                                    : JsxfSingleton
    readonly property var settings: (typeof windowRoot !== "undefined" && windowRoot && windowRoot.gSet) ? windowRoot.gSet
        : ({ toUsingColorForChac: 1, toShowGan10Shen: 1, toShowZhiCang: 1, toShowChangSheng12yun: 1,
             firstPanelMainZhuRightToLeft: 1, normalMainChacpxSize: 28 })
    readonly property bool useColor: settings.toUsingColorForChac !== 0
    readonly property alias inviewInSight: inviewInSight
    readonly property alias gssRel: gssRel
    readonly property alias inviewOneCustModel: inviewOneCustModel

    signal calculated()

    // The lists as rows, or as panels (grids) on a wide window.
    property bool panelMode: false

    component StripLoader: Loader {
        property string kind: ""
        property var rows: []
        property int current: -1
        signal pickedRow(int index)
        source: kind.length > 0 ? "qrc:/qml/" + kind + (first.panelMode ? "Panel" : "") + ".qml" : ""
        onLoaded: {
            item.rows = Qt.binding(function () { return rows; });
            item.currentIndex = Qt.binding(function () { return current; });
            item.useColor = Qt.binding(function () { return first.useColor; });
            item.picked.connect(pickedRow);
        }
    }

    // Its userid is set by toCalculate before each read: a binding could update
    // after onTheuseridChanged had already read the old selection.
    SqloneCustomerModel {
        id: inviewOneCustModel
    }

    InSight {
        id: inviewInSight
    }

    ChartCalculation {
        id: chartCalculation
    }

    GetShenShaRelations {
        id: gssRel
    }

    onTheuseridChanged: {
        hourBackOrForward = 0;
        if (completed)
            toCalculate(0);
    }

    property bool completed: false
    Component.onCompleted: {
        completed = true;
        toCalculate(0);
    }

    function pageSwitches(recal) {
        return { recal: recal, toUseZhenTaiYangShiTransit: toUseZhenTaiYangShiTransit,
                 isUsingJingDuTransit: isUsingJingDuTransit, itoChangeDay23clock: itoChangeDay23clock,
                 itoUsingXiaShiLing: itoUsingXiaShiLing, hourBackOrForward: hourBackOrForward,
                 daylightReading: daylightReading, dstMode: dstOverride };
    }

    // The whole calculation of the chart page for the chosen record; answers
    // whether a chart was cast.
    function toCalculate(recal) {
        if (notToDoCalculation || !Calc.isUsableUserid(theuserid))
            return false;
        if (inviewOneCustModel.userid !== theuserid)
            inviewOneCustModel.userid = theuserid;
        record = Calc.readRecord(inviewOneCustModel, theuserid);
        if (recal !== 1) {
            toUseZhenTaiYangShiTransit = parseInt(record.usingZty, 10) === 1 ? 1 : 0;
            isUsingJingDuTransit = parseInt(record.usingPty, 10) === 1 ? 1 : 0;
            itoChangeDay23clock = parseInt(record.toChangeDay23clock, 10) === 0 ? 0 : 1;
            itoUsingXiaShiLing = parseInt(record.usingXiaShiLingclock, 10) === 1 ? 1 : 0;
            var words = String(record.extraColumn4).split(" ");
            daylightReading = words.indexOf("daylight") >= 0;
            dstOverride = words.indexOf("on") >= 0 ? "on" : words.indexOf("off") >= 0 ? "off" : "";
        }
        recordWords = String(inviewOneCustModel.getCustInfoByStrName(theuserid, "extraColumn4"));
        inviewInSight.setLuckRuleName(Words.luckRule(recordWords, settings.luckRule || "described"));
        showingAlternative = false;
        var r = Calc.calculate(record, pageSwitches(recal),
                               { calculation: chartCalculation, jsxf: jsxf, insight: inviewInSight, easyfunction: easyfunction,
                                 warn: function (m) { console.warn(m); } });
        lastResult = r;
        if (!r.ok) {
            thisTotalReady = false;
            return false;
        }
        isInXSLTime = r.isInXSLTime;
        // Abroad the switch starts as the tz database found the moment.
        if (!r.chain.tableRegion)
            itoUsingXiaShiLing = r.chain.dstMinutes > 0 ? 1 : 0;
        isIn23clock = r.isIn23clock;
        isIn23clockAfterZPty = r.isIn23clockAfterZPty;
        thisYearJiaZi = r.pillars[0];
        thisMonthJiaZi = r.pillars[1];
        thisDayJiaZi = r.pillars[2];
        thisHourJiaZi = r.pillars[3];
        thisRiGanNum = thisDayJiaZi % 10;
        thisYueZhiNum = thisMonthJiaZi % 12;
        thisShiZhiNum = thisHourJiaZi % 12;
        thiYTGChengNum = inviewInSight.ytgChengCnt;
        fillHeader(r);
        fillCells();
        fillLuck(r.luck);
        thisTotalReady = false;
        thisTotalReady = true;
        calculated();
        return true;
    }

    function fillHeader(r) {
        var gender = parseInt(record.gender, 10) === 0 ? qsTr("男") : qsTr("女");
        var h = gender + " " + String(record.name) + "<br>" + String(record.inputPlaceName) + " " + qsTr("经度:")
            + r.longitude + "<br>" + qsTr("原时间") + "：" + String(record.inputtime)
            + "<br><b>" + qsTr("真太阳时：") + "</b>" + r.out.bz_zty + " (" + r.out.bz_zptyGapStr + ")"
            + "<br><b>" + qsTr("平太阳时：") + "</b>" + r.out.bz_pty
            + "<br><b>" + qsTr("农历：") + "</b>" + inviewInSight.thisLunarDateStr;
        headerText = h;
        headerPlain = h.replace(/<br>/g, "\n").replace(/<[^>]*>/g, "");
    }

    function fillCells() {
        var show = { toShowGan10Shen: settings.toShowGan10Shen, toShowZhiCang: settings.toShowZhiCang,
                     toShowChangSheng12yun: settings.toShowChangSheng12yun };
        var ps = [thisYearJiaZi, thisMonthJiaZi, thisDayJiaZi, thisHourJiaZi];
        var cells = [];
        for (var i = 0; i < 4; i++)
            cells.push(Calc.pillarCell(easyfunction, ps[i], thisRiGanNum, show));
        pillarCells = cells;
    }

    function stripRow(title, chac, sub) {
        return { title: String(title), gan: String(easyfunction.getGanStr(chac % 10)),
                 zhi: String(easyfunction.getZhiStr(chac % 12)), sub: sub, chac: chac };
    }

    function fillLuck(rows) {
        var list = [];
        for (var i = 0; i < rows.length; i++)
            list.push(Object.assign(stripRow(rows[i].solarYear, rows[i].chac, rows[i].yun12), { sinoYear: rows[i].sinoYear }));
        luckRows = list;
        var now = new Date().getFullYear();
        var pick = 0;
        for (var k = 0; k < rows.length; k++) {
            if (rows[k].sinoYear <= now)
                pick = k;
        }
        selectLuck(pick, now);
    }

    function selectLuck(i, wantedYear) {
        if (i < 0 || i >= luckRows.length)
            return;
        yunlistiiCurrentIndex = i;
        var years = Calc.flowYears(luckRows[i].sinoYear);
        var list = [];
        for (var k = 0; k < years.length; k++)
            list.push(Object.assign(stripRow(years[k].sinoYear, years[k].chac,
                                             String(easyfunction.getShen10Str(thisRiGanNum, years[k].chac % 10))),
                                    { sinoYear: years[k].sinoYear }));
        yearRows = list;
        var offset = wantedYear !== undefined ? wantedYear - luckRows[i].sinoYear : 0;
        selectYear(offset >= 0 && offset < 10 ? offset : 0);
    }

    function selectYear(j) {
        if (j < 0 || j >= yearRows.length)
            return;
        yearlistiiCurrentIndex = j;
        var months = Calc.flowMonths(jsxf, yearRows[j].sinoYear);
        var list = [];
        var nowJd = Date.now() / 86400000 + 2440587.5 + 8 / 24;
        var pick = 0;
        for (var k = 0; k < months.length; k++) {
            list.push(Object.assign(stripRow(months[k].beginText, months[k].chac, ""),
                                    { beginJd: months[k].beginJd, endJd: months[k].endJd }));
            if (months[k].beginJd <= nowJd && nowJd < months[k].endJd)
                pick = k;
        }
        monthRows = list;
        selectMonth(pick);
    }

    function selectMonth(k, atEnd) {
        if (k < 0 || k >= monthRows.length)
            return;
        ymonlistiiCurrentIndex = k;
        var days = Calc.flowDays(monthRows[k].beginJd, monthRows[k].endJd);
        var list = [];
        var today = new Date();
        var pick = 0;
        for (var n = 0; n < days.length; n++) {
            list.push(Object.assign(stripRow(days[n].m + "/" + days[n].d, days[n].chac, ""),
                                    { y: days[n].y, m: days[n].m, d: days[n].d }));
            if (days[n].y === today.getFullYear() && days[n].m === today.getMonth() + 1 && days[n].d === today.getDate())
                pick = n;
        }
        dayRows = list;
        selectDay(atEnd ? list.length - 1 : pick);
    }

    function selectDay(n) {
        if (n < 0 || n >= dayRows.length)
            return;
        ydaylistiiCurrentIndex = n;
        updateRelations();
    }

    // Moves the flow day, crossing into the next or previous month.
    function moveDay(delta) {
        var n = ydaylistiiCurrentIndex + delta;
        while (n >= dayRows.length && ymonlistiiCurrentIndex < monthRows.length - 1) {
            n -= dayRows.length;
            selectMonth(ymonlistiiCurrentIndex + 1);
        }
        while (n < 0 && ymonlistiiCurrentIndex > 0) {
            selectMonth(ymonlistiiCurrentIndex - 1, true);
            n += dayRows.length;
        }
        selectDay(Math.max(0, Math.min(dayRows.length - 1, n)));
    }

    function chacAt(rows, i) {
        return i >= 0 && i < rows.length ? rows[i].chac : -1;
    }

    property var presentColumns: []

    function updateRelations() {
        if (!lastResult || !lastResult.ok)
            return;
        var args = [thisYearJiaZi, thisMonthJiaZi, thisDayJiaZi, thisHourJiaZi,
                    chacAt(luckRows, yunlistiiCurrentIndex), chacAt(yearRows, yearlistiiCurrentIndex),
                    chacAt(monthRows, ymonlistiiCurrentIndex), chacAt(dayRows, ydaylistiiCurrentIndex),
                    lastResult.lifePalace, lastResult.conception];
        gssRel.updateShenShaRel(args[0], args[1], args[2], args[3], args[4], args[5], args[6], args[7], args[8], args[9]);
        var cols = [];
        for (var c = 0; c < 10; c++) {
            if (args[c] >= 0)
                cols.push(c);
        }
        presentColumns = cols;
    }

    // A switch of the settings pane: stored in the record, then recalculated.
    function storeSwitch(column, value) {
        if (Calc.isUsableUserid(theuserid)) {
            inviewOneCustModel.updateCustInfoByStrName(theuserid, column, String(value));
            // Abroad the summer-time switch overrides the tz database; the
            // override and the reading of a gap are kept beside the zone.
            if (column === "usingXiaShiLingclock" && lastResult && lastResult.ok && !lastResult.chain.tableRegion) {
                dstOverride = value === 1 ? "on" : "off";
                storeMomentWords(dstOverride, daylightReading);
            }
        }
        toCalculate(1);
    }

    function storeMomentWords(dst, daylight) {
        // The luck-start rule and an unknown hour share the column.
        var words = Words.wordsOf(recordWords).filter(function (w) {
            return w.indexOf("luck:") === 0 || w === "hour-unknown";
        });
        if (dst.length > 0)
            words.push(dst);
        if (daylight)
            words.push("daylight");
        inviewOneCustModel.updateCustInfoByStrName(theuserid, "extraColumn4", words.join(" "));
    }

    function chooseReading(daylight) {
        daylightReading = daylight;
        if (Calc.isUsableUserid(theuserid))
            storeMomentWords(dstOverride, daylight);
        toCalculate(1);
    }

    function chooseTimeKind(kind) {
        toUseZhenTaiYangShiTransit = kind === "zty" ? 1 : 0;
        isUsingJingDuTransit = kind === "pty" ? 1 : 0;
        if (Calc.isUsableUserid(theuserid))
            inviewOneCustModel.updateCustInfoByStrName(theuserid, "usingZty", String(toUseZhenTaiYangShiTransit));
        storeSwitch("usingPty", isUsingJingDuTransit);
    }

    // Luck-start rule, boundary warnings and unknown hour (LuckRulesTable,
    // ChartBoundaryStrip, HourCandidatesView).
    property string recordWords: ""
    property bool showingAlternative: false
    property bool showLuckRules: false

    function chooseLuckRule(rule) {
        if (typeof settings.luckRule === "string")
            settings.luckRule = rule;
        if (Calc.isUsableUserid(theuserid))
            inviewOneCustModel.updateCustInfoByStrName(theuserid, "extraColumn4", Words.withLuckRule(recordWords, rule));
        toCalculate(1);
    }

    // The chart on the other side of a boundary, cast from the corrected moment.
    function showAlternative(w) {
        if (!lastResult || !lastResult.ok)
            return;
        var m = w.moment;
        inviewInSight.reinitAllTimepoints();
        if (Number(inviewInSight.beginWithTime(lastResult.genderCode, 0, m[0], m[1], m[2], m[3], m[4], 0,
                                               w.ztyJdPlus, itoChangeDay23clock)) !== 0) {
            toCalculate(1);
            return;
        }
        var c = chartCalculation.chartOf(inviewInSight);
        thisYearJiaZi = c.pillars[0];
        thisMonthJiaZi = c.pillars[1];
        thisDayJiaZi = c.pillars[2];
        thisHourJiaZi = c.pillars[3];
        thisRiGanNum = thisDayJiaZi % 10;
        thisYueZhiNum = thisMonthJiaZi % 12;
        thisShiZhiNum = thisHourJiaZi % 12;
        fillCells();
        fillLuck(Calc.luckRows(c.luck, c.pillars[2], easyfunction));
        showingAlternative = true;
    }

    function shiftHour(step) {
        hourBackOrForward += step;
        toCalculate(1);
    }

    function copyHeader() {
        easyfunction.setTextToClipboard(headerPlain);
        copiedNote = qsTr("已复制到粘贴板");
        copiedTimer.restart();
    }

    Timer {
        id: copiedTimer
        interval: 1500
        onTriggered: first.copiedNote = ""
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 4

        Label {
            id: headerLabel
            objectName: "headerLabel"
            Layout.fillWidth: true
            text: first.headerText
            textFormat: Text.StyledText
            wrapMode: Text.Wrap
            font.pixelSize: 13
            visible: text.length > 0
            MouseArea {
                anchors.fill: parent
                onClicked: first.copyHeader()
            }
        }
        ChartMomentHeader {
            objectName: "momentHeader"
            Layout.fillWidth: true
            result: first.lastResult
            onReadingChosen: first.chooseReading(daylight)
        }
        Label {
            objectName: "copiedNote"
            text: first.copiedNote
            visible: text.length > 0
            color: P.accent
        }

        RowLayout {
            visible: !first.isInComparedMode
            spacing: 4
            Button {
                objectName: "hourBackButton"
                text: qsTr("调前一时")
                onClicked: first.shiftHour(-1)
            }
            Button {
                objectName: "hourForwardButton"
                text: qsTr("调后一时")
                onClicked: first.shiftHour(1)
            }
            Button {
                objectName: "settingsButton"
                text: qsTr("设置")
                checkable: true
                checked: first.showSettings
                onToggled: first.showSettings = checked
            }
            Button {
                objectName: "luckRulesButton"
                text: qsTr("起运规则")
                checkable: true
                checked: first.showLuckRules
                onToggled: first.showLuckRules = checked
            }
            Button {
                objectName: "shenShaButton"
                text: qsTr("神煞")
                checkable: true
                checked: first.showShenSha
                onToggled: first.showShenSha = checked
            }
        }

        Pane {
            objectName: "settingsPane"
            visible: first.showSettings
            Layout.fillWidth: true
            padding: 4
            Flow {
                width: parent.width
                spacing: 6
                RadioButton {
                    objectName: "ztyRadio"
                    text: qsTr("真太阳时")
                    checked: first.toUseZhenTaiYangShiTransit === 1
                    onToggled: if (checked) first.chooseTimeKind("zty")
                }
                RadioButton {
                    objectName: "ptyRadio"
                    text: qsTr("采用平太阳时")
                    checked: first.toUseZhenTaiYangShiTransit === 0 && first.isUsingJingDuTransit === 1
                    onToggled: if (checked) first.chooseTimeKind("pty")
                }
                RadioButton {
                    objectName: "clockRadio"
                    text: qsTr("采用钟表时间")
                    checked: first.toUseZhenTaiYangShiTransit === 0 && first.isUsingJingDuTransit === 0
                    onToggled: if (checked) first.chooseTimeKind("clock")
                }
                Switch {
                    objectName: "xslSwitch"
                    text: qsTr("夏时令")
                    visible: first.isInXSLTime
                    checked: first.itoUsingXiaShiLing === 1
                    onToggled: {
                        first.itoUsingXiaShiLing = checked ? 1 : 0;
                        first.storeSwitch("usingXiaShiLingclock", first.itoUsingXiaShiLing);
                    }
                }
                Switch {
                    objectName: "day23Switch"
                    text: checked ? qsTr("子时换日") : qsTr("零点换日")
                    checked: first.itoChangeDay23clock === 1
                    onToggled: {
                        first.itoChangeDay23clock = checked ? 1 : 0;
                        first.storeSwitch("toChangeDay23clock", first.itoChangeDay23clock);
                    }
                }
            }
        }

        RowLayout {
            objectName: "pillarRow"
            Layout.alignment: Qt.AlignHCenter
            spacing: 18
            layoutDirection: first.settings.firstPanelMainZhuRightToLeft === 1 ? Qt.RightToLeft : Qt.LeftToRight
            visible: first.thisTotalReady
            Repeater {
                model: ["年柱", "月柱", "日柱", "时柱"]
                OneTextII {
                    objectName: "pillar" + index
                    // With the hour unknown the candidates below stand for the hour pillar.
                    visible: index < 3 || !Words.hourUnknown(first.recordWords)
                    zhuType: modelData
                    cell: first.pillarCells[index]
                    useColor: first.useColor
                    mainPixelSize: first.settings.normalMainChacpxSize || 28
                }
            }
        }

        ChartBoundaryStrip {
            objectName: "boundaryStrip"
            Layout.fillWidth: true
            visible: first.thisTotalReady
            insight: inviewInSight
            switch11pm: first.itoChangeDay23clock
            trueSolarTime: !!(first.lastResult && first.lastResult.ok && !first.lastResult.clockTime)
            showingAlternative: first.showingAlternative
            onAlternativeRequested: first.showAlternative(warning)
            onOriginalRequested: first.toCalculate(1)
        }
        LuckRulesTable {
            objectName: "luckRulesTable"
            Layout.fillWidth: true
            visible: first.thisTotalReady && first.showLuckRules
            insight: inviewInSight
            onRuleChosen: first.chooseLuckRule(rule)
        }
        HourCandidatesView {
            objectName: "hourCandidatesView"
            Layout.fillWidth: true
            visible: first.thisTotalReady && Words.hourUnknown(first.recordWords)
            insight: visible ? inviewInSight : null
            gender: first.lastResult && first.lastResult.ok ? first.lastResult.genderCode : 0
            year: first.lastResult && first.lastResult.ok ? first.lastResult.moment.y : 0
            month: first.lastResult && first.lastResult.ok ? first.lastResult.moment.m : 0
            day: first.lastResult && first.lastResult.ok ? first.lastResult.moment.d : 0
            ztyJdPlus: first.lastResult && first.lastResult.ok ? inviewInSight.solarTimeOffset() : 0
            switch11pm: first.itoChangeDay23clock
            useColor: first.useColor
        }

        Label {
            objectName: "dayVoidLabel"
            visible: first.thisTotalReady
            text: first.lastResult && first.lastResult.ok ? qsTr("日空") + "：" + first.lastResult.dayVoid : ""
            font.pixelSize: 13
            color: P.inkSoft
        }

        ColumnLayout {
            visible: first.thisTotalReady && !first.showShenSha
            Layout.fillWidth: true
            spacing: 2
            StripLoader {
                objectName: "yunList"
                kind: "YunListView"
                Layout.fillWidth: true
                rows: first.luckRows
                current: first.yunlistiiCurrentIndex
                onPickedRow: first.selectLuck(index)
            }
            StripLoader {
                objectName: "yearList"
                kind: "YearListView"
                Layout.fillWidth: true
                rows: first.yearRows
                current: first.yearlistiiCurrentIndex
                onPickedRow: first.selectYear(index)
            }
            StripLoader {
                objectName: "monthList"
                kind: "YMonthListView"
                Layout.fillWidth: true
                rows: first.monthRows
                current: first.ymonlistiiCurrentIndex
                onPickedRow: first.selectMonth(index)
            }
            RowLayout {
                Layout.fillWidth: true
                StripLoader {
                    objectName: "dayList"
                    kind: "YDayInMonthListView"
                    Layout.fillWidth: true
                    rows: first.dayRows
                    current: first.ydaylistiiCurrentIndex
                    onPickedRow: first.selectDay(index)
                }
                // The flow day: lower half one day on, upper half one back;
                // press and hold for ten.
                Rectangle {
                    objectName: "flowDayCell"
                    Layout.preferredWidth: 56
                    Layout.preferredHeight: 84
                    color: P.accentLight
                    radius: 4
                    property var row: first.ydaylistiiCurrentIndex >= 0 && first.ydaylistiiCurrentIndex < first.dayRows.length
                                      ? first.dayRows[first.ydaylistiiCurrentIndex] : null
                    Column {
                        anchors.centerIn: parent
                        Label { text: parent.parent.row ? parent.parent.row.title : ""; font.pixelSize: 11 }
                        Label { text: parent.parent.row ? parent.parent.row.gan + parent.parent.row.zhi : ""; font.pixelSize: 17 }
                        Label { text: "▲▼"; font.pixelSize: 10; color: P.inkSoft }
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: first.moveDay(mouse.y > height / 2 ? 1 : -1)
                        onPressAndHold: first.moveDay(mouse.y > height / 2 ? 10 : -10)
                    }
                }
            }
            AllWalking {
                objectName: "allWalking"
                Layout.fillWidth: true
                implicitHeight: 200
                visible: first.settings.showHorizontalYunSuiAndSSAtOpening === 1
                luckRows: first.luckRows
                selectedLuck: first.yunlistiiCurrentIndex
                selectedYear: first.yearlistiiCurrentIndex
                onYearPicked: {
                    first.selectLuck(luckIndex);
                    first.selectYear(yearOffset);
                }
            }
        }

        ShowingShenShaNew {
            objectName: "shenShaView"
            visible: first.thisTotalReady && first.showShenSha
            Layout.fillWidth: true
            gss: gssRel
            useColor: first.useColor
            presentColumns: first.presentColumns
        }
    }
}
