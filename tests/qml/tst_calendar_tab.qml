// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/js/monthGrid.js" as Grid

// The perpetual calendar: cells of a month with a leap month (2025-07,
// 闰六月 from the 25th) and of a month with 立春 (2025-02), from the native
// engine through the facade; navigation and the year-month field.
TestCase {
    name: "CalendarTab"
    when: windowShown
    width: 480
    height: 800

    Component {
        id: tabComponent
        Wnlmini {
            width: 480
            height: 700
            facadeObject: JsxfSingleton
        }
    }

    function cellOf(cells, d) {
        for (var i = 0; i < cells.length; i++) {
            if (cells[i].day === d)
                return {index: i, cell: cells[i]};
        }
        return null;
    }

    // Lunar days and terms worked from the 2025 new moons (6-25, 7-25,
    // 1-29, 2-28) and terms (小暑 7-7, 大暑 7-22, 立春 2-3, 雨水 2-18).
    function test_cells_data() {
        return [
            {tag: "2025-07 first", y: 2025, m: 7, d: 1, index: 2, lunar: "初七", term: ""},
            {tag: "2025-07 小暑", y: 2025, m: 7, d: 7, index: 8, lunar: "十三", term: "小暑"},
            {tag: "2025-07 大暑", y: 2025, m: 7, d: 22, index: 23, lunar: "廿八", term: "大暑"},
            {tag: "2025-07 last of 六月", y: 2025, m: 7, d: 24, index: 25, lunar: "三十", term: ""},
            {tag: "2025-07 闰六月", y: 2025, m: 7, d: 25, index: 26, lunar: "闰六月", term: ""},
            {tag: "2025-07 last", y: 2025, m: 7, d: 31, index: 32, lunar: "初七", term: ""},
            {tag: "2025-02 first", y: 2025, m: 2, d: 1, index: 6, lunar: "初四", term: ""},
            {tag: "2025-02 立春", y: 2025, m: 2, d: 3, index: 8, lunar: "初六", term: "立春"},
            {tag: "2025-02 雨水", y: 2025, m: 2, d: 18, index: 23, lunar: "廿一", term: "雨水"},
            {tag: "2025-02 二月", y: 2025, m: 2, d: 28, index: 33, lunar: "二月", term: ""}
        ];
    }

    function test_cells(row) {
        var tab = createTemporaryObject(tabComponent, this);
        tab.showMonth(row.y, row.m);
        compare(tab.cells.length, 42);
        var found = cellOf(tab.cells, row.d);
        verify(found);
        compare(found.index, row.index);
        compare(found.cell.lunar, row.lunar);
        compare(found.cell.term, row.term);
    }

    function test_month_shape_data() {
        return [
            {tag: "2025-07", y: 2025, m: 7, days: 31, terms: 2},
            {tag: "2025-02", y: 2025, m: 2, days: 28, terms: 2},
            {tag: "2024-02 leap year", y: 2024, m: 2, days: 29, terms: 2}
        ];
    }

    function test_month_shape(row) {
        var tab = createTemporaryObject(tabComponent, this);
        tab.showMonth(row.y, row.m);
        compare(tab.cells.filter(function (c) { return c.day > 0; }).length, row.days);
        compare(tab.cells.filter(function (c) { return c.term !== ""; }).length, row.terms);
        compare(tab.cells.filter(function (c) { return c.day > 0 && c.lunar === ""; }).length, 0);
    }

    function test_details_of_selected_day() {
        var tab = createTemporaryObject(tabComponent, this);
        tab.showMonth(2025, 7);
        tab.toSetTheSelectedDate(25);
        var text = findChild(tab, "dayDetails").text;
        verify(text.indexOf("闰六月") >= 0, text);
        verify(text.indexOf("乙未日") >= 0, text);
        tab.toSetTheSelectedDate(7);
        text = findChild(tab, "dayDetails").text;
        verify(text.indexOf("丁丑日") >= 0, text);
        verify(text.indexOf("节气：小暑") >= 0, text);
    }

    function test_selecting_a_day_announces_it() {
        var tab = createTemporaryObject(tabComponent, this);
        var spy = createTemporaryObject(spyComponent, this, {target: tab});
        tab.showMonth(2025, 2);
        tab.toSetTheSelectedDate(3);
        compare(spy.count, 1);
        var args = spy.signalArguments[0];
        compare([args[0], args[1], args[2]], [2025, 2, 3]);
    }

    Component {
        id: spyComponent
        SignalSpy { signalName: "dateSelected" }
    }

    function test_navigation() {
        var tab = createTemporaryObject(tabComponent, this);
        tab.showMonth(2025, 1);
        tab.move(-1);
        compare([tab.year, tab.month], [2024, 12]);
        tab.move(12);
        compare([tab.year, tab.month], [2025, 12]);
        tab.move(1);
        compare([tab.year, tab.month], [2026, 1]);
        compare(findChild(tab, "yearMonthField").text, "2026年01月");
        // The calendar runs to the end of 2200, past the years of births.
        tab.showMonth(2099, 12);
        tab.move(1);
        compare([tab.year, tab.month], [2100, 1]);
        verify(cellOf(tab.cells, 1).cell.lunar.length > 0);
        tab.showMonth(2200, 12);
        tab.move(1);
        compare([tab.year, tab.month], [2200, 12]);
        verify(cellOf(tab.cells, 31).cell.lunar.length > 0);
        tab.showMonth(1800, 1);
        tab.move(-12);
        compare([tab.year, tab.month], [1800, 1]);
    }

    function test_field_data() {
        return [
            {tag: "full", text: "2025年07月", y: 2025, m: 7},
            {tag: "one-digit month", text: "1961年8月", y: 1961, m: 8},
            {tag: "month 13", text: "2025年13月", y: -1},
            {tag: "before the range", text: "1799年12月", y: -1},
            {tag: "letters", text: "abcd年ef月", y: -1}
        ];
    }

    function test_field(row) {
        var r = Grid.parseYearMonth(row.text, 1800, 2099);
        if (row.y < 0)
            compare(r, null);
        else
            compare([r.y, r.m], [row.y, row.m]);
    }
}
