// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/js/sanCaiReadings.js" as Readings

// The reading tables of the name-numerology page: shape of every text, the
// verdict of each number and the grade of each three-talent configuration.
TestCase {
    name: "SanCaiReadings"

    readonly property var ji: [1, 3, 5, 6, 7, 11, 13, 15, 16, 21, 23, 24, 29, 31, 32, 33, 35, 37, 41,
        45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81]
    readonly property var banJi: [8, 17, 18, 25, 30, 36, 38, 39, 49, 50, 51, 55, 58, 71, 72, 73, 77]
    readonly property string elements: "木火土金水"
    // Rows 天才+人才, columns 地才 木 火 土 金 水.
    readonly property var grades: ({
        "木木": ["大吉", "大吉", "大吉", "咎多吉少", "吉多于咎"],
        "木火": ["大吉", "中吉", "大吉", "咎多于吉", "大不利"],
        "木土": ["大不利", "中吉", "吉", "吉多于咎", "大不利"],
        "木金": ["大不利", "大不利", "咎多于吉", "大不利", "大不利"],
        "木水": ["大吉", "咎多于吉", "咎多于吉", "大吉", "大吉"],
        "火木": ["大吉", "大吉", "大吉", "咎多于吉", "中吉"],
        "火火": ["大吉", "中吉", "大吉", "大不利", "大不利"],
        "火土": ["吉多于咎", "大吉", "大吉", "大吉", "吉多于咎"],
        "火金": ["大不利", "大不利", "吉困参半", "大不利", "大不利"],
        "火水": ["咎多于吉", "大不利", "大不利", "大不利", "大不利"],
        "土木": ["中吉", "中吉", "咎多于吉", "大不利", "咎多于吉"],
        "土火": ["大吉", "大吉", "大吉", "吉多于咎", "大不利"],
        "土土": ["中吉", "大吉", "大吉", "大吉", "咎多于吉"],
        "土金": ["咎多于吉", "咎多于吉", "大吉", "大吉", "大吉"],
        "土水": ["咎多于吉", "大不利", "大不利", "吉困参半", "大不利"],
        "金木": ["咎多于吉", "咎多于吉", "咎多于吉", "大不利", "咎多于吉"],
        "金火": ["咎多于吉", "吉困参半", "吉困参半", "大不利", "大不利"],
        "金土": ["中吉", "大吉", "大吉", "大吉", "吉多于咎"],
        "金金": ["大不利", "大不利", "大吉", "中吉", "中吉"],
        "金水": ["大吉", "咎多于吉", "吉", "大吉", "中吉"],
        "水木": ["大吉", "大吉", "大吉", "咎多于吉", "大吉"],
        "水火": ["中吉", "大不利", "咎多于吉", "大不利", "大不利"],
        "水土": ["大不利", "中吉", "中吉", "中吉", "大不利"],
        "水金": ["咎多于吉", "咎多于吉", "大吉", "中吉", "大吉"],
        "水水": ["大吉", "大不利", "大不利", "大吉", "中吉"]
    })

    function test_numberTableShape() {
        compare(Readings.wuGeShuLiStr.length, 82)
        compare(Readings.wuGeShuLiStr[0], "")
    }

    function test_number_data() {
        var rows = []
        for (var n = 1; n <= 81; ++n) {
            var verdict = ji.indexOf(n) >= 0 ? "吉" : (banJi.indexOf(n) >= 0 ? "半吉" : "不利")
            rows.push({ tag: "n" + n, n: n, verdict: verdict })
        }
        return rows
    }

    function test_number(data) {
        var text = Readings.wuGeShuLiStr[data.n]
        var lines = text.split("\n")
        compare(lines.length, 6, text)              // five lines, each ending with "\n"
        compare(lines[5], "")
        var first = new RegExp("^" + data.n + "（([^（）]+)）([^，（）]{4})，([^，（）]{4})，"
                               + "([^，（）]{4})，([^，（）]{4})（(吉|半吉|不利)）$")
        var m = first.exec(lines[0])
        verify(m !== null, lines[0])
        compare(m[6], data.verdict)
        compare(lines[1].indexOf("基业："), 0)
        compare(lines[2].indexOf("家庭："), 0)
        compare(lines[3].indexOf("健康："), 0)
        compare(lines[4].indexOf("含义："), 0)
        verify(lines[1].length > 5 && lines[2].length > 5 && lines[3].length > 5 && lines[4].length > 5)
    }

    function test_fixedTitles_data() {
        var fixed = ["太极之数", "两仪之数", "三才之数", "四象之数", "五行之数", "六爻之数", "七政之数",
                     "八卦之数", "大成之数", "终结之数"]
        var rows = []
        for (var i = 0; i < fixed.length; ++i)
            rows.push({ tag: "n" + (i + 1), n: i + 1, title: fixed[i] })
        rows.push({ tag: "n11", n: 11, title: "旱苗逢雨" })
        rows.push({ tag: "n12", n: 12, title: "掘井无泉" })
        rows.push({ tag: "n13", n: 13, title: "春日牡丹" })
        rows.push({ tag: "n21", n: 21, title: "明月中天" })
        rows.push({ tag: "n22", n: 22, title: "秋草逢霜" })
        rows.push({ tag: "n41", n: 41, title: "有德" })
        rows.push({ tag: "n81", n: 81, title: "万物回春" })
        return rows
    }

    function test_fixedTitles(data) {
        compare(Readings.wuGeShuLiStr[data.n].indexOf(data.n + "（" + data.title + "）"), 0)
    }

    function test_sanCaiShape() {
        compare(Readings.sanCaiTable.length, 5)
        for (var t = 0; t < 5; ++t) {
            compare(Readings.sanCaiTable[t].length, 5)
            for (var r = 0; r < 5; ++r)
                compare(Readings.sanCaiTable[t][r].length, 5)
        }
    }

    function test_sanCai_data() {
        var rows = []
        for (var t = 0; t < 5; ++t)
            for (var r = 0; r < 5; ++r)
                for (var d = 0; d < 5; ++d) {
                    var key = elements[t] + elements[r] + elements[d]
                    rows.push({ tag: key, t: t, r: r, d: d, key: key,
                                grade: grades[elements[t] + elements[r]][d] })
                }
        return rows
    }

    function test_sanCai(data) {
        var text = Readings.sanCaiTable[data.t][data.r][data.d]
        var parts = text.split("\n")
        compare(parts.length, 3, text)              // heading, paragraph, final newline
        compare(parts[0], data.key + "【" + data.grade + "】")
        verify(parts[1].length > 20, parts[1])
        compare(parts[2], "")
        // The paragraph names the producing and controlling relations the
        // right way round: 木生火, 火生土, 土生金, 金生水, 水生木; 木克土 and so on.
        verify(parts[1].indexOf(relation("天格", data.t, "人格", data.r)) === 0, parts[1])
        verify(parts[1].indexOf("；" + relation("人格", data.r, "地格", data.d)) > 0, parts[1])
    }

    function relation(upperName, upper, lowerName, lower) {
        if (upper === lower)
            return upperName + "与" + lowerName + "比和"
        if ((upper + 1) % 5 === lower)
            return upperName + "生" + lowerName
        if ((lower + 1) % 5 === upper)
            return lowerName + "生" + upperName
        if ((upper + 2) % 5 === lower)
            return upperName + "克" + lowerName
        return lowerName + "克" + upperName
    }
}
