// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/js/sxfunction.js" as Sxf

// The time-zone guess and the solar-time correction of the facade.
TestCase {
    name: "SolarTimeCorrection"

    function test_timezoneGuess_data() {
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
    function test_timezoneGuess(row) {
        compare(JsxfSingleton.guessTheTimezoneJvalueOfPlace(row.lng), row.zone)
    }

    function correct(y, m, d, hh, mm, J, zty, day23, zone) {
        var out = {}
        JsxfSingleton.sxf_myNewMingLiBaZi(y, m, d, hh, mm, J, out, zty, day23, zone)
        return out
    }

    function test_allFieldsFilled() {
        var out = correct(2000, 6, 15, 10, 0, 120, 1, 0, 120)
        var fields = ["OutJd", "bz_zptyGap", "bz_zptyGapStr", "bz_zty_YMDhms", "bz_pty_YMDhms", "bz_zty",
                      "bz_pty", "bz_jn", "bz_jy", "bz_jr", "bz_js", "bz_jni", "bz_jyi", "bz_jri", "bz_jsi"]
        for (var i = 0; i < fields.length; i++)
            verify(out[fields[i]] !== undefined, fields[i])
    }

    function test_badInput_data() {
        return [
            { tag: "year not a number", args: ["abc", 1, 1, 12, 0, 120, 120] },
            { tag: "empty minute", args: [2000, 1, 1, 12, "", 120, 120] },
            { tag: "longitude null", args: [2000, 1, 1, 12, 0, null, 120] },
            { tag: "zone undefined", args: [2000, 1, 1, 12, 0, 120, undefined] },
            { tag: "infinite day", args: [2000, 1, Infinity, 12, 0, 120, 120] }
        ]
    }
    function test_badInput(row) {
        var a = row.args
        var out = { untouched: true }
        compare(JsxfSingleton.sxf_myNewMingLiBaZi(a[0], a[1], a[2], a[3], a[4], a[5], out, 1, 1, a[6]), -1)
        compare(Object.keys(out), ["untouched"])
    }

    function test_numericTexts() {
        // Record fields arrive as texts: "1" must not become month "112".
        var fromText = {}
        compare(JsxfSingleton.sxf_myNewMingLiBaZi("2000", "1", "1", "12", "0", "120", fromText, 0, 0, "120"), 0)
        var fromNumbers = correct(2000, 1, 1, 12, 0, 120, 0, 0, 120)
        compare(fromText.OutJd, fromNumbers.OutJd)
        compare(fromText.bz_jr, "戊午")
    }

    // Mean solar time at the zone meridian is the clock time plus 30 s.
    function test_meanSolarTime_data() {
        return [
            { tag: "J 120", J: 120, Y: 2000, M: 6, D: 15, h: 10, m: 0, text: "10:00" },
            { tag: "J 90 two hours earlier", J: 90, Y: 2000, M: 6, D: 15, h: 8, m: 0, text: "08:00" },
            { tag: "J 135 one hour later", J: 135, Y: 2000, M: 6, D: 15, h: 11, m: 0, text: "11:00" }
        ]
    }
    function test_meanSolarTime(row) {
        var out = correct(2000, 6, 15, 10, 0, row.J, 0, 0, 120)
        var p = out.bz_pty_YMDhms
        compare([p.Y, p.M, p.D, p.h, p.m], [row.Y, row.M, row.D, row.h, row.m])
        verify(Math.abs(p.s - 30) < 0.01, "seconds " + p.s)
        compare(out.bz_pty, row.text)
        // Without true solar time both records describe the mean solar time.
        compare(out.bz_zty_YMDhms.h, p.h)
        compare(out.bz_zty_YMDhms.m, p.m)
        fuzzyCompare(out.OutJd, Sxf.JD(2000, 6, 15 + (10 + 0.5 / 60) / 24) + (row.J - 120) / 360, 1e-8)
    }

    function test_trueSolarTimeAddsEquationOfTime() {
        // 3 November: the equation of time is about +16 min 25 s.
        var out = correct(2000, 11, 3, 12, 0, 120, 1, 0, 120)
        verify(/^\+16:\d\d$/.test(out.bz_zptyGapStr), out.bz_zptyGapStr)
        fuzzyCompare(out.OutJd - out.bz_zptyGap, Sxf.JD(2000, 11, 3 + (12 + 0.5 / 60) / 24), 1e-8)
        compare(out.bz_zty, "12:16") // 12:00:30 + 16:25
        out = correct(2000, 2, 11, 12, 0, 120, 1, 0, 120)
        verify(/^-14:\d\d$/.test(out.bz_zptyGapStr), out.bz_zptyGapStr)
        compare(out.bz_zty, "11:46") // 12:00:30 - 14:13
    }

    function test_otherDayShowsTheDate() {
        var out = correct(2000, 1, 1, 1, 0, 90, 0, 0, 120)
        compare(out.bz_pty, "1999年12月31日 23:00")
        verify(out.bz_zty.indexOf("1999年12月31日") === 0)
    }

    function test_pillars_data() {
        return [
            { tag: "2000-01-01 day", Y: 2000, M: 1, D: 1, h: 12, day: "戊午", dayi: 54 },
            { tag: "after 立春 2000", Y: 2000, M: 2, D: 5, h: 12, year: "庚辰", month: "戊寅" },
            { tag: "before 立春 2000", Y: 2000, M: 2, D: 4, h: 12, year: "己卯", month: "丁丑" },
            { tag: "noon of a 戊 day", Y: 2000, M: 1, D: 1, h: 12, hour: "戊午" },
            { tag: "1 am is 丑", Y: 2000, M: 1, D: 1, h: 1, hour: "癸丑" }
        ]
    }
    function test_pillars(row) {
        var out = correct(row.Y, row.M, row.D, row.h, 0, 120, 0, 0, 120)
        if (row.day !== undefined) {
            compare(out.bz_jr, row.day)
            compare(out.bz_jri, row.dayi)
        }
        if (row.year !== undefined) {
            compare(out.bz_jn, row.year)
            compare(out.bz_jy, row.month)
        }
        if (row.hour !== undefined)
            compare(out.bz_js, row.hour)
        // Names and indices describe the same pillars.
        var names = [out.bz_jn, out.bz_jy, out.bz_jr, out.bz_js]
        var idx = [out.bz_jni, out.bz_jyi, out.bz_jri, out.bz_jsi]
        for (var i = 0; i < 4; i++) {
            compare(names[i].charAt(0), "甲乙丙丁戊己庚辛壬癸".charAt(idx[i] % 10))
            compare(names[i].charAt(1), "子丑寅卯辰巳午未申酉戌亥".charAt(idx[i] % 12))
        }
    }

    // 23:30 on 2000-01-01 (a 戊午 day): true solar time is still in hour 23.
    function test_hour23_data() {
        return [
            { tag: "day changes at 23:00", day23: 1, day: "己未", hour: "甲子" },
            { tag: "day changes at midnight", day23: 0, day: "戊午", hour: "甲子" }
        ]
    }
    function test_hour23(row) {
        var out = correct(2000, 1, 1, 23, 30, 120, 1, row.day23, 120)
        compare(out.bz_zty_YMDhms.h, 23)
        compare(out.bz_jr, row.day)
        compare(out.bz_js, row.hour)
    }

    ChartCalculation {
        id: nativeChain
    }
    InSight {
        id: nativeEngine
    }

    // The native chain's true solar time at Beijing's meridian against the
    // script correction it replaces: the same equation of time (the script
    // adds Delta T, which moves it by well under a tenth of a second).
    function test_nativeTrueSolarTime_data() {
        return [
            { tag: "1800 spring", t: [1800, 3, 1, 6, 0] },
            { tag: "1900 summer", t: [1900, 7, 15, 12, 0] },
            { tag: "2000 November maximum", t: [2000, 11, 3, 12, 50] },
            { tag: "2024 February minimum", t: [2024, 2, 11, 16, 5] },
            { tag: "2099 year end", t: [2099, 12, 31, 23, 59] }
        ]
    }
    function test_nativeTrueSolarTime(row) {
        var t = row.t
        var r = nativeChain.calculateRecord({ maintime: t.join("/"), gender: "0", caltype: "0", usingZty: "1",
                                              usingPty: "0", toChangeDay23clock: "1", usingXiaShiLingclock: "0",
                                              extraColumn1: "0", mainJvalue: "120", extraColumn2: "120" },
                                            { recal: 0 }, nativeEngine)
        verify(r.ok, r.reason)
        var out = {}
        JsxfSingleton.sxf_myNewMingLiBaZi(t[0], t[1], t[2], t[3], t[4], 120, out, 1, 1, 120)
        var second = 1 / 86400
        verify(Math.abs(r.chain.equationOfTimeDays - out.bz_zptyGap) < 0.5 * second,
               (r.chain.equationOfTimeDays - out.bz_zptyGap) * 86400 + " s")
        verify(Math.abs(r.chain.jdTrueSolar - out.OutJd) < 0.5 * second, (r.chain.jdTrueSolar - out.OutJd) * 86400 + " s")
    }
}
