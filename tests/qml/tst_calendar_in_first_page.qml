// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// On the first page, choosing a day in the calendar tab sets the date of
// the birth form's date dialog; the records tab uses the page's model.
TestCase {
    id: testCase
    name: "CalendarInFirstPage"
    when: windowShown
    width: 480
    height: 860

    Component { id: pageComponent; ComeIn { width: 480; height: 860 } }

    function findByType(item, marker) {
        if (item && item[marker] !== undefined)
            return item;
        var kids = item ? item.children : [];
        for (var i = 0; i < kids.length; i++) {
            var r = findByType(kids[i], marker);
            if (r)
                return r;
        }
        return null;
    }

    function test_day_goes_to_date_dialog() {
        var page = createTemporaryObject(pageComponent, testCase);
        var calendar = findByType(page, "toSetTheSelectedDate");
        verify(calendar);
        var dialog = findChild(page, "dateDialog");
        dialog.applyRecognised({lunar: true, leap: false, year: 1993, month: 12, day: 9, hour: 3, minute: 30});
        calendar.showMonth(2025, 2);
        calendar.toSetTheSelectedDate(3);
        // A calendar day is a solar date; the chosen clock time stays.
        tryVerify(function () { return dialog.solar !== null && !dialog.lunar; });
        compare([dialog.solar.y, dialog.solar.m, dialog.solar.d], [2025, 2, 3]);
        var s = dialog.selected();
        compare([s.h, s.mi], [3, 30]);
        verify(!dialog.opened);
    }

    function test_records_tab_uses_page_model() {
        var page = createTemporaryObject(pageComponent, testCase);
        var records = findByType(page, "removeRecord");
        verify(records);
        tryVerify(function () { return records.records !== null; });
        compare(records.records, page.oneCustModelAll);
    }
}
