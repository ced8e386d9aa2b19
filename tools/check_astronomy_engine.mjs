#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Independent check of cpp/Calendar/CalendarTables.h against the npm package astronomy-engine
// (its own VSOP87 and lunar theory and its own Delta T: Espenak & Meeus), not part of CI:
//
//   (cd tools && npm install --no-save --no-package-lock astronomia@4.2.0 astronomy-engine@2.1.19)
//   node tools/check_astronomy_engine.mjs [FROM_YEAR [TO_YEAR]]     (default 2100 2200)
//
// 1. Every term of sino years FROM..TO: the moment astronomy-engine gives against the table's, in
//    seconds, and every term whose civil day (UTC+8) differs, with whether the program flags that
//    day uncertain (the term lies within the table budget of midnight).
// 2. Every Gregorian day FROM-01-01 .. TO-12-31: the lunar date from astronomy-engine's new moons
//    and principal terms, numbered by the generator's own rules (numberMonths), against the table;
//    each differing month with whether the program flags it uncertain (nearMidnightNewMoons within
//    the budget).
// The budget is the engine's (BoundaryWarnings::tableSeconds): 1 + 0.5 * max(0, year - 2025) s.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { readTables, monthList, findMonth, noonJd, civilDate, dateText, headerPath } from './calendar_header.mjs';
import { numberMonths, dayOf } from './gen_calendar_tables.mjs';

const require = (await import('node:module')).createRequire(import.meta.url);
const Astronomy = require(path.join(path.dirname(fileURLToPath(import.meta.url)), 'node_modules', 'astronomy-engine'));
const aeVersion = require(path.join(path.dirname(fileURLToPath(import.meta.url)), 'node_modules', 'astronomy-engine', 'package.json')).version;

const from = Number(process.argv[2] || 2100);
const to = Number(process.argv[3] || 2200);
const J2000 = 2451545.0;
const beijing = 8 / 24;
const budget = (year) => 1 + 0.5 * Math.max(0, year - 2025);
const toMidnight = (jd) => {
    const f = jd + 0.5 - Math.floor(jd + 0.5);
    return (f > 0.5 ? f - 1 : f) * 86400;
};
const termUncertain = (jd) => Math.abs(toMidnight(jd)) <= budget(civilDate(jd).year);

// ---- astronomy-engine moments (Beijing time JDs) ------------------------------------------------

const timeOfJd = (jd) => Astronomy.MakeTime(jd - beijing - J2000);
const jdOf = (t) => t.ut + J2000 + beijing;

const firstJd = noonJd(from - 2, 10, 1), lastJd = noonJd(to + 2, 3, 1);
const terms = [];
for (let jd = firstJd; ;) {
    // the next multiple of 15 degrees of the Sun's apparent longitude
    const lon = (Math.floor(Astronomy.SunPosition(timeOfJd(jd)).elon / 15) + 1) * 15 % 360;
    const t = Astronomy.SearchSunLongitude(lon, timeOfJd(jd), 20);
    if (!t) throw new Error(`no term ${lon} after ${dateText(jd)}`);
    jd = jdOf(t);
    if (jd > lastJd) break;
    terms.push({ lon, jd });
    jd += 1;
}
const newMoons = [];
for (let jd = firstJd; ;) {
    const t = Astronomy.SearchMoonPhase(0, timeOfJd(jd), 40);
    if (!t) throw new Error(`no new moon after ${dateText(jd)}`);
    jd = jdOf(t);
    if (jd > lastJd) break;
    newMoons.push({ jd });
    jd += 1;
}

// ---- terms ----------------------------------------------------------------------------------

const tables = readTables();
let maxDiff = 0, maxAt = '', sumDiff = 0, n = 0;
const termDays = [];
for (let y = from; y <= to; ++y) {
    const row = tables.solarTerms[y - tables.firstYear];
    row.forEach((ours, p) => {
        const lon = (315 + 15 * p) % 360;
        const theirs = terms.find((t) => t.lon === lon && Math.abs(t.jd - ours) < 2);
        if (!theirs) throw new Error(`astronomy-engine has no term ${lon} near ${dateText(ours)}`);
        const diff = (theirs.jd - ours) * 86400;
        sumDiff += Math.abs(diff);
        ++n;
        if (Math.abs(diff) > Math.abs(maxDiff)) { maxDiff = diff; maxAt = `${y}/${p} ${dateText(ours)}`; }
        if (dayOf(theirs.jd) !== dayOf(ours))
            termDays.push({ y, p, ours, theirs: theirs.jd, flagged: termUncertain(ours) });
    });
}
console.log(`astronomy-engine ${aeVersion}, sino years ${from}-${to}: ${n} terms, largest difference`
            + ` astronomy-engine - table ${maxDiff.toFixed(1)} s (${maxAt}), mean |difference| ${(sumDiff / n).toFixed(1)} s`);
console.log(`terms on another civil day (UTC+8): ${termDays.length}`);
for (const d of termDays)
    console.log(`  ${d.y} position ${d.p}: table ${dateText(d.ours)}, astronomy-engine ${dateText(d.theirs)};`
                + ` ${d.flagged ? 'flagged uncertain' : 'NOT flagged'} (budget ${budget(civilDate(d.ours).year).toFixed(1)} s)`);

// ---- lunar days -----------------------------------------------------------------------------

// Lunar year of each month: the Gregorian year in which its month 1 begins.
const theirMonths = numberMonths(terms, newMoons);
let year = null;
for (const m of theirMonths) {
    if (m.number === 1 && !m.leap) year = civilDate(m.start).year;
    m.year = year;
}
const ourMonths = monthList(tables);
const header = fs.readFileSync(headerPath, 'utf8');
const nearMidnight = [...header.matchAll(/^\s*\{(\d+), (-?\d+\.\d)\}, \/\/ /gm)].map((m) => ({ day: Number(m[1]), seconds: Number(m[2]) }));
const monthFlagged = (m) => nearMidnight.some((x) => x.day === m.start && Math.abs(x.seconds) <= budget(civilDate(x.day).year));

let days = 0, diffDays = 0;
for (let jd = noonJd(from, 1, 1); jd <= noonJd(to, 12, 31); ++jd) {
    ++days;
    const ours = findMonth(ourMonths, jd);
    const theirs = theirMonths.find((m) => m.start <= jd && jd < m.end);
    if (!(ours && theirs && ours.year === theirs.year && ours.number === theirs.number
          && ours.leap === theirs.leap && jd - ours.start === jd - theirs.start))
        ++diffDays;
}
// Months whose first day or label differs, matched by the nearest start.
const label = (m) => `${m.year} ${m.leap ? 'leap ' : ''}${m.number}`;
const differing = [];
for (const m of ourMonths) {
    if (m.end === null || m.end <= noonJd(from, 1, 1) || m.start > noonJd(to, 12, 31)) continue;
    const theirs = theirMonths.reduce((a, b) => (Math.abs(b.start - m.start) < Math.abs(a.start - m.start) ? b : a));
    if (theirs.start !== m.start || label(theirs) !== label(m))
        differing.push({ ours: m, theirs });
}
console.log(`days ${from}-01-01..${to}-12-31: ${days}, lunar date differing on ${diffDays}; months differing: ${differing.length}`);
for (const d of differing) {
    const nm = newMoons.find((x) => Math.abs(x.jd - d.ours.start) < 2);
    const ourNm = nearMidnight.find((x) => x.day === d.ours.start);
    console.log(`  ${label(d.ours)}: table from ${dateText(d.ours.start).slice(0, 10)}`
                + `${ourNm ? ` (table new moon ${ourNm.seconds.toFixed(1)} s from midnight)` : ''},`
                + ` astronomy-engine ${label(d.theirs)} from ${dateText(d.theirs.start).slice(0, 10)}`
                + ` (new moon ${nm ? dateText(nm.jd) : '?'}); ${monthFlagged(d.ours) ? 'flagged uncertain' : 'NOT flagged'}`
                + ` (budget ${budget(civilDate(d.ours.start).year).toFixed(1)} s)`);
}
