// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/js/chartCalculation.js" as Calc

// The four pillar cells of a known chart: 庚午 壬午 辛亥 癸巳 (1990-06-15
// 10:30), day stem 辛. Ten gods, hidden stems and stages worked from the
// vocabulary rules; colours from the element of each character.
TestCase {
    name: "ChartCells"
    when: windowShown

    SqloneCustomerModel {
        id: store
    }

    Component {
        id: firstComponent
        First { }
    }

    // A shown window, so that visibility can be read.
    Window {
        id: host
        width: 200
        height: 300
        visible: true
    }

    Component {
        id: cellComponent
        OneTextII { }
    }

    function findChild(item, name) {
        if (!item)
            return null;
        if (item.objectName === name)
            return item;
        var kids = item.children;
        for (var i = 0; i < kids.length; i++) {
            var r = findChild(kids[i], name);
            if (r)
                return r;
        }
        return null;
    }

    function chart() {
        var id = String(store.newCustomer(0, 0, "1990/6/15/10/30", "公历: 1990年6月15日10时30分", "120", "测试地",
                                          "测试", "", "", "0", "0", "1", "0", "0", "120"));
        var f = createTemporaryObject(firstComponent, this, { theuserid: id });
        verify(f && f.thisTotalReady);
        return f;
    }

    function test_cells_data() {
        return [
            { tag: "year 庚午", index: 0, shen10: "劫财", gan: "庚", zhi: "午", cang: "丁己", cangShen: "杀枭", yun12: "病",
              ganColor: "SteelBlue", zhiColor: "red" },
            { tag: "month 壬午", index: 1, shen10: "伤官", gan: "壬", zhi: "午", cang: "丁己", cangShen: "杀枭", yun12: "病",
              ganColor: "blue", zhiColor: "red" },
            { tag: "day 辛亥", index: 2, shen10: "日主", gan: "辛", zhi: "亥", cang: "壬甲", cangShen: "伤财", yun12: "沐浴",
              ganColor: "SteelBlue", zhiColor: "blue" },
            { tag: "hour 癸巳", index: 3, shen10: "食神", gan: "癸", zhi: "巳", cang: "丙庚戊", cangShen: "官劫印", yun12: "死",
              ganColor: "blue", zhiColor: "red" }
        ];
    }

    function test_cells(row) {
        var f = chart();
        var cell = findChild(f, "pillar" + row.index);
        verify(cell !== null);
        compare(cell.zhuType, ["年柱", "月柱", "日柱", "时柱"][row.index]);
        compare(findChild(cell, "shen10Label").text, row.shen10);
        compare(findChild(cell, "ganLabel").text, row.gan);
        compare(findChild(cell, "zhiLabel").text, row.zhi);
        compare(findChild(cell, "cangLabel").plain, row.cang);
        compare(findChild(cell, "cangShenLabel").text, row.cangShen);
        compare(findChild(cell, "yun12Label").text, row.yun12);
        verify(Qt.colorEqual(findChild(cell, "ganLabel").color, row.ganColor));
        verify(Qt.colorEqual(findChild(cell, "zhiLabel").color, row.zhiColor));
    }

    function test_dayVoidAndHeader() {
        var f = chart();
        // 辛亥 is in the 甲辰 decade, whose void branches are 寅卯.
        compare(f.lastResult.dayVoid, "寅卯");
        compare(findChild(f, "dayVoidLabel").text, "日空：寅卯");
        verify(f.headerPlain.indexOf("男 测试") === 0);
        verify(f.headerPlain.indexOf("经度:120") > 0);
        verify(f.headerText.indexOf("<br><b>农历：</b>") > 0);
        f.copyHeader();
        compare(f.copiedNote, "已复制到粘贴板");
    }

    function test_hiddenStemColours() {
        var c = createTemporaryObject(cellComponent, host.contentItem, {
            cell: Calc.pillarCell(easyfunction, 29, 7,
                                  { toShowGan10Shen: 1, toShowZhiCang: 1, toShowChangSheng12yun: 1 }) });
        compare(findChild(c, "cangLabel").text,
                "<font color='red'>丙</font><font color='SteelBlue'>庚</font><font color='sandybrown'>戊</font>");
        c.useColor = false;
        verify(Qt.colorEqual(findChild(c, "ganLabel").color, "black"));
    }

    function test_settingsHideLines_data() {
        return [
            { tag: "ten god off", show: { toShowGan10Shen: 0, toShowZhiCang: 1, toShowChangSheng12yun: 1 },
              shen10: false, cang: true, yun12: true },
            { tag: "hidden stems off", show: { toShowGan10Shen: 1, toShowZhiCang: 0, toShowChangSheng12yun: 1 },
              shen10: true, cang: false, yun12: true },
            { tag: "stages off", show: { toShowGan10Shen: 1, toShowZhiCang: 1, toShowChangSheng12yun: 0 },
              shen10: true, cang: true, yun12: false }
        ];
    }

    function test_settingsHideLines(row) {
        var c = createTemporaryObject(cellComponent, host.contentItem, { cell: Calc.pillarCell(easyfunction, 6, 7, row.show) });
        compare(findChild(c, "shen10Label").visible, row.shen10);
        compare(findChild(c, "cangLabel").visible, row.cang);
        compare(findChild(c, "cangShenLabel").visible, row.cang);
        compare(findChild(c, "yun12Label").visible, row.yun12);
        // Stem and branch always show.
        verify(findChild(c, "ganLabel").visible);
        verify(findChild(c, "zhiLabel").visible);
    }
}
