// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"

// The display pane of the chart page: each control, flipped once, changes
// what the page shows and is in the settings store at once (the onlyShow*
// views are kept in memory only). Chart: 1990-06-15 10:30, 庚午 壬午 辛亥 癸巳.
TestCase {
    name: "ChartDisplay"
    when: windowShown

    SqloneCustomerModel {
        id: store
    }

    Window {
        id: host
        width: 480
        height: 800
        visible: true
    }

    Component {
        id: pageComponent
        ComeInNext { width: 480; height: 800 }
    }

    // Every stored key the pane sets, back to its default before each row.
    readonly property var paneKeys: [
        "toUsingColorForChac", "toShowGan10Shen", "toShowZhiCang", "toShowChangSheng12yun", "toShowRiZhuRight",
        "showHorizontalYunSuiAndSSAtOpening", "toShowShiSuiXuSui", "firstPanelMainZhuRightToLeft",
        "firstPanelisShowRightToLeft", "fontSizePlus", "normalpxSize", "normalMainChacpxSize", "intTypeOfYueDangLing",
        "showMainZhuInfo", "showMainZhuSs", "showMainZhuEff", "showYunZhuInfo", "showYunZhuSs", "showYunZhuEff",
        "showYearZhuInfo", "showYearZhuSs", "showYearZhuEff", "showYMonZhuInfo", "showYMonZhuSs", "showYMonZhuEff",
        "showYdmnZhuInfo", "showYdmnZhuSs", "showYdmnZhuEff"]

    // Each write saves the settings file to disk; only the keys the last row
    // changed need it.
    function init() {
        for (var i = 0; i < paneKeys.length; i++) {
            if (stored(paneKeys[i]) !== "undefined")
                easyfunction.setValueByKeyFromSettings(paneKeys[i], undefined);
        }
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
        if (item.contentItem && item.contentItem !== item)
            return findChild(item.contentItem, name);
        return null;
    }

    function openPage() {
        var id = String(store.newCustomer(0, 0, "1990/6/15/10/30", "公历: 1990/6/15/10/30", "120", "测试地",
                                          "测试", "", "", "0", "0", "1", "0", "0", "120"));
        var p = createTemporaryObject(pageComponent, host.contentItem, { theuseridpage: id });
        verify(p && p.first.thisTotalReady);
        // A fixed "today", so the selected flows (and their stars) are known.
        p.first.currentDate = new Date(2026, 0, 15, 12, 0);
        p.first.toCalculate(0);
        p.first.showDisplay = true;
        return p;
    }

    function stored(key) {
        return String(easyfunction.getValueByKeyFromSettings(key, "absent"));
    }

    // Codes of the entries the ShenSha view shows for a column.
    function shownCodes(page, column) {
        return findChild(page, "shenShaView").shownEntries(column).map(function (e) {
            return parseInt(String(e).split("|")[0], 10);
        });
    }
    function hasStars(page, column) { return shownCodes(page, column).some(function (c) { return c < 80; }); }
    function hasJoins(page, column) { return shownCodes(page, column).some(function (c) { return c >= 80; }); }
    function visibleOf(page, name) { return findChild(page, name).visible; }
    function cellLine(page, pillar, line) { return findChild(findChild(page, "pillar" + pillar), line).visible; }

    // control: the objectName; shows(page) reads what the page shows;
    // stored: the values expected in the store afterwards.
    function test_control_data() {
        var rows = [
            { tag: "element colours", control: "toUsingColorForChac", stored: { toUsingColorForChac: "0" },
              shows: function (p) { return String(findChild(findChild(p, "pillar0"), "ganLabel").color); } },
            { tag: "ten gods", control: "toShowGan10Shen", stored: { toShowGan10Shen: "0" },
              shows: function (p) { return cellLine(p, 0, "shen10Label") + "/" + findChild(p, "yunList").item.hasShen10; } },
            { tag: "hidden stems", control: "toShowZhiCang", stored: { toShowZhiCang: "0" },
              shows: function (p) { return cellLine(p, 1, "cangLabel") + "/" + findChild(p, "yunList").item.hasCang; } },
            { tag: "twelve stages", control: "toShowChangSheng12yun", stored: { toShowChangSheng12yun: "0" },
              shows: function (p) { return cellLine(p, 2, "yun12Label") + "/" + findChild(p, "yunList").item.hasYun12; } },
            { tag: "day master note", control: "toShowRiZhuRight", stored: { toShowRiZhuRight: "0" },
              shows: function (p) { return visibleOf(p, "riZhuNote"); } },
            { tag: "real or nominal age", control: "toShowShiSuiXuSui", stored: { toShowShiSuiXuSui: "0" },
              shows: function (p) { return p.first.luckRows[0].age + "/" + p.first.yearRows[0].age; } },
            { tag: "right to left", control: "firstPanelMainZhuRightToLeft",
              stored: { firstPanelMainZhuRightToLeft: "0", firstPanelisShowRightToLeft: "0" },
              shows: function (p) {
                  return findChild(p, "pillarRow").layoutDirection + "/" + findChild(p, "yunList").item.rightToLeft;
              } },
            { tag: "font size", control: "fontSizePlus", stored: { fontSizePlus: "1", normalpxSize: "15", normalMainChacpxSize: "30" },
              shows: function (p) { return findChild(findChild(p, "pillar0"), "ganLabel").font.pixelSize; } },
            { tag: "school", control: "intTypeOfYueDangLing1", stored: { intTypeOfYueDangLing: "1" },
              shows: function (p) { return p.bookText.indexOf("网传盲派") >= 0; } },
            { tag: "navigator at opening", control: "showHorizontalYunSuiAndSSAtOpening",
              stored: { showHorizontalYunSuiAndSSAtOpening: "1" },
              // Read by a chart opened afterwards.
              shows: function (p) { return visibleOf(openPage(), "allWalking"); } },
            { tag: "only natal", control: "onlyShowMainZhuInfo", stored: { onlyShowMainZhuInfo: "absent" },
              shows: function (p) { return visibleOf(p, "yunList") + "/" + p.first.presentColumns.join(","); } },
            { tag: "natal and luck", control: "onlyShowMainYunInfo", stored: { onlyShowMainYunInfo: "absent" },
              shows: function (p) { return visibleOf(p, "yearList") + "/" + p.first.presentColumns.join(","); } },
            { tag: "up to flow year", control: "onlyShowMainYunYearInfo", stored: { onlyShowMainYunYearInfo: "absent" },
              shows: function (p) { return visibleOf(p, "monthList") + "/" + p.first.presentColumns.join(","); } },
            { tag: "up to flow month", control: "onlyShowMainYunYearYmonInfo", stored: { onlyShowMainYunYearYmonInfo: "absent" },
              shows: function (p) { return visibleOf(p, "dayList") + "/" + p.first.presentColumns.join(","); } }
        ];
        var layers = [["Main", "pillarRow", 0], ["Yun", "yunList", 4], ["Year", "yearList", 5],
                      ["YMon", "monthList", 6], ["Ydmn", "dayList", 7]];
        layers.forEach(function (l) {
            var info = {}, ss = {}, eff = {};
            info["show" + l[0] + "ZhuInfo"] = "0";
            ss["show" + l[0] + "ZhuSs"] = "0";
            eff["show" + l[0] + "ZhuEff"] = "0";
            rows.push({ tag: l[0] + " shown", control: "show" + l[0] + "ZhuInfo", stored: info,
                        // Hidden layers also leave the relations.
                        shows: function (p) {
                            var item = findChild(p, l[1]);
                            return item.visible + "/" + p.first.presentColumns.join(",");
                        } });
            rows.push({ tag: l[0] + " ShenSha", control: "show" + l[0] + "ZhuSs", stored: ss,
                        shows: function (p) { return hasStars(p, l[2]) + "/" + hasJoins(p, l[2]); } });
            rows.push({ tag: l[0] + " interactions", control: "show" + l[0] + "ZhuEff", stored: eff,
                        shows: function (p) { return hasStars(p, l[2]) + "/" + hasJoins(p, l[2]); } });
        });
        return rows;
    }

    function flip(control) {
        if (control.increase !== undefined) {
            control.increase();
            control.valueModified();
        } else if (control.autoExclusive) {
            control.checked = true;
            control.toggled();
        } else {
            control.toggle();
            control.toggled();
        }
    }

    function test_control(row) {
        var p = openPage();
        var control = findChild(p, row.control);
        verify(control !== null, row.control);
        verify(control.visible);
        var before = String(row.shows(p));
        flip(control);
        var after = String(row.shows(p));
        verify(before !== after, row.tag + ": still " + after);
        for (var key in row.stored)
            compare(stored(key), row.stored[key], key);
    }

    // The same controls in the settings dialog's display part.
    function test_settingsDialogHasThePane() {
        var p = openPage();
        var pane = findChild(p, "displayPane");
        var dialogComponent = Qt.createComponent("qrc:/qml/SettingsDialog.qml");
        var dialog = createTemporaryObject(dialogComponent, host.contentItem, { settings: p.first.settings });
        verify(dialog !== null);
        dialog.open();
        tryVerify(function () { return dialog.opened; });
        var inDialog = null;
        tryVerify(function () { inDialog = findChild(dialog.contentItem, "toShowZhiCang"); return inDialog !== null; });
        verify(inDialog !== null);
        flip(inDialog);
        // Applied live on the open chart.
        verify(!findChild(findChild(p, "pillar0"), "cangLabel").visible);
        compare(stored("toShowZhiCang"), "0");
        verify(findChild(pane, "toShowZhiCang").checked === false);
    }
}
