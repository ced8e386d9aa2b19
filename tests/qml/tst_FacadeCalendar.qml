// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The facade's calendar calls: input checks, the lunar round trip and the
// calendar-tab texts. The lunar calendar itself is the native engine's; here
// a small stand-in with the engine's interface answers a few known dates
// (lunar 2023 has a leap second month: 闰二月初一 = 2023-03-22).
TestCase {
    name: "FacadeCalendar"

    QtObject {
        id: fakeEngine
        property string thisSolarDateStrInt: ""
        property string thisLunarDateStrInt: ""
        property string thisSolarDateStr: ""
        property string thisLunarDateStr: ""
        property int yearChac: 39
        property int monthChac: 14
        property int dayChac: 0
        property real jd_JieTimeBefore: 0
        property real jd_QiTimeMiddle: 0
        property real jd_JieTimeAfter: 0
        property int calls: 0
        readonly property string monthNames: "正二三四五六七八九十冬腊"
        readonly property var dayNames: ["初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
            "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
            "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"]
        // solar (2023, month, day) <-> lunar (month, day, leap) for February to April 2023
        function toLunar(m, d) {
            var n = (m === 2 ? d : m === 3 ? 28 + d : 59 + d) // day of the stretch from 2023-02-01
            if (n < 20) return [1, n + 11, 0]
            if (n < 50) return [2, n - 19, 0]
            if (n < 79) return [2, n - 49, 1]
            return [3, n - 78, 0]
        }
        function toSolar(lm, ld, leap) {
            if (leap === 1 && lm !== 2) return null
            var n = lm === 1 ? ld - 11 : lm === 2 ? (leap ? ld + 49 : ld + 19) : ld + 78
            if (n < 1 || n > 89) return null
            return n <= 28 ? [2, n] : n <= 59 ? [3, n - 28] : [4, n - 59]
        }
        function reinitAllTimepoints() { return 0 }
        function beginWithTime(g, solarlunar, y, m, d, h, mi, leap, zty, sw) {
            ++calls
            if (y !== 2023) return -1
            var s, l
            if (solarlunar === 0) {
                s = [m, d]
                l = toLunar(m, d)
            } else {
                s = toSolar(m, d, leap)
                if (s === null) return -1
                l = [m, d, leap]
            }
            thisSolarDateStrInt = "2023/" + s[0] + "/" + s[1] + "/ " + h + "/00"
            thisLunarDateStrInt = "2023/" + (l[2] ? "闰" : "") + l[0] + "/" + l[1] + "/" + h + "/" + l[2]
            thisSolarDateStr = "2023年" + s[0] + "月" + s[1] + "日 " + h + ":00"
            thisLunarDateStr = "2023年" + (l[2] ? "闰" : "") + monthNames.charAt(l[0] - 1) + "月" + dayNames[l[1] - 1] + "日"
            return 0
        }
        function beginWithCalendarDay(solarlunar, y, m, d, h, mi, leap) {
            return beginWithTime(0, solarlunar, y, m, d, h, mi, leap, 0, 0)
        }
        function uncertainTermDay(jd) { return false }
        function uncertainLunarDay(y, m, d) { return false }
    }

    function initTestCase() {
        JsxfSingleton.nativeCalendarObject = fakeEngine
    }

    function test_checkSolarInput_data() {
        return [
            { tag: "leap day", y: 2024, m: 2, d: 29, r: 0 },
            { tag: "no leap day", y: 2023, m: 2, d: 29, r: -1 },
            { tag: "April 31", y: 2023, m: 4, d: 31, r: -1 },
            { tag: "December 31", y: 2023, m: 12, d: 31, r: 0 },
            { tag: "before the range", y: 1799, m: 12, d: 31, r: -1 },
            { tag: "month 13", y: 2023, m: 13, d: 1, r: -1 },
            { tag: "not a number", y: "abc", m: 1, d: 1, r: -1 }
        ]
    }
    function test_checkSolarInput(row) {
        var msg = {}
        compare(JsxfSingleton.sxf_checkSolarInput(row.y, row.m, row.d, msg), row.r)
        compare(msg.str, row.r === 0 ? undefined : "无该日期，公历有的月份无29、30或31日。")
    }

    // The lunar input check is the engine's own (CalendarRules), not the stand-in's.
    function test_lunarInput_data() {
        return [
            { tag: "leap month", y: 2023, m: 2, d: 1, leap: 1, r: 0, solar: [2023, 3, 22] },
            { tag: "ordinary month", y: 2023, m: 3, d: 1, leap: 0, r: 0, solar: [2023, 4, 20] },
            { tag: "year without that leap month", y: 2023, m: 3, d: 1, leap: 1, r: -1, str: "当年农历无闰三月。" },
            { tag: "day 30 of a 29-day month", y: 2023, m: 2, d: 30, leap: 1, r: -7, str: "无该农历日期。" },
            { tag: "engine refuses", y: 1700, m: 1, d: 1, leap: 0, r: -3, str: "无该农历日期。" }
        ]
    }
    function test_lunarInput(row) {
        var out = {}
        var msg = {}
        compare(JsxfSingleton.sxf_checkAndGetLunarInput(row.y, row.m, row.d, row.leap, out, msg), row.r)
        if (row.r === 0)
            compare([out.y, out.m, out.d], row.solar)
        else
            compare(msg.str, row.str)
    }

    function test_lunarInputWithoutRecords() {
        compare(JsxfSingleton.sxf_checkAndGetLunarInput(2023, 3, 1, 1), -1)
        compare(JsxfSingleton.sxf_checkAndGetLunarInput(2023, 3, 1, 0), 0)
    }

    function test_lunarBySolar() {
        var out = {}
        compare(JsxfSingleton.sxf_myGetLunarBySolar(2023, 3, 22, 8, 0, out), 0)
        compare([out.y, out.m, out.d, out.leap], [2023, 2, 1, 1])
        compare(out.str, "2023年闰二月初一日")
        compare(JsxfSingleton.sxf_myGetLunarBySolar(1700, 1, 1, 8, 0, out), -1)
    }

    function test_lunarDayNames() {
        var days = JsxfSingleton.sxf_lun_lunDayStrs(2023, 3)
        compare(days.length, 31)
        compare(days[0], "初十")     // 2023-03-01
        compare(days[21], "闰二月")  // 2023-03-22 begins the leap month
        compare(days[30], "初十")
        compare(JsxfSingleton.sxf_lun_lunDayStrs(1700, 3), [])
    }

    function test_dayDetails() {
        var text = JsxfSingleton.sxf_newShowMessD(2023, 3, 22)
        verify(text.indexOf("2023年3月22日 星期三<br>") === 0, text)
        verify(text.indexOf("农历：2023年闰二月初一日") > 0, text)
        verify(text.indexOf("癸卯年 戊寅月 甲子日") > 0, text)
    }

    // Sino-month boundaries come from the service object; 2024's first sino
    // month runs from 立春 (16:27:07 Beijing time with the observed ΔT of 2024)
    // to 惊蛰 (3-05 10:22), with 雨水 on 2-19 at 12:13.
    function test_sinoMonthBoundaries() {
        var out = {}
        var r = JsxfSingleton.sxf_getYMDofBeginEndofSinoYM(2024, 1, out)
        if (!(Number(easyfunction.getBeginJDofSinoYM(2024, 1)) > 0)) {
            compare(r, -1)
            compare(JsxfSingleton.sxf_newYueLiHTML(2024, 2), "")
            skip("the service object does not serve the sino-month boundaries yet")
        }
        compare(r, 0)
        compare([out.begin.Y, out.begin.M, out.begin.D, out.begin.h, out.begin.m], [2024, 2, 4, 16, 27])
        compare([out.end.Y, out.end.M, out.end.D, out.end.h, out.end.m], [2024, 3, 5, 10, 22])
        compare(JsxfSingleton.sxf_newYueLiHTML(2024, 2), "立春：4日 16:27<br>雨水：19日 12:13")
        compare(JsxfSingleton.sxf_getYMDofBeginEndofSinoYM(2000, 13, out), -1)
    }
}
