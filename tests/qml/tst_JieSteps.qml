// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/js/sxfunction.js" as Sxf
import "qrc:/js/sxfunction3.js" as Sxf3

// The month and year pillars step at the Jie terms of the full solar series,
// even where the correction decides with a shorter one.
TestCase {
    name: "JieSteps"

    readonly property real second: 1 / 86400 / 36525 // in Julian centuries

    function fullCount(T) {
        return Math.floor((Sxf.S_aLon(T, -1) / Sxf.pi2 * 360 + 45 + 15 * 360) / 30)
    }

    // Moment (centuries) at which the full-series count reaches k + 1.
    function boundaryAfter(T) {
        var k = fullCount(T)
        var lo = T
        var hi = T + 40 / 36525
        while (fullCount(hi) === k)
            hi += 10 / 36525
        for (var i = 0; i < 60; i++) {
            var mid = (lo + hi) / 2
            if (fullCount(mid) === k)
                lo = mid
            else
                hi = mid
        }
        return hi
    }

    function test_boundaries_data() {
        var rows = []
        for (var y = 1800; y <= 2100; y += 25)
            rows.push({ tag: "year " + y, T: (y - 2000) / 100 })
        return rows
    }
    function test_boundaries(row) {
        // Twelve consecutive Jie terms from the start of the year.
        var T = row.T
        for (var j = 0; j < 12; j++) {
            var b = boundaryAfter(T)
            compare(Sxf3.jieStepCount(b - second), fullCount(b - second), "before term " + j)
            compare(Sxf3.jieStepCount(b + second), fullCount(b - second) + 1, "after term " + j)
            T = b + second
        }
    }

    function test_everyFifthDay() {
        var mismatches = 0
        for (var d = -73000; d <= 37000; d += 5.13) {
            var T = d / 36525
            if (Sxf3.jieStepCount(T) !== fullCount(T))
                ++mismatches
        }
        compare(mismatches, 0)
    }
}
