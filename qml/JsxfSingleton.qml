// SPDX-License-Identifier: GPL-3.0-or-later
pragma Singleton
import QtQuick 2.15
import chattutorial 1.0

// Script facade of the pages (the window's jsxf): name numerology, the place
// table, and the calendar calls that the native engine answers, so script and
// native dates never differ. The solar-time correction, summer time and the
// cycle names are CalendarRules' (the native engine's) and called there.
QtObject {
    id: jsxf

    readonly property string ymcZheng: "正二三四五六七八九十冬腊"
    readonly property var jieQiNames: ["立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满",
        "芒种", "夏至", "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪",
        "大雪", "冬至", "小寒", "大寒"]
    readonly property string weekNames: "日一二三四五六"

    // 0 when y-m-d is a date of the civil calendar (1800..2099), else -1 with
    // the dialog's message in outString.str.
    function sxf_checkSolarInput(y, m, d, outString) {
        var yy = Number(y), mm = Number(m), dd = Number(d)
        if (Number.isInteger(yy) && Number.isInteger(mm) && Number.isInteger(dd) && yy >= 1800 && yy <= 2099
                && CalendarRules.isValidDate(yy, mm, dd))
            return 0
        if (outString)
            outString.str = qsTr("无该日期，公历有的月份无29、30或31日。")
        return -1
    }

    // ---- texts in the window's script --------------------------------------

    // Engine vocabulary, documents and generated record texts in the window's
    // script (0 简体, 1 繁體); the one conversion every page uses.
    function shown(text, language) {
        var s = text === undefined || text === null ? "" : String(text)
        return easyfunction.convertScript(s, language)
    }

    // ---- large tables, made on first use -----------------------------------

    property QtObject placeTableObject: null
    property QtObject nameTablesObject: null

    function tablesObject(current, file) {
        return current !== null ? current : Qt.createComponent(Qt.resolvedUrl(file)).createObject(jsxf)
    }

    function placeRegions() {
        placeTableObject = tablesObject(placeTableObject, "PlaceTableData.qml")
        return placeTableObject.regions
    }

    function nameTables() {
        nameTablesObject = tablesObject(nameTablesObject, "NameTables.qml")
        return nameTablesObject
    }

    // ---- numerology -------------------------------------------------------

    // One character to one character, for counting strokes by the
    // Traditional form; shown texts go through shown() instead.
    function sxf_getTranBySimp(simTotal) {
        var s = String(simTotal === undefined || simTotal === null ? "" : simTotal)
        var r = ""
        for (var i = 0; i < s.length; i++)
            r += String.fromCharCode(tradCode(s.charCodeAt(i)))
        return r
    }

    // Traditional code of one simplified code (the sorted table bisected);
    // codes without an entry come back unchanged.
    function tradCode(simCode) {
        var tables = nameTables()
        var sim = tables.simCodes
        var low = 0, high = sim.length - 1
        while (low <= high) {
            var mid = (low + high) >> 1
            if (sim[mid] === simCode)
                return tables.tradCodes[mid]
            if (sim[mid] < simCode)
                low = mid + 1
            else
                high = mid - 1
        }
        return simCode
    }

    function sxf_caige_get(str1, str2, outCaige) {
        return nameTables().caigeGet(str1, str2, outCaige, sxf_getTranBySimp)
    }

    // The numerology page's computation as a pure function (see sanCaiWuGe.js).
    function sxf_caige_calculate(autoFuXing, fuXingChecked, theNameText) {
        return nameTables().calculateName(autoFuXing, fuXingChecked, theNameText, sxf_caige_get)
    }

    // ---- place table ------------------------------------------------------

    // The place table: for each region of bigPlaceNames (same index) its
    // places, each an encoded row [name, initials, longitude, latitude].
    function sxf_JWv() {
        return placeRegions().map(function (r) { return r[2] })
    }

    // { name, lng (east), lat (north), xslType } of one encoded row, or null.
    // xslType is the daylight-saving history of the place (Hong Kong 1,
    // Taiwan 2, else mainland 0).
    function sxf_JWdecode(row) {
        if (!Array.isArray(row) || row.length < 4)
            return null
        return { name: row[0], lng: row[2], lat: row[3], xslType: placeXslType(row[0]) }
    }

    function placeXslType(name) {
        if (name === "香港")
            return 1
        var regions = placeRegions()
        var taiwanPlaces = regions[regions.length - 1][2].slice(2).map(function (p) { return p[0] })
        return taiwanPlaces.indexOf(name) >= 0 ? 2 : 0
    }

    // Finds "gd gz" (initials of region and place) and answers
    // [region, place, cursor], or [-1, -1, -1] when nothing fits. Places with
    // the same initials are stepped in table order: pass the cursor of the
    // previous answer to get the next one (-1 for the first), wrapping round.
    function sxf_getIdxofPlacePinyin(text, from) {
        var none = [-1, -1, -1]
        var words = String(text === undefined || text === null ? "" : text).trim().toLowerCase().split(/\s+/)
        if (words.length < 1 || words.length > 2 || !/^[a-z]+( [a-z]+)?$/.test(words.join(" ")))
            return none
        var hits = []
        var regions = placeRegions()
        for (var i = 0; i < regions.length; i++) {
            var reg = regions[i]
            if (reg[1].indexOf(words[0]) !== 0)
                continue
            if (words.length === 1) {
                hits.push([i, 0])
                continue
            }
            for (var k = 0; k < reg[2].length; k++) {
                if (reg[2][k][1].indexOf(words[1]) === 0)
                    hits.push([i, k])
            }
        }
        if (hits.length === 0)
            return none
        var cursor = Number(from)
        cursor = Number.isInteger(cursor) && cursor >= 0 ? (cursor + 1) % hits.length : 0
        return [hits[cursor][0], hits[cursor][1], cursor]
    }

    // ---- calendar calls served by the native engine -------------------------
    // They go through one InSight object, made on first use (tests may put a
    // stand-in with the same properties in its place).

    property var nativeCalendarObject: null
    property Component nativeCalendarComponent: Component {
        InSight { }
    }

    function nativeCalendar() {
        if (nativeCalendarObject === null)
            nativeCalendarObject = nativeCalendarComponent.createObject(jsxf)
        return nativeCalendarObject
    }

    // Places a moment with the native engine; answers the solar and lunar
    // numeric texts split into numbers, or null. A calendar day (not a
    // birth) may lie in any year of the tables, to 2200.
    function nativePlace(solarlunar, y, m, d, h, mi, leap, calendarDay) {
        var ins = nativeCalendar()
        if (!ins)
            return null
        ins.reinitAllTimepoints()
        var placed = calendarDay ? ins.beginWithCalendarDay(solarlunar, y, m, d, h, mi, leap)
                                 : ins.beginWithTime(0, solarlunar, y, m, d, h, mi, leap, 0, 0)
        if (placed !== 0)
            return null
        var s = ins.thisSolarDateStrInt.split("/")
        var l = ins.thisLunarDateStrInt.split("/")
        var lm = String(l[1])
        return {
            y: Number(s[0]), m: Number(s[1]), d: Number(s[2]), h: Number(s[3]),
            ly: Number(l[0]), lm: Number(lm.replace("闰", "")), ld: Number(l[2]), leap: Number(l[4]),
            lunarText: ins.thisLunarDateStr, solarText: ins.thisSolarDateStr,
            yearChac: ins.yearChac, monthChac: ins.monthChac, dayChac: ins.dayChac,
            jieBefore: ins.jd_JieTimeBefore, qiMiddle: ins.jd_QiTimeMiddle, jieAfter: ins.jd_JieTimeAfter
        }
    }

    function sxf_myGetLunarBySolar(y, m, d, h, mi, out) {
        var r = nativePlace(0, y, m, d, h === undefined ? 12 : h, mi === undefined ? 0 : mi, 0)
        if (r === null)
            return -1
        if (out) {
            out.y = r.ly; out.m = r.lm; out.d = r.ld; out.leap = r.leap; out.str = r.lunarText
        }
        return 0
    }

    // The engine's lunar date check: 0 and the solar date in out, or the
    // engine's code and message (CalendarRules.solarOfLunar).
    function sxf_checkAndGetLunarInput(by, bm, bd, bl, out, outString) {
        var r = CalendarRules.lunarToSolar(Number(by), Number(bm), Number(bd), Number(bl) === 1)
        if (r.code !== 0) {
            if (outString)
                outString.str = r.message
            return r.code
        }
        if (out) {
            out.y = r.y; out.m = r.m; out.d = r.d
        }
        return 0
    }

    // One pass of the native engine over the days of a solar month: the
    // lunar day names (the first day of a lunar month shows the month name
    // instead) and the solar terms falling in the month as [{d, name, h, mi}],
    // or null when the engine cannot answer.
    function sxf_monthData(y, m) {
        var days = []
        var termJds = {}
        var last = CalendarRules.daysInMonth(y, m)
        for (var d = 1; d <= last; d++) {
            var r = nativePlace(0, y, m, d, 12, 0, 0, true)
            if (r === null)
                return null
            var name = r.ld === 1 ? (r.leap ? "闰" : "") + ymcZheng.charAt(r.lm - 1) + "月"
                                  : r.lunarText.replace(/^.*月/, "").replace("日", "")
            days.push(name)
            var k = CalendarRules.sinoMonth(CalendarRules.branchOf(r.monthChac))
            termJds[r.jieBefore.toFixed(6)] = CalendarRules.termIndex(k, false)
            termJds[r.qiMiddle.toFixed(6)] = CalendarRules.termIndex(k, true)
            termJds[r.jieAfter.toFixed(6)] = CalendarRules.termIndex(k + 1, false)
        }
        // Days whose lunar date could be a day off (new moon at midnight).
        var uncertain = []
        for (var u = 1; u <= last; u++)
            if (uncertainLunarDay(y, m, u))
                uncertain.push(u)
        var terms = termsFromService(y, m)
        if (terms !== null)
            return { lunar: days, terms: terms, uncertain: uncertain }
        terms = []
        for (var key in termJds) {
            var jd = Number(key)
            var t = CalendarRules.civilTime(jd)
            if (t.Y === y && t.M === m)
                terms.push({ d: t.D, name: jieQiNames[termJds[key]], h: t.h, mi: t.m, jd: jd })
        }
        terms.sort(function (a, b) { return a.jd - b.jd })
        return { lunar: days, terms: terms, uncertain: uncertain }
    }

    // The engine object (an InSight, or a test's stand-in) answers it.
    function uncertainLunarDay(y, m, d) {
        return nativeCalendar().uncertainLunarDay(y, m, d)
    }

    function sxf_lun_lunDayStrs(y, m) {
        var r = sxf_monthData(y, m)
        return r === null ? [] : r.lunar
    }

    function ganZhi(chac) {
        return CalendarRules.pillarName(chac)
    }

    // Details of one day for the calendar tab, as rich text.
    function sxf_newShowMessD(y, m, d) {
        var r = nativePlace(0, y, m, d, 12, 0, 0, true)
        if (r === null)
            return ""
        var wd = CalendarRules.weekday(y, m, d)
        return y + "年" + m + "月" + d + "日 星期" + weekNames.charAt(wd) + "<br>"
            + qsTr("农历：") + r.lunarText + "<br>"
            + ganZhi(r.yearChac) + "年 " + ganZhi(r.monthChac) + "月 " + ganZhi(r.dayChac) + "日"
            + (uncertainLunarDay(y, m, d)
               ? "<br>" + qsTr("此农历月的朔日距子夜仅数秒，月首日期不确定，农历日期可能差一日。") : "")
    }

    // Solar terms falling in a solar month from the service object's term
    // table, or null for a year outside it.
    function termsFromService(y, m) {
        if (!(Number(easyfunction.getBeginJDofSinoYM(y, 1)) > 0))
            return null
        var terms = []
        for (var sy = y - 1; sy <= y; sy++) {
            for (var sm = 1; sm <= 12; sm++) {
                var jds = [Number(easyfunction.getBeginJDofSinoYM(sy, sm)), Number(easyfunction.getMiddleJDofSinoYM(sy, sm))]
                for (var i = 0; i < 2; i++) {
                    if (!(jds[i] > 0))
                        continue
                    var t = CalendarRules.civilTime(jds[i])
                    if (t.Y === y && t.M === m)
                        terms.push({ d: t.D, name: jieQiNames[CalendarRules.termIndex(sm, i === 1)], h: t.h, mi: t.m, jd: jds[i],
                                     uncertain: nativeCalendar().uncertainTermDay(jds[i]) })
                }
            }
        }
        terms.sort(function (a, b) { return a.jd - b.jd })
        return terms
    }

    // Solar terms falling in a solar month: [{d, name, h, mi}] in time order.
    function sxf_monthTerms(y, m) {
        var t = termsFromService(y, m)
        if (t !== null)
            return t
        var r = sxf_monthData(y, m)
        return r === null ? [] : r.terms
    }

    // Solar terms falling in a solar month, as rich text lines.
    function sxf_newYueLiHTML(y, m) {
        return sxf_monthTerms(y, m).map(function (t) {
            return t.name + "：" + t.d + "日 " + ("0" + t.h).slice(-2) + ":" + ("0" + t.mi).slice(-2)
        }).join("<br>")
    }

    // Begin and end of sino month m of sino year y: out.begin / out.end are
    // date records (Y, M, D, h, m, s), out.beginJd / out.endJd the moments.
    function sxf_getYMDofBeginEndofSinoYM(y, m, out) {
        var b = Number(easyfunction.getBeginJDofSinoYM(y, m))
        var e = Number(easyfunction.getEndJDofSinoYM(y, m))
        if (!(b > 0) || !(e > 0))
            return -1
        out.beginJd = b
        out.endJd = e
        out.begin = CalendarRules.civilTime(b)
        out.end = CalendarRules.civilTime(e)
        return 0
    }
}
