// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/js/chartCalculation.js" as Calc
import "qrc:/js/plainText.js" as Plain
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
    // Flow months of the selected flow year whose first day the table's error
    // budget leaves open (InSight.flowWarnings).
    property var flowWarnings: []
    property string headerText: ""
    property string headerPlain: ""
    property bool showShenSha: false
    property bool showSettings: false
    property string copiedNote: ""

    readonly property var jsxf: JsxfSingleton
    // The window's shared settings; a view without a window (tests, tools)
    // reads and writes the same store through its own instance.
    readonly property QtObject settings: AppState.settings ? AppState.settings : ownSettings.createObject(first)
    Component {
        id: ownSettings
        GlobalSettings { }
    }
    readonly property bool useColor: settings.toUsingColorForChac !== 0
    readonly property int smallPx: settings.normalpxSize > 0 ? settings.normalpxSize : 14
    readonly property int mainPx: settings.normalMainChacpxSize > 0 ? settings.normalMainChacpxSize : 28
    readonly property bool rightToLeft: settings.firstPanelMainZhuRightToLeft === 1
    readonly property bool rowsRightToLeft: settings.firstPanelisShowRightToLeft === 1
    // 0 natal only .. 4 every layer (the onlyShow* views).
    readonly property int layerLimit: settings.layerLimit
    readonly property bool realAge: settings.toShowShiSuiXuSui === 1
    // Layers 0..4: natal, luck, flow year, month, day.
    readonly property var layerKeys: ["Main", "Yun", "Year", "YMon", "Ydmn"]
    function layerShown(layer) {
        return layer <= layerLimit && settings["show" + layerKeys[layer] + "ZhuInfo"] === 1;
    }
    // The layer of a ShenSha column: 0..3 natal, 4..7 luck to day, 8 and 9 natal.
    function layerOfColumn(column) {
        return column >= 4 && column <= 7 ? column - 3 : 0;
    }
    function starsShown(column) {
        return settings["show" + layerKeys[layerOfColumn(column)] + "ZhuSs"] === 1;
    }
    function relationsShown(column) {
        return settings["show" + layerKeys[layerOfColumn(column)] + "ZhuEff"] === 1;
    }

    // Chosen at opening from the setting, then by the button.
    property bool showAllWalking: false
    property bool showDisplay: false
    // The moment "today" is read from when a chart opens.
    property var currentDate: new Date()
    readonly property double nowJd: CalendarRules.julianDayOfInstant(currentDate)
    readonly property alias inviewInSight: inviewInSight
    readonly property alias gssRel: gssRel
    readonly property alias inviewOneCustModel: inviewOneCustModel

    signal calculated()

    // The lists as rows, or as panels (grids) on a wide window.
    property bool panelMode: false
    // A wide page shows the ShenSha view in its own tab instead.
    property bool shenShaElsewhere: false

    // 阳 or 阴 and the element of the day stem.
    function dayMasterWords() {
        var s = thisRiGanNum;
        return (s % 2 === 0 ? qsTr("阳") : qsTr("阴")) + [qsTr("木"), qsTr("火"), qsTr("土"), qsTr("金"), qsTr("水")][Math.floor(s / 2)];
    }

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
            item.rightToLeft = Qt.binding(function () { return first.rowsRightToLeft; });
            item.showShen10 = Qt.binding(function () { return first.settings.toShowGan10Shen === 1; });
            item.showCang = Qt.binding(function () { return first.settings.toShowZhiCang === 1; });
            item.showYun12 = Qt.binding(function () { return first.settings.toShowChangSheng12yun === 1; });
            item.smallPixelSize = Qt.binding(function () { return first.smallPx - 3; });
            item.mainPixelSize = Qt.binding(function () { return first.smallPx + 5; });
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
        settings.load(); // its own Component.onCompleted may come after this one
        showAllWalking = settings.showHorizontalYunSuiAndSSAtOpening === 1;
        toCalculate(0);
    }

    // The page's display settings apply at once.
    Connections {
        target: first.settings
        function onToShowGan10ShenChanged() { first.refreshCells(); }
        function onToShowZhiCangChanged() { first.refreshCells(); }
        function onToShowChangSheng12yunChanged() { first.refreshCells(); }
        function onToShowShiSuiXuSuiChanged() { first.refreshCells(); }
    }
    // A layer that is not shown takes no part in the relations either.
    readonly property var shownLayers: [layerShown(1), layerShown(2), layerShown(3), layerShown(4)]
    onShownLayersChanged: updateRelations()

    // Cells and list rows again, keeping the selection.
    function refreshCells() {
        if (!lastResult || !lastResult.ok)
            return;
        fillCells();
        fillLuck(lastResult.luck, currentSelection());
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
        // A recalculation of the same chart keeps the chosen luck pillar and flows.
        var keep = recal === 1 && thisTotalReady ? currentSelection() : null;
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
        thisRiGanNum = CalendarRules.stemOf(thisDayJiaZi);
        thisYueZhiNum = CalendarRules.branchOf(thisMonthJiaZi);
        thisShiZhiNum = CalendarRules.branchOf(thisHourJiaZi);
        thiYTGChengNum = inviewInSight.ytgChengCnt;
        fillHeader(r);
        fillStart();
        fillCells();
        fillLuck(r.luck, keep);
        thisTotalReady = false;
        thisTotalReady = true;
        calculated();
        return true;
    }

    // Engine and record texts are shown in the window's script.
    readonly property int language: AppState.language
    onLanguageChanged: {
        if (lastResult && lastResult.ok) {
            fillHeader(lastResult);
            // Relation names are converted when marked; mark again in the new script.
            if (thisTotalReady)
                markLayerRelations();
        }
    }

    // Name and place are the user's text: escaped in the rich header, as
    // typed in the copied one.
    function fillHeader(r) {
        var gender = parseInt(record.gender, 10) === 0 ? qsTr("男") : qsTr("女");
        var lines = [
            ["", gender + " " + String(record.name)],
            ["", String(record.inputPlaceName) + " " + qsTr("经度:") + r.longitude],
            ["", qsTr("原时间") + "：" + JsxfSingleton.shown(record.inputtime, language)],
            [qsTr("真太阳时："), r.out.bz_zty + " (" + r.out.bz_zptyGapStr + ")"],
            [qsTr("平太阳时："), String(r.out.bz_pty)],
            [qsTr("农历："), JsxfSingleton.shown(inviewInSight.thisLunarDateStr, language)]
        ];
        headerText = lines.map(function (l) {
            return (l[0] ? "<b>" + l[0] + "</b>" : "") + Plain.escaped(l[1]);
        }).join("<br>");
        headerPlain = lines.map(function (l) { return l[0] + l[1]; }).join("\n");
    }

    function fillCells() {
        var show = { toShowGan10Shen: settings.toShowGan10Shen, toShowZhiCang: settings.toShowZhiCang,
                     toShowChangSheng12yun: settings.toShowChangSheng12yun };
        var ps = [thisYearJiaZi, thisMonthJiaZi, thisDayJiaZi, thisHourJiaZi];
        var cells = [];
        for (var i = 0; i < 4; i++)
            cells.push(Calc.pillarCell(easyfunction, ps[i], thisRiGanNum, show));
        // The day stem is the reference of every ten god, not a 比肩 of itself.
        cells[2].shen10 = qsTr("日主");
        pillarCells = cells;
    }

    // The luck start: age in years, months and days, the exact moment, and
    // the derived pillars; the engine computes them, the page words them.
    property string startText: ""
    property var derivedPillars: []
    function fillStart() {
        var ins = inviewInSight;
        startText = qsTr("起运：出生后%1年%2个月%3天").arg(ins.startAgeYears).arg(ins.startAgeMonths).arg(ins.startAgeDays)
            + "　" + qsTr("交运：%1年%2月%3日 %4时%5分").arg(ins.solarYearOfBegin).arg(ins.solarMonthOfBegin)
                        .arg(ins.solarDayOfBegin).arg(ins.hourOfBegin).arg(ins.minuteOfBegin);
        var names = [qsTr("命宫"), qsTr("胎元"), qsTr("身宫")];
        var chacs = [ins.lifePalaceChac, ins.conceptionChac, ins.bodyPalaceChac];
        var list = [];
        for (var i = 0; i < 3; i++)
            list.push({ name: names[i], chac: chacs[i], gan: String(easyfunction.getGanStr(CalendarRules.stemOf(chacs[i]))),
                        zhi: String(easyfunction.getZhiStr(CalendarRules.branchOf(chacs[i]))), nayin: String(ins.getNaYinStr(chacs[i])) });
        derivedPillars = list;
    }

    // Sino year of birth: the instant decides around 立春, as for the year pillar.
    function birthSinoYear() {
        return CalendarRules.sinoYear(lastResult.chain.jdBeijing);
    }

    // Age shown under a luck pillar or flow year: real (周岁) or nominal (虚岁).
    function ageText(years) {
        return realAge ? qsTr("%1岁").arg(years) : qsTr("虚%1岁").arg(years + 1);
    }

    function luckStartDateText(i) {
        var ins = inviewInSight;
        return qsTr("%1年%2月%3日").arg(ins.solarYearOfBegin + 10 * i).arg(ins.solarMonthOfBegin).arg(ins.solarDayOfBegin);
    }

    // A row of a luck or flow list with the details its cell can show.
    function detailRow(title, chac, age, full) {
        var b = CalendarRules.branchOf(chac);
        var r = stripRow(title, chac, "");
        r.shen10 = String(full ? easyfunction.getShen10fullStr(thisRiGanNum, CalendarRules.stemOf(chac))
                               : easyfunction.getShen10Str(thisRiGanNum, CalendarRules.stemOf(chac)));
        if (full) {
            r.cang = String(easyfunction.getZhiCangGanStr(b));
            r.cangShen = String(easyfunction.getZhiCangGanShen10Str(thisRiGanNum, b));
            r.yun12 = String(easyfunction.getYun12Str(thisRiGanNum, b));
        }
        if (age !== undefined)
            r.age = ageText(age);
        return r;
    }

    function currentSelection() {
        var day = ydaylistiiCurrentIndex >= 0 && ydaylistiiCurrentIndex < dayRows.length ? dayRows[ydaylistiiCurrentIndex] : null;
        return { luck: yunlistiiCurrentIndex, year: yearlistiiCurrentIndex, month: ymonlistiiCurrentIndex, day: day };
    }

    function stripRow(title, chac, sub) {
        return { title: String(title), gan: String(easyfunction.getGanStr(CalendarRules.stemOf(chac))),
                 zhi: String(easyfunction.getZhiStr(CalendarRules.branchOf(chac))), sub: sub, chac: chac };
    }

    function fillLuck(rows, keep) {
        var list = [];
        var startAge = inviewInSight.startAgeYears;
        for (var i = 0; i < rows.length; i++)
            list.push(Object.assign(detailRow(rows[i].solarYear, rows[i].chac, startAge + 10 * i, true),
                                    { sinoYear: rows[i].sinoYear, solarYear: rows[i].solarYear }));
        luckRows = list;
        if (keep && keep.luck >= 0 && keep.luck < list.length) {
            selectLuck(keep.luck, undefined, keep);
            return;
        }
        // Today: the luck pillar and flow year it falls in.
        var now = CalendarRules.sinoYear(nowJd);
        var pick = 0;
        for (var k = 0; k < rows.length; k++) {
            if (rows[k].sinoYear <= now)
                pick = k;
        }
        selectLuck(pick, now);
    }

    function selectLuck(i, wantedYear, keep) {
        if (i < 0 || i >= luckRows.length)
            return;
        yunlistiiCurrentIndex = i;
        var years = Calc.flowYears(luckRows[i].sinoYear);
        var born = birthSinoYear();
        var list = [];
        for (var k = 0; k < years.length; k++)
            list.push(Object.assign(detailRow(years[k].sinoYear, years[k].chac, years[k].sinoYear - born, true),
                                    { sinoYear: years[k].sinoYear }));
        yearRows = list;
        var offset = keep ? keep.year : (wantedYear !== undefined ? wantedYear - luckRows[i].sinoYear : 0);
        selectYear(offset >= 0 && offset < 10 ? offset : 0, keep);
    }

    function selectYear(j, keep) {
        if (j < 0 || j >= yearRows.length)
            return;
        yearlistiiCurrentIndex = j;
        var months = Calc.flowMonths(jsxf, yearRows[j].sinoYear);
        var list = [];
        var pick = 0;
        for (var k = 0; k < months.length; k++) {
            list.push(Object.assign(detailRow(months[k].beginText, months[k].chac, undefined, false),
                                    { beginJd: months[k].beginJd, endJd: months[k].endJd }));
            if (months[k].beginJd <= nowJd && nowJd < months[k].endJd)
                pick = k;
        }
        monthRows = list;
        flowWarnings = inviewInSight.flowWarnings(yearRows[j].sinoYear);
        selectMonth(keep && keep.month >= 0 && keep.month < list.length ? keep.month : pick, false, keep);
    }

    function selectMonth(k, atEnd, keep) {
        if (k < 0 || k >= monthRows.length)
            return;
        ymonlistiiCurrentIndex = k;
        var days = Calc.flowDays(monthRows[k].beginJd, monthRows[k].endJd);
        var list = [];
        var want = keep && keep.day ? keep.day : Calc.jdToDate(nowJd);
        var wy = keep && keep.day ? want.y : want.Y, wm = keep && keep.day ? want.m : want.M, wd = keep && keep.day ? want.d : want.D;
        var pick = 0;
        for (var n = 0; n < days.length; n++) {
            list.push(Object.assign(detailRow(days[n].m + "/" + days[n].d, days[n].chac, undefined, false),
                                    { y: days[n].y, m: days[n].m, d: days[n].d }));
            if (days[n].y === wy && days[n].m === wm && days[n].d === wd)
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

    // One line per flow warning of the selected flow year; a year past the
    // term table says so instead of showing empty months.
    function flowWarningLines() {
        var lines = [];
        if (monthRows.length > 0 && !(monthRows[0].beginJd > 0))
            lines.push(qsTr("此流年超出节气表（至2200年），流月与流日无从排出"));
        for (var i = 0; i < flowWarnings.length; i++) {
            var w = flowWarnings[i];
            var away = Math.round(Number(w.minutesAway) * 60) + qsTr(" 秒，误差预算 ±") + w.budgetSeconds + qsTr(" 秒");
            if (w.kind === "jie-day")
                lines.push(qsTr("%1 距子夜 %2：流月首日 %3 也可能是 %4")
                           .arg("立春惊蛰清明立夏芒种小暑立秋白露寒露立冬大雪小寒".substr(w.termPosition, 2))
                           .arg(away).arg(w.monthStart).arg(w.alternativeMonthStart));
            else
                lines.push(qsTr("农历月朔距子夜 %1：月首 %2 也可能是 %3")
                           .arg(away).arg(w.monthStart).arg(w.alternativeMonthStart));
        }
        return lines;
    }

    function chacAt(rows, i) {
        return i >= 0 && i < rows.length ? rows[i].chac : -1;
    }

    property var presentColumns: []
    // Names of the relations that join each natal pillar with the selected
    // luck and flow pillars, and those among the selected layers themselves.
    property var pillarMarks: [[], [], [], []]
    property var layerMarks: []
    readonly property var columnNames: [qsTr("年柱"), qsTr("月柱"), qsTr("日柱"), qsTr("时柱"),
                                        qsTr("大运"), qsTr("流年"), qsTr("流月"), qsTr("流日")]

    function updateRelations() {
        if (!lastResult || !lastResult.ok)
            return;
        // Layers outside the chosen view, or switched off, take no part.
        var args = [thisYearJiaZi, thisMonthJiaZi, thisDayJiaZi, thisHourJiaZi,
                    layerShown(1) ? chacAt(luckRows, yunlistiiCurrentIndex) : -1,
                    layerShown(2) ? chacAt(yearRows, yearlistiiCurrentIndex) : -1,
                    layerShown(3) ? chacAt(monthRows, ymonlistiiCurrentIndex) : -1,
                    layerShown(4) ? chacAt(dayRows, ydaylistiiCurrentIndex) : -1,
                    lastResult.lifePalace, lastResult.conception];
        gssRel.updateShenShaRel(args[0], args[1], args[2], args[3], args[4], args[5], args[6], args[7], args[8], args[9]);
        var cols = [];
        for (var c = 0; c < 10; c++) {
            if (args[c] >= 0)
                cols.push(c);
        }
        presentColumns = cols;
        markLayerRelations();
    }

    function markLayerRelations() {
        var marks = [[], [], [], []];
        var among = [];
        var found = gssRel.layerRelations();
        for (var i = 0; i < found.length; i++) {
            var v = String(found[i]).split("|").map(function (x) { return parseInt(x, 10); });
            var hit = v[1] % 20;
            var partners = [];
            for (var k = 2; k < v.length; k++) {
                var pc = v[k] % 20;
                if (v[k] >= 0 && pc <= 7 && partners.indexOf(pc) < 0)
                    partners.push(pc);
            }
            if (!relationsShown(hit) || partners.some(function (pc) { return !relationsShown(pc); }))
                continue;
            var name = JsxfSingleton.shown(gssRel.relationName(v[0]), language);
            var others = partners.filter(function (pc) { return pc >= 4; })
                                 .map(function (pc) { return columnNames[pc]; }).join("、");
            if (hit < 4) {
                var text = others.length > 0 ? name + "·" + others : name;
                if (marks[hit].indexOf(text) < 0)
                    marks[hit].push(text);
            } else if (partners.every(function (pc) { return pc >= 4; }) && partners.every(function (pc) { return pc > hit; })) {
                // Among layers only: once, from the first of them.
                var t = columnNames[hit] + "·" + others + " " + name;
                if (among.indexOf(t) < 0)
                    among.push(t);
            }
        }
        pillarMarks = marks;
        layerMarks = among;
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
        thisRiGanNum = CalendarRules.stemOf(thisDayJiaZi);
        thisYueZhiNum = CalendarRules.branchOf(thisMonthJiaZi);
        thisShiZhiNum = CalendarRules.branchOf(thisHourJiaZi);
        fillCells();
        fillLuck(Calc.luckRows(c.luck, c.pillars[2], easyfunction));
        showingAlternative = true;
    }

    function shiftHour(step) {
        hourBackOrForward += step;
        toCalculate(1);
    }

    // Where the luck and flow lists begin, for scrolling them into view.
    function listsTop() {
        return layerLists.mapToItem(first, 0, 0).y;
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
            font.pixelSize: first.smallPx - 1
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

        Flow {
            visible: !first.isInComparedMode
            Layout.fillWidth: true
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
                visible: !first.shenShaElsewhere
                checkable: true
                checked: first.showShenSha
                onToggled: first.showShenSha = checked
            }
            Button {
                objectName: "displayButton"
                text: qsTr("显示")
                checkable: true
                checked: first.showDisplay
                onToggled: first.showDisplay = checked
            }
            Button {
                objectName: "allWalkingButton"
                text: qsTr("大运流年总览")
                checkable: true
                checked: first.showAllWalking
                onToggled: first.showAllWalking = checked
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

        DisplaySettingsPane {
            objectName: "displayPane"
            visible: first.showDisplay
            Layout.fillWidth: true
            settings: first.settings
        }

        // Notices about the chart itself (boundary warnings, rule choices,
        // candidates for an unknown hour) go here, above the pillars.
        ColumnLayout {
            id: chartNotices
            objectName: "chartNotices"
            Layout.fillWidth: true
            spacing: 2
        }

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: 10
            visible: first.thisTotalReady && first.layerShown(0)
            RowLayout {
                objectName: "pillarRow"
                spacing: 18
                layoutDirection: first.rightToLeft ? Qt.RightToLeft : Qt.LeftToRight
                Repeater {
                    model: ["年柱", "月柱", "日柱", "时柱"]
                    OneTextII {
                        objectName: "pillar" + index
                        // With the hour unknown the candidates below stand for the hour pillar.
                        visible: index < 3 || !Words.hourUnknown(first.recordWords)
                        zhuType: modelData
                        cell: first.pillarCells[index]
                        useColor: first.useColor
                        mainPixelSize: first.mainPx
                        smallPixelSize: first.smallPx - 1
                        marks: first.pillarMarks[index]
                        Layout.alignment: Qt.AlignTop
                    }
                }
            }
            Label {
                objectName: "riZhuNote"
                visible: first.settings.toShowRiZhuRight === 1 && first.thisTotalReady
                text: first.thisRiGanNum >= 0 && first.pillarCells[2] ? qsTr("日主") + "\n" + first.pillarCells[2].gan
                                                 + "\n" + first.dayMasterWords() : ""
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: first.smallPx
                color: P.accentDark
            }
        }

        Flow {
            Layout.fillWidth: true
            spacing: 12
            visible: first.thisTotalReady
            Label {
                objectName: "dayVoidLabel"
                text: first.lastResult && first.lastResult.ok ? qsTr("日空") + "：" + first.lastResult.dayVoid : ""
                font.pixelSize: first.smallPx - 1
                color: P.inkSoft
            }
            Label {
                objectName: "yearVoidLabel"
                text: first.lastResult && first.lastResult.ok ? qsTr("年空") + "：" + first.lastResult.yearVoid : ""
                font.pixelSize: first.smallPx - 1
                color: P.inkSoft
            }
        }

        // 命宫, 胎元 and 身宫 as full pillars with their NaYin.
        Flow {
            objectName: "derivedPillars"
            Layout.fillWidth: true
            spacing: 12
            visible: first.thisTotalReady
            Repeater {
                model: first.derivedPillars
                Label {
                    objectName: "derived" + index
                    text: modelData.name + "：" + modelData.gan + modelData.zhi + "（" + JsxfSingleton.shown(modelData.nayin, first.language) + "）"
                    font.pixelSize: first.smallPx - 1
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
            objectName: "startLabel"
            Layout.fillWidth: true
            visible: first.thisTotalReady
            text: first.startText
            wrapMode: Text.Wrap
            font.pixelSize: first.smallPx - 1
            color: P.accentDark
        }

        ColumnLayout {
            id: layerLists
            visible: first.thisTotalReady && !(first.showShenSha && !first.shenShaElsewhere)
            Layout.fillWidth: true
            spacing: 2
            StripLoader {
                objectName: "yunList"
                kind: "YunListView"
                visible: first.layerShown(1)
                Layout.fillWidth: true
                rows: first.luckRows
                current: first.yunlistiiCurrentIndex
                onPickedRow: first.selectLuck(index)
            }
            Label {
                objectName: "luckChosenLabel"
                visible: first.layerShown(1) && first.yunlistiiCurrentIndex >= 0
                Layout.fillWidth: true
                wrapMode: Text.Wrap
                text: first.yunlistiiCurrentIndex >= 0 && first.yunlistiiCurrentIndex < first.luckRows.length
                      ? qsTr("大运%1 交运：%2").arg(first.luckRows[first.yunlistiiCurrentIndex].gan
                                                      + first.luckRows[first.yunlistiiCurrentIndex].zhi)
                                              .arg(first.luckStartDateText(first.yunlistiiCurrentIndex)) : ""
                font.pixelSize: first.smallPx - 1
                color: P.inkSoft
            }
            StripLoader {
                objectName: "yearList"
                kind: "YearListView"
                visible: first.layerShown(2)
                Layout.fillWidth: true
                rows: first.yearRows
                current: first.yearlistiiCurrentIndex
                onPickedRow: first.selectYear(index)
            }
            StripLoader {
                objectName: "monthList"
                kind: "YMonthListView"
                visible: first.layerShown(3)
                Layout.fillWidth: true
                rows: first.monthRows
                current: first.ymonlistiiCurrentIndex
                onPickedRow: first.selectMonth(index)
            }
            Label {
                objectName: "flowWarningsLabel"
                visible: first.layerShown(3) && text.length > 0
                Layout.fillWidth: true
                wrapMode: Text.Wrap
                textFormat: Text.PlainText
                text: JsxfSingleton.shown(first.flowWarningLines().map(function (t) { return "⚠ " + t; }).join("\n"),
                                          first.language)
                font.pixelSize: first.smallPx - 1
                color: P.warning
            }
            RowLayout {
                Layout.fillWidth: true
                visible: first.layerShown(4)
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
                        Label { text: parent.parent.row ? JsxfSingleton.shown(parent.parent.row.title, first.language) : ""; font.pixelSize: 11 }
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
            // Relations among the selected layers themselves (岁运并临 and the like).
            Label {
                objectName: "layerMarksLabel"
                visible: first.layerMarks.length > 0
                Layout.fillWidth: true
                wrapMode: Text.Wrap
                text: first.layerMarks.join("　")
                font.pixelSize: first.smallPx - 1
                color: P.warning
            }
            AllWalking {
                objectName: "allWalking"
                Layout.fillWidth: true
                implicitHeight: 200
                visible: first.showAllWalking && first.layerShown(1)
                layoutDirection: first.rowsRightToLeft ? Qt.RightToLeft : Qt.LeftToRight
                useColor: first.useColor
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
            id: shenShaView
            objectName: "shenShaView"
            visible: first.thisTotalReady && first.showShenSha && !first.shenShaElsewhere
            Layout.fillWidth: true
            chart: first
        }
    }
}
