.pragma library

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

// Days of a solar month: Gregorian from 1582-10-15, Julian before.
function daysInSolarMonth(y, m) {
    var lengths = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31];
    if (m < 1 || m > 12)
        return 0;
    if (m !== 2)
        return lengths[m - 1];
    var leap = y > 1582 ? ((y % 4 === 0 && y % 100 !== 0) || y % 400 === 0) : (y % 4 === 0);
    return leap ? 29 : 28;
}

// True when the solar date exists (1582-10-05 .. 10-14 never did).
function isValidSolarDate(y, m, d) {
    if (d < 1 || d > daysInSolarMonth(y, m))
        return false;
    return !(y === 1582 && m === 10 && d > 4 && d < 15);
}

// Julian day of a local civil moment (whole days at noon), Gregorian calendar
// from 1582-10-15 and Julian before, after Meeus, Astronomical Algorithms ch. 7.
function julianDay(y, m, d, h, mi) {
    var yy = y, mm = m;
    if (mm <= 2) {
        yy -= 1;
        mm += 12;
    }
    var b = 0;
    if (y * 10000 + m * 100 + d >= 15821015) {
        var a = Math.floor(yy / 100);
        b = 2 - a + Math.floor(a / 4);
    }
    return Math.floor(365.25 * (yy + 4716)) + Math.floor(30.6001 * (mm + 1)) + d + b - 1524.5
            + (h || 0) / 24 + (mi || 0) / 1440;
}

var lunarDayNames = ["初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                     "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                     "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"];

// Month stem from the year stem (五虎遁): a 甲 or 己 year begins with 丙寅.
// branch is the month branch 0-11 (寅 = 2 for the first month).
function monthStemFor(yearStem, branch) {
    return ((yearStem % 5) * 2 + 2 + ((branch - 2 + 12) % 12)) % 10;
}

// Hour stem from the day stem (五鼠遁): a 甲 or 己 day begins with 甲子.
function hourStemFor(dayStem, branch) {
    return ((dayStem % 5) * 2 + branch) % 10;
}

// Sixty-cycle index of a stem and branch of the same parity, else -1.
function chacIndex(stem, branch) {
    if (stem < 0 || stem > 9 || branch < 0 || branch > 11 || (stem % 2) !== (branch % 2))
        return -1;
    for (var i = 0; i < 60; ++i) {
        if (i % 10 === stem && i % 12 === branch)
            return i;
    }
    return -1;
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

// A solar moment moved by whole minutes (used to undo an hour of summer time,
// which only ever applies to Gregorian dates).
function shiftMinutes(y, m, d, h, mi, minutes) {
    var t = new Date(Date.UTC(y, m - 1, d, h, mi + minutes));
    return {y: t.getUTCFullYear(), m: t.getUTCMonth() + 1, d: t.getUTCDate(),
            h: t.getUTCHours(), mi: t.getUTCMinutes()};
}
