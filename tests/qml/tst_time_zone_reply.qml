// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/js/timeZoneReply.js" as Zone
import "qrc:/js/citySearch.js" as Cities

// The zone of a place: from the time-zone service's reply (map picker) and
// from the offline city table (city search).
TestCase {
    name: "TimeZoneReply"

    function reply(zone, offset) {
        return JSON.stringify({resourceSets: [{resources: [{timeZone: {ianaTimeZoneId: zone, utcOffset: offset}}]}]});
    }

    function test_parseReply_data() {
        return [
            {tag: "Shanghai", zone: "Asia/Shanghai", offset: "08:00:00", jv: 120, xsl: 0},
            {tag: "Urumqi", zone: "Asia/Urumqi", offset: "+06:00", jv: 90, xsl: 0},
            {tag: "Hong Kong", zone: "Asia/Hong_Kong", offset: "+08:00", jv: 120, xsl: 1},
            {tag: "Taipei", zone: "Asia/Taipei", offset: "+08:00", jv: 120, xsl: 2},
            {tag: "Singapore", zone: "Asia/Singapore", offset: "+08:00", jv: 120, xsl: 3},
            {tag: "New York", zone: "America/New_York", offset: "-05:00", jv: -75, xsl: -1},
            {tag: "Kolkata half hour", zone: "Asia/Kolkata", offset: "+05:30", jv: 82.5, xsl: -1}
        ];
    }

    function test_parseReply(row) {
        var r = Zone.parseReply(reply(row.zone, row.offset));
        verify(r !== null);
        compare(r.zone, row.zone);
        compare(r.timeZoneJv, row.jv);
        compare(r.xslType, row.xsl);
    }

    function test_badReply_data() {
        return [
            {tag: "not json", text: "<html>503</html>"},
            {tag: "empty object", text: "{}"},
            {tag: "no resources", text: JSON.stringify({resourceSets: [{resources: []}]})},
            {tag: "bad offset", text: reply("Asia/Shanghai", "eight")}
        ];
    }

    function test_badReply(row) {
        compare(Zone.parseReply(row.text), null);
    }

    function test_requestUrl() {
        compare(Zone.requestUrl(23.13, 113.26, "k y"),
                "https://dev.virtualearth.net/REST/v1/TimeZone/23.13,113.26?key=k%20y");
    }

    function test_citySearch_data() {
        return [
            {tag: "Guangzhou", query: "guangzhou", name: "Guangzhou", country: "CN", jv: 120, xsl: 0, lng: 113.25},
            {tag: "Hong Kong", query: "Hong Kong", name: "Hong Kong", country: "HK", jv: 120, xsl: 1, lng: 114.17},
            {tag: "Taipei", query: "Taipei", name: "Taipei", country: "TW", jv: 120, xsl: 2, lng: 121.53},
            {tag: "Singapore", query: "singapore", name: "Singapore", country: "SG", jv: 120, xsl: 3, lng: 103.85},
            {tag: "New York", query: "New York", name: "New York City", country: "US", jv: -75, xsl: -1, lng: -74.0},
            {tag: "Sao Paulo without accents", query: "sao paulo", name: "São Paulo", country: "BR", jv: -45, xsl: -1, lng: -46.6},
            {tag: "Kathmandu quarter hour", query: "Kathmandu", name: "Kathmandu", country: "NP", jv: 86.25, xsl: -1, lng: 85.3},
            // Chinese names from the CLDR exemplar cities; a country name finds its largest city.
            {tag: "纽约", query: "纽约", name: "New York City", country: "US", jv: -75, xsl: -1, lng: -74.0},
            {tag: "伦敦", query: "伦敦", name: "London", country: "GB", jv: 0, xsl: -1, lng: -0.13},
            {tag: "悉尼", query: "悉尼", name: "Sydney", country: "AU", jv: 150, xsl: -1, lng: 151.2},
            {tag: "温哥华", query: "温哥华", name: "Vancouver", country: "CA", jv: -120, xsl: -1, lng: -123.1},
            {tag: "日本", query: "日本", name: "Tokyo", country: "JP", jv: 135, xsl: -1, lng: 139.7}
        ];
    }

    function test_citySearch(row) {
        var r = Cities.search(row.query, 5);
        verify(r.length > 0, "no city for " + row.query);
        compare(r[0].name, row.name);
        compare(r[0].country, row.country);
        compare(r[0].timeZoneJv, row.jv);
        compare(r[0].xslType, row.xsl);
        verify(Math.abs(r[0].lng - row.lng) < 0.2, "longitude " + r[0].lng);
    }

    function test_citySearchNothing_data() {
        return [
            {tag: "empty", query: ""},
            {tag: "blanks", query: "   "},
            {tag: "no such city", query: "qqqzzzxxx"}
        ];
    }

    function test_citySearchNothing(row) {
        compare(Cities.search(row.query, 5).length, 0);
    }

    function test_tableSize() {
        // Every GeoNames place of at least 15000 people.
        verify(Cities.cityCount() > 20000);
    }
}
