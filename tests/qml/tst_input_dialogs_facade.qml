// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The input dialogs with the script facade behind them: pinyin initials in
// the place dialog, the summer-time switch and the corrected-time lines in the
// date dialog.
Item {
    id: root
    width: 480
    height: 860

    Component {
        id: placeComponent
        PlaceInputDialog { }
    }

    Component {
        id: dateComponent
        DateInputDialog { }
    }

    TestCase {
        name: "InputDialogsFacade"
        when: windowShown

        function test_initials() {
            var dlg = createTemporaryObject(placeComponent, root);
            var chosen = null;
            dlg.placeChosen.connect(function (p) { chosen = p; });
            dlg.open();
            tryCompare(dlg, "opened", true);
            var field = findChild(dlg, "initialsField");
            mouseClick(field);
            keyClick(Qt.Key_G);
            keyClick(Qt.Key_D);
            keyClick(Qt.Key_Space);
            keyClick(Qt.Key_G);
            keyClick(Qt.Key_Z);
            keyClick(Qt.Key_Return);
            compare(dlg.provinces[findChild(dlg, "provinceTumbler").currentIndex], "广东省");
            var place = dlg.currentPlace();
            verify(place.name.indexOf("广东省广州") === 0, place.name);
            verify(Math.abs(place.lng - 113.3) < 0.5, "longitude " + place.lng);
            mouseClick(findChild(dlg, "placeConfirmButton"));
            verify(chosen !== null);
            compare(chosen.timeZoneJv, 120);
            compare(chosen.xslType, 0);
        }

        function test_initialsNotFound() {
            var dlg = createTemporaryObject(placeComponent, root);
            dlg.open();
            tryCompare(dlg, "opened", true);
            verify(!dlg.findByInitials("qqq zzz", false));
            compare(dlg.message, "没有找到该首字母的地名。");
        }

        function test_summerTimeSwitch_data() {
            return [
                {tag: "mainland 1987 summer", v: [1987, 6, 1, 12, 0], type: 0, shown: true},
                {tag: "mainland 1995 summer", v: [1995, 6, 1, 12, 0], type: 0, shown: false},
                {tag: "Hong Kong 1943", v: [1943, 7, 1, 12, 0], type: 1, shown: true},
                {tag: "Taiwan 1965", v: [1965, 7, 1, 12, 0], type: 2, shown: false},
                {tag: "Singapore never", v: [1987, 6, 1, 12, 0], type: 3, shown: false},
                {tag: "unknown place always", v: [1995, 6, 1, 12, 0], type: -1, shown: true}
            ];
        }

        function test_summerTimeSwitch(row) {
            var dlg = createTemporaryObject(dateComponent, root, {placeXSLtype: row.type});
            dlg.open();
            tryCompare(dlg, "opened", true);
            dlg.setMoment(row.v[0], row.v[1], row.v[2], row.v[3], row.v[4]);
            compare(dlg.inXSLPeriod, row.shown);
            compare(findChild(dlg, "xslSwitch").visible, row.shown);
        }

        // Lunar days past the month's end are refused and never handed on;
        // 2024 正月 and 2023 闰二月 have 29 days.
        function test_lunarDayPastMonthEnd_data() {
            return [
                {tag: "2024 正月三十", v: [2024, 1, 30], leap: false, message: "无该农历日期。"},
                {tag: "2023 闰二月三十", v: [2023, 2, 30], leap: true, message: "无该农历日期。"},
                {tag: "2024 闰二月", v: [2024, 2, 1], leap: true, message: "当年农历无闰二月。"},
                {tag: "2024 正月廿九", v: [2024, 1, 29], leap: false, message: ""},
                {tag: "2023 闰二月廿九", v: [2023, 2, 29], leap: true, message: ""}
            ];
        }

        function test_lunarDayPastMonthEnd(row) {
            var dlg = createTemporaryObject(dateComponent, root);
            var chosen = null;
            dlg.momentChosen.connect(function (m) { chosen = m; });
            dlg.open();
            tryCompare(dlg, "opened", true);
            dlg.applyRecognised({lunar: true, leap: row.leap, year: row.v[0], month: row.v[1], day: row.v[2],
                                 hour: 12, minute: 0});
            compare(dlg.emitMoment(), row.message === "");
            compare(dlg.message, row.message);
            compare(chosen !== null, row.message === "");
        }

        // 2000-02-05 12:00 by the clock at the 120° meridian: 庚辰 year and 戊寅
        // month (after 立春), day 癸巳 (35 days after 戊午 on 2000-01-01), hour 戊午.
        function test_correctedLines() {
            var dlg = createTemporaryObject(dateComponent, root, {placeJv: 120, timeZoneJv: 120, placeXSLtype: 0});
            dlg.open();
            tryCompare(dlg, "opened", true);
            mouseClick(findChild(dlg, "clockRadio"));
            dlg.setMoment(2000, 2, 5, 12, 0);
            compare(dlg.toUseZTY, 0);
            compare(dlg.toUseJingD, 0);
            compare(dlg.ganZhiLine, "干支: 庚辰 戊寅 癸巳 戊午");
            verify(dlg.ztyLine.indexOf("真太阳时: ") === 0);
            verify(dlg.ptyLine.indexOf("平太阳时: 12:00") === 0, dlg.ptyLine);
        }
    }
}
