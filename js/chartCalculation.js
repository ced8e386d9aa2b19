.pragma library
.import "sxfunction.js" as Eph

// The chart page's calculation, kept apart from the page so it can be run
// and checked without a window. Everything it needs from outside comes in
// through `deps`: { jsxf, insight, easyfunction, warn(message) }.

var ganNames = "甲乙丙丁戊己庚辛壬癸";
var zhiNames = "子丑寅卯辰巳午未申酉戌亥";
var dayVoidPairs = ["戌亥", "申酉", "午未", "辰巳", "寅卯", "子丑"];
var animals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
// Western sign that begins at the middle Qi term of sino month 1..12 (雨水 .. 大寒).
var signsFromQi = ["双鱼座", "白羊座", "金牛座", "双子座", "巨蟹座", "狮子座",
                   "处女座", "天秤座", "天蝎座", "射手座", "摩羯座", "水瓶座"];
var dayNumberEpoch = 2441170.5; // the civil day 1971-08-07 (甲子) begins here

function mod(a, n) {
    return ((a % n) + n) % n;
}

// Sixty-cycle index of a stem and a branch of the same parity.
function chacOf(stem, branch) {
    return mod(6 * stem - 5 * branch, 60);
}

function chacName(chac) {
    return ganNames.charAt(mod(chac, 10)) + zhiNames.charAt(mod(chac, 12));
}

// Stem that a year stem gives a month branch (寅 month of a 甲 year is 丙寅).
function monthStem(yearStem, branch) {
    return mod(mod(yearStem, 5) * 2 + 2 + mod(branch - 2, 12), 10);
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
                    "usingXiaShiLingclock", "extraColumn1", "mainJvalue", "extraColumn2",
                    "name", "inputPlaceName", "inputtime", "morenotes"];

// The stored values of one record, as the model answers them.
function readRecord(model, userid) {
    var r = {};
    for (var i = 0; i < recordFields.length; i++)
        r[recordFields[i]] = model.getCustInfoByStrName(userid, recordFields[i]);
    return r;
}

function dayVoid(dayChac) {
    return dayVoidPairs[Math.floor(mod(dayChac, 60) / 10)];
}

// Text of a pillar cell: the ten god of the stem, stem, branch, hidden stems
// with their gods and the twelve stage. `show` holds the three settings.
function pillarCell(ef, chac, dayStem, show) {
    var stem = mod(chac, 10), branch = mod(chac, 12);
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

// Ten luck pillars from the engine's start values.
function luckRows(ins, ef) {
    var rows = [];
    var dayStem = mod(ins.dayChac, 10);
    for (var i = 0; i < 10; i++) {
        var p = mod(ins.dayunJiaZiofBegin + ins.clockwise * i, 60);
        var b = mod(p, 12);
        rows.push({
            chac: p,
            gan: String(ef.getGanStr(mod(p, 10))),
            zhi: String(ef.getZhiStr(b)),
            cang: String(ef.getZhiCangGanStr(b)) + "<br>" + String(ef.getZhiCangGanShen10Str(dayStem, b)),
            yun12: String(ef.getYun12Str(dayStem, b)),
            solarYear: ins.solarYearOfBegin + 10 * i,
            jiaziYear: ins.jiaziNianOfBegin + 10 * i,
            sinoYear: ins.sinoYearOfBegin + 10 * i,
            solarMonth: ins.solarMonthOfBegin
        });
    }
    return rows;
}

function yearChacOf(sinoYear) {
    return mod(sinoYear - 4, 60);
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
    var ys = mod(yearChacOf(sinoYear), 10);
    for (var m = 1; m <= 12; m++) {
        var b = mod(m + 1, 12);
        var out = {};
        var ok = jsxf.sxf_getYMDofBeginEndofSinoYM(sinoYear, m, out) === 0;
        rows.push({
            sinoYear: sinoYear, sinoMonth: m, chac: chacOf(monthStem(ys, b), b),
            name: chacName(chacOf(monthStem(ys, b), b)),
            beginJd: ok ? out.beginJd : 0, endJd: ok ? out.endJd : 0,
            beginText: ok ? out.begin.M + "/" + out.begin.D : "", endText: ok ? out.end.M + "/" + out.end.D : ""
        });
    }
    return rows;
}

function dayChacOfDate(y, m, d) {
    return mod(Math.round(Eph.JD(y, m, d) - dayNumberEpoch), 60);
}

// The civil days from the day a month begins to the day it ends.
function flowDays(beginJd, endJd) {
    var rows = [];
    if (!(beginJd > 0) || !(endJd > beginJd))
        return rows;
    var first = Eph.DD(beginJd), last = Eph.DD(endJd);
    var j0 = Eph.JD(first.Y, first.M, first.D), j1 = Eph.JD(last.Y, last.M, last.D);
    for (var j = j0; j <= j1 + 0.01; j += 1) {
        var t = Eph.DD(j + 0.5);
        rows.push({ y: t.Y, m: t.M, d: t.D, chac: dayChacOfDate(t.Y, t.M, t.D), name: chacName(dayChacOfDate(t.Y, t.M, t.D)) });
    }
    return rows;
}

// Calendar date and time of a Julian day: { Y, M, D, h, m, s }.
function jdToDate(jd) {
    return Eph.DD(jd);
}

function twoDigits(n) {
    return (n < 10 ? "0" : "") + n;
}

function jdText(jd) {
    var t = Eph.DD(jd);
    return t.Y + "年" + t.M + "月" + t.D + "日 " + twoDigits(t.h) + ":" + twoDigits(t.m);
}

// Sino month 1..12 of a month branch.
function sinoMonthOfBranch(branch) {
    return mod(branch - 2, 12) + 1;
}

function westernSign(birthJd, qiMiddleJd, monthBranch) {
    var m = sinoMonthOfBranch(monthBranch);
    return birthJd >= qiMiddleJd ? signsFromQi[m - 1] : signsFromQi[mod(m - 2, 12)];
}

function zodiacAnimal(yearChac) {
    return animals.charAt(mod(yearChac, 12));
}

// Steps 2 to 17 of the calculation for one stored record. `page` holds the
// page's switches: recal, toUseZhenTaiYangShiTransit, isUsingJingDuTransit,
// itoChangeDay23clock, itoUsingXiaShiLing, hourBackOrForward. Answers
// { ok: false, reason } or the full result; the engine in deps.insight holds
// the chart afterwards.
function calculate(rec, page, deps) {
    var warn = deps.warn || function (m) { console.warn(m); };
    var parts = String(rec.maintime === undefined || rec.maintime === null ? "" : rec.maintime).split("/");
    var gender = intOf(rec.gender, 0);
    var caltype = intOf(rec.caltype, 0);
    var sw = {
        usingZty: intOf(rec.usingZty, 0),
        usingPty: intOf(rec.usingPty, 0),
        day23: intOf(rec.toChangeDay23clock, 1),
        xsl: intOf(rec.usingXiaShiLingclock, 0)
    };
    var xslType = isMissingNumber(rec.extraColumn1) ? -1 : intOf(rec.extraColumn1, -1);
    var longitude = isMissingNumber(rec.mainJvalue) ? 120 : Number(rec.mainJvalue);
    var tzLongitude;
    if (!isMissingNumber(rec.extraColumn2))
        tzLongitude = Number(rec.extraColumn2);
    else if (deps.easyfunction.isInDaZhongHuaArea())
        tzLongitude = 120;
    else
        tzLongitude = Number(deps.jsxf.guessTheTimezoneJvalueOfPlace(longitude));

    if (page.recal === 1) {
        sw.usingZty = page.toUseZhenTaiYangShiTransit;
        sw.usingPty = page.isUsingJingDuTransit;
        sw.day23 = page.itoChangeDay23clock;
        sw.xsl = page.itoUsingXiaShiLing;
    }
    var clockTime = sw.usingZty === 0 && sw.usingPty === 0;
    var solarLongitude = clockTime ? tzLongitude : longitude;

    var leap = caltype === 2 ? 1 : 0;
    var lunar = caltype === 1 || caltype === 2;
    var genderCode = gender === 0 ? 0 : 1;

    var nums = parts.map(function (p) { return Number(p); });
    if (parts.length !== 5 || nums.some(function (n) { return String(n) === "NaN"; })) {
        warn("inputtime not legal");
        return { ok: false, reason: "inputtime not legal" };
    }
    var y = nums[0], m = nums[1], d = nums[2], h = nums[3], mi = nums[4];

    if (lunar) {
        var solar = {}, msg = { str: "" };
        if (deps.jsxf.sxf_checkAndGetLunarInput(y, m, d, leap, solar, msg) !== 0) {
            warn("inputtime not legal2");
            return { ok: false, reason: "inputtime not legal2", message: msg.str };
        }
        y = solar.y; m = solar.m; d = solar.d;
    }

    var t = Eph.JD(y, m, d) + h / 24 + mi / 1440 + 10 / 86400;
    var isInXSLTime = Number(deps.jsxf.common_isXiaShiLingDateRange(t, xslType)) === 1;

    if (sw.xsl === 1) {
        var back = Eph.DD(t - 1 / 24);
        y = back.Y; m = back.M; d = back.D; h = back.h;
    }
    var isIn23clock = h === 23;

    var out = {};
    deps.jsxf.sxf_myNewMingLiBaZi(y, m, d, h, mi, solarLongitude, out, sw.usingZty, sw.day23, tzLongitude);

    var shift = intOf(page.hourBackOrForward, 0);
    var correctedHour = page.toUseZhenTaiYangShiTransit === 1 ? out.bz_zty_YMDhms.h : out.bz_pty_YMDhms.h;
    var isIn23clockAfterZPty = mod(correctedHour + 2 * shift, 24) === 23;

    var moved = Eph.DD(out.OutJd + shift * 2 / 24);
    var moment = { y: moved.Y, m: moved.M, d: moved.D, h: moved.h, mi: moved.m };

    var ins = deps.insight;
    ins.reinitAllTimepoints();
    var r = Number(ins.beginWithTime(genderCode, 0, moment.y, moment.m, moment.d, moment.h, moment.mi, 0,
                                     out.bz_zptyGap, sw.day23));
    if (r !== 0) {
        warn("inputtime not legal3");
        return { ok: false, reason: "inputtime not legal3" };
    }

    var ef = deps.easyfunction;
    var essentials = String(ins.getEssentials());
    return {
        ok: true,
        switches: sw, clockTime: clockTime, xslType: xslType,
        longitude: longitude, tzLongitude: tzLongitude, solarLongitude: solarLongitude,
        genderCode: genderCode, lunar: lunar, leap: leap,
        isInXSLTime: isInXSLTime, isIn23clock: isIn23clock, isIn23clockAfterZPty: isIn23clockAfterZPty,
        out: out, moment: moment,
        pillars: [ins.yearChac, ins.monthChac, ins.dayChac, ins.hourChac],
        luck: luckRows(ins, ef),
        essentials: essentials,
        lifePalace: ins.lifePalaceChac,
        conception: ins.conceptionChac,
        bodyPalace: ins.bodyPalaceChac,
        dayVoid: dayVoid(ins.dayChac),
        yearVoid: dayVoid(ins.yearChac)
    };
}
