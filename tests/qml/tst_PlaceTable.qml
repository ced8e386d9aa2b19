import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/js/placeTable.js" as Places

// The place table behind the place dialog.
TestCase {
    name: "PlaceTable"

    function test_regionsFollowTheRegionList() {
        compare(Places.regions.length, 32)
        compare(Places.regions[0][0], "北京市")
        compare(Places.regions[4][0], "广东省")
        compare(Places.regions[31][0], "港澳臺")
        for (var i = 0; i < 32; i++)
            verify(JsxfSingleton.sxf_JWv(i).length > 0, Places.regions[i][0])
    }

    // Latitudes down to the South China Sea islands (三沙市).
    function test_coordinatesInsideChina() {
        for (var i = 0; i < 32; i++) {
            var names = JsxfSingleton.sxf_JWv(i)
            for (var k = 0; k < names.length; k++) {
                var p = JsxfSingleton.sxf_JWdecode(i, k)
                compare(p.name, names[k])
                verify(p.J > 73 && p.J < 135.1 && p.W > 3 && p.W < 53.6, p.name + " " + p.J + " " + p.W)
            }
        }
    }

    function test_hongKongMacauTaiwan() {
        var names = JsxfSingleton.sxf_JWv(31)
        compare(names.slice(0, 2), ["香港", "澳门"])
        verify(names.indexOf("台北市") > 0)
        verify(names.indexOf("高雄市") > 0)
        var hk = JsxfSingleton.sxf_JWdecode(31, 0)
        verify(Math.abs(hk.J - 114.17) < 0.1 && Math.abs(hk.W - 22.3) < 0.1)
        var tp = JsxfSingleton.sxf_JWdecode(31, names.indexOf("台北市"))
        verify(Math.abs(tp.J - 121.5) < 0.1 && Math.abs(tp.W - 25.05) < 0.1)
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
        var r = JsxfSingleton.sxf_getIdxofPlacePinyin(row.text)
        compare(Places.regions[r.region][0], row.region)
        compare(JsxfSingleton.sxf_JWdecode(r.region, r.place).name, row.place)
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
        var r = JsxfSingleton.sxf_getIdxofPlacePinyin(row.text)
        compare([r.region, r.place], [-1, -1])
    }

    function test_duplicatesStepInTableOrder() {
        var first = JsxfSingleton.sxf_getIdxofPlacePinyin("gd gz")
        verify(first.count >= 2, "count " + first.count) // 广州市 and 高州市
        var seen = [first.place]
        var r = first
        for (var i = 1; i < first.count; i++) {
            r = JsxfSingleton.sxf_getIdxofPlacePinyin("gd gz", r)
            compare(r.region, first.region)
            verify(r.place > seen[seen.length - 1], "table order")
            verify(Places.regions[r.region][2][r.place][1].indexOf("gz") === 0)
            seen.push(r.place)
        }
        verify(seen.indexOf(JsxfSingleton.sxf_JWv(first.region).indexOf("高州市")) >= 0)
        r = JsxfSingleton.sxf_getIdxofPlacePinyin("gd gz", r)
        compare([r.region, r.place], [first.region, first.place])
    }

    function test_badIndexes() {
        compare(JsxfSingleton.sxf_JWv(32), [])
        compare(JsxfSingleton.sxf_JWv(-1), [])
        compare(JsxfSingleton.sxf_JWdecode(0, 99999), null)
        compare(JsxfSingleton.sxf_JWdecode(undefined, 0), null)
    }
}
