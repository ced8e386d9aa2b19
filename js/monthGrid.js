// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library
.import chattutorial 1.0 as Native

// The perpetual calendar's month grid: six weeks of seven cells, Sunday
// first, with the solar day, the lunar day text and the solar term of the
// day. The lunar and term data come from the native engine through the
// script facade; this module only lays them out.

// Month length and weekday (0 Sunday .. 6 Saturday) come from the engine.
function daysInMonth(y, m) {
    return Native.CalendarRules.daysInMonth(y, m);
}

function weekday(y, m, d) {
    return Native.CalendarRules.weekday(y, m, d);
}

// 42 cells; cells outside the month have day 0. lunarDays[i] is the lunar
// text of day i + 1; terms is a list of {d, name}.
function monthCells(y, m, lunarDays, terms) {
    var cells = [];
    var first = weekday(y, m, 1);
    var last = daysInMonth(y, m);
    var termOf = {};
    for (var t = 0; t < (terms ? terms.length : 0); t++)
        termOf[terms[t].d] = terms[t].name;
    for (var i = 0; i < 42; i++) {
        var d = i - first + 1;
        if (d < 1 || d > last) {
            cells.push({day: 0, lunar: "", term: ""});
            continue;
        }
        cells.push({day: d, lunar: lunarDays && lunarDays.length >= d ? String(lunarDays[d - 1]) : "",
                    term: termOf.hasOwnProperty(d) ? termOf[d] : ""});
    }
    return cells;
}

// Year and month moved by a number of months, kept inside the supported years.
function shiftMonth(y, m, deltaMonths, minYear, maxYear) {
    var k = y * 12 + (m - 1) + deltaMonths;
    var ny = Math.floor(k / 12), nm = k - ny * 12 + 1;
    if (ny < minYear)
        return {y: minYear, m: 1};
    if (ny > maxYear)
        return {y: maxYear, m: 12};
    return {y: ny, m: nm};
}

// Reads the "D999年09月" field; null unless it names a month of the range.
function parseYearMonth(text, minYear, maxYear) {
    var r = /^\s*(\d{4})\s*年\s*(\d{1,2})\s*月?\s*$/.exec(String(text));
    if (!r)
        return null;
    var y = Number(r[1]), m = Number(r[2]);
    if (m < 1 || m > 12 || y < minYear || y > maxYear)
        return null;
    return {y: y, m: m};
}

function fieldText(y, m) {
    return y + "年" + (m < 10 ? "0" : "") + m + "月";
}
