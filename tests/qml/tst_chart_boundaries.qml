// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"

// The chart page's boundary strip, luck-start rules and unknown hour on
// stored records: a switch shows the other side's chart and comes back, a
// chosen rule is kept with the record, an unknown hour shows twelve candidates.
TestCase {
    name: "ChartBoundaries"
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

    // Clock time (no solar-time correction), day change at 23:00.
    function openPage(maintime, words) {
        var id = String(store.newCustomer(0, 0, maintime, "公历: " + maintime, "120", "测试地",
                                          "测试", "", "", "0", "0", "1", "0", "0", "120"));
        store.userid = id;
        if (words !== undefined)
            store.updateCustInfoByStrName(id, "extraColumn4", words);
        var p = createTemporaryObject(pageComponent, host.contentItem, { theuseridpage: id });
        verify(p !== null);
        verify(p.first.thisTotalReady);
        return { page: p, first: p.first, id: id };
    }

    function test_switchToTheOtherSide_data() {
        return [
            { tag: "last minute of 午", time: "2010/5/20/12/59", column: "thisHourJiaZi", step: 1 },
            { tag: "first minute of 未", time: "2010/5/20/13/0", column: "thisHourJiaZi", step: -1 },
            { tag: "day change at 23:00", time: "2010/5/20/23/0", column: "thisDayJiaZi", step: -1 },
            { tag: "mid-hour, no warning", time: "2010/5/20/14/0", column: "", step: 0 }
        ];
    }

    function test_switchToTheOtherSide(row) {
        var o = openPage(row.time);
        var button = findChild(o.page, "alternativeButton0");
        if (row.column === "") {
            verify(button === null || !button.visible);
            return;
        }
        verify(button !== null && button.visible);
        var before = o.first[row.column];
        mouseClick(button);
        compare(o.first.showingAlternative, true);
        compare(o.first[row.column], (before + row.step + 60) % 60);
        var back = findChild(o.page, "originalChartButton");
        verify(back.visible);
        waitForRendering(o.page); // the strip has grown by the button
        mouseClick(back);
        compare(o.first.showingAlternative, false);
        compare(o.first[row.column], before);
    }

    function test_chosenRuleIsKept_data() {
        return [ { tag: "minutes-4320", rule: "minutes-4320" }, { tag: "days-and-hours", rule: "days-and-hours" } ];
    }

    function test_chosenRuleIsKept(row) {
        var o = openPage("1987/11/3/16/45");
        var table = findChild(o.page, "luckRulesTable");
        compare(table.starts.length, 5);
        // Every rule has its engine label (the engine answers the bare name otherwise).
        for (var k = 0; k < table.starts.length; k++)
            verify(table.starts[k].label.length > 0 && table.starts[k].label !== table.starts[k].rule,
                   table.starts[k].rule);
        var wanted = null;
        for (var i = 0; i < table.starts.length; i++)
            if (table.starts[i].rule === row.rule)
                wanted = table.starts[i];
        table.ruleChosen(row.rule);
        store.refresh();
        verify(String(store.getCustInfoByStrName(o.id, "extraColumn4")).indexOf("luck:" + row.rule) >= 0);
        compare(o.first.inviewInSight.jd_dateBeginDY, wanted.jd);
        compare(table.chosenRule, row.rule);
        // Reopened, the record keeps its rule.
        var again = createTemporaryObject(pageComponent, host.contentItem, { theuseridpage: o.id });
        compare(again.first.inviewInSight.luckRuleName(), row.rule);
    }

    // The perpetual calendar marks the days of a month whose new moon lies
    // seconds from midnight (2057-09-29 begins such a month, to 10-27).
    function test_calendarMarksUncertainDays_data() {
        return [
            { tag: "2057-09", y: 2057, m: 9, first: 28, last: 30 },
            { tag: "2057-10", y: 2057, m: 10, first: 1, last: 27 },
            { tag: "2057-11", y: 2057, m: 11, first: 0, last: 0 },
            { tag: "2024-03", y: 2024, m: 3, first: 0, last: 0 }
        ];
    }

    function test_calendarMarksUncertainDays(row) {
        var data = JsxfSingleton.sxf_monthData(row.y, row.m);
        var days = data.uncertain;
        compare(days.length > 0 ? days[0] : 0, row.first);
        compare(days.length > 0 ? days[days.length - 1] : 0, row.last);
        compare(JsxfSingleton.sxf_newShowMessD(row.y, row.m, Math.max(1, row.first)).indexOf("月首日期不确定") >= 0,
                row.first > 0);
    }

    function test_unknownHourShowsTwelveCandidates() {
        var o = openPage("1990/6/15/12/0", "hour-unknown");
        var view = findChild(o.page, "hourCandidatesView");
        verify(view.visible);
        compare(view.candidates.length, 12);
        verify(!findChild(o.page, "pillar3").visible);
        var plain = openPage("1990/6/15/12/0");
        verify(!findChild(plain.page, "hourCandidatesView").visible);
        verify(findChild(plain.page, "pillar3").visible);
    }
}
