// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/js/sanCaiWuGe.js" as Sancai5ge

// Stroke counts, the five grids, the three talents and the page computation.
TestCase {
    name: "NameNumerology"

    function test_strokeCount_data() {
        return [
            { tag: "numeral four", ch: "四", n: 4, tip: "四：按数字算为4画" },
            { tag: "numeral ten", ch: "十", n: 10, tip: "十：按数字算为10画" },
            { tag: "moon alone", ch: "月", n: 6, tip: "月：特殊部首按“月”作【肉】算为六画，全字共6画" },
            { tag: "king from the table", ch: "王", n: 4, tip: "王：按原字(繁体字)算为4画" },
            { tag: "zhang from the table", ch: "張", n: 11, tip: "張：按原字(繁体字)算为11画" },
            { tag: "water radical", ch: "江", n: 7, tip: "江：特殊部首按“氵”作【水】算为四画，全字共7画" },
            { tag: "jade radical", ch: "玲", n: 10, tip: "玲：特殊部首按“王”作【玉】算为五画，全字共10画" },
            { tag: "left mound", ch: "陳", n: 16, tip: "陳：特殊部首按左“阝”作【阜】算为八画，全字共16画" },
            { tag: "right city", ch: "鄭", n: 19, tip: "鄭：特殊部首按右“阝”作【邑】算为七画，全字共19画" },
            { tag: "flesh radical", ch: "胡", n: 11, tip: "胡：特殊部首按“月”作【肉】算为六画，全字共11画" },
            { tag: "na", ch: "那", n: 11, tip: "那：特殊部首按右“阝”作【邑】算为七画，全字共11画" },
            { tag: "water in full form", ch: "泉", n: 9, tip: "泉：按原字(繁体字)算为9画" },
            { tag: "heart below", ch: "思", n: 9, tip: "思：按原字(繁体字)算为9画" },
            { tag: "not a Han character", ch: "a", n: 1, tip: "a：暂未找到该字的笔画，暂按一画算；请向开发者反映。" }
        ]
    }
    function test_strokeCount(row) {
        var note = {}
        compare(Sancai5ge.getOneChacCnt(row.ch, note), row.n)
        compare(note.tip, row.tip)
    }

    function test_tables() {
        compare(Sancai5ge.charstr.length, 40)
        compare(Sancai5ge.charstr[1], "一丨丶丿乀乁乙乚乛亅")
        verify(Sancai5ge.charstr[2].indexOf("丁丂七丄丅丆丩丷乂乃") === 0)
        compare([Sancai5ge.charstr[0], Sancai5ge.charstr[34], Sancai5ge.charstr[37], Sancai5ge.charstr[38]],
                ["", "", "", ""])
        compare([Sancai5ge.charstr[35], Sancai5ge.charstr[36], Sancai5ge.charstr[39]], ["齾", "齉", "靐"])
        compare(Sancai5ge.charstrSpec.length, 12)
        var firsts = "氵扌月艹辶阝"
        for (var i = 0; i < firsts.length; i++)
            compare(Sancai5ge.charstrSpec[i].charAt(0), firsts.charAt(i))
        compare(Sancai5ge.charstrSpec[8].charAt(0), "礻")
        compare(Sancai5ge.charstrSpec[9].charAt(0), "衤")
        compare(Sancai5ge.charstrSpec[10].charAt(0), "犭")
        compare(Sancai5ge.charstrSpec[11].charAt(0), "忄")
        verify(Sancai5ge.charstrSpec[7].indexOf("王") < 0)
        var right = "那邓郑部都"
        for (i = 0; i < right.length; i++)
            verify(Sancai5ge.charstrSpec[6].indexOf(right.charAt(i)) >= 0, right.charAt(i))
    }

    function test_numberReadings() {
        var r = Sancai5ge.wuGeShuLiStr
        compare(r.length, 82)
        compare(r[0], "")
        var titles = { 1: "太极之数", 2: "两仪之数", 5: "五行之数", 10: "终结之数", 11: "旱苗逢雨",
                       12: "掘井无泉", 13: "春日牡丹", 21: "明月中天", 22: "秋草逢霜", 41: "有德",
                       81: "万物回春" }
        for (var n in titles)
            verify(r[n].indexOf(n + "（" + titles[n] + "）") === 0, r[n])
        var lucky = [1, 3, 5, 6, 7, 11, 13, 15, 16, 21, 23, 24, 29, 31, 32, 33, 35, 37, 41, 45, 47, 48, 52,
                     57, 61, 63, 65, 67, 68, 81]
        var half = [8, 17, 18, 25, 30, 36, 38, 39, 49, 50, 51, 55, 58, 71, 72, 73, 77]
        for (var k = 1; k <= 81; k++) {
            var lines = r[k].split("\n")
            compare(lines.length, 6, "number " + k)
            compare(lines[5], "")
            var verdict = lucky.indexOf(k) >= 0 ? "吉" : half.indexOf(k) >= 0 ? "半吉" : "不利"
            verify(/^\d+（[^）]+）(.{4}，){3}.{4}（[^）]+）$/.test(lines[0]), lines[0])
            verify(lines[0].slice(-verdict.length - 2) === "（" + verdict + "）", lines[0])
            compare([lines[1].slice(0, 3), lines[2].slice(0, 3), lines[3].slice(0, 3), lines[4].slice(0, 3)],
                    ["基业：", "家庭：", "健康：", "含义："])
        }
    }

    function test_threeTalentReadings_data() {
        return [
            { tag: "木木金", key: [0, 0, 3], grade: "咎多吉少" },
            { tag: "木火火", key: [0, 1, 1], grade: "中吉" },
            { tag: "火金土", key: [1, 3, 2], grade: "吉困参半" },
            { tag: "土土水", key: [2, 2, 4], grade: "咎多于吉" },
            { tag: "金水土", key: [3, 4, 2], grade: "吉" },
            { tag: "水水水", key: [4, 4, 4], grade: "中吉" }
        ]
    }
    function test_threeTalentReadings(row) {
        var k = row.key
        compare(Sancai5ge.sanCaiTable[k[0]][k[1]][k[2]].split("\n")[0], row.tag + "【" + row.grade + "】")
    }

    function test_everyThreeTalentEntryNamesItsKey() {
        var names = "木火土金水"
        for (var t = 0; t < 5; t++)
            for (var r = 0; r < 5; r++)
                for (var d = 0; d < 5; d++) {
                    var e = Sancai5ge.sanCaiTable[t][r][d]
                    verify(e.indexOf(names[t] + names[r] + names[d] + "【") === 0, e)
                    compare(e.split("\n").length, 3)
                }
    }

    // Grids: heaven, person, earth, outer, total; elements heaven, person, earth.
    function test_grids_data() {
        return [
            { tag: "张三", sur: "张", given: "三", name: "張 三", grids: [12, 14, 4, 2, 14], cai: [1, 2, 2],
              sanCai: "木火火【中吉】" },
            { tag: "王小明", sur: "王", given: "小明", name: "王 小明", grids: [5, 7, 11, 9, 15], cai: [3, 4, 1] },
            { tag: "欧阳修", sur: "欧阳", given: "修", name: "歐陽 修", grids: [32, 26, 10, 16, 41], cai: [1, 3, 5] }, // 修 9 strokes
            { tag: "司马相如", sur: "司马", given: "相如", name: "司馬 相如", grids: [15, 19, 15, 11, 30],
              cai: [3, 5, 3] },
            { tag: "heaven 10 is water", sur: "姜", given: "三", name: "姜 三", grids: [10, 12, 4, 2, 12],
              cai: [5, 1, 2] },
            { tag: "heaven 20 is water", sur: "郑", given: "一", name: "鄭 一", grids: [20, 20, 2, 2, 20],
              cai: [5, 5, 1] },
            { tag: "capped at 81", sur: "靐靐", given: "靐靐", name: "靐靐 靐靐", grids: [78, 78, 78, 78, 81],
              cai: [4, 4, 4] }
        ]
    }
    function test_grids(row) {
        var out = {}
        compare(JsxfSingleton.sxf_caige_get(row.sur, row.given, out), 0)
        compare(out.zhengtiName, row.name)
        compare([out.tiange, out.renge, out.dige, out.waige, out.zongge], row.grids)
        compare([out.tiancai, out.rencai, out.dicai], row.cai)
        compare(out.tiangeStr, Sancai5ge.wuGeShuLiStr[row.grids[0]])
        compare(out.zonggeStr, Sancai5ge.wuGeShuLiStr[row.grids[4]])
        compare(out.commentTip.split("\n").length, row.sur.length + row.given.length)
        if (row.sanCai !== undefined)
            verify(out.sanCaiStr.indexOf(row.sanCai) === 0, out.sanCaiStr)
    }

    function test_gridsRefused_data() {
        return [
            { tag: "empty surname", sur: "", given: "三" },
            { tag: "empty given name", sur: "张", given: "" },
            { tag: "three-character given name", sur: "王", given: "小明明" },
            { tag: "three-character surname", sur: "欧阳修", given: "远" }
        ]
    }
    function test_gridsRefused(row) {
        var out = { untouched: true }
        compare(JsxfSingleton.sxf_caige_get(row.sur, row.given, out), 1)
        compare(Object.keys(out), ["untouched"])
    }

    function test_calculate_data() {
        return [
            { tag: "empty", auto: true, checked: false, text: "  ", code: -1 },
            { tag: "one character", auto: true, checked: false, text: "张", code: -2 },
            { tag: "double surname alone", auto: true, checked: false, text: "欧阳", code: -2, fuXing: true },
            { tag: "double surname by button", auto: false, checked: true, text: "张三", code: -2, fuXing: true },
            { tag: "double surname anywhere", auto: true, checked: false, text: "小司马", code: 0, fuXing: true },
            { tag: "single surname", auto: true, checked: true, text: "张三", code: 0, fuXing: false },
            { tag: "five characters cut", auto: true, checked: false, text: "欧阳修远山", code: 0, fuXing: true,
              tips: 4 },
            { tag: "three-character given name", auto: true, checked: false, text: "王小明明", code: 1 }
        ]
    }
    function test_calculate(row) {
        var r = JsxfSingleton.sxf_caige_calculate(row.auto, row.checked, row.text)
        compare(r.code, row.code)
        if (row.fuXing !== undefined)
            compare(r.fuXing, row.fuXing)
        if (row.code !== 0) {
            compare(r.contentString, "")
            return
        }
        verify(r.contentString.indexOf("原始笔画计算：\n") === 0)
        var sections = ["天格数理：\n", "人格数理：\n", "地格数理：\n", "总格数理：\n", "外格数理：\n", "三才数理：\n"]
        var last = 0
        for (var i = 0; i < sections.length; i++) {
            var at = r.contentString.indexOf(sections[i])
            verify(at > last, sections[i])
            last = at
        }
        verify(r.richText.indexOf("<p><b>原始笔画计算：</b><br>") === 0)
        verify(r.richText.indexOf("\n") < 0)
        if (row.tips !== undefined) {
            var tipBlock = r.contentString.split("天格数理：")[0]
            compare(tipBlock.split("\n").filter(function (l) { return l.indexOf("：") > 0 }).length - 1, row.tips)
        }
    }

    function test_simplifiedToTraditional_data() {
        return [
            { tag: "first code", s: "万", t: "萬" },
            { tag: "zhang", s: "张", t: "張" },
            { tag: "hua", s: "划", t: "劃" },
            { tag: "last code", s: "龟", t: "龜" },
            { tag: "unchanged Han", s: "中", t: "中" },
            { tag: "below the table", s: "一", t: "一" },
            { tag: "already traditional", s: "萬", t: "萬" },
            { tag: "latin", s: "a", t: "a" },
            { tag: "a text", s: "张三丰", t: "張三豐" },
            { tag: "surnames keep their form", s: "范于余", t: "范于余" },
            { tag: "but the word forms convert", s: "发后干", t: "發後幹" }
        ]
    }
    function test_simplifiedToTraditional(row) {
        compare(JsxfSingleton.sxf_getTranBySimp(row.s), row.t)
    }
}
