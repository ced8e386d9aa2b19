// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"

// The comparison page with three records: one chart view per id, in order,
// in compared mode, each cast for its record, separated by two separators.
TestCase {
    name: "ComparePage"
    when: windowShown
    width: 480
    height: 800

    Component { id: pageComponent; PeopleComparePage { width: 480; height: 700 } }
    Component { id: modelComponent; SqloneCustomerModel { } }

    function add(model, name, time, display) {
        return String(model.newCustomer(0, 0, time, display, "120", "北京", name, "贵客", "",
                                        "0", "0", "0", "0", "0", "120"));
    }

    function test_three_records() {
        var model = createTemporaryObject(modelComponent, this);
        var ids = [add(model, "甲", "1990 5 6 7 8", "公历：1990年5月6日7时8分"),
                   add(model, "乙", "1985 3 2 8 0", "公历：1985年3月2日8时0分"),
                   add(model, "丙", "2001 9 9 9 9", "公历：2001年9月9日9时9分")];
        ids.forEach(function (id) { verify(id.length > 6, id); });
        var page = createTemporaryObject(pageComponent, this, {u1idArray: ids});
        var charts = findChild(page, "charts");
        compare(charts.count, 3);
        var separators = 0;
        for (var i = 0; i < 3; i++) {
            var column = charts.itemAt(i);
            separators += column.children[0].width === 2 ? 1 : 0;
            var loader = column.children[1];
            compare(loader.status, Loader.Ready);
            compare(loader.userid, ids[i]);
            compare(loader.width, page.columnWidth);
            compare(loader.item.isInComparedMode, true);
            compare(loader.item.theuserid, ids[i]);
            tryVerify(function () { return loader.item.thisTotalReady; }, 10000);
        }
        compare(separators, 2);
        // Each view holds its own record's chart (day pillars 辛未, 庚子, 乙亥).
        var days = [charts.itemAt(0).children[1].item.thisDayJiaZi, charts.itemAt(1).children[1].item.thisDayJiaZi,
                    charts.itemAt(2).children[1].item.thisDayJiaZi];
        compare(days, [expectedDayChac(1990, 5, 6), expectedDayChac(1985, 3, 2), expectedDayChac(2001, 9, 9)]);
        // The row scrolls sideways once the columns are wider than the page.
        verify(page.columnWidth * 3 > page.width);
    }

    // Day pillar: whole days since 1971-08-07 (a 甲子 day), mod 60.
    function expectedDayChac(y, m, d) {
        var days = Math.round((Date.UTC(y, m - 1, d) - Date.UTC(1971, 7, 7)) / 86400000);
        return ((days % 60) + 60) % 60;
    }
}
