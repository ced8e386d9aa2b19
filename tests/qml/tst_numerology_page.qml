// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/qml/LeftSheet"
import "qrc:/js/sanCaiWuGe.js" as Sancai5ge

// The numerology page: double surnames recognised while typing, the
// prompt, names cut to four characters, refused shapes, the copy once.
TestCase {
    name: "NumerologyPage"
    when: windowShown
    width: 480
    height: 800

    Component {
        id: pageComponent
        SanCaiWuGe {
            width: 480
            height: 800
            facadeObject: JsxfSingleton
        }
    }

    property var page: null
    readonly property string prompt: "请在上面输入2个字、3个字或4个字的姓名。若为复姓（例如诸葛、欧阳等），则姓名至少为3个字。"

    function init() {
        page = createTemporaryObject(pageComponent, this);
        verify(page);
        waitForRendering(page);
    }

    function section(title, n) {
        return title + "\n" + Sancai5ge.wuGeShuLiStr[n] + "\n";
    }

    function test_zhang_san() {
        compare(page.calculate(true, "张三"), 0);
        var c = page.calculateContentString;
        compare(c.indexOf("原始笔画计算：\n張：按原字(繁体字)算为11画\n三：按数字算为3画\n天格数理：\n"), 0);
        // 天格 12, 人格 14, 地格 4, 总格 14, 外格 2; 木火火.
        verify(c.indexOf(section("天格数理：", 12)) > 0);
        verify(c.indexOf(section("人格数理：", 14)) > 0);
        verify(c.indexOf(section("地格数理：", 4)) > 0);
        verify(c.indexOf(section("总格数理：", 14)) > 0);
        verify(c.indexOf(section("外格数理：", 2)) > 0);
        var sancai = Sancai5ge.sanCaiTable[0][1][1];
        compare(sancai.indexOf("木火火"), 0);
        verify(sancai.indexOf("【中吉】") > 0);
        verify(c.indexOf("三才数理：\n" + sancai + "\n") > 0);
        verify(page.suitableForCopy);
        verify(page.resultText.indexOf("<b>天格数理：</b>") >= 0);
        compare(findChild(page, "radioDanXing").checked, true);
    }

    function test_double_surname_data() {
        return [
            {tag: "at the start", name: "诸葛亮", fu: true, code: 0},
            {tag: "inside the name", name: "李欧阳", fu: true, code: 0},
            {tag: "alone is too short", name: "欧阳", fu: true, code: -2},
            {tag: "single surname", name: "张小明", fu: false, code: 0},
            {tag: "one character", name: "张", fu: false, code: -2},
            {tag: "empty", name: "   ", fu: false, code: -1}
        ];
    }

    function test_double_surname(row) {
        compare(page.calculate(true, row.name), row.code);
        if (row.code !== -1) {
            compare(findChild(page, "radioFuXing").checked, row.fu);
            compare(findChild(page, "radioDanXing").checked, !row.fu);
        }
    }

    function test_zhuge_grids() {
        // 諸 15 in the stroke table, 葛 15 (艸 6 + 9), 亮 9:
        // 天格 30, 人格 24, 地格 10, 总格 39, 外格 39 - 24 + 1 = 16.
        compare(page.calculate(true, "诸葛亮"), 0);
        var c = page.calculateContentString;
        compare(c.split("\n天格数理：")[0], "原始笔画计算：\n諸：按原字(繁体字)算为15画\n"
                + "葛：特殊部首按“艹”作【艸】算为六画，全字共15画\n亮：按原字(繁体字)算为9画");
        verify(c.indexOf(section("天格数理：", 30)) > 0);
        verify(c.indexOf(section("人格数理：", 24)) > 0);
        verify(c.indexOf(section("地格数理：", 10)) > 0);
        verify(c.indexOf(section("总格数理：", 39)) > 0);
        verify(c.indexOf(section("外格数理：", 16)) > 0);
    }

    function test_five_characters_cut_to_four() {
        compare(page.calculate(true, "司马相如来"), 0);
        var tips = page.calculateContentString.split("\n天格数理：")[0].split("\n").slice(1);
        compare(tips.length, 4);
        compare(tips.map(function (t) { return t.charAt(0); }).join(""), "司馬相如");
    }

    function test_three_character_given_name_changes_nothing() {
        compare(page.calculate(true, "张三"), 0);
        var before = page.calculateContentString;
        var shownBefore = page.resultText;
        compare(page.calculate(true, "王小明明"), 1);
        compare(page.calculateContentString, before);
        compare(page.resultText, shownBefore);
    }

    function test_button_shows_prompt() {
        var field = findChild(page, "txtName");
        field.text = "欧阳";
        findChild(page, "radioFuXing").checked = true;
        findChild(page, "startButton").clicked();
        compare(page.resultText.indexOf(prompt) >= 0, true);
    }

    function test_button_uses_radio_choice() {
        var field = findChild(page, "txtName");
        field.text = "司马光";
        findChild(page, "radioDanXing").checked = true;
        findChild(page, "startButton").clicked();
        // As a single surname: 司 | 馬光.
        var tips = page.calculateContentString.split("\n天格数理：")[0].split("\n").slice(1);
        compare(tips.length, 3);
        compare(findChild(page, "radioDanXing").checked, true);
    }

    function test_typing_removes_spaces() {
        var field = findChild(page, "txtName");
        field.forceActiveFocus();
        keyClick(Qt.Key_A);
        keyClick(Qt.Key_Space);
        keyClick(Qt.Key_B);
        compare(field.text, "ab");
        verify(page.suitableForCopy);
    }

    function test_copy_once() {
        compare(page.copyResult(), false);
        compare(page.calculate(true, "张三"), 0);
        compare(page.copyResult(), true);
        compare(easyfunction.getHtmlFromClipboard(), page.calculateContentString);
        compare(page.suitableForCopy, false);
        easyfunction.setTextToClipboard("other");
        compare(page.copyResult(), false);
        compare(easyfunction.getHtmlFromClipboard(), "other");
    }
}
