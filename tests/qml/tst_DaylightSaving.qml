// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"

// Daylight-saving periods of mainland China, Hong Kong and Taiwan, as the
// pages reach them (CalendarRules).
TestCase {
    name: "DaylightSaving"

    readonly property real minute: 1 / 1440

    function jd(y, m, d) {
        return CalendarRules.julianDay(y, m, d, 0, 0)
    }

    // Flat (start, end) Julian days of local midnights of a region's periods.
    function periods(region) {
        var out = []
        var rows = CalendarRules.summerTimePeriods(region)
        for (var i = 0; i < rows.length; i++)
            out.push(jd(rows[i][0], rows[i][1], rows[i][2]), jd(rows[i][3], rows[i][4], rows[i][5]))
        return out
    }

    function dateText(t) {
        var c = CalendarRules.civilTime(t)
        return c.Y + "-" + c.M + "-" + c.D
    }

    ChartCalculation {
        id: calc
    }

    function test_periods_data() {
        return [
            { tag: "mainland start exactly", t: 2446554.5, type: 0, r: 0 },
            { tag: "mainland start plus a minute", t: 2446554.5 + minute, type: 0, r: 1 },
            { tag: "mainland end exactly", t: jd(1986, 9, 14), type: 0, r: 1 },
            { tag: "mainland end plus a minute", t: jd(1986, 9, 14) + minute, type: 0, r: 0 },
            { tag: "mainland 1991 summer", t: jd(1991, 7, 1), type: 0, r: 1 },
            { tag: "mainland 1992 summer", t: jd(1992, 7, 1), type: 0, r: 0 },
            { tag: "Hong Kong war years", t: jd(1943, 7, 1), type: 1, r: 1 },
            { tag: "Hong Kong winter 1973-74", t: jd(1974, 1, 15), type: 1, r: 1 },
            { tag: "Hong Kong 1977", t: jd(1977, 7, 1), type: 1, r: 0 },
            { tag: "Hong Kong 1979", t: jd(1979, 7, 1), type: 1, r: 1 },
            { tag: "Taiwan 1945", t: jd(1945, 7, 1), type: 2, r: 1 },
            { tag: "Taiwan 1965", t: jd(1965, 7, 1), type: 2, r: 0 },
            { tag: "Taiwan 1952 March", t: jd(1952, 3, 15), type: 2, r: 1 },
            { tag: "Taiwan 1960 May", t: jd(1960, 5, 15), type: 2, r: 0 },
            { tag: "unknown place", t: jd(2020, 1, 1), type: -1, r: 1 },
            { tag: "Singapore", t: jd(1986, 7, 1), type: 3, r: 0 },
            { tag: "other type", t: jd(1986, 7, 1), type: 7, r: 0 },
            { tag: "type as text", t: jd(1986, 7, 1), type: "0", r: 1 },
            { tag: "null type is not mainland", t: jd(1986, 7, 1), type: null, r: 0 },
            { tag: "empty type is not mainland", t: jd(1986, 7, 1), type: "", r: 0 }
        ]
    }
    function test_periods(row) {
        compare(CalendarRules.inSummerTimeTable(row.t, row.type), row.r === 1)
    }

    // A clock reading: the first midnight of a period is inside it, the
    // midnight that ends it outside.
    function test_clockReading_data() {
        return [
            { tag: "mainland 1986 first midnight", t: [1986, 5, 4, 0, 0], r: 1 },
            { tag: "a minute before", t: [1986, 5, 3, 23, 59], r: 0 },
            { tag: "mainland 1986 last midnight", t: [1986, 9, 14, 0, 0], r: 0 }
        ]
    }
    function test_clockReading(row) {
        var t = row.t
        compare(CalendarRules.clockInSummerTimeTable(t[0], t[1], t[2], t[3], t[4], 0), row.r === 1)
    }

    function test_tables() {
        compare(periods(0).length, 2 * 6)
        compare(periods(1).length, 2 * 34)
        compare(periods(2).length, 2 * 20)
        compare(periods(0).slice(0, 2), [2446554.5, 2446687.5])
        compare(periods(1).slice(0, 2), [2430160.5, 2430267.5])
        compare(periods(2).slice(0, 2), [2431576.5, 2431728.5])
        for (var k = 0; k < 3; k++) {
            var p = periods(k)
            for (var i = 0; i + 2 < p.length; i += 2)
                verify(p[i] < p[i + 1] && p[i + 1] < p[i + 2], "type " + k + " pair " + i / 2)
        }
    }

    // The program's own periods against the tz database: every period must be
    // confirmed there (clocks at least one hour ahead of UTC+8 on most of its
    // days; the database counts the war years' UTC+9 as standard time, which
    // is the same clock). Days on which the two differ are written to the log.
    function test_tablesAgainstTzdata_data() {
        return [
            { tag: "mainland", type: 0, zone: "Asia/Shanghai" },
            { tag: "Hong Kong", type: 1, zone: "Asia/Hong_Kong" },
            { tag: "Taiwan", type: 2, zone: "Asia/Taipei" }
        ]
    }
    function test_tablesAgainstTzdata(row) {
        var p = periods(row.type)
        var ahead = function (jdLocalNoon) {
            return calc.utcOffsetMinutes(row.zone, jdLocalNoon - 8 / 24) >= 540
        }
        var differing = []
        var note = function (from, to, text) {
            differing.push(dateText(from) + ".." + dateText(to) + " " + text)
        }
        for (var i = 0; i < p.length; i += 2) {
            var days = 0, agree = 0, run = -1
            for (var d = p[i] + 0.5; d < p[i + 1]; d += 1) {
                days++
                if (ahead(d)) {
                    agree++
                    if (run >= 0)
                        note(run, d - 1, "only in the table")
                    run = -1
                } else if (run < 0) {
                    run = d
                }
            }
            if (run >= 0)
                note(run, p[i + 1] - 0.5, "only in the table")
            verify(agree >= 0.75 * days, row.tag + " period " + i / 2 + ": " + agree + " of " + days + " days")
        }
        // Summer days of the database in the years the table covers that it lacks.
        var first = jd(CalendarRules.civilTime(p[0]).Y, 1, 1), last = jd(CalendarRules.civilTime(p[p.length - 1]).Y + 1, 1, 1)
        var k = 0, extra = -1
        for (var e = first + 0.5; e < last; e += 1) {
            while (k < p.length && p[k + 1] < e)
                k += 2
            var inTable = k < p.length && p[k] < e && e <= p[k + 1]
            if (!inTable && ahead(e)) {
                if (extra < 0)
                    extra = e
            } else if (extra >= 0) {
                note(extra, e - 1, "only in the tz database")
                extra = -1
            }
        }
        console.log(row.zone + " against the tables: " + (differing.length ? differing.join("; ") : "the same"))
    }
}
