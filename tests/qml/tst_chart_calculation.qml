// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/js/chartCalculation.js" as Calc

// The chart view's calculation for stored person records: the record is
// stored, the view opened on it, and the pillars compared with the ones
// worked out by the calendar rules (day number from 1971-08-07 甲子, month
// stems from the year stem, hour stems from the day stem).
TestCase {
    name: "ChartCalculation"
    when: windowShown

    SqloneCustomerModel {
        id: store
    }

    Component {
        id: insightComponent
        InSight { }
    }

    Component {
        id: calculationComponent
        ChartCalculation { }
    }

    Component {
        id: firstComponent
        First { }
    }

    // gender, caltype, maintime, longitude, zty, pty, day23, xsl, xsl type, zone longitude
    function addRecord(r) {
        var id = String(store.newCustomer(r.gender, r.caltype, r.maintime, "公历: " + r.maintime, String(r.lon),
                                          "测试地", "测试", "", "", String(r.zty), String(r.pty), String(r.day23),
                                          String(r.xsl), String(r.xslType), String(r.tz)));
        verify(id.length > 6, "record stored: " + id);
        // The model reads and updates one person: the one it is narrowed to.
        store.userid = id;
        return id;
    }

    function openChart(id) {
        var f = createTemporaryObject(firstComponent, this, { theuserid: id });
        verify(f !== null);
        return f;
    }

    function base(extra) {
        var r = { gender: 0, caltype: 0, maintime: "1990/6/15/10/30", lon: 120, zty: 0, pty: 0, day23: 1, xsl: 0,
                  xslType: 0, tz: 120 };
        for (var k in extra)
            r[k] = extra[k];
        return r;
    }

    function test_pillars_data() {
        return [
            // 1990-06-15 is 辛亥; after 芒种, so 午 month of 庚午: 壬午; 10:30 is 巳 hour of a 辛 day: 癸巳.
            { tag: "solar record", rec: base({}), pillars: [6, 18, 47, 29], xslPeriod: true, h23: false },
            // 闰四月初一 2020 = 2020-05-23 (丙寅); 巳 month of 庚子: 辛巳; 巳 hour of 丙: 癸巳.
            { tag: "lunar leap month", rec: base({ caltype: 2, maintime: "2020/4/1/10/30" }), pillars: [36, 17, 2, 29],
              xslPeriod: false, h23: false },
            // 四月初一 2020 = 2020-04-23 (丙申); 辰 month: 庚辰.
            { tag: "lunar month", rec: base({ caltype: 1, maintime: "2020/4/1/10/30" }), pillars: [36, 16, 32, 29],
              xslPeriod: false, h23: false },
            // 1988-07-01 丁巳 day, 午 month 戊午 of 戊辰; 11:30 is 午 hour of a 丁 day: 丙午.
            { tag: "daylight saving kept", rec: base({ maintime: "1988/7/1/11/30" }), pillars: [4, 54, 53, 42],
              xslPeriod: true, h23: false },
            // Undone, 10:30 is the 巳 hour: 乙巳.
            { tag: "daylight saving undone", rec: base({ maintime: "1988/7/1/11/30", xsl: 1 }), pillars: [4, 54, 53, 41],
              xslPeriod: true, h23: false },
            // 2000-01-01 (戊午) is before 小寒: 丙子 month of 己卯. 23:30 is 子 hour of the next day: 甲子.
            { tag: "23:30 子时换日", rec: base({ maintime: "2000/1/1/23/30", day23: 1 }), pillars: [15, 12, 55, 0],
              xslPeriod: false, h23: true },
            { tag: "23:30 零点换日", rec: base({ maintime: "2000/1/1/23/30", day23: 0 }), pillars: [15, 12, 54, 0],
              xslPeriod: false, h23: true },
            // 2000-11-03 乙丑 day in the 丙戌 month of 庚辰. At 90° the mean time is two hours behind the
            // clock (10:50, 巳: 辛巳); true time is about 16 minutes later still (11:06, 午: 壬午).
            { tag: "clock time at 90°", rec: base({ maintime: "2000/11/3/12/50", lon: 90 }), pillars: [16, 22, 1, 18],
              xslPeriod: false, h23: false, hour: 12 },
            { tag: "mean solar time at 90°", rec: base({ maintime: "2000/11/3/12/50", lon: 90, pty: 1 }),
              pillars: [16, 22, 1, 17], xslPeriod: false, h23: false, hour: 10 },
            { tag: "true solar time at 90°", rec: base({ maintime: "2000/11/3/12/50", lon: 90, zty: 1 }),
              pillars: [16, 22, 1, 18], xslPeriod: false, h23: false, hour: 11 }
        ];
    }

    function test_pillars(row) {
        var f = openChart(addRecord(row.rec));
        verify(f.thisTotalReady, "calculated");
        compare([f.thisYearJiaZi, f.thisMonthJiaZi, f.thisDayJiaZi, f.thisHourJiaZi], row.pillars);
        compare(f.isInXSLTime, row.xslPeriod);
        compare(f.isIn23clock, row.h23);
        compare(f.thisRiGanNum, row.pillars[2] % 10);
        compare(f.thisYueZhiNum, row.pillars[1] % 12);
        compare(f.thisShiZhiNum, row.pillars[3] % 12);
        if (row.hour !== undefined)
            compare(f.lastResult.moment.h, row.hour);
        // The page's switches follow the record.
        compare(f.toUseZhenTaiYangShiTransit, row.rec.zty);
        compare(f.isUsingJingDuTransit, row.rec.pty);
        compare(f.itoChangeDay23clock, row.rec.day23);
        compare(f.itoUsingXiaShiLing, row.rec.xsl);
    }

    function test_clockTimeIgnoresLongitude() {
        // With clock time the birth longitude gives way to the zone's.
        var f = openChart(addRecord(base({ maintime: "2000/11/3/12/50", lon: 90 })));
        compare(f.lastResult.solarLongitude, 120);
        compare(f.lastResult.moment.h, 12);
        compare(f.lastResult.moment.mi, 50);
    }

    function test_trueSolarGap() {
        // Early November the equation of time is near its yearly maximum of about +16 minutes.
        var f = openChart(addRecord(base({ maintime: "2000/11/3/12/50", lon: 90, zty: 1 })));
        compare(f.lastResult.out.bz_zptyGapStr.slice(0, 4), "+16:");
        verify(f.headerText.indexOf("真太阳时：") > 0);
    }

    function test_defaultsForMissingNumbers() {
        // No longitude, no daylight-saving type and no zone longitude: 120, -1 and 120 (mainland rule).
        var id = addRecord(base({}));
        store.updateCustInfoByStrName(id, "mainJvalue", "");
        store.updateCustInfoByStrName(id, "extraColumn1", "x");
        store.updateCustInfoByStrName(id, "extraColumn2", "");
        var f = openChart(id);
        verify(f.thisTotalReady);
        compare(f.lastResult.longitude, 120);
        compare(f.lastResult.xslType, -1);
        // Type -1 always counts as inside a daylight-saving period.
        compare(f.isInXSLTime, true);
        if (easyfunction.isInDaZhongHuaArea())
            compare(f.lastResult.tzLongitude, 120);
    }

    // The chain from clock to instant as the page shows it: zone, offset at
    // the moment, summer time, and the flag of a skipped or doubled hour.
    function test_momentChain_data() {
        return [
            { tag: "New York summer", rec: { maintime: "1985/7/4/10/0", lon: -74.006, xslType: -1, tz: -75 },
              zone: "America/New_York", offset: -240, dst: 60, local: "ok", zoneText: "America/New_York UTC-04:00" },
            { tag: "New York gap", rec: { maintime: "2021/3/14/2/30", lon: -74.006, xslType: -1, tz: -75 },
              zone: "America/New_York", offset: -300, dst: 0, local: "gap", zoneText: "America/New_York UTC-05:00" },
            { tag: "Beijing, no zone stored", rec: { lon: 116.4 }, zone: "", offset: 480, dst: 0, local: "ok",
              zoneText: "Asia/Shanghai UTC+08:00" }
        ];
    }

    function test_momentChain(row) {
        var id = addRecord(base(row.rec));
        store.updateCustInfoByStrName(id, "extraColumn3", row.zone);
        var f = openChart(id);
        verify(f.thisTotalReady);
        compare(f.lastResult.chain.utcOffsetMinutes, row.offset);
        compare(f.lastResult.chain.dstMinutes, row.dst);
        compare(f.lastResult.chain.localTime, row.local);
        verify(findChild(f, "chainZone").text.indexOf(row.zoneText) >= 0, findChild(f, "chainZone").text);
        compare(findChild(f, "chainLocalFlag").text.length > 0, row.local !== "ok");
        // Abroad the summer-time switch shows what the tz database found.
        if (row.zone.length > 0)
            compare(f.itoUsingXiaShiLing, row.dst > 0 ? 1 : 0);
    }

    function test_gapReadingIsChosenAndKept() {
        var id = addRecord(base({ maintime: "2021/3/14/2/30", lon: -74.006, xslType: -1, tz: -75 }));
        store.updateCustInfoByStrName(id, "extraColumn3", "America/New_York");
        var f = openChart(id);
        compare(f.lastResult.chain.utcOffsetMinutes, -300);
        verify(findChild(f, "chainLocalFlag").text.length > 0);
        findChild(f, "chainReadingButton").clicked();
        compare(f.lastResult.chain.utcOffsetMinutes, -240);
        store.refresh();
        compare(String(store.getCustInfoByStrName(id, "extraColumn4")), "daylight");
        compare(openChart(id).lastResult.chain.utcOffsetMinutes, -240);
    }

    function test_summerTimeOverrideAbroad() {
        var id = addRecord(base({ maintime: "1985/7/4/10/0", lon: -74.006, xslType: -1, tz: -75 }));
        store.updateCustInfoByStrName(id, "extraColumn3", "America/New_York");
        var f = openChart(id);
        compare(f.lastResult.chain.utcOffsetMinutes, -240);
        f.itoUsingXiaShiLing = 0;
        f.storeSwitch("usingXiaShiLingclock", 0);
        compare(f.lastResult.chain.utcOffsetMinutes, -300);
        // Another switch keeps the override.
        f.chooseTimeKind("zty");
        compare(f.lastResult.chain.utcOffsetMinutes, -300);
        store.refresh();
        compare(String(store.getCustInfoByStrName(id, "extraColumn4")), "off");
        compare(openChart(id).lastResult.chain.dstMinutes, 0);
    }

    function test_switchIsStoredAndRecalculated() {
        var id = addRecord(base({ maintime: "2000/1/1/23/30", day23: 1 }));
        var f = openChart(id);
        compare(f.thisDayJiaZi, 55);
        f.itoChangeDay23clock = 0;
        f.storeSwitch("toChangeDay23clock", 0);
        compare(f.thisDayJiaZi, 54);
        store.refresh();
        compare(String(store.getCustInfoByStrName(id, "toChangeDay23clock")), "0");
        // A new view of the same record starts from the stored switch.
        var g = openChart(id);
        compare(g.thisDayJiaZi, 54);
    }

    function test_hourShift() {
        var f = openChart(addRecord(base({})));
        compare(f.thisHourJiaZi, 29); // 癸巳
        f.shiftHour(1);
        compare(f.thisHourJiaZi, 30); // 甲午
        f.shiftHour(-2);
        compare(f.thisHourJiaZi, 28); // 壬辰
        compare(f.thisDayJiaZi, 47);
    }

    // Records the model stores but the calendar refuses.
    function test_refused_data() {
        return [
            { tag: "year outside the tables", maintime: "1700/1/1/1/1", caltype: 0, line: "inputtime not legal3" },
            { tag: "leap month the year lacks", maintime: "2021/4/1/10/30", caltype: 2, line: "inputtime not legal2" }
        ];
    }

    function test_refused(row) {
        var id = addRecord(base({ caltype: row.caltype, maintime: row.maintime }));
        ignoreWarning(row.line);
        var f = openChart(id);
        compare(f.thisTotalReady, false);
        compare(f.lastResult.reason, row.line);
        compare(f.thisYearJiaZi, -1);
    }

    // The model never stores such a time itself (it rewrites or refuses the
    // text), but an imported or older file may hold one: the stored record is
    // read back and its time replaced before the calculation runs.
    function test_unparsableTime_data() {
        return [
            { tag: "three parts", maintime: "2000/1/1" },
            { tag: "words", maintime: "abc" },
            { tag: "not numbers", maintime: "2000/a/1/1/1" },
            { tag: "empty", maintime: "" }
        ];
    }

    function test_unparsableTime(row) {
        var id = addRecord(base({}));
        var rec = Calc.readRecord(store, id);
        rec.maintime = row.maintime;
        var ins = createTemporaryObject(insightComponent, this);
        var warned = [];
        var r = Calc.calculate(rec, { recal: 0 }, { calculation: createTemporaryObject(calculationComponent, this),
                                                 jsxf: JsxfSingleton, insight: ins, easyfunction: easyfunction,
                                                 warn: function (m) { warned.push(m); } });
        compare(r.ok, false);
        compare(warned, ["inputtime not legal"]);
        // Nothing was cast.
        compare(ins.totalReadyCalc, 0);
    }

    function test_noUserid_data() {
        return [{ tag: "empty", id: "" }, { tag: "undefined text", id: "undefined" }];
    }

    function test_noUserid(row) {
        var f = openChart(row.id);
        compare(f.toCalculate(0), false);
        compare(f.lastResult, null);
    }
}
