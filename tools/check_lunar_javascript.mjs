#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Independent check of cpp/Calendar/CalendarTables.h against the npm package lunar-javascript
// (not part of CI). Needs tools/node_modules (see gen_calendar_tables.mjs).
//
//   node tools/check_lunar_javascript.mjs [--moments FILE] [--uncorrected]
//
// 1. Every day 1800-01-01 ... 2099-12-31: lunar year, month, leap flag and day from the table and
//    from lunar-javascript's Solar.getLunar(); differing days are grouped by month.
// 2. Every term of the table against lunar-javascript's term moment of the same name: the largest
//    difference in seconds per century.
// --moments FILE (written by gen_calendar_tables.mjs --moments) adds the deciding new moon or
// principal term of each differing month. --uncorrected checks the table computed without the
// historical corrections (regenerated in memory) instead of the committed header.
import { createRequire } from 'node:module';
import fs from 'node:fs';
import { readTables, monthList, findMonth, noonJd, dateText } from './calendar_header.mjs';

const require = createRequire(import.meta.url);
const { Solar, LunarYear, ShouXingUtil } = require('lunar-javascript');

const args = process.argv.slice(2);
const momentsFile = args.includes('--moments') ? args[args.indexOf('--moments') + 1] : null;
const moments = momentsFile ? JSON.parse(fs.readFileSync(momentsFile, 'utf8')) : null;

let tables;
if (args.includes('--uncorrected')) {
    if (!moments) throw new Error('--uncorrected needs --moments');
    const gen = await import('./gen_calendar_tables.mjs');
    const months = gen.numberMonths(moments.terms, moments.newMoons);
    const { starts, leaps } = gen.buildLunarRows(months);
    tables = { firstYear: gen.FIRST_YEAR, solarTerms: readTables().solarTerms, lunarMonthStarts: starts, leapMonths: leaps };
} else {
    tables = readTables();
}
const months = monthList(tables);

// ---- days ---------------------------------------------------------------------------------------
const first = noonJd(1800, 1, 1), last = noonJd(2099, 12, 31);
const differing = new Map();
let dayCount = 0, diffDays = 0;
for (let n = first; n <= last; ++n) {
    ++dayCount;
    const m = findMonth(months, n);
    const ours = m ? `${m.year}-${m.leap ? 'leap ' : ''}${m.number}-${n - m.start + 1}` : 'none';
    const l = Solar.fromJulianDay(n).getLunar();
    const theirs = `${l.getYear()}-${l.getMonth() < 0 ? 'leap ' : ''}${Math.abs(l.getMonth())}-${l.getDay()}`;
    if (ours !== theirs) {
        ++diffDays;
        const key = m ? `${m.year}-${m.leap ? 'leap ' : ''}${m.number}` : 'none';
        if (!differing.has(key)) differing.set(key, { first: n, count: 0, ours, theirs, month: m });
        differing.get(key).count += 1;
    }
}
console.log(`days compared: ${dayCount}, differing: ${diffDays}, in ${differing.size} months`);

// Moments near the civil-day boundaries of a month, to show why a month start or leap differs.
function decidingMoments(m) {
    if (!moments || !m) return '';
    const near = [];
    for (const nm of moments.newMoons)
        if (Math.abs(nm.jd - (m.start - 0.5)) < 2 || (m.end && Math.abs(nm.jd - (m.end - 0.5)) < 2))
            near.push(`new moon ${dateText(nm.jd)}`);
    for (const t of moments.terms)
        if (t.lon % 30 === 0 && (Math.abs(t.jd - (m.start - 0.5)) < 2 || (m.end && Math.abs(t.jd - (m.end - 0.5)) < 2)))
            near.push(`principal term ${t.lon}° ${dateText(t.jd)}`);
    return near.length ? ` [${near.join('; ')}]` : '';
}
for (const [key, d] of differing)
    console.log(`  month ${key} (from ${dateText(d.first)} ), ${d.count} days: table ${d.ours}, lunar-javascript ${d.theirs}${decidingMoments(d.month)}`);

// Month-level differences with lunar-javascript's own month table, for the corrections list.
const ljMonths = [];
for (let y = tables.firstYear; y < tables.firstYear + tables.leapMonths.length; ++y)
    for (const lm of LunarYear.fromYear(y).getMonths())
        if (lm.getYear() === y)
            ljMonths.push({ year: y, number: Math.abs(lm.getMonth()), leap: lm.getMonth() < 0, start: lm.getFirstJulianDay() });
const label = (m) => `${m.year}-${m.leap ? 'leap ' : ''}${m.number}`;
const ourByStart = new Map(months.map((m) => [m.start, m]));
const ljByStart = new Map(ljMonths.map((m) => [m.start, m]));
let monthDiffs = 0;
for (const lm of ljMonths) {
    const m = ourByStart.get(lm.start);
    if (!m || label(m) !== label(lm)) {
        ++monthDiffs;
        console.log(`  lunar-javascript month ${label(lm)} starts ${lm.start} (${dateText(lm.start)}); table: ${m ? label(m) : 'no month starts that day'}`);
    }
}
for (const m of months)
    if (!ljByStart.has(m.start)) {
        ++monthDiffs;
        console.log(`  table month ${label(m)} starts ${m.start} (${dateText(m.start)}); lunar-javascript: no month starts that day`);
    }
console.log(`month starts/labels differing from lunar-javascript's month table: ${monthDiffs}`);

// ---- terms --------------------------------------------------------------------------------------
const ljTerms = [];
for (let y = tables.firstYear - 1; y <= tables.firstYear + tables.leapMonths.length; ++y)
    for (const jd of LunarYear.fromYear(y).getJieQiJulianDays()) ljTerms.push(jd);
ljTerms.sort((a, b) => a - b);
const nearest = (jd) => {
    let lo = 0, hi = ljTerms.length - 1;
    while (hi - lo > 1) { const mid = (lo + hi) >> 1; if (ljTerms[mid] <= jd) lo = mid; else hi = mid; }
    return Math.abs(ljTerms[lo] - jd) < Math.abs(ljTerms[hi] - jd) ? ljTerms[lo] : ljTerms[hi];
};
const perCentury = new Map();
tables.solarTerms.forEach((row, r) => {
    const year = tables.firstYear + r;
    const century = year < 1900 ? '1799-1899' : year < 2000 ? '1900-1999' : '2000-2100';
    row.forEach((jd, p) => {
        const diff = (jd - nearest(jd)) * 86400;
        if (Math.abs(diff) > 3600) throw new Error(`no lunar-javascript term near ${year}/${p}`);
        const c = perCentury.get(century) ?? { max: 0, at: null, sum: 0, n: 0 };
        if (Math.abs(diff) > Math.abs(c.max)) { c.max = diff; c.at = `${year} position ${p} (${dateText(jd)})`; c.jd = jd; }
        c.sum += diff; c.n += 1;
        perCentury.set(century, c);
    });
});
// A larger Delta T puts a moment earlier in UTC+8, so the Delta T difference explains a term
// difference of -(ours - lunar-javascript's).
function deltaTNote(jd) {
    if (!moments) return '';
    const m = moments.terms.reduce((best, t) => (Math.abs(t.jd - jd) < Math.abs(best.jd - jd) ? t : best));
    const theirs = ShouXingUtil.dtCalc(2000 + (jd - 2451545) / 365.2425);
    return `; Delta T there: table ${m.deltaT.toFixed(1)} s, lunar-javascript ${theirs.toFixed(1)} s`
           + ` (accounts for ${(theirs - m.deltaT).toFixed(1)} s)`;
}
for (const [century, c] of perCentury)
    console.log(`terms ${century}: largest difference table - lunar-javascript ${c.max.toFixed(1)} s at ${c.at}, mean ${(c.sum / c.n).toFixed(1)} s${deltaTNote(c.jd)}`);
