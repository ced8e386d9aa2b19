#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Generates js/worldCityNamesZh.js: Chinese names for the offline world city
// table (js/worldCities.js) from the CLDR data in ICU - each zone's exemplar
// city, linked to the table's city of that name, and every country's name.
//
// Regenerate (needs Debian's libicu-dev):
//   c++ -O2 -o /tmp/zone_names_zh tools/zone_names_zh.cpp $(pkg-config --cflags --libs icu-i18n)
//   node tools/gen_world_city_names_zh.js /tmp/zone_names_zh > js/worldCityNamesZh.js
'use strict';
const fs = require('fs');
const path = require('path');
const {execFileSync} = require('child_process');

const tool = process.argv[2];
if (!tool) {
    console.error('usage: make_world_city_names_zh.js PATH_TO_zone_names_zh');
    process.exit(2);
}
const src = fs.readFileSync(path.join(__dirname, '..', 'js', 'worldCities.js'), 'utf8');
const zones = JSON.parse(/var zones = (\[.*?\]);\n/s.exec(src)[1]).map(z => z[0]);
const cityText = JSON.parse(/var cityText = (".*");\n/s.exec(src)[1]);
const countries = [...new Set(cityText.split('\n').map(l => l.split('|')[1]))].sort();

const out = execFileSync(tool, {input: zones.concat(countries).join('\n') + '\n'}).toString().trim().split('\n');
const icuVersion = execFileSync('pkg-config', ['--modversion', 'icu-i18n']).toString().trim();
const cities = {};
const countryNames = {};
for (const line of out) {
    const f = line.split('\t');
    if (f.length === 5 && f[2])
        cities[f[0]] = [f[1], f[2]];
    else if (f.length === 2 && f[1] && f[1] !== f[0])
        countryNames[f[0]] = f[1];
}

const lines = [];
lines.push('.pragma library');
lines.push('');
lines.push('// generated - do not edit.');
lines.push('// Source: CLDR zone exemplar cities and country names in ICU ' + icuVersion
           + ' (Debian libicu-dev, Unicode licence), via tools/zone_names_zh.cpp.');
lines.push('// Regenerate: c++ -O2 -o /tmp/zone_names_zh tools/zone_names_zh.cpp $(pkg-config --cflags --libs icu-i18n)');
lines.push('//   && node tools/gen_world_city_names_zh.js /tmp/zone_names_zh > js/worldCityNamesZh.js');
lines.push('// ' + Object.keys(cities).length + ' zones, ' + Object.keys(countryNames).length + ' countries.');
lines.push('');
lines.push('// IANA zone: [exemplar city in English, in Chinese]');
lines.push('var zoneCities = ' + JSON.stringify(cities) + ';');
lines.push('');
lines.push('// Country code: Chinese name');
lines.push('var countries = ' + JSON.stringify(countryNames) + ';');
process.stdout.write(lines.join('\n') + '\n');
