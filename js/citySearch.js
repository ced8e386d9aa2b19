.pragma library
.import "worldCities.js" as World

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
        cities.push({name: f[0], key: fold(f[0]), country: f[1], lng: parseFloat(f[2]), lat: parseFloat(f[3]),
                     zoneIndex: parseInt(f[4], 10), population: parseInt(f[5], 10)});
    }
    return cities;
}

function describe(c) {
    var z = World.zones[c.zoneIndex];
    return {
        name: c.name,
        country: c.country,
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

// Cities whose name starts with the query come first, then those containing
// it; each group largest first. At most `limit` results. `scriptKey`, when
// given, makes Simplified and Traditional writing equal (the service's
// searchKey), so a name typed in either script finds the other.
function search(query, limit, scriptKey) {
    var q = fold(scriptKey ? scriptKey(String(query)) : query);
    var max = limit > 0 ? limit : 30;
    if (q.length === 0)
        return [];
    var list = load(), prefix = [], inner = [];
    for (var i = 0; i < list.length && prefix.length < max; ++i) {
        if (scriptKey && list[i].scriptKey === undefined)
            list[i].scriptKey = /[^\u0000-\u024f]/.test(list[i].name) ? fold(scriptKey(list[i].name)) : list[i].key;
        var k = (scriptKey ? list[i].scriptKey : list[i].key).indexOf(q);
        if (k === 0)
            prefix.push(list[i]);
        else if (k > 0 && inner.length < max)
            inner.push(list[i]);
    }
    return prefix.concat(inner).slice(0, max).map(describe);
}

function cityCount() {
    return load().length;
}
