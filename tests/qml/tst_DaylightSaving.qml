// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/js/sxfunction.js" as Sxf
import "qrc:/js/sxfunction3.js" as Sxf3

// Daylight-saving periods of mainland China, Hong Kong and Taiwan.
TestCase {
    name: "DaylightSaving"

    readonly property real minute: 1 / 1440

    ChartCalculation {
        id: calc
    }

    function test_periods_data() {
        return [
            { tag: "mainland start exactly", t: 2446554.5, type: 0, r: 0 },
            { tag: "mainland start plus a minute", t: 2446554.5 + minute, type: 0, r: 1 },
            { tag: "mainland end exactly", t: Sxf.JD(1986, 9, 14), type: 0, r: 1 },
            { tag: "mainland end plus a minute", t: Sxf.JD(1986, 9, 14) + minute, type: 0, r: 0 },
            { tag: "mainland 1991 summer", t: Sxf.JD(1991, 7, 1), type: 0, r: 1 },
            { tag: "mainland 1992 summer", t: Sxf.JD(1992, 7, 1), type: 0, r: 0 },
            { tag: "Hong Kong war years", t: Sxf.JD(1943, 7, 1), type: 1, r: 1 },
            { tag: "Hong Kong winter 1973-74", t: Sxf.JD(1974, 1, 15), type: 1, r: 1 },
            { tag: "Hong Kong 1977", t: Sxf.JD(1977, 7, 1), type: 1, r: 0 },
            { tag: "Hong Kong 1979", t: Sxf.JD(1979, 7, 1), type: 1, r: 1 },
            { tag: "Taiwan 1945", t: Sxf.JD(1945, 7, 1), type: 2, r: 1 },
            { tag: "Taiwan 1965", t: Sxf.JD(1965, 7, 1), type: 2, r: 0 },
            { tag: "Taiwan 1952 March", t: Sxf.JD(1952, 3, 15), type: 2, r: 1 },
            { tag: "Taiwan 1960 May", t: Sxf.JD(1960, 5, 15), type: 2, r: 0 },
            { tag: "unknown place", t: Sxf.JD(2020, 1, 1), type: -1, r: 1 },
            { tag: "Singapore", t: Sxf.JD(1986, 7, 1), type: 3, r: 0 },
            { tag: "other type", t: Sxf.JD(1986, 7, 1), type: 7, r: 0 },
            { tag: "type as text", t: Sxf.JD(1986, 7, 1), type: "0", r: 1 },
            { tag: "null type is not mainland", t: Sxf.JD(1986, 7, 1), type: null, r: 0 },
            { tag: "empty type is not mainland", t: Sxf.JD(1986, 7, 1), type: "", r: 0 }
        ]
    }
    function test_periods(row) {
        compare(JsxfSingleton.common_isXiaShiLingDateRange(row.t, row.type), row.r)
    }

    function test_tables() {
        compare(Sxf3.xslPeriods[0].length, 2 * 6)
        compare(Sxf3.xslPeriods[1].length, 2 * 34)
        compare(Sxf3.xslPeriods[2].length, 2 * 20)
        compare(Sxf3.xslPeriods[0].slice(0, 2), [2446554.5, 2446687.5])
        compare(Sxf3.xslPeriods[1].slice(0, 2), [2430160.5, 2430267.5])
        compare(Sxf3.xslPeriods[2].slice(0, 2), [2431576.5, 2431728.5])
        for (var k = 0; k < 3; k++) {
            var p = Sxf3.xslPeriods[k]
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
        var p = Sxf3.xslPeriods[row.type]
        var ahead = function (jdLocalNoon) {
            return calc.utcOffsetMinutes(row.zone, jdLocalNoon - 8 / 24) >= 540
        }
        var differing = []
        var note = function (from, to, text) {
            differing.push(Sxf.DD(from).Y + "-" + Sxf.DD(from).M + "-" + Sxf.DD(from).D + ".."
                           + Sxf.DD(to).Y + "-" + Sxf.DD(to).M + "-" + Sxf.DD(to).D + " " + text)
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
        var first = Sxf.JD(Sxf.DD(p[0]).Y, 1, 1), last = Sxf.JD(Sxf.DD(p[p.length - 1]).Y + 1, 1, 1)
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
