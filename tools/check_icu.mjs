#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Independent check of cpp/Calendar/CalendarTables.h against ICU's Chinese calendar (libicu-dev),
// every day of a range of years (default 1800-01-01 ... 2099-12-31) at 12:00 UTC+8 (not part of CI).
//
//   node tools/check_icu.mjs [--moments FILE] [--years FROM TO]     (default 1800 2099)
//
// ICU computes in UTC+8 throughout with its own coarse astronomy (CalendarAstronomer, errors of
// up to tens of minutes), so it differs where a new moon or a principal term lies near midnight,
// and before 1929 where the calendar in use (this table) differs from any UTC+8 computation.
// --moments FILE (gen_calendar_tables.mjs --moments) prints the deciding moments of each month.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { readTables, monthList, findMonth, dateText } from './calendar_header.mjs';
import { corrections } from './calendar_corrections.mjs';

const toolsDir = path.dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const moments = args.includes('--moments')
    ? JSON.parse(fs.readFileSync(args[args.indexOf('--moments') + 1], 'utf8')) : null;
const years = args.includes('--years') ? args.slice(args.indexOf('--years') + 1, args.indexOf('--years') + 3) : ['1800', '2099'];

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'check-icu-'));
let out;
try {
    const exe = path.join(work, 'icu_chinese_days');
    const flags = execFileSync('pkg-config', ['--cflags', '--libs', 'icu-i18n'], { encoding: 'utf8' }).trim().split(/\s+/);
    execFileSync('c++', ['-O2', '-o', exe, path.join(toolsDir, 'icu_chinese_days.cpp'), ...flags], { stdio: 'inherit' });
    out = execFileSync(exe, years, { encoding: 'utf8', maxBuffer: 64 << 20 });
} finally {
    fs.rmSync(work, { recursive: true, force: true });
}
const icuVersion = execFileSync('pkg-config', ['--modversion', 'icu-i18n'], { encoding: 'utf8' }).trim();

const months = monthList(readTables());
const icuDay = new Map();
const differing = new Map();
let days = 0, diffDays = 0;
for (const line of out.trim().split('\n')) {
    const [jd, cycleYear, month, leap, day] = line.split('\t').map(Number);
    ++days;
    icuDay.set(jd, day);
    const m = findMonth(months, jd);
    const ours = m ? { cycleYear: ((m.year - 1984) % 60 + 60) % 60 + 1, month: m.number, leap: m.leap ? 1 : 0, day: jd - m.start + 1 } : null;
    if (!ours || ours.cycleYear !== cycleYear || ours.month !== month || ours.leap !== leap || ours.day !== day) {
        ++diffDays;
        const key = m ? `${m.year}-${m.leap ? 'leap ' : ''}${m.number}` : 'none';
        if (!differing.has(key)) differing.set(key, { first: jd, count: 0, m, icu: `${month}${leap ? ' leap' : ''}-${day}` });
        differing.get(key).count += 1;
    }
}
console.log(`ICU ${icuVersion}: days compared ${days}, differing ${diffDays}, in ${differing.size} table months`);

const toMidnight = (jd) => {
    const f = jd + 0.5 - Math.floor(jd + 0.5);
    return (f > 0.5 ? f - 1 : f) * 86400;
};
const nearestToMidnight = (list) =>
    list.sort((x, y) => Math.abs(toMidnight(x.jd)) - Math.abs(toMidnight(y.jd)))[0];
const describe = (c) => c ? `${c.what} ${dateText(c.jd)} UTC+8, ${toMidnight(c.jd).toFixed(0)} s from midnight` : 'no moment found';

// Group the differing months: where ICU starts a month on another day, the new moon at that
// boundary decides; where the days agree and only the numbering differs (a leap month moved),
// consecutive months form one case, decided by the principal term nearest to midnight in it.
const corrected = new Set(corrections.map((c) => `${c.lunarYear}-${c.leap ? 'leap ' : ''}${c.month}`));
const cases = [];
for (const [key, d] of differing) {
    const m = d.m;
    const shiftedAt = [m.start, m.end].find((b) => b !== null && icuDay.has(b) && icuDay.get(b) !== 1);
    const last = cases[cases.length - 1];
    const follows = last && last.months[last.months.length - 1].end === m.start;
    if (follows && shiftedAt !== undefined && last.boundary === shiftedAt) {
        last.months.push(m);
        last.keys.push(key);
        continue;
    }
    if (shiftedAt === undefined && follows && last.kind === 'numbering') {
        last.months.push(m);
        last.keys.push(key);
        continue;
    }
    cases.push({ kind: shiftedAt === undefined ? 'numbering' : 'month start', boundary: shiftedAt, months: [m], keys: [key] });
}
for (const c of cases) {
    let decider = null;
    if (moments && c.kind === 'month start') {
        decider = nearestToMidnight(moments.newMoons.filter((n) => Math.abs(n.jd - (c.boundary - 0.5)) < 1.5)
                                                    .map((n) => ({ what: 'new moon', jd: n.jd })));
    } else if (moments) {
        // a term decides only if the day on the other side of midnight lies in another month
        const starts = new Set(months.map((mm) => mm.start));
        const decisive = (t) => starts.has(Math.floor(t.jd + 0.5) + (toMidnight(t.jd) < 0 ? 1 : 0));
        const from = c.months[0].start - 1, to = c.months[c.months.length - 1].end + 1;
        decider = nearestToMidnight(moments.terms.filter((t) => t.lon % 30 === 0 && t.jd > from && t.jd < to && decisive(t))
                                                 .map((t) => ({ what: `principal term ${t.lon}°`, jd: t.jd })));
    }
    const count = c.keys.reduce((n, k) => n + differing.get(k).count, 0);
    const note = c.keys.some((k) => corrected.has(k)) ? '; the calendar in use (historical correction)' : '';
    console.log(`  ${c.kind}: ${c.keys.join(', ')} (${count} days; ICU from ${dateText(differing.get(c.keys[0]).first).slice(0, 10)}:`
                + ` ${differing.get(c.keys[0]).icu})${moments ? '; decided by ' + describe(decider) : ''}${note}`);
}
console.log(`${cases.length} cases`);
