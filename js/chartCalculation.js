// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library
.import chattutorial 1.0 as Native

// Display around the chart page's calculation. The calculation itself is the
// native ChartCalculation (record, switches, summer time, birth instant, solar
// time, engine); this module turns its answer into the page's texts and rows.
// Everything it needs comes in through `deps`:
// { calculation, jsxf, insight, easyfunction, warn(message) }.

var animals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
// Western sign that begins at the middle Qi term of sino month 1..12 (雨水 .. 大寒).
var signsFromQi = ["双鱼座", "白羊座", "金牛座", "双子座", "巨蟹座", "狮子座",
                   "处女座", "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座"];

function mod(a, n) {
    return ((a % n) + n) % n;
}

var Rules = Native.CalendarRules;

function chacName(chac) {
    return Rules.pillarName(chac);
}

function isMissingNumber(v) {
    return v === undefined || v === null || String(v).trim() === "" || isNaN(Number(v));
}

function intOf(v, fallback) {
    var n = parseInt(v, 10);
    return isNaN(n) ? fallback : n;
}

function isUsableUserid(userid) {
    return !(userid === undefined || userid === null || String(userid) === "undefined" || String(userid).length === 0);
}

var recordFields = ["maintime", "gender", "caltype", "usingZty", "usingPty", "toChangeDay23clock",
                    "usingXiaShiLingclock", "extraColumn1", "mainJvalue", "extraColumn2", "extraColumn3", "extraColumn4",
                    "name", "inputPlaceName", "inputtime", "morenotes"];

// The stored values of one record, as the model answers them.
function readRecord(model, userid) {
    var r = {};
    for (var i = 0; i < recordFields.length; i++)
        r[recordFields[i]] = model.getCustInfoByStrName(userid, recordFields[i]);
    return r;
}

// Text of a pillar cell: the ten god of the stem, stem, branch, hidden stems
// with their gods and the twelve stage. `show` holds the three settings.
function pillarCell(ef, chac, dayStem, show) {
    var stem = Rules.stemOf(chac), branch = Rules.branchOf(chac);
    return {
        shen10: String(ef.getShen10fullStr(dayStem, stem)),
        gan: String(ef.getGanStr(stem)),
        zhi: String(ef.getZhiStr(branch)),
        cang: String(ef.getZhiCangGanStr(branch)),
        cangShen: String(ef.getZhiCangGanShen10Str(dayStem, branch)),
        yun12: String(ef.getYun12Str(dayStem, branch)),
        showShen10: show.toShowGan10Shen !== 0,
        showCang: show.toShowZhiCang !== 0,
        showYun12: show.toShowChangSheng12yun !== 0
    };
}

// The ten luck pillars of the native calculation with their display texts.
function luckRows(rows, dayChac, ef) {
    var out = [];
    var dayStem = Rules.stemOf(dayChac);
    for (var i = 0; i < rows.length; i++) {
        var p = rows[i].chac;
        var b = Rules.branchOf(p);
        out.push({
            chac: p,
            gan: String(ef.getGanStr(Rules.stemOf(p))),
            zhi: String(ef.getZhiStr(b)),
            cang: String(ef.getZhiCangGanStr(b)) + "<br>" + String(ef.getZhiCangGanShen10Str(dayStem, b)),
            yun12: String(ef.getYun12Str(dayStem, b)),
            solarYear: rows[i].solarYear,
            jiaziYear: rows[i].jiaziYear,
            sinoYear: rows[i].sinoYear,
            solarMonth: rows[i].solarMonth
        });
    }
    return out;
}

function yearChacOf(sinoYear) {
    return Native.CalendarRules.yearPillar(sinoYear);
}

// Ten flow years from a sino year.
function flowYears(firstSinoYear) {
    var rows = [];
    for (var i = 0; i < 10; i++) {
        var y = firstSinoYear + i;
        rows.push({ sinoYear: y, chac: yearChacOf(y), name: chacName(yearChacOf(y)) });
    }
    return rows;
}

// Twelve flow months of a sino year with their first and last days.
function flowMonths(jsxf, sinoYear) {
    var rows = [];
    var ys = Rules.stemOf(yearChacOf(sinoYear));
    for (var m = 1; m <= 12; m++) {
        var b = Native.CalendarRules.monthBranch(m);
        var chac = Native.CalendarRules.sixtyIndex(Native.CalendarRules.monthStem(ys, b), b);
        var out = {};
        var ok = jsxf.sxf_getYMDofBeginEndofSinoYM(sinoYear, m, out) === 0;
        rows.push({
            sinoYear: sinoYear, sinoMonth: m, chac: chac, name: chacName(chac),
            beginJd: ok ? out.beginJd : 0, endJd: ok ? out.endJd : 0,
            beginText: ok ? out.begin.M + "/" + out.begin.D : "", endText: ok ? out.end.M + "/" + out.end.D : ""
        });
    }
    return rows;
}

function dayChacOfDate(y, m, d) {
    return Native.CalendarRules.dayPillar(y, m, d);
}

// The civil days from the day a month begins to the day it ends.
function flowDays(beginJd, endJd) {
    var rows = [];
    if (!(beginJd > 0) || !(endJd > beginJd))
        return rows;
    var first = Rules.civilTime(beginJd), last = Rules.civilTime(endJd);
    var j0 = Rules.julianDay(first.Y, first.M, first.D, 0, 0), j1 = Rules.julianDay(last.Y, last.M, last.D, 0, 0);
    for (var j = j0; j <= j1 + 0.01; j += 1) {
        var t = Rules.civilTime(j + 0.5);
        rows.push({ y: t.Y, m: t.M, d: t.D, chac: dayChacOfDate(t.Y, t.M, t.D), name: chacName(dayChacOfDate(t.Y, t.M, t.D)) });
    }
    return rows;
}

// Calendar date and time of a Julian day: { Y, M, D, h, m, s }.
function jdToDate(jd) {
    return Rules.civilTime(jd);
}

function twoDigits(n) {
    return (n < 10 ? "0" : "") + n;
}

function jdText(jd) {
    var t = Rules.civilTime(jd);
    return t.Y + "年" + t.M + "月" + t.D + "日 " + twoDigits(t.h) + ":" + twoDigits(t.m);
}

// Sino month 1..12 of a month branch.
function sinoMonthOfBranch(branch) {
    return Native.CalendarRules.sinoMonth(branch);
}

function westernSign(birthJd, qiMiddleJd, monthBranch) {
    var m = sinoMonthOfBranch(monthBranch);
    return birthJd >= qiMiddleJd ? signsFromQi[m - 1] : signsFromQi[mod(m - 2, 12)];
}

function zodiacAnimal(yearChac) {
    return animals.charAt(Rules.branchOf(yearChac));
}

function gapText(days) {
    return Rules.differenceText(days);
}

// A solar-time moment as the header shows it: the time alone on the entered
// day, with the date on another day.
function solarTimeText(jd, withDate) {
    var t = Rules.civilTime(jd);
    var hm = twoDigits(t.h) + ":" + twoDigits(t.m);
    return withDate ? t.Y + "-" + twoDigits(t.M) + "-" + twoDigits(t.D) + " " + hm : hm;
}

// Figures of the chain for the page header: zone, offset, summer time, and
// the minutes by which mean and true solar time differ from the entered clock.
function chainFigures(result) {
    var chain = result.chain;
    var clock = chain.jdClock;
    return {
        zone: String(chain.zone),
        offset: offsetText(chain.utcOffsetMinutes),
        dstMinutes: chain.dstMinutes,
        tableRegion: chain.tableRegion,
        meanMinutes: Math.round((chain.jdMeanSolar - clock) * 1440),
        trueMinutes: Math.round((chain.jdTrueSolar - clock) * 1440),
        localTime: String(chain.localTime),
        daylightReading: result.daylightReading === true
    };
}

// UTC offset as "UTC+08:00".
function offsetText(minutes) {
    var a = Math.abs(minutes);
    return "UTC" + (minutes < 0 ? "-" : "+") + twoDigits(Math.floor(a / 60)) + ":" + twoDigits(a % 60);
}

// The calculation for one stored record. `page` holds the page's switches:
// recal, toUseZhenTaiYangShiTransit, isUsingJingDuTransit, itoChangeDay23clock,
// itoUsingXiaShiLing, hourBackOrForward, daylightReading. Answers
// { ok: false, reason } or the full result; the engine in deps.insight holds
// the chart afterwards.
function calculate(rec, page, deps) {
    var warn = deps.warn || function (m) { console.warn(m); };
    var r = deps.calculation.calculateRecord(rec, page, deps.insight);
    if (!r.ok) {
        warn(r.reason);
        return { ok: false, reason: r.reason, message: r.message };
    }
    var chain = r.chain;
    var xslType = isMissingNumber(rec.extraColumn1) ? -1 : intOf(rec.extraColumn1, -1);
    var tzLongitude;
    if (!isMissingNumber(rec.extraColumn2))
        tzLongitude = Number(rec.extraColumn2);
    else if (deps.easyfunction.isInDaZhongHuaArea())
        tzLongitude = 120;
    else
        tzLongitude = Rules.nearestMeridian(r.longitude);
    var c = chain.clockFields;
    // The program's tables in China, Hong Kong and Taiwan; abroad the switch
    // is always offered, as an override of the tz database.
    var isInXSLTime = chain.tableRegion ? Rules.clockInSummerTimeTable(c[0], c[1], c[2], c[3], c[4], xslType) : true;
    var otherDay = Rules.civilTime(chain.jdTrueSolar).D !== c[2] || Rules.civilTime(chain.jdMeanSolar).D !== c[2];
    var out = {
        OutJd: chain.jdPillars,
        bz_zptyGap: chain.equationOfTimeDays,
        bz_zptyGapStr: gapText(chain.equationOfTimeDays),
        bz_zty: solarTimeText(chain.jdTrueSolar, otherDay),
        bz_pty: solarTimeText(chain.jdMeanSolar, otherDay)
    };
    var meridian = (chain.utcOffsetMinutes - chain.dstMinutes) / 4;
    return {
        ok: true,
        switches: { day23: r.day23, xsl: page.recal === 1 ? page.itoUsingXiaShiLing : intOf(rec.usingXiaShiLingclock, 0) },
        clockTime: r.clockTime, xslType: xslType,
        longitude: r.longitude, tzLongitude: tzLongitude, solarLongitude: r.clockTime ? meridian : r.longitude,
        genderCode: r.genderCode, lunar: r.lunar, leap: r.leap,
        isInXSLTime: isInXSLTime, isIn23clock: r.isIn23clock, isIn23clockAfterZPty: r.isIn23clockAfterZPty,
        chain: chain, dstMode: r.dstMode, daylightReading: r.daylightReading,
        out: out, moment: r.pillarMoment,
        pillars: r.pillars,
        luck: luckRows(r.luck, r.pillars[2], deps.easyfunction),
        essentials: r.essentials,
        lifePalace: r.lifePalace,
        conception: r.conception,
        bodyPalace: r.bodyPalace,
        dayVoid: r.dayVoid,
        yearVoid: r.yearVoid
    };
}
