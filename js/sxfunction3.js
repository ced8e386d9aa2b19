// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar helpers of the script side: the solar-time correction of a birth
// moment, the time-zone guess, the daylight-saving periods of mainland China,
// Hong Kong and Taiwan, and the simplified-to-traditional character map.
.pragma library
.import "sxfunction.js" as Sxf
.import "sim2tradTable.js" as S2T
.import chattutorial 1.0 as Native

var ganNames = "甲乙丙丁戊己庚辛壬癸";
var zhiNames = "子丑寅卯辰巳午未申酉戌亥";

// Number-to-text conversion is slow in the QML engine, and the correction
// runs for every chart: the small numbers and the sixty pillar names are
// written out once.
var twoDigits = [];
var smallNumbers = [];
for (var n = 0; n < 100; n++) {
    twoDigits.push((n < 10 ? "0" : "") + n);
    smallNumbers.push("" + n);
}
var ganZhi60 = [];
for (var v = 0; v < 60; v++)
    ganZhi60.push(ganNames.charAt(v % 10) + zhiNames.charAt(v % 12));

function ganZhiName(v) {
    return ganZhi60[((v % 60) + 60) % 60];
}

// "+MM:SS" / "-MM:SS" of a time difference in days (seconds truncated).
function gapText(days) {
    var g = Math.floor(days * 86400);
    var sign = "+";
    if (g < 0) {
        sign = "-";
        g = -g;
    }
    var minutes = Math.floor(g / 60);
    return sign + ("0" + minutes).slice(-2) + ":" + twoDigits[g - 60 * minutes];
}

function timeText(r) {
    return twoDigits[r.h] + ":" + twoDigits[r.m];
}

function dateTimeText(r) {
    return r.Y + "年" + smallNumbers[r.M] + "月" + smallNumbers[r.D] + "日 " + timeText(r);
}

// Standard meridian nearest to a longitude, in degrees.
function guessTheTimezoneJvalueOfPlace(pJv0) {
    if (pJv0 === null || pJv0 === undefined || pJv0 === "" || isNaN(Number(pJv0)))
        return 120;
    var p = Number(pJv0);
    // The remainder below would turn the date line itself into meridian 0.
    if (Math.abs(p) === 180)
        return p;
    var x = p % 180;
    if (x > 0)
        x = Math.floor((x + 7.5) / 15) * 15;
    else
        x = Math.ceil((x - 7.5) / 15) * 15;
    return x + 0; // no negative zero
}

// Daylight-saving periods as (start, end) calendar dates of local midnights;
// a moment t lies in a period when start < t <= end.
var xslDatesMainland = [
    [1986, 5, 4, 1986, 9, 14], [1987, 4, 12, 1987, 9, 13], [1988, 4, 10, 1988, 9, 11],
    [1989, 4, 16, 1989, 9, 17], [1990, 4, 15, 1990, 9, 16], [1991, 4, 14, 1991, 9, 15]
];

var xslDatesHongKong = [
    [1941, 6, 15, 1941, 9, 30], [1942, 1, 1, 1945, 12, 31], [1946, 4, 20, 1946, 12, 1],
    [1947, 4, 13, 1947, 11, 30], [1948, 5, 2, 1948, 10, 31], [1949, 4, 3, 1949, 10, 30],
    [1950, 4, 2, 1950, 10, 29], [1951, 4, 1, 1951, 10, 28], [1952, 4, 6, 1952, 11, 2],
    [1953, 4, 5, 1953, 11, 1], [1954, 3, 21, 1954, 10, 31], [1955, 3, 20, 1955, 11, 6],
    [1956, 3, 18, 1956, 11, 4], [1957, 3, 24, 1957, 11, 3], [1958, 3, 23, 1958, 11, 2],
    [1959, 3, 22, 1959, 11, 1], [1960, 3, 20, 1960, 11, 6], [1961, 3, 19, 1961, 11, 5],
    [1962, 3, 18, 1962, 11, 4], [1963, 3, 24, 1963, 11, 3], [1964, 3, 22, 1964, 11, 1],
    [1965, 4, 18, 1965, 10, 17], [1966, 4, 17, 1966, 10, 16], [1967, 4, 16, 1967, 10, 22],
    [1968, 4, 21, 1968, 10, 20], [1969, 4, 20, 1969, 10, 19], [1970, 4, 19, 1970, 10, 18],
    [1971, 4, 18, 1971, 10, 17], [1972, 4, 16, 1972, 10, 22], [1973, 4, 22, 1973, 10, 21],
    [1973, 12, 30, 1974, 10, 20], [1975, 4, 20, 1975, 10, 19], [1976, 4, 18, 1976, 10, 17],
    [1979, 5, 13, 1979, 10, 21]
];

var xslDatesTaiwan = [
    [1945, 5, 1, 1945, 9, 30], [1946, 5, 1, 1946, 9, 30], [1947, 5, 1, 1947, 9, 30],
    [1948, 5, 1, 1948, 9, 30], [1949, 5, 1, 1949, 9, 30], [1950, 5, 1, 1950, 9, 30],
    [1951, 5, 1, 1951, 9, 30], [1952, 3, 1, 1952, 10, 31], [1953, 4, 1, 1953, 10, 31],
    [1954, 4, 1, 1954, 10, 31], [1955, 4, 1, 1955, 9, 30], [1956, 4, 1, 1956, 9, 30],
    [1957, 4, 1, 1957, 9, 30], [1958, 4, 1, 1958, 9, 30], [1959, 4, 1, 1959, 9, 30],
    [1960, 6, 1, 1960, 9, 30], [1961, 6, 1, 1961, 9, 30], [1974, 4, 1, 1974, 9, 30],
    [1975, 4, 1, 1975, 9, 30], [1979, 7, 1, 1979, 9, 30]
];

function xslJdPairs(dates) {
    var out = [];
    for (var i = 0; i < dates.length; i++) {
        var r = dates[i];
        out.push(Sxf.JD(r[0], r[1], r[2]), Sxf.JD(r[3], r[4], r[5]));
    }
    return out;
}

// Flat (start, end) Julian-day pairs by place type 0, 1, 2.
var xslPeriods = [xslJdPairs(xslDatesMainland), xslJdPairs(xslDatesHongKong), xslJdPairs(xslDatesTaiwan)];

function common_isXiaShiLingDateRange(theJD, placeXSLtype) {
    // Number() would read null and "" as 0, mainland China.
    var type = placeXSLtype === null || placeXSLtype === "" ? NaN : Number(placeXSLtype);
    if (type === -1)
        return 1;
    if (type === 3) {
        console.log("placeXSLtype === 3: Singapore never use XSL");
        return 0;
    }
    if (type !== 0 && type !== 1 && type !== 2)
        return 0;
    var table = xslPeriods[type];
    for (var i = 0; i < table.length; i += 2) {
        if (table[i] < theJD && theJD <= table[i + 1])
            return 1;
    }
    return 0;
}

// Count of 30-degree steps of the Sun's apparent longitude (full series),
// shifted so that each step starts at a Jie term. A 30-term series stays
// within 2.5" of the full one from 1700 to 2300, so it decides whenever the
// Sun is more than a minute of arc from a step; only moments that close to
// a Jie term need the full series. The answer is the full series' answer.
var jieStepMargin = 60 / 3600; // degrees

function jieStepCount(T) {
    if (T >= -3 && T <= 3) {
        var x = (Sxf.S_aLon(T, 30) / Sxf.pi2 * 360 + 45 + 15 * 360) / 30;
        var f = x - Math.floor(x);
        if (f * 30 > jieStepMargin && (1 - f) * 30 > jieStepMargin)
            return Math.floor(x);
    }
    var w = Sxf.S_aLon(T, -1);
    return Math.floor((w / Sxf.pi2 * 360 + 45 + 15 * 360) / 30);
}

// Solar-time correction of a clock time at longitude J (degrees east); fills
// out and returns 0, or returns -1 and leaves out untouched when a date, time
// or longitude is not a finite number (numeric texts are accepted).
function myNewMingLiBaZi(iY, iM, iDay, ihh, imm, J, out, usingZty, itoChangeDay23clock, timezoneJvalue) {
    var args = [iY, iM, iDay, ihh, imm, J, timezoneJvalue];
    for (var a = 0; a < args.length; a++) {
        if (args[a] === null || args[a] === "" || !isFinite(Number(args[a])))
            return -1;
    }
    if (out === null || typeof out !== "object")
        return -1;
    iY = Number(iY);
    iM = Number(iM);
    iDay = Number(iDay);
    ihh = Number(ihh);
    imm = Number(imm);
    J = Number(J);
    timezoneJvalue = Number(timezoneJvalue);
    var z = -(timezoneJvalue / 15); // negated zone offset, hours
    var jd = Sxf.JD(iY, iM, iDay + (ihh + imm / 60 + 0.5 / 60) / 24); // clock moment + 30 s
    var u = jd + z / 24 - Sxf.J2000; // universal time, days since J2000
    var lambda = J / (180 / Math.PI);
    var d = u + Sxf.dt_T(u);
    var T = d / 36525;

    var k = jieStepCount(T);

    var gap = Sxf.pty_zty2(T);
    var p = u + lambda / Sxf.pi2; // mean solar time
    var q = u + gap + lambda / Sxf.pi2; // true solar time
    var c = usingZty == 1 ? q : p;

    out.OutJd = c + Sxf.J2000;
    out.bz_zptyGap = gap;
    out.bz_zty_YMDhms = Sxf.DD(c + Sxf.J2000);
    out.bz_pty_YMDhms = Sxf.DD(p + Sxf.J2000);

    var chosenHour = usingZty == 1 ? out.bz_zty_YMDhms.h : out.bz_pty_YMDhms.h;
    var h23 = chosenHour === 23 ? 1 : 0;

    if (out.bz_zty_YMDhms.D !== iDay || out.bz_pty_YMDhms.D !== iDay) {
        out.bz_zty = dateTimeText(out.bz_zty_YMDhms);
        out.bz_pty = dateTimeText(out.bz_pty_YMDhms);
    } else {
        out.bz_zty = timeText(out.bz_zty_YMDhms);
        out.bz_pty = timeText(out.bz_pty_YMDhms);
    }

    // The pillars of the corrected moment, by the engine's cycle rules. With
    // the switch on, 23:00 starts the next day; without it the day stays and
    // the hour is branch 12, the next day's 子 hour, whose stem follows the
    // next day's.
    var shifted = itoChangeDay23clock == 1 && h23 === 1;
    var t = c + (shifted ? 13 : 12) / 24; // days since 2000-01-01 00:00
    var D = Math.floor(t);
    var S = Math.floor((t - D + (shifted ? 0 : 1 / 24)) * 12);
    var rules = Native.CalendarRules;
    // k counts the 节 terms; k = 0 opens the 寅 month of the sino year 1984.
    var vYear = rules.yearPillar(1984 + Math.floor(k / 12));
    var monthBranch = rules.monthBranch(k % 12 + 1);
    var vMonth = rules.sixtyIndex(rules.monthStem(vYear % 10, monthBranch), monthBranch);
    var day = Sxf.DD(Sxf.J2000 + D);
    var vDay = rules.dayPillar(day.Y, day.M, day.D);
    var hourBranch = S % 12;
    var vHour = rules.sixtyIndex(rules.hourStem((vDay + (S === 12 ? 1 : 0)) % 10, hourBranch), hourBranch);
    out.bz_jn = ganZhiName(vYear);
    out.bz_jy = ganZhiName(vMonth);
    out.bz_jr = ganZhiName(vDay);
    out.bz_js = ganZhiName(vHour);
    out.bz_jni = vYear;
    out.bz_jyi = vMonth;
    out.bz_jri = vDay;
    out.bz_jsi = vHour;
    out.bz_zptyGapStr = gapText(gap);
    return 0;
}

// Traditional code of one simplified code; codes without an entry come back unchanged.
function getSim2Trad(simCode) {
    var sim = S2T.simCodes;
    var trad = S2T.tradCodes;
    var first = sim[0];
    if (simCode < first || simCode > sim[sim.length - 1])
        return simCode;
    var low = 0;
    // Codes are distinct and sorted, so the code cannot sit past this index.
    var high = Math.min(simCode - first, sim.length - 1);
    if (sim[low] === simCode)
        return trad[low];
    if (sim[high] === simCode)
        return trad[high];
    for (var round = 0; round < 16; round++) {
        if (low > high || high - low <= 1)
            return simCode;
        var mid = Math.floor((low + high) / 2);
        if (sim[mid] === simCode)
            return trad[mid];
        if (sim[mid] < simCode)
            low = mid;
        else
            high = mid;
    }
    return simCode;
}
