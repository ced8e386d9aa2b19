#!/usr/bin/env node
// Independent check of cpp/Calendar/CalendarTables.h against ICU's Chinese calendar (libicu-dev),
// every day 1800-01-01 ... 2099-12-31 at 12:00 UTC+8 (not part of CI).
//
//   node tools/check_icu.mjs [--moments FILE]
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

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'check-icu-'));
let out;
try {
    const exe = path.join(work, 'icu_chinese_days');
    const flags = execFileSync('pkg-config', ['--cflags', '--libs', 'icu-i18n'], { encoding: 'utf8' }).trim().split(/\s+/);
    execFileSync('c++', ['-O2', '-o', exe, path.join(toolsDir, 'icu_chinese_days.cpp'), ...flags], { stdio: 'inherit' });
    out = execFileSync(exe, ['1800', '2099'], { encoding: 'utf8', maxBuffer: 64 << 20 });
} finally {
    fs.rmSync(work, { recursive: true, force: true });
}
const icuVersion = execFileSync('pkg-config', ['--modversion', 'icu-i18n'], { encoding: 'utf8' }).trim();

const months = monthList(readTables());
const differing = new Map();
let days = 0, diffDays = 0;
for (const line of out.trim().split('\n')) {
    const [jd, cycleYear, month, leap, day] = line.split('\t').map(Number);
    ++days;
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
// The moment that decides a month: of the new moons at its two ends and the principal terms
// in or next to it, the one nearest to midnight (the one a coarse ephemeris can misplace).
function deciding(m) {
    if (!moments) return '';
    const candidates = [];
    for (const nm of moments.newMoons)
        if ([m.start, m.end].some((b) => Math.abs(nm.jd - (b - 0.5)) < 1.5)) candidates.push({ what: 'new moon', jd: nm.jd });
    for (const t of moments.terms)
        if (t.lon % 30 === 0 && t.jd > m.start - 2 && t.jd < m.end + 1) candidates.push({ what: `principal term ${t.lon}°`, jd: t.jd });
    candidates.sort((x, y) => Math.abs(toMidnight(x.jd)) - Math.abs(toMidnight(y.jd)));
    const c = candidates[0];
    return c ? `decided by ${c.what} ${dateText(c.jd)} UTC+8, ${toMidnight(c.jd).toFixed(0)} s from midnight` : '';
}
const corrected = new Set(corrections.map((c) => `${c.lunarYear}-${c.leap ? 'leap ' : ''}${c.month}`));
for (const [key, d] of differing)
    console.log(`  ${key} from ${dateText(d.first).slice(0, 10)}: ${d.count} days; ICU there ${d.icu}; ${deciding(d.m)}`
                + (corrected.has(key) ? '; calendar in use (historical correction)' : ''));
