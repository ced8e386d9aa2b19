#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes cpp/Calendar/EarthLongitudeSeries.h, the Earth's truncated VSOP87D
// longitude series L0..L5 for the native equation of time
// (cpp/Calendar/SolarTime).
//
// Source: VSOP87D (Bretagnon & Francou 1988, heliocentric ecliptic
// coordinates of date), Earth file as shipped by the npm package
// astronomia 4.2.0 (node_modules/astronomia/data/vsop87Dearth.js).
//
// Install and regenerate (from the repository root):
//   (cd tools && npm install --no-save astronomia@4.2.0)
//   node tools/gen_xl0_earth.js > cpp/Calendar/EarthLongitudeSeries.h
//
// Each series keeps its first terms in the published order (the files list
// terms by falling amplitude), amplitudes times 10^10 rounded to integers,
// phases and frequencies rounded to nine decimals.
'use strict';
const path = require('path');
const src = require(path.join(__dirname, 'node_modules/astronomia/data/vsop87Dearth.js'));
const earth = src.default || src;
const pkg = require(path.join(__dirname, 'node_modules/astronomia/package.json'));

// Terms kept per coordinate and power of time (L0..L5, B0..B5, R0..R5); the
// latitude and radius series are laid out only to check the published
// layout, the header holds the longitude.
const KEEP = {
    L: [186, 114, 60, 8, 4, 4],
    B: [23, 3, 1, 0, 0, 0],
    R: [236, 142, 85, 5, 9, 2],
};
const DIVISOR = 1e10;

function round9(x) {
    const v = Math.round(x * 1e9) / 1e9;
    return Object.is(v, -0) ? 0 : v;
}

const offsets = [];
const terms = [];
let pos = 20;
for (const coord of ['L', 'B', 'R']) {
    for (let i = 0; i < 6; ++i) {
        offsets.push(pos);
        const series = earth[coord][String(i)] || [];
        const keep = KEEP[coord][i];
        if (series.length < keep)
            throw new Error(`${coord}${i}: only ${series.length} terms, ${keep} wanted`);
        for (let k = 0; k < keep; ++k) {
            const [a, b, c] = series[k];
            terms.push(Math.round(a * DIVISOR), round9(b), round9(c));
        }
        pos += 3 * keep;
    }
}
offsets.push(pos);
const table = [DIVISOR, ...offsets, ...terms];

// The layout and the best-known terms must come out as published.
function expect(what, got, want) {
    if (JSON.stringify(got) !== JSON.stringify(want))
        throw new Error(`${what}: got ${JSON.stringify(got)}, want ${JSON.stringify(want)}`);
}
expect('offsets', offsets, [20, 578, 920, 1100, 1124, 1136, 1148, 1217, 1226, 1229, 1229, 1229,
    1229, 1937, 2363, 2618, 2633, 2660, 2666]);
expect('length', table.length, 2666);
expect('L0 first', table.slice(20, 26), [17534704567, 0, 0, 334165646, 4.669256804, 6283.075849991]);
expect('L1 first', table.slice(578, 581), [62833196674749, 0, 0]);
expect('R0 first', table.slice(1229, 1235), [10001398880, 0, 0, 167069963, 3.098463508, 6283.075849991]);

const cpp = [];
cpp.push('// generated - do not edit');
cpp.push(`// Source: VSOP87D Earth series (Bretagnon & Francou 1988) from the npm package astronomia ${pkg.version},`);
cpp.push('// the longitude series L0..L5, each cut after its first terms (KEEP in the generator).');
cpp.push('// Regenerate: (cd tools && npm install --no-save astronomia@4.2.0) && node tools/gen_xl0_earth.js > cpp/Calendar/EarthLongitudeSeries.h');
cpp.push('#pragma once');
cpp.push('');
cpp.push('namespace EarthLongitudeSeries {');
cpp.push('');
cpp.push(`constexpr double divisor = ${DIVISOR}; // amplitudes are A x 10^10`);
const first = offsets[0];
const starts = offsets.slice(0, 7).map(o => (o - first) / 3);
cpp.push(`// First term of L0..L5 and the end of L5, in rows of terms[].`);
cpp.push(`constexpr int seriesStart[7] = {${starts.join(', ')}};`);
cpp.push('// (A, B, C): A cos(B + C tau), tau in Julian millennia from J2000.');
cpp.push('constexpr double terms[][3] = {');
for (let i = first; i < offsets[6]; i += 3)
    cpp.push(`    {${table.slice(i, i + 3).join(', ')}},`);
cpp.push('};');
cpp.push(`static_assert(sizeof(terms) / sizeof(terms[0]) == ${starts[6]}, "L0..L5 rows");`);
cpp.push('');
cpp.push('} // namespace EarthLongitudeSeries');
process.stdout.write(cpp.join('\n') + '\n');
