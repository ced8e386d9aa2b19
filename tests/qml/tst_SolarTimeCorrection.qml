// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"

// The date dialog's solar-time correction as the pages call it
// (CalendarRules.solarTimeCorrection), and the nearest standard meridian.
TestCase {
    name: "SolarTimeCorrection"

    ChartCalculation {
        id: chain
    }
    InSight {
        id: engine
    }

    function test_nearestMeridian_data() {
        return [
            { tag: "Beijing", lng: 116.4, zone: 120 },
            { tag: "New York", lng: -73.9, zone: -75 },
            { tag: "near Greenwich", lng: 7.4, zone: 0 },
            { tag: "just west of Greenwich", lng: -7.4, zone: 0 },
            { tag: "half-way rounds up", lng: 7.5, zone: 15 },
            { tag: "Pacific", lng: 172.5, zone: 180 },
            { tag: "date line east", lng: 180, zone: 180 },
            { tag: "date line west", lng: -180, zone: -180 },
            { tag: "null", lng: null, zone: 120 },
            { tag: "not a number", lng: "abc", zone: 120 },
            { tag: "numeric text", lng: "116.4", zone: 120 }
        ]
    }
    function test_nearestMeridian(row) {
        compare(CalendarRules.nearestMeridian(row.lng), row.zone)
    }

    // t: clock [y, m, d, h, mi]; zone in minutes ahead of UTC.
    function correct(t, zone, summer, lng, kind, day23) {
        return CalendarRules.solarTimeCorrection(t[0], t[1], t[2], t[3], t[4], zone, summer, lng, kind, day23)
    }

    function test_badInput_data() {
        return [
            { tag: "year before the range", t: [1799, 12, 31, 12, 0], lng: 120, zone: 480, kind: "true" },
            { tag: "February 30", t: [2001, 2, 30, 12, 0], lng: 120, zone: 480, kind: "true" },
            { tag: "hour 24", t: [2001, 2, 3, 24, 0], lng: 120, zone: 480, kind: "mean" },
            { tag: "minute 60", t: [2001, 2, 3, 12, 60], lng: 120, zone: 480, kind: "mean" },
            { tag: "longitude not a number", t: [2001, 2, 3, 12, 0], lng: NaN, zone: 480, kind: "true" },
            { tag: "zone not a number", t: [2001, 2, 3, 12, 0], lng: 120, zone: NaN, kind: "clock" },
            { tag: "unknown kind", t: [2001, 2, 3, 12, 0], lng: 120, zone: 480, kind: "solar" }
        ]
    }
    function test_badInput(row) {
        compare(correct(row.t, row.zone, 0, row.lng, row.kind, 1), { ok: false })
    }

    // Mean solar time at 120 degrees of a UTC+8 clock is the clock plus 30 s.
    function test_meanSolarTime_data() {
        return [
            { tag: "J 120", J: 120, text: "10:00" },
            { tag: "J 90 two hours earlier", J: 90, text: "08:00" },
            { tag: "J 135 one hour later", J: 135, text: "11:00" }
        ]
    }
    function test_meanSolarTime(row) {
        var o = correct([2000, 6, 15, 10, 0], 480, 0, row.J, "mean", 0)
        compare(o.meanSolarText, row.text)
        fuzzyCompare(o.jdMeanSolar, CalendarRules.julianDay(2000, 6, 15, 10, 0) + 30 / 86400 + (row.J - 120) / 360, 1e-8)
        compare(o.jdPillars, o.jdMeanSolar)
    }

    function test_trueSolarTimeAddsEquationOfTime() {
        // 3 November: the equation of time is about +16 min 25 s.
        var o = correct([2000, 11, 3, 12, 0], 480, 0, 120, "true", 0)
        verify(/^\+16:\d\d$/.test(o.equationOfTimeText), o.equationOfTimeText)
        compare(o.trueSolarText, "12:16") // 12:00:30 + 16:25
        compare(o.jdPillars, o.jdTrueSolar)
        o = correct([2000, 2, 11, 12, 0], 480, 0, 120, "true", 0)
        verify(/^-14:\d\d$/.test(o.equationOfTimeText), o.equationOfTimeText)
        compare(o.trueSolarText, "11:46") // 12:00:30 - 14:13
    }

    // Clock time reads both solar times at the zone's meridian.
    function test_clockKindUsesTheMeridian() {
        var o = correct([2000, 11, 3, 12, 0], 480, 0, 87.6, "clock", 0)
        compare(o.meanSolarText, "12:00")
        compare(o.trueSolarText, "12:16")
        compare(o.jdPillars, CalendarRules.julianDay(2000, 11, 3, 12, 0) + 30 / 86400)
    }

    // The date appears when a solar time falls on another day than the
    // standard clock (summer time already taken off).
    function test_dates_data() {
        return [
            { tag: "west of the meridian, back over midnight", t: [2000, 1, 1, 1, 0], summer: 0, J: 90,
              mean: "1999年12月31日 23:00" },
            { tag: "summer hour back over midnight", t: [1986, 5, 4, 0, 30], summer: 60, J: 120, mean: "23:30" },
            { tag: "summer hour back over new year", t: [1987, 1, 1, 0, 10], summer: 60, J: 120, mean: "23:10" },
            { tag: "summer hour back over 1 March", t: [1988, 3, 1, 0, 0], summer: 60, J: 120, mean: "23:00" },
            { tag: "summer hour within the day", t: [1990, 7, 1, 15, 16], summer: 60, J: 120, mean: "14:16" }
        ]
    }
    function test_dates(row) {
        var o = correct(row.t, 480, row.summer, row.J, "mean", 0)
        compare(o.meanSolarText, row.mean)
        compare(o.trueSolarText.indexOf("年") > 0, row.mean.indexOf("年") > 0)
    }

    // The dialog's pillars are the chart page's for the same record: the same
    // instant, solar time and term tables.
    function test_pillarsAsTheChart_data() {
        return [
            { tag: "23:30 true solar, next day from 23:00", t: [2000, 1, 1, 23, 30], zty: 1, pty: 0, day23: 1,
              lng: 120, names: ["己卯", "丙子", "己未", "甲子"] },
            { tag: "23:30 true solar, day kept", t: [2000, 1, 1, 23, 30], zty: 1, pty: 0, day23: 0,
              lng: 120, names: ["己卯", "丙子", "戊午", "甲子"] },
            { tag: "a minute before 立春 2000", t: [2000, 2, 4, 20, 39], zty: 0, pty: 0, day23: 1, lng: 120,
              names: ["己卯", "丁丑", "壬辰", "庚戌"] },
            { tag: "at 立春 2000", t: [2000, 2, 4, 20, 40], zty: 0, pty: 0, day23: 1, lng: 120,
              names: ["庚辰", "戊寅", "壬辰", "庚戌"] },
            { tag: "立春 by the instant, not by solar time", t: [2000, 2, 4, 20, 41], zty: 0, pty: 1, day23: 1,
              lng: 87.6, names: ["庚辰", "戊寅", "壬辰", "己酉"] },
            { tag: "Urumqi mean solar back over midnight", t: [1995, 3, 10, 1, 20], zty: 0, pty: 1, day23: 1,
              lng: 87.6 },
            { tag: "Harbin true solar past 23:00", t: [1970, 8, 8, 22, 50], zty: 1, pty: 0, day23: 1, lng: 126.6 },
            { tag: "summer time 1988", t: [1988, 6, 1, 0, 30], zty: 0, pty: 0, day23: 0, lng: 121.5, xsl: 1 },
            // Summer time takes the clock back over midnight; with the day kept
            // at 23:00 the day pillar is the day before the clock's.
            { tag: "00:20 summer time, true solar back to 23:xx", t: [1988, 7, 1, 0, 20], zty: 1, pty: 0, day23: 0,
              lng: 121.5, xsl: 1, names: ["戊辰", "戊午", "丙辰", "庚子"] },
            // True solar time runs past midnight: the next day's pillars.
            { tag: "Kolkata 23:50 true solar, day kept", t: [2001, 12, 31, 23, 50], zty: 1, pty: 0, day23: 0,
              lng: 88.4, zone: "Asia/Kolkata", minutes: 330, names: ["辛巳", "庚子", "己巳", "甲子"] },
            { tag: "Tokyo true solar", t: [2010, 5, 5, 23, 20], zty: 1, pty: 0, day23: 1, lng: 139.7,
              zone: "Asia/Tokyo", minutes: 540 },
            { tag: "1800 near its start", t: [1800, 1, 2, 0, 10], zty: 0, pty: 1, day23: 1, lng: 100 }
        ]
    }
    function test_pillarsAsTheChart(row) {
        var t = row.t
        var kind = row.zty ? "true" : row.pty ? "mean" : "clock"
        var o = correct(t, row.minutes || 480, row.xsl ? 60 : 0, row.lng, kind, row.day23)
        var r = chain.calculateRecord({ maintime: t.join("/"), gender: "0", caltype: "0", usingZty: String(row.zty),
                                        usingPty: String(row.pty), toChangeDay23clock: String(row.day23),
                                        usingXiaShiLingclock: String(row.xsl || 0), extraColumn1: "0",
                                        mainJvalue: String(row.lng), extraColumn2: String((row.minutes || 480) / 4),
                                        extraColumn3: row.zone || "Asia/Shanghai" },
                                      { recal: 0 }, engine)
        verify(r.ok, r.reason)
        verify(o.ok)
        compare(o.pillars, r.pillars)
        if (row.names)
            compare(o.pillarNames, row.names)
        // Clock time reads its solar times at the meridian, the chart at the place.
        if (kind !== "clock") {
            compare(o.jdMeanSolar, r.chain.jdMeanSolar)
            compare(o.jdTrueSolar, r.chain.jdTrueSolar)
        }
    }

    // A solar time before the first day the tables place has no pillars.
    function test_beforeTheTables() {
        var o = correct([1800, 1, 1, 0, 10], 480, 0, 100, "mean", 1)
        verify(o.ok)
        compare(o.meanSolarText, "1799年12月31日 22:50")
        compare(o.pillars, [-1, -1, -1, -1])
    }

    // The window's "now" in the engine's time scale (UTC+8, whole days at noon).
    function test_instantJulianDay_data() {
        return [
            { tag: "noon in Beijing", ms: Date.UTC(2000, 0, 1, 4, 0), jd: 2451545.0 },
            { tag: "midnight in Beijing", ms: Date.UTC(1999, 11, 31, 16, 0), jd: 2451544.5 },
            { tag: "not a date", ms: NaN, jd: 0 }
        ]
    }
    function test_instantJulianDay(row) {
        fuzzyCompare(CalendarRules.julianDayOfInstant(new Date(row.ms)), row.jd, 1e-9)
    }
}
