// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/js/placeTable.js" as Places

// The place table behind the place dialog.
TestCase {
    name: "PlaceTable"

    function decodeAll(region) {
        return JsxfSingleton.sxf_JWv()[region].map(function (row) { return JsxfSingleton.sxf_JWdecode(row) })
    }

    function names(region) {
        return decodeAll(region).map(function (p) { return p.name })
    }

    function test_regionsFollowTheRegionList() {
        compare(JsxfSingleton.sxf_JWv().length, 32)
        compare(Places.regions[0][0], "北京市")
        compare(Places.regions[4][0], "广东省")
        compare(Places.regions[31][0], "港澳臺")
        for (var i = 0; i < 32; i++)
            verify(JsxfSingleton.sxf_JWv()[i].length > 0, Places.regions[i][0])
    }

    // Latitudes down to the South China Sea islands (三沙市).
    function test_coordinatesInsideChina() {
        for (var i = 0; i < 32; i++) {
            var list = decodeAll(i)
            for (var k = 0; k < list.length; k++) {
                var p = list[k]
                verify(p.lng > 73 && p.lng < 135.1 && p.lat > 3 && p.lat < 53.6, p.name + " " + p.lng + " " + p.lat)
            }
        }
    }

    function test_hongKongMacauTaiwan() {
        var list = decodeAll(31)
        var n = names(31)
        compare(n.slice(0, 2), ["香港", "澳门"])
        var hk = list[0]
        verify(Math.abs(hk.lng - 114.17) < 0.1 && Math.abs(hk.lat - 22.3) < 0.1)
        var tp = list[n.indexOf("台北市")]
        verify(Math.abs(tp.lng - 121.5) < 0.1 && Math.abs(tp.lat - 25.05) < 0.1)
        compare(list[n.indexOf("高雄市")].lat > 22.5 && list[n.indexOf("高雄市")].lat < 22.8, true)
    }

    function test_daylightSavingTypes_data() {
        return [
            { tag: "Hong Kong", region: 31, name: "香港", xsl: 1 },
            { tag: "Macau", region: 31, name: "澳门", xsl: 0 },
            { tag: "Taipei", region: 31, name: "台北市", xsl: 2 },
            { tag: "Penghu", region: 31, name: "澎湖县", xsl: 2 },
            { tag: "Guangzhou", region: 4, name: "广州市", xsl: 0 }
        ]
    }
    function test_daylightSavingTypes(row) {
        var list = decodeAll(row.region)
        compare(list[names(row.region).indexOf(row.name)].xslType, row.xsl)
    }

    function test_search_data() {
        return [
            { tag: "gd gz", text: "gd gz", region: "广东省", place: "广州市" },
            { tag: "upper case and blanks", text: "  GD   GZ ", region: "广东省", place: "广州市" },
            { tag: "bj bj", text: "bj bj", region: "北京市", place: "北京市" },
            { tag: "region only", text: "xj", region: "新疆维吾尔", place: "乌鲁木齐市" },
            { tag: "Hong Kong", text: "gat xg", region: "港澳臺", place: "香港" }
        ]
    }
    function test_search(row) {
        var r = JsxfSingleton.sxf_getIdxofPlacePinyin(row.text, -1)
        compare(Places.regions[r[0]][0], row.region)
        compare(names(r[0])[r[1]], row.place)
    }

    function test_searchRefused_data() {
        return [
            { tag: "empty", text: "" },
            { tag: "undefined", text: undefined },
            { tag: "digits", text: "gd 12" },
            { tag: "three words", text: "gd gz s" },
            { tag: "no such place", text: "gd zzzz" }
        ]
    }
    function test_searchRefused(row) {
        compare(JsxfSingleton.sxf_getIdxofPlacePinyin(row.text, -1), [-1, -1, -1])
    }

    function test_duplicatesStepInTableOrder() {
        // 广东省 holds 广州市 and 高州市 (both gzs) and perhaps more.
        var first = JsxfSingleton.sxf_getIdxofPlacePinyin("gd gz", -1)
        var seen = [first[1]]
        var r = first
        for (;;) {
            r = JsxfSingleton.sxf_getIdxofPlacePinyin("gd gz", r[2])
            if (r[2] === 0)
                break // wrapped round to the first
            compare(r[0], first[0])
            verify(r[1] > seen[seen.length - 1], "table order")
            verify(Places.regions[r[0]][2][r[1]][1].indexOf("gz") === 0)
            seen.push(r[1])
            verify(seen.length < 50)
        }
        compare([r[0], r[1]], [first[0], first[1]])
        verify(seen.indexOf(names(first[0]).indexOf("高州市")) > 0)
    }

    function test_badRows() {
        compare(JsxfSingleton.sxf_JWv()[32], undefined)
        compare(JsxfSingleton.sxf_JWdecode(undefined), null)
        compare(JsxfSingleton.sxf_JWdecode([1, 2]), null)
    }
}
