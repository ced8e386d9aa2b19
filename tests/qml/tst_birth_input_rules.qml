// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/js/birthInput.js" as Birth

// What the start button and the dialogs derive from the form.
TestCase {
    name: "BirthInputRules"

    function test_calendarType_data() {
        return [
            {tag: "solar", text: "公历: 2019年2月25日15时16分", code: 0, calc: "2019 2 25 15 16"},
            {tag: "lunar", text: "农历: 1993年12月9日3时30分", code: 1, calc: "1993 12 9 3 30"},
            {tag: "lunar leap", text: "农历: 2020年闰4月8日10时10分", code: 2, calc: "2020 4 8 10 10"},
            {tag: "traditional lunar leap", text: "農曆: 2020年閏4月8日10時10分", code: 2, calc: "2020 4 8 10 10"},
            {tag: "traditional lunar", text: "農曆: 1984年1月15日20時0分", code: 1, calc: "1984 1 15 20 0"},
            {tag: "plain numbers", text: "1961 8 4 19 24", code: 0, calc: "1961 8 4 19 24"}
        ];
    }

    function test_calendarType(row) {
        compare(Birth.calendarTypeCode(row.text), row.code);
        compare(Birth.calculationText(row.text), row.calc);
    }

    function test_timeText_data() {
        return [
            {tag: "solar", lunar: false, leap: false, v: [2019, 2, 25, 15, 16], text: "公历: 2019年2月25日15时16分"},
            {tag: "lunar leap", lunar: true, leap: true, v: [2020, 4, 8, 10, 10], text: "农历: 2020年闰4月8日10时10分"},
            {tag: "leap ignored for solar", lunar: false, leap: true, v: [2020, 4, 8, 0, 0], text: "公历: 2020年4月8日0时0分"}
        ];
    }

    function test_timeText(row) {
        var t = Birth.timeText(row.lunar, row.leap, row.v[0], row.v[1], row.v[2], row.v[3], row.v[4]);
        compare(t, row.text);
        // The stored texts read back to the same numbers and calendar type.
        compare(Birth.calculationText(t), row.v.join(" "));
        compare(Birth.calendarTypeCode(t), row.lunar ? (row.leap ? 2 : 1) : 0);
    }

    function test_recordName_data() {
        return [
            {tag: "undefined", name: undefined, stored: "時空"},
            {tag: "false", name: false, stored: "時空"},
            {tag: "empty", name: "", stored: "時空"},
            {tag: "blanks", name: "   ", stored: "時空"},
            {tag: "given", name: "张三", stored: "张三"},
            {tag: "trimmed", name: " 李四 ", stored: "李四"}
        ];
    }

    function test_recordName(row) {
        compare(Birth.recordName(row.name, "時空"), row.stored);
    }

    function test_monthStem_data() {
        return [
            {tag: "jia year yin month", yearStem: 0, branch: 2, stem: 2},
            {tag: "ji year yin month", yearStem: 5, branch: 2, stem: 2},
            {tag: "yi year yin month", yearStem: 1, branch: 2, stem: 4},
            {tag: "jia year chou month", yearStem: 0, branch: 1, stem: 3},
            {tag: "gui year zi month", yearStem: 9, branch: 0, stem: 0},
            {tag: "wu year yin month", yearStem: 4, branch: 2, stem: 0}
        ];
    }

    function test_monthStem(row) {
        compare(Birth.monthStemFor(row.yearStem, row.branch), row.stem);
    }

    function test_hourStem_data() {
        return [
            {tag: "jia day zi hour", dayStem: 0, branch: 0, stem: 0},
            {tag: "yi day zi hour", dayStem: 1, branch: 0, stem: 2},
            {tag: "wu day zi hour", dayStem: 4, branch: 0, stem: 8},
            {tag: "gui day hai hour", dayStem: 9, branch: 11, stem: 9},
            {tag: "ji day wu hour", dayStem: 5, branch: 6, stem: 6}
        ];
    }

    function test_hourStem(row) {
        compare(Birth.hourStemFor(row.dayStem, row.branch), row.stem);
    }

    function test_chacIndex_data() {
        return [
            {tag: "jiazi", stem: 0, branch: 0, chac: 0},
            {tag: "bingyin", stem: 2, branch: 2, chac: 2},
            {tag: "gengzi", stem: 6, branch: 0, chac: 36},
            {tag: "renxu", stem: 8, branch: 10, chac: 58},
            {tag: "guihai", stem: 9, branch: 11, chac: 59},
            {tag: "parity mismatch", stem: 0, branch: 1, chac: -1},
            {tag: "unset stem", stem: -1, branch: 0, chac: -1},
            {tag: "branch out of range", stem: 0, branch: 12, chac: -1}
        ];
    }

    function test_chacIndex(row) {
        compare(Birth.chacIndex(row.stem, row.branch), row.chac);
    }

    function test_solarDate_data() {
        return [
            {tag: "1900 february", y: 1900, m: 2, d: 29, valid: false},
            {tag: "2000 february", y: 2000, m: 2, d: 29, valid: true},
            {tag: "2019 february", y: 2019, m: 2, d: 29, valid: false},
            {tag: "julian 1500 february", y: 1500, m: 2, d: 29, valid: true},
            {tag: "april 31", y: 2019, m: 4, d: 31, valid: false},
            {tag: "december 31", y: 2019, m: 12, d: 31, valid: true},
            {tag: "dropped 1582 day", y: 1582, m: 10, d: 10, valid: false},
            {tag: "first gregorian day", y: 1582, m: 10, d: 15, valid: true}
        ];
    }

    function test_solarDate(row) {
        compare(Birth.isValidSolarDate(row.y, row.m, row.d), row.valid);
    }

    function test_julianDay_data() {
        return [
            {tag: "J2000", v: [2000, 1, 1, 12, 0], jd: 2451545.0},
            {tag: "first gregorian midnight", v: [1582, 10, 15, 0, 0], jd: 2299160.5},
            {tag: "last julian midnight", v: [1582, 10, 4, 0, 0], jd: 2299159.5},
            {tag: "mainland summer time start", v: [1986, 5, 4, 0, 0], jd: 2446554.5},
            {tag: "day number origin", v: [1971, 8, 7, 0, 0], jd: 2441170.5}
        ];
    }

    function test_julianDay(row) {
        fuzzyCompare(Birth.julianDay(row.v[0], row.v[1], row.v[2], row.v[3], row.v[4]), row.jd, 1e-6);
    }

    function test_parseSolarNumeric_data() {
        return [
            {tag: "engine text", text: "1990/5/17/ 8/00", v: {y: 1990, m: 5, d: 17, h: 8, mi: 0}},
            {tag: "minute seven", text: "2001/12/31/ 23/7", v: {y: 2001, m: 12, d: 31, h: 23, mi: 7}},
            {tag: "empty", text: "", v: null},
            {tag: "lunar text", text: "1990/闰5/23/8/1", v: null},
            {tag: "too few parts", text: "1990/5/17", v: null}
        ];
    }

    function test_parseSolarNumeric(row) {
        compare(Birth.parseSolarNumeric(row.text), row.v);
    }
}
