// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"

// The chart page on a stored record: the book tab once the chart is ready,
// the notes tab saving to the record, and the ShenSha view.
TestCase {
    name: "ChartPage"
    when: windowShown
    width: 480
    height: 800

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

    function storedNotes(id) {
        store.refresh();
        return String(store.getCustInfoByStrName(id, "morenotes"));
    }

    function openPage(notes, maintime) {
        var t = maintime === undefined ? "1990/6/15/10/30" : maintime;
        var id = String(store.newCustomer(0, 0, t, "公历: " + t, "120", "测试地",
                                          "测试", "", notes, "0", "0", "1", "0", "0", "120"));
        store.userid = id;
        var p = createTemporaryObject(pageComponent, host.contentItem, { theuseridpage: id });
        verify(p !== null);
        return { page: p, id: id };
    }

    function test_bookTab() {
        var o = openPage("");
        verify(o.page.first.thisTotalReady);
        var html = o.page.bookText;
        verify(html.indexOf("原局概览") > 0);
        // 庚午 壬午 辛亥 癸巳: stems 金水金水, main hidden stems 火火水火.
        verify(html.indexOf("(按本气计)：木0、火3、土0、金2、水3") > 0);
        verify(html.indexOf("(含藏干计)：木1、火3、土3、金3、水3") > 0);
        verify(html.indexOf("十二生肖：属马") > 0);
        // June 15th comes before 夏至.
        verify(html.indexOf("星座：双子座") > 0);
        verify(html.indexOf("月令当令（子平真诠）：午月") > 0);
        // The book database holds a 调候 paragraph for every day stem and month.
        verify(html.indexOf("<p class='one'>") > 0);
    }

    function test_expandAndCollapse() {
        var o = openPage("");
        var label = findChild(o.page, "bookText");
        verify(label !== null);
        var html = o.page.bookText;
        var m = html.match(/showMore(\w+)/);
        if (!m)
            skip("no section long enough to be cut");
        label.linkActivated("showMore" + m[1]);
        verify(o.page.bookText.indexOf("showLess" + m[1]) > 0);
        verify(o.page.bookText.length > html.length);
        label.linkActivated("showLess" + m[1]);
        compare(o.page.bookText, html);
    }

    function test_notesSavedAfterPause() {
        var o = openPage("旧笔记");
        var area = findChild(o.page, "notesArea");
        compare(area.text, "旧笔记");
        o.page.currentTab = 1;
        // A short pause, so the test does not sit out the real one.
        o.page.notesSaveDelay = 50;
        area.text = "新的笔记";
        // Not yet: the save waits for a pause.
        compare(storedNotes(o.id), "旧笔记");
        tryVerify(function () { return storedNotes(o.id) === "新的笔记"; }, 4000);
    }

    function test_notesSavedOnDone() {
        var o = openPage("");
        var area = findChild(o.page, "notesArea");
        compare(area.text, "");
        area.text = "完成后保存";
        o.page.currentTab = 1;
        findChild(o.page, "notesDoneButton").clicked();
        compare(storedNotes(o.id), "完成后保存");
    }

    // The daylight-saving switch is offered only inside a period of the
    // place's type (mainland China here: 1990-04-15 to 09-16).
    function test_daylightSwitchOffered_data() {
        return [
            { tag: "inside 1990 period", maintime: "1990/6/15/10/30", offered: true },
            { tag: "outside any period", maintime: "2000/6/15/10/30", offered: false }
        ];
    }

    function test_daylightSwitchOffered(row) {
        var o = openPage("", row.maintime);
        o.page.first.showSettings = true;
        verify(findChild(o.page, "settingsPane").visible);
        compare(findChild(o.page, "xslSwitch").visible, row.offered);
        verify(findChild(o.page, "day23Switch").visible);
    }

    function test_timeKindStored() {
        var o = openPage("");
        var f = o.page.first;
        compare(f.thisHourJiaZi, 29); // clock time 10:30, 癸巳
        f.showSettings = true;
        var pty = findChild(o.page, "ptyRadio");
        pty.checked = true;
        pty.toggled();
        store.refresh();
        compare(String(store.getCustInfoByStrName(o.id, "usingPty")), "1");
        compare(String(store.getCustInfoByStrName(o.id, "usingZty")), "0");
        compare(f.isUsingJingDuTransit, 1);
        // The stored longitude is 120, so mean solar time keeps the 巳 hour.
        compare(f.thisHourJiaZi, 29);
        var zty = findChild(o.page, "ztyRadio");
        zty.checked = true;
        zty.toggled();
        store.refresh();
        compare(String(store.getCustInfoByStrName(o.id, "usingZty")), "1");
        compare(String(store.getCustInfoByStrName(o.id, "usingPty")), "0");
        compare(f.toUseZhenTaiYangShiTransit, 1);
    }

    function test_shenShaView() {
        var o = openPage("");
        o.page.showShenSha = true;
        var view = findChild(o.page, "shenShaView");
        verify(view.visible);
        compare(view.presentColumns.length, 10);
        // Year branch 午 and month branch 午: 自刑 sits on both columns.
        var year = o.page.first.gssRel.zhu0.join(";");
        verify(year.indexOf("86|") >= 0, year);
        view.entryTapped(o.page.first.gssRel.zhu0.filter(function (s) { return s.indexOf("86|") === 0; })[0]);
        verify(view.flashColumns.indexOf(0) >= 0);
        verify(view.noteText.indexOf("自刑") === 0);
    }

    // 1990-05-17 08:30, male, Guangzhou, clock time: the start in the window,
    // the derived pillars, and a chosen luck pillar and flow year that stay
    // chosen whatever recalculates the chart.
    function test_selectionKeptAcrossRecalculation_data() {
        return [
            { tag: "调前一时", act: function (f) { findChild(f, "hourBackButton").clicked(); } },
            { tag: "调后一时", act: function (f) { findChild(f, "hourForwardButton").clicked(); } },
            { tag: "day change switch", act: function (f) {
                var s = findChild(f, "day23Switch");
                s.toggle();
                s.toggled();
            } },
            { tag: "display switch", act: function (f) {
                var s = findChild(f, "toShowZhiCang");
                s.toggle();
                s.toggled();
            } }
        ];
    }

    function test_selectionKeptAcrossRecalculation(row) {
        var id = String(store.newCustomer(0, 0, "1990/5/17/8/30", "公历: 1990/5/17/8/30", "113.26", "广州",
                                          "测试", "", "", "0", "0", "1", "0", "0", "120"));
        var p = createTemporaryObject(pageComponent, host.contentItem, { theuseridpage: id });
        var f = p.first;
        verify(f.thisTotalReady);
        compare(f.inviewInSight.startAgeYears, 6);
        compare(f.inviewInSight.startAgeMonths, 4);
        verify(findChild(f, "startLabel").text.indexOf("1996年10月7日") >= 0, findChild(f, "startLabel").text);
        verify(findChild(f, "derived0").text.indexOf("甲申") >= 0);
        verify(findChild(f, "derived1").text.indexOf("壬申") >= 0);
        verify(findChild(f, "derived0").text.indexOf(String(f.inviewInSight.getNaYinStr(20))) >= 0);

        var luck = f.luckRows.map(function (r) { return r.solarYear; }).indexOf(2036);
        verify(luck >= 0);
        f.selectLuck(luck);
        var year = f.yearRows.map(function (r) { return r.sinoYear; }).indexOf(2043);
        verify(year >= 0);
        f.selectYear(year);
        compare(findChild(f, "luckChosenLabel").text.indexOf("2036年10月7日") >= 0, true);
        f.showSettings = true;
        f.showDisplay = true;
        var day = f.dayRows[f.ydaylistiiCurrentIndex];
        row.act(f);
        verify(f.thisTotalReady);
        compare(f.luckRows[f.yunlistiiCurrentIndex].solarYear, 2036);
        compare(f.yearRows[f.yearlistiiCurrentIndex].sinoYear, 2043);
        var after = f.dayRows[f.ydaylistiiCurrentIndex];
        compare([after.y, after.m, after.d], [day.y, day.m, day.d]);
    }

    // A chart opens on today: its flow year, month and day.
    function test_todaySelectedAtOpening_data() {
        return [
            { tag: "mid-year", today: new Date(2031, 6, 20, 12, 0), sinoYear: 2031, m: 7, d: 20 },
            { tag: "before 立春", today: new Date(2031, 0, 20, 12, 0), sinoYear: 2030, m: 1, d: 20 }
        ];
    }

    function test_todaySelectedAtOpening(row) {
        var o = openPage("");
        var f = o.page.first;
        f.currentDate = row.today;
        f.toCalculate(0);
        compare(f.yearRows[f.yearlistiiCurrentIndex].sinoYear, row.sinoYear);
        var day = f.dayRows[f.ydaylistiiCurrentIndex];
        compare([day.y, day.m, day.d], [row.today.getFullYear(), row.m, row.d]);
    }

    // A tapped ShenSha entry's note does not outlive the relations it explains.
    function test_shenShaNoteClearedOnNewRelations() {
        var o = openPage("");
        o.page.showShenSha = true;
        var view = findChild(o.page, "shenShaView");
        view.entryTapped(String(o.page.first.gssRel.zhu0[0]));
        verify(view.noteText.length > 0);
        o.page.first.selectLuck(o.page.first.yunlistiiCurrentIndex === 0 ? 1 : 0);
        compare(view.noteText, "");
    }
}
