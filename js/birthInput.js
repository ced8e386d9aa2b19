// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library
.import chattutorial 1.0 as Native

// Rules the start button applies to the form before a person record is stored.

// 2 leap lunar month, 1 lunar, 0 solar. The traditional spellings count too, so
// a form filled while the interface shows Traditional Chinese keeps its type.
function calendarTypeCode(timeText) {
    var t = String(timeText);
    if (/[闰閏]/.test(t))
        return 2;
    if (/农历|農曆/.test(t))
        return 1;
    return 0;
}

// "农历: 1993年闰4月9日3时30分" -> "1993 4 9 3 30": year, month, day, hour and
// minute separated by blanks, in the calendar of the entry.
function calculationText(timeText) {
    var t = String(timeText);
    t = t.replace(/公历|公曆|农历|農曆|[闰閏]/g, "");
    t = t.replace(/[年月日时時分]/g, " ");
    t = t.replace(/[:：]/g, "");
    return t.replace(/\s+/g, " ").trim();
}

// The name stored for a record; an absent name takes the given default.
function recordName(name, defaultName) {
    if (name === undefined || name === null || name === false)
        return defaultName;
    var n = String(name).trim();
    return n.length === 0 ? defaultName : n;
}

// The form's time text: "公历: 2019年2月25日15时16分",
// "农历: 1993年闰4月9日3时30分". Calendar words stay untranslated here because
// the calendar-type code is read from them.
function timeText(lunar, leap, y, m, d, h, mi) {
    return (lunar ? "农历: " : "公历: ") + y + "年" + (lunar && leap ? "闰" : "") + m + "月" + d + "日"
            + h + "时" + mi + "分";
}

// The date and cycle rules live in the engine (CalendarRules); these names
// stay for the pages that call them.
function daysInSolarMonth(y, m) {
    return Native.CalendarRules.daysInMonth(y, m);
}

function isValidSolarDate(y, m, d) {
    return Native.CalendarRules.isValidDate(y, m, d);
}

// Julian day of a local civil moment (whole days at noon, UTC+8).
function julianDay(y, m, d, h, mi) {
    return Native.CalendarRules.julianDay(y, m, d, h || 0, mi || 0);
}

var lunarDayNames = ["初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                     "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                     "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"];

function monthStemFor(yearStem, branch) {
    return Native.CalendarRules.monthStem(yearStem, branch);
}

function hourStemFor(dayStem, branch) {
    return Native.CalendarRules.hourStem(dayStem, branch);
}

// Sixty-cycle index of a stem and branch of the same parity, else -1.
function chacIndex(stem, branch) {
    return Native.CalendarRules.sixtyIndex(stem, branch);
}

// "1990/5/17/ 8/00" (the chart engine's solar numeric text) -> numbers.
function parseSolarNumeric(text) {
    var parts = String(text).split("/");
    if (parts.length !== 5)
        return null;
    var v = parts.map(function (p) { return /^\s*\d+\s*$/.test(p) ? parseInt(p, 10) : NaN; });
    if (v.some(isNaN))
        return null;
    return {y: v[0], m: v[1], d: v[2], h: v[3], mi: v[4]};
}
