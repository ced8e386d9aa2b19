// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library
.import "worldCities.js" as World
.import "worldCityNamesZh.js" as NamesZh

// Search over the offline world city table. Pure apart from a parse cache.

var cities = null;

function fold(text) {
    var s = String(text).toLowerCase();
    if (typeof s.normalize === "function")
        s = s.normalize("NFD").replace(/[\u0300-\u036f]/g, "");
    return s.replace(/[^a-z0-9\u00c0-\uffff]+/g, " ").trim();
}

function load() {
    if (cities)
        return cities;
    cities = [];
    var lines = World.cityText.split("\n");
    for (var i = 0; i < lines.length; ++i) {
        var f = lines[i].split("|");
        var zoneIndex = parseInt(f[4], 10);
        var key = fold(f[0]);
        // The zone's exemplar city (GeoNames may add " City") takes its Chinese name.
        var exemplar = NamesZh.zoneCities[World.zones[zoneIndex][0]];
        var nameZh = exemplar && (key === fold(exemplar[0]) || key === fold(exemplar[0]) + " city") ? exemplar[1] : "";
        var countryZh = NamesZh.countries[f[1]] || "";
        cities.push({name: f[0], key: key, country: f[1], lng: parseFloat(f[2]), lat: parseFloat(f[3]),
                     zoneIndex: zoneIndex, population: parseInt(f[5], 10), nameZh: nameZh, countryZh: countryZh,
                     keyZh: nameZh + " " + countryZh});
    }
    return cities;
}

function describe(c) {
    var z = World.zones[c.zoneIndex];
    return {
        name: c.name,
        nameZh: c.nameZh,
        country: c.country,
        countryZh: c.countryZh,
        lng: c.lng,
        lat: c.lat,
        population: c.population,
        zone: z[0],
        standardOffsetMinutes: z[1],
        keepsSummerTime: z[2] === 1,
        xslType: z[3],
        // The standard meridian: 15 degrees per hour of offset.
        timeZoneJv: z[1] / 4
    };
}

// Cities whose name (or Chinese name) starts with the query come first, then
// those containing it or in a country whose Chinese name contains it; each
// group largest first. At most `limit` results. `scriptKey`, when given, makes
// Simplified and Traditional writing equal (the service's searchKey), so a
// Chinese name typed in either script is found.
function search(query, limit, scriptKey) {
    var q = fold(scriptKey ? scriptKey(String(query)) : query);
    var max = limit > 0 ? limit : 30;
    if (q.length === 0)
        return [];
    var list = load(), prefix = [], inner = [];
    for (var i = 0; i < list.length && prefix.length < max; ++i) {
        var c = list[i];
        if (scriptKey && c.scriptNameZh === undefined) {
            c.scriptNameZh = c.nameZh.length > 0 ? scriptKey(c.nameZh) : "";
            c.scriptKeyZh = scriptKey(c.keyZh);
        }
        var nameZh = scriptKey ? c.scriptNameZh : c.nameZh;
        var keyZh = scriptKey ? c.scriptKeyZh : c.keyZh;
        var k = c.key.indexOf(q);
        if (k === 0 || (nameZh.length > 0 && nameZh.indexOf(q) === 0))
            prefix.push(c);
        else if ((k > 0 || keyZh.indexOf(q) >= 0) && inner.length < max)
            inner.push(c);
    }
    return prefix.concat(inner).slice(0, max).map(describe);
}

function cityCount() {
    return load().length;
}
