#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Generates cpp/Calendar/CalendarTables.h: solar terms, lunar month starts and leap months for
// the years 1799-2201 (the rows of 1799-2100 are those the program has always carried).
//
// Setup (once):  cd tools && npm install --no-save --no-package-lock astronomia@4.2.0
//                (the check tools also need lunar-javascript@1.7.7)
//                (Debian packages: libnova-dev for the ephemeris, a C compiler)
// Regenerate:    node tools/gen_calendar_tables.mjs > cpp/Calendar/CalendarTables.h
//                (add --moments FILE to keep the raw moments for check_*.mjs)
//
// Pipeline: Delta T knots from astronomia's USNO data -> calendar_ephemeris.c (libnova VSOP87 and
// ELP2000-82B) gives term and new-moon moments in Beijing time -> month numbering by the rules of
// the Chinese calendar -> the historical corrections of calendar_corrections.mjs -> the header.

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { corrections } from './calendar_corrections.mjs';
import { civilDate, dateText } from './calendar_header.mjs';

const toolsDir = path.dirname(fileURLToPath(import.meta.url));
const require = (await import('node:module')).createRequire(import.meta.url);

export const FIRST_YEAR = 1799;
// Rows run to 2201 so that sino and lunar year 2200 end inside the table (at the 立春 and the
// first month of 2201), as 2099 once ended at the row of 2100.
export const ROW_COUNT = 403;
const LAST_YEAR = FIRST_YEAR + ROW_COUNT - 1;
// Moments are computed for a margin of years around the table: month 11 of 1798 numbers the
// months of lunar year 1799, and the last lunar year ends in the year after it.
const EPHEMERIS_FIRST_YEAR = FIRST_YEAR - 2;
const EPHEMERIS_LAST_YEAR = LAST_YEAR + 2;
// The calendar in use before this lunar year may differ from the computation.
export const FIRST_MODERN_LUNAR_YEAR = 1929;

// ---- Delta T ----------------------------------------------------------------------------------

const astronomiaDir = path.join(toolsDir, 'node_modules', 'astronomia');
const deltatData = (await import(path.join(astronomiaDir, 'data', 'deltat.js'))).default;
export const astronomiaVersion = require(path.join(astronomiaDir, 'package.json')).version;

function isLeapGregorian(y) { return (y % 4 === 0 && y % 100 !== 0) || y % 400 === 0; }
function decimalYearOfMonthStart(year, month) {
    const days = [0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334][month - 1]
        + (month > 2 && isLeapGregorian(year) ? 1 : 0);
    return year + days / (isLeapGregorian(year) ? 366 : 365);
}

// Espenak & Meeus (2006, NASA Five Millennium Canon) expressions of Delta T for the future, seconds;
// the pieces meet at 2050 within 0.1 s and at 2150 exactly.
export function espenakMeeus(y) {
    if (y < 2050) { const t = y - 2000; return 62.92 + 0.32217 * t + 0.005589 * t * t; }
    const u = (y - 1820) / 100;
    if (y > 2150) return -20 + 32 * u * u;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

// Knots (decimal year, seconds): the half-yearly historic series up to 1973, the monthly observed
// series (USNO/IERS) from 1973-02 to its last month, then the extrapolation: Espenak & Meeus
// minus their offset from the last observed value, the offset falling linearly to zero over a
// century, so the curve starts exactly at the last observed value.
export function deltaTKnots() {
    const knots = [];
    const h = deltatData.historic, d = deltatData.data;
    const hStep = (h.last - h.first) / (h.table.length - 1);
    h.table.forEach((s, i) => {
        const y = h.first + i * hStep;
        if (y >= EPHEMERIS_FIRST_YEAR - 1 && y < d.first) knots.push([y, s]);
    });
    let [year, month] = d.firstYM;
    for (const s of d.table) {
        knots.push([decimalYearOfMonthStart(year, month), s]);
        if (++month > 12) { month = 1; ++year; }
    }
    const [lastYear, lastValue] = knots[knots.length - 1];
    const gap = espenakMeeus(lastYear) - lastValue;
    const extrapolate = (y) => espenakMeeus(y) - gap * Math.max(0, lastYear + 100 - y) / 100;
    for (;;) {
        const y = decimalYearOfMonthStart(year, month);
        if (y > EPHEMERIS_LAST_YEAR + 2) break;
        knots.push([y, extrapolate(y)]);
        if (++month > 12) { month = 1; ++year; }
    }
    return { knots, lastObserved: { year: d.lastYM, value: lastValue }, lastObservedYear: lastYear, gap,
             at2050: extrapolate(2050), at2100: extrapolate(2100), at2200: extrapolate(2200) };
}

// ---- Ephemeris --------------------------------------------------------------------------------

export function libnovaVersion() {
    try {
        return execFileSync('dpkg-query', ['-W', '-f=${Version}', 'libnova-dev'], { encoding: 'utf8' });
    } catch (e) {
        return 'unknown';
    }
}

// Runs calendar_ephemeris.c; returns { terms: [{lon, jd, deltaT}], newMoons: [{jd, deltaT}] }, JDs in
// Beijing time, sorted.
export function computeMoments() {
    const work = fs.mkdtempSync(path.join(os.tmpdir(), 'calendar-tables-'));
    try {
        const exe = path.join(work, 'calendar_ephemeris');
        execFileSync('cc', ['-O2', '-o', exe, path.join(toolsDir, 'calendar_ephemeris.c'), '-lnova', '-lm'],
                     { stdio: 'inherit' });
        const dtFile = path.join(work, 'deltat.txt');
        fs.writeFileSync(dtFile, deltaTKnots().knots.map(([y, s]) => `${y.toFixed(6)} ${s.toFixed(4)}`).join('\n') + '\n');
        const out = execFileSync(exe, [dtFile, String(EPHEMERIS_FIRST_YEAR), String(EPHEMERIS_LAST_YEAR)],
                                 { encoding: 'utf8', maxBuffer: 64 << 20 });
        const terms = [], newMoons = [];
        for (const line of out.trim().split('\n')) {
            const f = line.split(' ');
            if (f[0] === 'T') terms.push({ lon: Number(f[1]), jd: Number(f[2]), deltaT: Number(f[4]) });
            else if (f[0] === 'N') newMoons.push({ jd: Number(f[1]), deltaT: Number(f[3]) });
        }
        terms.sort((a, b) => a.jd - b.jd);
        newMoons.sort((a, b) => a.jd - b.jd);
        return { terms, newMoons };
    } finally {
        fs.rmSync(work, { recursive: true, force: true });
    }
}

// ---- Tables -----------------------------------------------------------------------------------

// Noon-form day number of the civil day containing a moment (JD N names the day from N - 0.5).
export function dayOf(jd) { return Math.floor(jd + 0.5); }

function gregorianYear(jd) { return civilDate(jd).year; }

// Solar terms: row of sino year y holds 立春 (315°) of year y ... 大寒 (300°) of January y + 1.
export function buildSolarTerms(terms) {
    const rows = [];
    for (let y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        const start = terms.findIndex((t) => t.lon === 315 && gregorianYear(t.jd) === y);
        if (start < 0 || start + 24 > terms.length) throw new Error(`no 立春 for ${y}`);
        const row = terms.slice(start, start + 24);
        row.forEach((t, p) => {
            if (t.lon !== (315 + 15 * p) % 360) throw new Error(`term order broken in ${y} at ${p}`);
        });
        rows.push(row.map((t) => t.jd));
    }
    return rows;
}

// Lunar months in order: { start (day number), number 1..12, leap }. Numbering by the rules of
// the Chinese calendar: the month containing 冬至 is 11; a sui (month 11 to the next month 11)
// of 13 months makes its first month without a principal term (中气) the leap month, which
// repeats the number of the month before it.
export function numberMonths(terms, newMoons) {
    const starts = newMoons.map((n) => dayOf(n.jd));
    const principalDays = terms.filter((t) => t.lon % 30 === 0).map((t) => dayOf(t.jd));
    const winterDays = terms.filter((t) => t.lon === 270).map((t) => dayOf(t.jd));
    const monthContaining = (day) => {
        for (let i = 0; i + 1 < starts.length; ++i)
            if (starts[i] <= day && day < starts[i + 1]) return i;
        return -1;
    };
    const hasPrincipal = (i) => principalDays.some((d) => starts[i] <= d && d < starts[i + 1]);
    const elevens = winterDays.map(monthContaining).filter((i) => i >= 0);
    const months = [];
    for (let k = 0; k + 1 < elevens.length; ++k) {
        const from = elevens[k], to = elevens[k + 1];
        const count = to - from;
        if (count !== 12 && count !== 13) throw new Error(`sui of ${count} months at ${starts[from]}`);
        let leapIndex = -1;
        if (count === 13) {
            for (let i = from + 1; i < to; ++i)
                if (!hasPrincipal(i)) { leapIndex = i; break; }
            if (leapIndex < 0) throw new Error(`13-month sui without a leap month at ${starts[from]}`);
        }
        let number = 11;
        for (let i = from; i < to; ++i) {
            const leap = i === leapIndex;
            if (i !== from && !leap) number = number % 12 + 1;
            months.push({ start: starts[i], end: starts[i + 1], number, leap });
        }
    }
    return months;
}

// Applies the historical corrections (calendar_corrections.mjs): each moves the first day of a month.
export function applyCorrections(months, list = corrections) {
    const applied = [];
    for (const c of list) {
        if (c.lunarYear >= FIRST_MODERN_LUNAR_YEAR)
            throw new Error(`correction for ${c.lunarYear}: none allowed from ${FIRST_MODERN_LUNAR_YEAR} on`);
        const years = assignYears(months);
        const idx = months.findIndex((m, i) => years[i] === c.lunarYear && m.number === c.month
                                               && m.leap === Boolean(c.leap));
        if (idx < 0) throw new Error(`correction ${c.lunarYear}-${c.month}: no such month`);
        if (months[idx].start !== c.computed)
            throw new Error(`correction ${c.lunarYear}-${c.month}: computation gives ${months[idx].start}, not ${c.computed}`);
        months[idx].start = c.inUse;
        if (idx > 0) months[idx - 1].end = c.inUse;
        applied.push(c);
    }
    return applied;
}

// Lunar year of each month: the Gregorian year in which its month 1 begins.
function assignYears(months) {
    const years = [];
    let year = null;
    months.forEach((m, i) => {
        if (m.number === 1 && !m.leap) year = gregorianYear(m.start);
        years[i] = year;
    });
    return years;
}

export function buildLunarRows(months) {
    const years = assignYears(months);
    const starts = [], leaps = [];
    for (let y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        const inYear = months.filter((m, i) => years[i] === y);
        if (inYear.length !== 12 && inYear.length !== 13) throw new Error(`lunar year ${y} has ${inYear.length} months`);
        const leap = inYear.find((m) => m.leap);
        starts.push(inYear.map((m) => m.start).concat(inYear.length === 12 ? [-1] : []));
        leaps.push(leap ? leap.number : 100);
    }
    return { starts, leaps };
}

// ---- Header -----------------------------------------------------------------------------------

// New moons that begin a month of the tables and lie within NEAR_MIDNIGHT_SECONDS of midnight
// (UTC+8): [noon JD of the day holding the new moon, signed seconds to the nearer midnight].
// The engine weighs them against its error budget to call a month uncertain.
export const NEAR_MIDNIGHT_SECONDS = 300;
export function nearMidnightNewMoons(newMoons, starts) {
    const monthStarts = new Set(starts.flat().filter((d) => d !== -1));
    const rows = [];
    for (const n of newMoons) {
        const f = n.jd + 0.5 - Math.floor(n.jd + 0.5);
        const seconds = (f > 0.5 ? f - 1 : f) * 86400;
        if (Math.abs(seconds) <= NEAR_MIDNIGHT_SECONDS && monthStarts.has(dayOf(n.jd)))
            rows.push([dayOf(n.jd), seconds]);
    }
    return rows;
}

function formatHeader({ termRows, starts, leaps, applied, dt, nearMidnight }) {
    const L = [];
    L.push('// generated - do not edit');
    L.push('//');
    L.push(`// Calendar tables for the sino and lunar years ${FIRST_YEAR}-${LAST_YEAR}.`);
    L.push('// Regenerate: (cd tools && npm install --no-save --no-package-lock astronomia@4.2.0)');
    L.push('//             node tools/gen_calendar_tables.mjs > cpp/Calendar/CalendarTables.h');
    L.push('// Generator: tools/gen_calendar_tables.mjs with tools/calendar_ephemeris.c and tools/calendar_corrections.mjs.');
    L.push('//');
    L.push(`// Ephemeris: libnova ${libnovaVersion()} (Debian libnova-dev): VSOP87B for the Earth, every term, precessed`);
    L.push('//   from J2000 to the ecliptic of date (IAU 2006), FK5 correction, IAU 1980 nutation in longitude,');
    L.push('//   aberration -20.4898"/R; ELP2000-82B for the Moon, every term, with light time and the same nutation.');
    L.push('//   Every moment is solved by Newton steps to below a millisecond.');
    L.push(`// Delta T: observed values from the npm package astronomia ${dt.astronomiaVersion} (data/deltat.js:`);
    L.push(`//   half-yearly series to 1973, then the monthly USNO/IERS series to ${dt.lastObserved.year.join('-')},`);
    L.push(`//   ${dt.lastObserved.value.toFixed(3)} s), linear between knots; after the last observed month the`);
    L.push('//   Espenak & Meeus (2006) expressions (to 2050: 62.92 + 0.32217 t + 0.005589 t^2, t = year - 2000;');
    L.push('//   to 2150: -20 + 32 u^2 - 0.5628 (2150 - year), u = (year - 1820) / 100; after: -20 + 32 u^2)');
    L.push(`//   minus their excess over the last observed value, ${dt.gap.toFixed(3)} s, falling linearly to zero by ${(dt.lastObservedYear + 100).toFixed(2)};`);
    L.push(`//   ${dt.at2050.toFixed(1)} s in 2050, ${dt.at2100.toFixed(1)} s in 2100, ${dt.at2200.toFixed(1)} s in 2200.`);
    L.push('// Time scale: universal time + 8 hours (Beijing standard time), JDs whose whole numbers fall at noon.');
    L.push('// solarTerms[r][p]: sino year 1799 + r, the moment the Sun\'s apparent longitude reaches 315 + 15 p');
    L.push('//   degrees (p = 0 立春 ... 23 大寒), rounded to six decimals.');
    L.push('// lunarMonthStarts[r]: lunar year 1799 + r, first day of each month in calendar order as the noon');
    L.push('//   JD of the civil day (UTC+8) holding the new moon; -1 as the 13th entry of a 12-month year.');
    L.push('// leapMonths[r]: number of the month that the leap month repeats, 100 for none. Numbering: the');
    L.push('//   month holding 冬至 is 11; in a 13-month sui the first month without a principal term is leap.');
    L.push(`// nearMidnightNewMoons: the new moons that begin a month above and lie within ${NEAR_MIDNIGHT_SECONDS} s of midnight`);
    L.push('//   (UTC+8): noon JD of the day holding the new moon, signed seconds to the nearer midnight');
    L.push('//   (negative: before the midnight that ends that day), rounded to 0.1 s.');
    L.push(`// Historical corrections applied (calendar in use before ${FIRST_MODERN_LUNAR_YEAR}, as reproduced by the npm package`);
    L.push(`//   lunar-javascript 1.7.7; see calendar_corrections.mjs): ${applied.length}.`);
    for (const c of applied) {
        L.push(`//   ${c.lunarYear} month ${c.leap ? 'leap ' : ''}${c.month}: starts ${c.computed} computed, ${c.inUse} in use`);
    }
    L.push('');
    L.push('#pragma once');
    L.push('');
    L.push('#include <cstdint>');
    L.push('');
    L.push('namespace CalendarTables {');
    L.push('');
    L.push(`inline constexpr int firstYear = ${FIRST_YEAR};`);
    L.push(`inline constexpr int rowCount = ${ROW_COUNT};`);
    L.push('');
    L.push(`inline constexpr double solarTerms[${ROW_COUNT}][24] = {`);
    termRows.forEach((row, r) => {
        L.push(`    { // ${FIRST_YEAR + r}`);
        for (let i = 0; i < 24; i += 4)
            L.push('        ' + row.slice(i, i + 4).map((v) => v.toFixed(6)).join(', ') + ',');
        L.push('    },');
    });
    L.push('};');
    L.push('');
    L.push(`inline constexpr std::int32_t lunarMonthStarts[${ROW_COUNT}][13] = {`);
    starts.forEach((row, r) => L.push(`    {${row.join(', ')}}, // ${FIRST_YEAR + r}`));
    L.push('};');
    L.push('');
    L.push(`inline constexpr std::int32_t leapMonths[${ROW_COUNT}] = {`);
    for (let r = 0; r < ROW_COUNT; r += 10)
        L.push(`    ${leaps.slice(r, r + 10).join(', ')}, // ${FIRST_YEAR + r}`);
    L.push('};');
    L.push('');
    L.push('struct NearMidnightNewMoon {');
    L.push('    std::int32_t day;');
    L.push('    double seconds;');
    L.push('};');
    L.push('');
    L.push(`inline constexpr int nearMidnightNewMoonCount = ${nearMidnight.length};`);
    L.push(`inline constexpr NearMidnightNewMoon nearMidnightNewMoons[${nearMidnight.length}] = {`);
    for (const [day, seconds] of nearMidnight)
        L.push(`    {${day}, ${seconds.toFixed(1)}}, // ${dateText(day).slice(0, 10)}`);
    L.push('};');
    L.push('');
    L.push(`static_assert(sizeof(solarTerms) / sizeof(solarTerms[0]) == rowCount, "one term row per sino year");`);
    L.push(`static_assert(sizeof(solarTerms[0]) / sizeof(double) == 24, "24 terms per row");`);
    L.push(`static_assert(sizeof(lunarMonthStarts) / sizeof(lunarMonthStarts[0]) == rowCount, "one month row per lunar year");`);
    L.push(`static_assert(sizeof(lunarMonthStarts[0]) / sizeof(std::int32_t) == 13, "13 month entries per row");`);
    L.push(`static_assert(sizeof(leapMonths) / sizeof(leapMonths[0]) == rowCount, "one leap entry per lunar year");`);
    L.push('');
    L.push('} // namespace CalendarTables');
    return L.join('\n') + '\n';
}

export function generate() {
    const { terms, newMoons } = computeMoments();
    const termRows = buildSolarTerms(terms);
    const months = numberMonths(terms, newMoons);
    const applied = applyCorrections(months);
    const { starts, leaps } = buildLunarRows(months);
    const dtInfo = deltaTKnots();
    const nearMidnight = nearMidnightNewMoons(newMoons, starts);
    return { terms, newMoons, termRows, months, starts, leaps, applied, nearMidnight,
             dt: { ...dtInfo, astronomiaVersion } };
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
    // --moments FILE also writes the raw term and new-moon moments for the check tools.
    const result = generate();
    const i = process.argv.indexOf('--moments');
    if (i > 0) fs.writeFileSync(process.argv[i + 1], JSON.stringify({ terms: result.terms, newMoons: result.newMoons }));
    process.stdout.write(formatHeader(result));
}
