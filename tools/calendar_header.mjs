// SPDX-License-Identifier: GPL-3.0-or-later
// Reads cpp/Calendar/CalendarTables.h back for the independent checks (check_*.mjs); date helpers.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const headerPath = path.join(path.dirname(fileURLToPath(import.meta.url)), '..', 'cpp', 'Calendar', 'CalendarTables.h');

function arrayBody(text, name) {
    const m = text.match(new RegExp(`${name}\\[[^=]*= \\{([\\s\\S]*?)\\n\\};`));
    if (!m) throw new Error(`${name} not found in ${headerPath}`);
    return m[1].replace(/\/\/.*$/gm, '');
}

export function readTables(file = headerPath) {
    const text = fs.readFileSync(file, 'utf8');
    const firstYear = Number(text.match(/firstYear = (\d+)/)[1]);
    const numbers = (body) => body.match(/-?\d+(\.\d+)?/g).map(Number);
    const terms = numbers(arrayBody(text, 'solarTerms'));
    const starts = numbers(arrayBody(text, 'lunarMonthStarts'));
    const leaps = numbers(arrayBody(text, 'leapMonths'));
    const rows = leaps.length;
    if (terms.length !== rows * 24 || starts.length !== rows * 13) throw new Error('table sizes do not match');
    return {
        firstYear,
        solarTerms: Array.from({ length: rows }, (_, r) => terms.slice(r * 24, r * 24 + 24)),
        lunarMonthStarts: Array.from({ length: rows }, (_, r) => starts.slice(r * 13, r * 13 + 13)),
        leapMonths: leaps,
    };
}

// Months in calendar order: { year, number, leap, start, end } (start/end noon-form day numbers).
export function monthList(t) {
    const months = [];
    t.lunarMonthStarts.forEach((row, r) => {
        const leap = t.leapMonths[r];
        const count = row[12] === -1 ? 12 : 13;
        for (let p = 0; p < count; ++p) {
            // position p holds month p + 1 before the leap month and month p after it
            const number = p === leap ? leap : (leap !== 100 && p > leap ? p : p + 1);
            months.push({ year: t.firstYear + r, number, leap: p === leap, start: row[p] });
        }
    });
    months.forEach((m, i) => { m.end = i + 1 < months.length ? months[i + 1].start : null; });
    return months;
}

// Month containing noon-form day number n (binary search), or null.
export function findMonth(months, n) {
    let lo = 0, hi = months.length - 1;
    if (n < months[0].start) return null;
    while (lo < hi) {
        const mid = (lo + hi + 1) >> 1;
        if (months[mid].start <= n) lo = mid; else hi = mid - 1;
    }
    const m = months[lo];
    return m.end !== null && n < m.end ? m : null;
}

// Noon JD of a Gregorian date.
export function noonJd(y, m, d) {
    const a = Math.floor((14 - m) / 12), yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + Math.floor((153 * mm + 2) / 5) + 365 * yy + Math.floor(yy / 4) - Math.floor(yy / 100) + Math.floor(yy / 400) - 32045;
}

// Gregorian date of the civil day of a JD; Meeus, Astronomical Algorithms, ch. 7.
export function civilDate(jd) {
    const z = Math.floor(jd + 0.5);
    const alpha = Math.floor((z - 1867216.25) / 36524.25);
    const b = z + 1 + alpha - Math.floor(alpha / 4) + 1524;
    const c = Math.floor((b - 122.1) / 365.25);
    const d = Math.floor(365.25 * c);
    const e = Math.floor((b - d) / 30.6001);
    const day = b - d - Math.floor(30.6001 * e);
    const month = e < 14 ? e - 1 : e - 13;
    return { year: month > 2 ? c - 4716 : c - 4715, month, day };
}

// "YYYY-MM-DD hh:mm:ss" of a JD.
export function dateText(jd) {
    const { year, month, day } = civilDate(jd);
    const z = Math.floor(jd + 0.5);
    const frac = jd + 0.5 - z;
    const secs = Math.round(frac * 86400);
    const hh = Math.floor(secs / 3600), mi = Math.floor(secs / 60) % 60, ss = secs % 60;
    const p = (v) => String(v).padStart(2, '0');
    return `${year}-${p(month)}-${p(day)} ${p(hh)}:${p(mi)}:${p(ss)}`;
}
