// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library

// Reading the time-zone service's answer for a point chosen on the map.

// "+08:00", "-05:30", "08:00:00" or "+8" -> hours, or NaN.
function offsetHours(text) {
    var m = /^\s*([+-]?)(\d{1,2})(?::(\d{2}))?(?::\d{2})?\s*$/.exec(String(text));
    if (!m)
        return NaN;
    var h = parseInt(m[2], 10) + (m[3] ? parseInt(m[3], 10) / 60 : 0);
    return m[1] === "-" ? -h : h;
}

// Daylight-saving history type from a zone name: 0 mainland China, 1 Hong
// Kong, 2 Taiwan, 3 Singapore, -1 any other zone.
function xslTypeOfZone(zoneName) {
    var z = String(zoneName);
    if (/Urumqi|Shanghai|Chongqing/.test(z))
        return 0;
    if (/HongKong|Hong Kong|Hong_Kong/.test(z))
        return 1;
    if (/Taiwan|Taipei/.test(z))
        return 2;
    if (/Singapore/.test(z))
        return 3;
    return -1;
}

// The request path for a point: latitude and longitude joined by ",".
function requestUrl(lat, lng, key) {
    return "https://dev.virtualearth.net/REST/v1/TimeZone/" + lat + "," + lng + "?key=" + encodeURIComponent(key);
}

// {zone, offsetHours, timeZoneJv, xslType} from the reply text, or null when
// the reply does not carry a zone.
function parseReply(text) {
    var data;
    try {
        data = JSON.parse(text);
    } catch (e) {
        return null;
    }
    try {
        var tz = data.resourceSets[0].resources[0].timeZone;
        var hours = offsetHours(tz.utcOffset);
        if (isNaN(hours))
            return null;
        var zone = String(tz.ianaTimeZoneId || tz.genericName || "");
        return {zone: zone, offsetHours: hours, timeZoneJv: hours * 15, xslType: xslTypeOfZone(zone)};
    } catch (e2) {
        return null;
    }
}
