// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/js/sxfunction.js" as Sxf

// Julian days, Delta T, the series evaluator and the Sun's position.
TestCase {
    name: "Ephemeris"

    function arcsec(x) { return x * 180 * 3600 / Math.PI }

    function test_JD_data() {
        return [
            { tag: "first Gregorian day", y: 1582, m: 10, d: 15, jd: 2299160.5 },
            { tag: "last Julian day", y: 1582, m: 10, d: 4, jd: 2299159.5 },
            { tag: "J2000 noon", y: 2000, m: 1, d: 1.5, jd: 2451545 },
            { tag: "February of a leap year", y: 2000, m: 2, d: 29, jd: 2451603.5 },
            { tag: "1986-05-04", y: 1986, m: 5, d: 4, jd: 2446554.5 }
        ]
    }
    function test_JD(row) {
        compare(Sxf.JD(row.y, row.m, row.d), row.jd)
    }

    function test_DD_data() {
        return [
            { tag: "J2000", jd: 2451545, Y: 2000, M: 1, D: 1, h: 12, m: 0, s: 0 },
            { tag: "first Gregorian day", jd: 2299160.5, Y: 1582, M: 10, D: 15, h: 0, m: 0, s: 0 },
            { tag: "last Julian day", jd: 2299159.5, Y: 1582, M: 10, D: 4, h: 0, m: 0, s: 0 },
            { tag: "6:15:30", jd: 2451544.5 + (6 + 15.5 / 60) / 24, Y: 2000, M: 1, D: 1, h: 6, m: 15, s: 30 }
        ]
    }
    function test_DD(row) {
        var r = Sxf.DD(row.jd)
        compare([r.Y, r.M, r.D, r.h, r.m], [row.Y, row.M, row.D, row.h, row.m])
        verify(Math.abs(r.s - row.s) < 1e-3, "seconds " + r.s)
    }

    function test_dtCalc_data() {
        return [
            { tag: "2000", y: 2000, dt: 63.87 },
            { tag: "table end 2015", y: 2015, dt: 69 },
            { tag: "1900 row start", y: 1900, dt: -2.3 },
            // x = 5: -2.3 + 2.06*5 + 0.169*25 - 0.0135*125
            { tag: "1910 inside a row", y: 1910, dt: 10.5375 },
            // before -500 the first row: x = -20/7
            { tag: "-5000 first row", y: -5000, dt: 148819.7 },
            // beyond 2115 the parabola alone: -20 + 31 * 3.8^2
            { tag: "2200 parabola", y: 2200, dt: 427.64 },
            { tag: "2116 parabola", y: 2116, dt: 251.6096 }
        ]
    }
    function test_dtCalc(row) {
        fuzzyCompare(Sxf.dt_calc(row.y), row.dt, 1e-6)
    }

    function test_dtT() {
        fuzzyCompare(Sxf.dt_T(0), 63.87 / 86400, 1e-12)
    }

    function test_earthTable() {
        var F = Sxf.XL0[0]
        compare(F.length, 2666)
        compare(F.slice(0, 20), [10000000000, 20, 578, 920, 1100, 1124, 1136, 1148, 1217, 1226, 1229,
                                 1229, 1229, 1229, 1937, 2363, 2618, 2633, 2660, 2666])
        compare(F.slice(20, 26), [17534704567, 0, 0, 334165646, 4.669256804, 6283.075849991])
        compare(F.slice(578, 581), [62833196674749, 0, 0])
        compare(F.slice(1229, 1235), [10001398880, 0, 0, 167069963, 3.098463508, 6283.075849991])
    }

    function test_budget() {
        // At t = 0 only the power-0 terms count; the fifth published L0 term
        // is (0.00003497056, 2.74411800971).
        var fifth = 0.00003497056 * Math.cos(2.74411800971)
        fuzzyCompare(Sxf.XL0_calc(0, 0, 0, 5) - Sxf.XL0_calc(0, 0, 0, 4), fifth, 1e-10)
        // The first term alone: 1.7534704567 rad plus the constant correction.
        fuzzyCompare(Sxf.XL0_calc(0, 0, 0, 1), 1.7534704567 - 0.0728 / Sxf.rad, 1e-12)
        // A negative budget keeps every term: no budget can exceed it.
        compare(Sxf.XL0_calc(0, 0, 0.3, -1), Sxf.XL0_calc(0, 0, 0.3, 100000))
        verify(Sxf.XL0_calc(0, 0, 0.3, -1) !== Sxf.XL0_calc(0, 0, 0.3, 5))
    }

    function test_emptySeriesAdvancesPower() {
        // A body with L0 = 1, no L1 terms and L2 = 1: v = 1 + tau^2.
        var F = [1, 20, 23, 23, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26, 26,
                 1, 0, 0, 1, 0, 0]
        Sxf.XL0.push(F)
        Sxf.XL0_xzb.push(0, 0, 0)
        var v = Sxf.XL0_calc(1, 0, 20, -1) // tau = 2
        Sxf.XL0.pop()
        Sxf.XL0_xzb.splice(0, 3)
        fuzzyCompare(v, 5 - 6 / Sxf.rad, 1e-12)
    }

    function test_unknownBody() {
        verify(isNaN(Sxf.XL0_calc(7, 0, 0, -1)))
    }

    // Published moments (UT) of equinoxes and solstices; the Sun's apparent
    // longitude there is a multiple of 90 degrees.
    function test_sunLongitude_data() {
        return [
            { tag: "March equinox 2000", jd: 2451623.5 + (7 + 35 / 60) / 24, deg: 0 },
            { tag: "June solstice 2000", jd: 2451716.5 + (1 + 48 / 60) / 24, deg: 90 },
            { tag: "December solstice 2021", jd: 2459569.5 + (15 + 59 / 60) / 24, deg: 270 }
        ]
    }
    function test_sunLongitude(row) {
        var d = row.jd - Sxf.J2000
        d += Sxf.dt_T(d)
        var lon = Sxf.rad2mrad(Sxf.S_aLon(d / 36525, -1)) - row.deg * Math.PI / 180
        verify(Math.abs(arcsec(Sxf.rad2rrad(lon))) < 10, "off by " + arcsec(lon) + "\"")
    }

    function test_sunLongitudeIsContinuous() {
        // One year later the longitude has grown by a whole turn, not wrapped.
        var a = Sxf.S_aLon(0, -1)
        var b = Sxf.S_aLon(1 / 100, -1)
        verify(b - a > 6.2 && b - a < 6.35)
    }

    // Equation of time, true minus mean solar time (almanac values, 2000).
    function test_equationOfTime_data() {
        return [
            { tag: "3 November", jd: 2451852.0, minutes: 16 + 25 / 60 },
            { tag: "11 February", jd: 2451586.0, minutes: -(14 + 13 / 60) }
        ]
    }
    function test_equationOfTime(row) {
        var t = (row.jd - Sxf.J2000) / 36525
        verify(Math.abs(Sxf.pty_zty2(t) * 1440 - row.minutes) < 0.25, "got " + Sxf.pty_zty2(t) * 1440)
    }

    function test_reductions_data() {
        return [
            { tag: "mrad negative", f: "rad2mrad", v: -1, r: 2 * Math.PI - 1 },
            { tag: "mrad two turns", f: "rad2mrad", v: 4 * Math.PI + 1, r: 1 },
            { tag: "rrad above pi", f: "rad2rrad", v: 4, r: 4 - 2 * Math.PI },
            { tag: "rrad minus pi", f: "rad2rrad", v: -Math.PI, r: Math.PI },
            { tag: "rrad pi", f: "rad2rrad", v: Math.PI, r: Math.PI }
        ]
    }
    function test_reductions(row) {
        fuzzyCompare(Sxf[row.f](row.v), row.r, 1e-12)
    }

    function test_llrConv() {
        var e = 23.44 * Math.PI / 180
        var r = Sxf.llrConv([Math.PI / 2, 0, 1.5], e)
        fuzzyCompare(r[0], Math.PI / 2, 1e-12)
        fuzzyCompare(r[1], e, 1e-12)
        compare(r[2], 1.5)
        r = Sxf.llrConv([Math.PI, 0, 1], e)
        fuzzyCompare(r[0], Math.PI, 1e-12)
        fuzzyCompare(r[1], 0, 1e-12)
    }

    function test_int2() {
        compare(Sxf.int2(-1.5), -2)
        compare(Sxf.int2(2.9), 2)
    }
}
