// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/js/chartBook.js" as Book
import "qrc:/js/chartCalculation.js" as Calc
import "qrc:/js/shenShaNotes.js" as Notes

// The pieces of the book tab: marker rewriting and cutting, the month
// commander by school, signs, and the ShenSha notes.
TestCase {
    name: "ChartBook"

    function test_markers_data() {
        return [
            { tag: "plain markers", text: "s1p1甲p2s2s1p1乙p2p1丙p2s2",
              parts: ["<div style='margin-top:14px'><p class='one'>甲</p></div>",
                      "<div style='margin-top:14px'><p class='one'>乙</p><p class='one'>丙</p></div>"] },
            { tag: "angle brackets", text: "<s1><p1>骨重<p2><s2>",
              parts: ["<div style='margin-top:14px'><p class='one'>骨重</p></div>"] },
            { tag: "empty", text: "", parts: [] }
        ];
    }

    function test_markers(row) {
        compare(Book.rewriteMarkers(row.text), row.parts);
    }

    function test_cutting() {
        var parts = ["a", "b", "c"];
        compare(Book.sectionHtml(parts, "Baojian", false),
                "ab<p class='one'><a href='showMoreBaojian'>...显示全部</a></p>");
        compare(Book.sectionHtml(parts, "Baojian", true),
                "abc<p class='one'><a href='showLessBaojian'>收起...</a></p>");
        compare(Book.sectionHtml(["a", "b"], "Baojian", false), "ab");
        // One long section is cut between its paragraphs.
        compare(Book.sectionHtml(["<div><p class='one'>1</p><p class='one'>2</p><p class='one'>3</p></div>"], "K", false),
                "<div><p class='one'>1</p><p class='one'>2</p><p class='one'><a href='showMoreK'>...显示全部</a></p>");
    }

    function test_commander_data() {
        return [
            { tag: "子平真诠 寅 day 1", school: 0, branch: 2, days: 0.5, stem: 4 },
            { tag: "子平真诠 寅 day 8", school: 0, branch: 2, days: 7.2, stem: 2 },
            { tag: "子平真诠 寅 day 15", school: 0, branch: 2, days: 14, stem: 0 },
            { tag: "子平真诠 申 day 6", school: 0, branch: 8, days: 5, stem: 4 },
            { tag: "渊海子平 申 day 6", school: 2, branch: 8, days: 5, stem: 5 },
            { tag: "渊海子平 申 day 9", school: 2, branch: 8, days: 8, stem: 4 },
            { tag: "渊海子平 申 day 11", school: 2, branch: 8, days: 10.5, stem: 8 },
            { tag: "盲派 寅 any day", school: 1, branch: 2, days: 3, stem: 0 },
            { tag: "盲派 丑 any day", school: 1, branch: 1, days: 25, stem: 5 },
            { tag: "past thirty days", school: 0, branch: 0, days: 30.6, stem: 9 },
            { tag: "unknown school reads as the first", school: 7, branch: 2, days: 0.5, stem: 4 },
            { tag: "bad branch", school: 0, branch: 12, days: 3, stem: -1 },
            { tag: "before the term", school: 0, branch: 2, days: -0.1, stem: -1 }
        ];
    }

    // The page's sentence is the engine's (the exported chart prints the same).
    function test_commander(row) {
        var text = CalendarRules.monthCommanderText(row.school, row.branch, row.days);
        if (row.stem < 0)
            compare(text, "");
        else
            verify(text.endsWith("，" + "甲乙丙丁戊己庚辛壬癸".charAt(row.stem) + "木木火火土土金金水水".charAt(row.stem)
                                 + "司令。"), text);
    }

    function test_commanderText() {
        compare(CalendarRules.monthCommanderText(0, 2, 7.2),
                "月令当令（子平真诠）：寅月 戊土七日、丙火七日、甲木十六日。生于节后第8天，丙火司令。");
        verify(CalendarRules.monthCommanderText(2, 8, 0).indexOf("申月 己土七日、戊土三日、壬水三日、庚金十七日。") > 0);
    }

    function test_signs_data() {
        return [
            { tag: "before 夏至", birth: 100.0, qi: 100.5, branch: 6, sign: "双子座" },
            { tag: "at 夏至", birth: 100.5, qi: 100.5, branch: 6, sign: "巨蟹座" },
            { tag: "after 雨水", birth: 101, qi: 100, branch: 2, sign: "双鱼座" },
            { tag: "before 雨水", birth: 99, qi: 100, branch: 2, sign: "水瓶座" },
            { tag: "after 冬至", birth: 101, qi: 100, branch: 0, sign: "摩羯座" }
        ];
    }

    function test_signs(row) {
        compare(Calc.westernSign(row.birth, row.qi, row.branch), row.sign);
    }

    function test_animal() {
        compare(Calc.zodiacAnimal(6), "马");
        compare(Calc.zodiacAnimal(0), "鼠");
        compare(Calc.zodiacAnimal(59), "猪");
    }

    function test_wholeTab() {
        var c = { yearChac: 6, monthChac: 18, dayChac: 47, hourChac: 29, ytgChengCnt: 43,
                  essentials: "0|3|0|2|3#1|3|3|3|3#(按本气计)：木0、火3、土0、金2、水3#(含藏干计)：木1、火3、土3、金3、水3#x#命宫在午#y",
                  birthJd: 2448057.9, jieBefore: 2448048.8, qiMiddle: 2448064.4, jieAfter: 2448080.1, school: 0,
                  termNames: JsxfSingleton.jieQiNames };
        var asked = [];
        var html = Book.bookHtml(c, function (book, idx) {
            asked.push(book + ":" + idx.join(","));
            return book === "baojian" ? "s1p1调候p2s2" : "";
        }, {}, null);
        // Day stem 辛, 午 month (position 4), 巳 hour, bone weight 4.3.
        compare(asked, ["baojian:7,4", "WQLTiYao:7,6,5", "YuanTianGCheng:4,3", "SanMingRiShiOne:47,29",
                        "SanMingRiShiTwo:7,29", "JinBuHuan:7,6", "ShiGanTiXiang:7", "ShiErZhiYong:11"]);
        verify(html.indexOf("<h3>原局概览</h3><p>四柱五行个数总计：<br>(按本气计)：木0、火3、土0、金2、水3") === 0);
        verify(html.indexOf("芒种：") > 0 && html.indexOf("夏至：") > 0 && html.indexOf("小暑：") > 0);
        verify(html.indexOf("星座：双子座<br>十二生肖：属马") > 0);
        verify(html.indexOf("<p class='one'>调候</p>") > 0);
        // Sections without a paragraph are left out.
        compare(html.split("<h3>").length, 3);
        var trad = Book.bookHtml(c, function () { return ""; }, {}, function (t) { return easyfunction.convertScript(t, 1); });
        verify(trad.indexOf("原局概覽") > 0 && trad.indexOf("芒種：") > 0);
    }

    function test_notes() {
        var codes = [0, 1, 2, 3, 4, 5, 6, 7, 8, 30, 31, 32, 33, 34, 35, 36, 37, 38, 50, 51, 62, 63, 64, 65, 66, 67,
                     70, 71, 72];
        for (var c = 80; c <= 103; c++)
            codes.push(c);
        for (var i = 0; i < codes.length; i++)
            verify(Notes.noteOf(codes[i]).length > 4, "note for " + codes[i]);
        compare(Notes.parseEntry("82|21|22").columns, [1, 2]);
        compare(Notes.parseEntry("0|22|2").columns, [2]);
        compare(Notes.parseEntry("62|62|-1").columns, [2]);
        compare(Notes.parseEntry("97|20|21|22|23").columns, [0, 1, 2, 3]);
        compare(Notes.describe("82|21|22").indexOf("六冲（月柱、日柱）："), 0);
    }
}
