// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The date dialog keeps one moment in view: switching 公历/农历 converts it,
// the typed field and the spinners follow each other, and the spinners step
// by wheel, click and arrow keys as well as by dragging.
Item {
    id: root
    width: 480
    height: 860

    Component {
        id: dateComponent
        DateInputDialog { }
    }

    TestCase {
        name: "DateDialogSync"
        when: windowShown

        function openDialog() {
            var dlg = createTemporaryObject(dateComponent, root);
            dlg.open();
            tryCompare(dlg, "opened", true);
            return dlg;
        }

        function flipKind(dlg) {
            var s = findChild(dlg, "calSwitch");
            s.toggle();
            s.toggled();
        }

        // Solar dates and their lunar dates (2023 had a leap second month).
        function test_kindSwitchConverts_data() {
            return [
                { tag: "1990-05-17", solar: [1990, 5, 17], lunar: [1990, 4, 23], leap: false },
                { tag: "leap month", solar: [2023, 4, 10], lunar: [2023, 2, 20], leap: true },
                { tag: "before the lunar new year", solar: [1991, 2, 1], lunar: [1990, 12, 17], leap: false }
            ];
        }

        function test_kindSwitchConverts(row) {
            var dlg = openDialog();
            dlg.setMoment(row.solar[0], row.solar[1], row.solar[2], 8, 30);
            flipKind(dlg);
            verify(dlg.lunar);
            var s = dlg.selected();
            compare([s.y, s.m, s.d, s.h, s.mi], row.lunar.concat([8, 30]));
            compare(dlg.leap, row.leap);
            flipKind(dlg);
            verify(!dlg.lunar);
            s = dlg.selected();
            compare([s.y, s.m, s.d], row.solar);
            compare(dlg.leap, false);
        }

        function test_typedFieldFollowsSpinners() {
            var dlg = openDialog();
            var field = findChild(dlg, "typedField");
            dlg.setMoment(1990, 5, 17, 8, 30);
            compare(field.text, "1990年05月17日08时30分");
            findChild(dlg, "hourTumbler").step(1);
            tryCompare(field, "text", "1990年05月17日09时30分");
        }

        // Typed digits stay in the calendar kind chosen.
        function test_typedKeepsKind_data() {
            return [ { tag: "solar", lunar: false }, { tag: "lunar", lunar: true } ];
        }

        function test_typedKeepsKind(row) {
            var dlg = openDialog();
            if (row.lunar)
                flipKind(dlg);
            var field = findChild(dlg, "typedField");
            field.visible = true;
            field.forceActiveFocus();
            field.text = "1985年03月02日07时05分";
            field.textEdited();
            compare(dlg.lunar, row.lunar);
            var s = dlg.selected();
            compare([s.y, s.m, s.d, s.h, s.mi], [1985, 3, 2, 7, 5]);
        }

        function test_spinnerInput_data() {
            return [
                { tag: "arrow down", act: function (t) { t.forceActiveFocus(); keyClick(Qt.Key_Down); }, delta: 1 },
                { tag: "arrow up", act: function (t) { t.forceActiveFocus(); keyClick(Qt.Key_Up); }, delta: -1 },
                { tag: "wheel down", act: function (t) { mouseWheel(t, t.width / 2, t.height / 2, 0, -120); }, delta: 1 },
                { tag: "wheel up", act: function (t) { mouseWheel(t, t.width / 2, t.height / 2, 0, 120); }, delta: -1 },
                { tag: "click below", act: function (t) { mouseClick(t, t.width / 2, t.height * 0.64); }, delta: 1, settle: true },
                { tag: "click above", act: function (t) { mouseClick(t, t.width / 2, t.height * 0.36); }, delta: -1, settle: true }
            ];
        }

        function test_spinnerInput(row) {
            var dlg = openDialog();
            dlg.setMoment(1990, 5, 17, 8, 30);
            var t = findChild(dlg, "minuteTumbler");
            // The spinner glides to a new index; a click lands on what is
            // shown, so it waits until the current minute sits in the middle.
            if (row.settle) {
                tryVerify(function () {
                    var c = t.currentItem;
                    return c !== null && Math.abs(c.mapToItem(t, 0, c.height / 2).y - t.height / 2) < 0.5;
                }, 5000);
            }
            row.act(t);
            tryCompare(t, "currentIndex", 30 + row.delta);
        }
    }
}
