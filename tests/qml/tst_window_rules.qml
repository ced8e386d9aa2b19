// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/js/windowRules.js" as Rules

// Version check, the footer's log switch cycle and the usage-report gate.
TestCase {
    name: "WindowRules"

    function test_newerVersion_data() {
        return [
            {tag: "patch newer", answer: "2.0.7", current: "2.0.6", newer: true},
            {tag: "minor newer", answer: "2.1.0", current: "2.0.9", newer: true},
            {tag: "major newer", answer: "3.0.0", current: "2.9.9", newer: true},
            {tag: "numeric not lexical", answer: "2.0.10", current: "2.0.9", newer: true},
            {tag: "same", answer: "2.0.6", current: "2.0.6", newer: false},
            {tag: "older patch", answer: "2.0.5", current: "2.0.6", newer: false},
            {tag: "older major", answer: "1.9.9", current: "2.0.0", newer: false},
            {tag: "two parts", answer: "2.1", current: "2.0.6", newer: false},
            {tag: "four parts", answer: "2.0.6.1", current: "2.0.6", newer: false},
            {tag: "not a number", answer: "2.0.x", current: "2.0.6", newer: false},
            {tag: "empty answer", answer: "", current: "2.0.6", newer: false},
            {tag: "undefined answer", answer: undefined, current: "2.0.6", newer: false},
            {tag: "blanks around", answer: " 2.0.7\n", current: "2.0.6", newer: true},
            {tag: "blank inside", answer: "2. 0.7", current: "2.0.6", newer: false},
            {tag: "sign", answer: "+3.0.0", current: "2.0.6", newer: false},
            {tag: "current not a version", answer: "2.0.7", current: "dev", newer: false}
        ];
    }

    function test_newerVersion(row) {
        compare(easyfunction.isNewerVersion(row.answer, row.current), row.newer);
    }

    // Clicking on and on switches saving on and off alternately, once each
    // per cycle.
    function test_footerCycleAlternates() {
        var actions = [];
        for (var click = 1; click <= 3 * Rules.footerCycle; ++click) {
            var a = Rules.footerClickAction(click);
            if (a !== "")
                actions.push(a);
        }
        compare(actions, ["allow", "avoid", "allow", "avoid", "allow", "avoid"]);
        verify(Rules.footerAllowAt < Rules.footerAvoidAt);
        verify(Rules.footerAvoidAt < Rules.footerCycle);
    }

    function test_developerCounts() {
        // Two or three digits each, in rising order.
        var counts = [Rules.developerMoreAt, Rules.developerVerifyFrom, Rules.developerLogFrom];
        for (var i = 0; i < counts.length; ++i)
            verify(counts[i] >= 10 && counts[i] <= 999);
        verify(counts[0] < counts[1] && counts[1] < counts[2]);
    }

    function test_reportGate_data() {
        return [
            {tag: "agreed with address", agreed: "1", url: "ws://127.0.0.1:9000", send: true},
            {tag: "declined", agreed: "0", url: "ws://127.0.0.1:9000", send: false},
            {tag: "never asked", agreed: "", url: "ws://127.0.0.1:9000", send: false},
            {tag: "agreed as number", agreed: 1, url: "ws://127.0.0.1:9000", send: true},
            {tag: "agreed without address", agreed: "1", url: "", send: false},
            {tag: "agreed with blank address", agreed: "1", url: "  ", send: false},
            {tag: "agreed with undefined address", agreed: "1", url: undefined, send: false}
        ];
    }

    function test_reportGate(row) {
        compare(Rules.mayReportUsage(row.agreed, row.url), row.send);
    }
}
