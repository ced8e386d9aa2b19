// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"

// Luck pillars and the flow lists below them for one birth moment, counted
// forward (yang year, male) and backward (yang year, female).
// 1990-06-15 10:30 is 庚午 壬午 辛亥 癸巳; 芒种 was on June 6 and 小暑 on July 7,
// so the forward start lies about 7.1 years after birth (1997), the backward
// one about 2.9 years after (1993).
TestCase {
    name: "ChartLuck"
    when: windowShown

    SqloneCustomerModel {
        id: store
    }

    Component {
        id: firstComponent
        First { }
    }

    function openChart(gender) {
        var id = String(store.newCustomer(gender, 0, "1990/6/15/10/30", "公历: 1990年6月15日10时30分", "120", "测试地",
                                          "测试", "", "", "0", "0", "1", "0", "0", "120"));
        var f = createTemporaryObject(firstComponent, this, { theuserid: id });
        verify(f && f.thisTotalReady);
        return f;
    }

    function test_luck_data() {
        return [
            { tag: "forward", gender: 0, clockwise: 1, chacs: [19, 20, 21, 22, 23, 24, 25, 26, 27, 28],
              first: ["癸", "未"], firstYear: 1997,
              // 未 hides 己丁乙: 枭, 杀, 才 for a 辛 day; 辛 is 衰 in 未.
              cang: "己丁乙<br>枭杀才", yun12: "衰" },
            { tag: "backward", gender: 1, clockwise: -1, chacs: [17, 16, 15, 14, 13, 12, 11, 10, 9, 8],
              first: ["辛", "巳"], firstYear: 1993,
              // 巳 hides 丙庚戊: 官, 劫, 印; 辛 is 死 in 巳.
              cang: "丙庚戊<br>官劫印", yun12: "死" }
        ];
    }

    function test_luck(row) {
        var f = openChart(row.gender);
        var luck = f.lastResult.luck;
        compare(f.inviewInSight.clockwise, row.clockwise);
        compare(luck.length, 10);
        compare(luck.map(function (r) { return r.chac; }), row.chacs);
        compare([luck[0].gan, luck[0].zhi], row.first);
        compare(luck[0].cang, row.cang);
        compare(luck[0].yun12, row.yun12);
        for (var i = 0; i < 10; i++) {
            compare(luck[i].solarYear, row.firstYear + 10 * i);
            compare(luck[i].sinoYear, luck[0].sinoYear + 10 * i);
            compare(luck[i].jiaziYear, luck[0].jiaziYear + 10 * i);
            compare(luck[i].solarMonth, luck[0].solarMonth);
        }
        // The same rows feed the list the page shows.
        compare(f.luckRows.length, 10);
        compare(f.luckRows[3].chac, row.chacs[3]);
    }

    function test_flowLists() {
        var f = openChart(0);
        f.selectLuck(0);
        // The first luck pillar starts in sino year 1997 (丁丑).
        compare(f.yearRows.length, 10);
        compare(f.yearRows[0].sinoYear, 1997);
        compare(f.yearRows[0].chac, 13);
        compare(f.yearRows[9].chac, 22); // 2006 丙戌
        // Born in sino year 1990: seven years on in 1997.
        compare(f.yearRows[0].age, f.ageText(7));
        f.selectYear(0);
        // 丁 years begin with a 壬寅 month; 立春 1997 fell on February 4th.
        compare(f.monthRows.length, 12);
        compare(f.monthRows[0].chac, 38);
        compare(f.monthRows[0].title, "2/4");
        compare(f.monthRows[11].chac, 49); // 癸丑
        f.selectMonth(0);
        // 1997-02-04 (丁丑) to 惊蛰 on 1997-03-05 (丙午): 30 days.
        compare(f.dayRows.length, 30);
        compare(f.dayRows[0].chac, 13);
        compare(f.dayRows[29].chac, 42);
        f.selectDay(0);
        f.moveDay(1);
        compare(f.ydaylistiiCurrentIndex, 1);
        f.moveDay(-10);
        compare(f.ydaylistiiCurrentIndex, 0);
        // From the year's first month a step back stays on day one; 31 days
        // on from there cross into the second month.
        f.moveDay(31);
        compare(f.ymonlistiiCurrentIndex, 1);
        compare(f.ydaylistiiCurrentIndex, 1);
    }

    Component {
        id: probeComponent
        InSight { }
    }

    // A birth of 2024-02-04 10:00 has luck pillars past 2100. The flow months
    // of the first one beginning after 2100 follow the term table: the day
    // after a month's first day lies, by the engine's own placement, in that
    // month, after its Jie, and the day before its last day still does.
    function test_flowsAfter2100_data() {
        return [ { tag: "male", gender: 0 }, { tag: "female", gender: 1 } ];
    }

    function test_flowsAfter2100(row) {
        var id = String(store.newCustomer(row.gender, 0, "2024/2/4/10/0", "公历: 2024年2月4日10时0分", "120", "测试地",
                                          "百年", "", "", "0", "0", "1", "0", "0", "120"));
        var f = createTemporaryObject(firstComponent, this, { theuserid: id });
        verify(f && f.thisTotalReady);
        var luck = -1;
        for (var i = 0; i < f.luckRows.length && luck < 0; i++)
            if (f.luckRows[i].sinoYear > 2100)
                luck = i;
        verify(luck > 0);
        f.selectLuck(luck);
        compare(f.yearRows[0].sinoYear, f.luckRows[luck].sinoYear);
        var probe = createTemporaryObject(probeComponent, this);
        // The pillar's first and last flow years, every month of each.
        compare(f.yearRows.length, 10);
        for (var j = 0; j < 10; j += 9) {
            f.selectYear(j);
            compare(f.monthRows.length, 12);
            for (var k = 0; k < 12; k++) {
                var m = f.monthRows[k];
                var tag = f.yearRows[j].sinoYear + "/" + (k + 1);
                verify(m.beginJd > 0 && m.endJd > m.beginJd, tag);
                if (k > 0)
                    compare(m.beginJd, f.monthRows[k - 1].endJd, tag);
                f.selectMonth(k);
                var days = f.dayRows;
                verify(days.length >= 30 && days.length <= 33, tag + " " + days.length);
                compare(m.title, days[0].m + "/" + days[0].d, tag);
                for (var e = 1; e < days.length - 1; e += days.length - 3) {
                    compare(probe.beginWithCalendarDay(0, days[e].y, days[e].m, days[e].d, 12, 0), 0, tag);
                    compare(probe.monthChac, m.chac, tag);
                    compare(probe.jd_JieTimeBefore, m.beginJd, tag);
                    compare(probe.jd_JieTimeAfter, m.endJd, tag);
                }
            }
        }
    }

    function test_panelVariant() {
        var f = openChart(0);
        f.panelMode = true;
        // Each list is reloaded as its panel variant with the same rows.
        var yun = findChild(f, "yunList");
        verify(yun !== null);
        tryVerify(function () { return yun.item && yun.item.panel === true; }, 2000);
        compare(yun.item.rows.length, 10);
        compare(yun.item.currentIndex, f.yunlistiiCurrentIndex);
        f.panelMode = false;
        tryVerify(function () { return yun.item && yun.item.panel === false; }, 2000);
    }

    function findChild(item, name) {
        if (!item)
            return null;
        if (item.objectName === name)
            return item;
        for (var i = 0; i < item.children.length; i++) {
            var r = findChild(item.children[i], name);
            if (r)
                return r;
        }
        return null;
    }

    function test_relationsFollowSelection() {
        var f = openChart(0);
        f.selectLuck(2);
        // Columns: four natal, luck, flow year, month, day, life palace, conception.
        compare(f.presentColumns, [0, 1, 2, 3, 4, 5, 6, 7, 8, 9]);
        compare(String(f.gssRel.zhu4_basic[0]).split("|").slice(1, 3).join(""), "乙酉");
        // Conception pillar: 壬午 -> 癸酉.
        compare(String(f.gssRel.zhu9_basic[0]).split("|")[2], "酉");
        compare(f.lastResult.conception, 9);
        // Life palace: (135 - 6 - 0 - 5) mod 12 = 4, branch 午; 庚 years give 午 the stem 壬.
        compare(f.lastResult.lifePalace, 18);
        compare(String(f.gssRel.zhu8_basic[0]).split("|")[2], "午");
    }

    // Changing the record of an open chart view casts the new record's chart.
    function test_record_changed_after_loading() {
        var f = openChart(0);
        compare(f.thisDayJiaZi, 47); // 辛亥
        var other = String(store.newCustomer(1, 0, "1985/3/2/8/0", "公历: 1985年3月2日8时0分", "120", "测试地",
                                             "另一位", "", "", "0", "0", "1", "0", "0", "120"));
        f.theuserid = other;
        // 1985-03-02 is 4,956 days after the 甲子 day 1971-08-07; 4956 mod 60 = 36, 庚子.
        compare(f.thisDayJiaZi, 36);
        compare(f.inviewInSight.malefemale, 1);
    }
}
