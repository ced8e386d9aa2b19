#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Lists every new moon and principal term (中气) of the tables that falls within a minute of
// midnight in UTC+8, where the day of the month start or of the term depends on Delta T and on
// the theories (not part of CI).
//
//   node tools/gen_calendar_tables.mjs --moments /tmp/moments.json > /dev/null
//   node tools/check_near_midnight.mjs /tmp/moments.json [SECONDS]
//
// Each moment is recomputed with a second, independent ephemeris - astronomia's VSOP87B Earth and
// ELP/MPP02 Moon (fitted to DE405) - at the same Delta T, so the list shows how far the theories
// alone move it. The three new moons that the Hong Kong Observatory flags as uncertain are always
// listed.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { dateText } from './calendar_header.mjs';

const astronomia = path.join(path.dirname(fileURLToPath(import.meta.url)), 'node_modules', 'astronomia');
const { elp, planetposition, solar, nutation } = await import(path.join(astronomia, 'src', 'index.js'));
const data = (await import(path.join(astronomia, 'data', 'index.js'))).default;

const [file, limitArg] = process.argv.slice(2);
if (!file) { console.error('usage: check_near_midnight.mjs MOMENTS_FILE [SECONDS]'); process.exit(2); }
const limit = Number(limitArg ?? 60);
const moments = JSON.parse(fs.readFileSync(file, 'utf8'));
const hkoFlagged = ['2057-09-28', '2089-09-04', '2097-08-07'];

const earth = new planetposition.Planet(data.vsop87Bearth);
const moon = new elp.Moon(data.elpMppDeFull);
const TWO_PI = 2 * Math.PI;
const fold = (a) => { a = ((a % TWO_PI) + TWO_PI) % TWO_PI; return a > Math.PI ? a - TWO_PI : a; };
// astronomia precesses VSOP87B with the IAU 1976 rate; move it to IAU 2006 like the tables (its
// ELP/MPP02 already uses the corrected rate).
const ARCSEC = Math.PI / 180 / 3600;
const precessionFix = (jde) => {
    const t = (jde - 2451545) / 36525;
    return ((5028.796195 - 5029.0966) * t + (1.1054348 - 1.11113) * t * t) * ARCSEC;
};
const sunLon = (jde) => solar.apparentVSOP87(earth, jde).lon + precessionFix(jde);
const moonLon = (jde) => moon.position(jde - moon.lightTime(jde)).lon + nutation.nutation(jde)[0];

function solve(f, rate, t) {
    for (let i = 0; i < 30; ++i) {
        const step = -fold(f(t)) / rate;
        t += step;
        if (Math.abs(step) < 1e-8) return t;
    }
    throw new Error('no convergence');
}
const beijingToTT = (jd, deltaT) => jd - 8 / 24 + deltaT / 86400;
const ttToBeijing = (jde, deltaT) => jde + 8 / 24 - deltaT / 86400;
const toMidnight = (jd) => { const f = jd + 0.5 - Math.floor(jd + 0.5); return (f > 0.5 ? f - 1 : f) * 86400; };

// A principal term on the other side of midnight lands in another month only when a month
// starts on the later of the two days.
const monthStartDays = new Set(moments.newMoons.map((n) => Math.floor(n.jd + 0.5)));
function report(kind, m, other, isTerm) {
    const d = toMidnight(m.jd), o = toMidnight(other);
    const flip = Math.sign(d) !== Math.sign(o) ? '  <- the other theory crosses midnight' : '';
    const day = Math.floor(m.jd + 0.5), laterDay = d < 0 ? day + 1 : day;
    const decides = !isTerm || monthStartDays.has(laterDay) ? '' : '; no month starts there, so it decides no month';
    console.log(`${kind} ${dateText(m.jd)} UTC+8, ${d.toFixed(1)} s from midnight, Delta T ${m.deltaT.toFixed(1)} s;`
                + ` VSOP87B/ELP-MPP02: ${dateText(other)} (${((other - m.jd) * 86400).toFixed(1)} s)${flip}${decides}`);
}

for (const n of moments.newMoons) {
    const near = Math.abs(toMidnight(n.jd)) <= limit;
    const flagged = Math.abs(toMidnight(n.jd)) < 3600
        && hkoFlagged.some((day) => [-1, 1].some((side) => dateText(n.jd + side / 24).startsWith(day)));
    if (!near && !flagged) continue;
    const tt = solve((t) => moonLon(t) - sunLon(t), TWO_PI / 29.53, beijingToTT(n.jd, n.deltaT));
    report(flagged ? 'new moon (HKO-flagged)' : 'new moon', n, ttToBeijing(tt, n.deltaT));
}
for (const t of moments.terms) {
    if (t.lon % 30 !== 0 || Math.abs(toMidnight(t.jd)) > limit) continue;
    const target = t.lon * Math.PI / 180;
    const tt = solve((x) => sunLon(x) - target, TWO_PI / 365.2422, beijingToTT(t.jd, t.deltaT));
    report(`principal term ${t.lon}°`, t, ttToBeijing(tt, t.deltaT), true);
}
