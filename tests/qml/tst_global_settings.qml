// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// Shared settings: every key round-trips through the settings store, and the
// monthly web-map count restarts with a new month.
TestCase {
    id: testCase
    name: "GlobalSettings"

    Component {
        id: settingsComponent
        GlobalSettings { }
    }

    function test_defaults_data() {
        return [
            {tag: "luck pillar info", key: "showYunZhuInfo", value: 1},
            {tag: "flow year info", key: "showYearZhuInfo", value: 1},
            {tag: "flow month info", key: "showYMonZhuInfo", value: 1},
            {tag: "flow day info", key: "showYdmnZhuInfo", value: 1},
            {tag: "right to left", key: "firstPanelisShowRightToLeft", value: 1},
            {tag: "natal right to left", key: "firstPanelMainZhuRightToLeft", value: 1},
            {tag: "month saved", key: "currentYYYYMMSaved", value: "201906"},
            {tag: "privacy", key: "havingAgreePrivacy", value: "0"}
        ];
    }

    function test_defaults(row) {
        easyfunction.setValueByKeyFromSettings(row.key, undefined);
        var g = createTemporaryObject(settingsComponent, testCase);
        compare(g[row.key], row.value);
    }

    function test_roundTrip_data() {
        return [
            {tag: "counter", key: "toCntViewHistory", value: 5, stored: "5"},
            {tag: "switch", key: "toShowZhiCang", value: 0, stored: "0"},
            {tag: "school", key: "intTypeOfYueDangLing", value: 2, stored: "2"},
            {tag: "consent", key: "havingAgreePrivacy", value: "1", stored: "1"}
        ];
    }

    function test_roundTrip(row) {
        var g = createTemporaryObject(settingsComponent, testCase);
        g[row.key] = row.value;
        compare(String(easyfunction.getValueByKeyFromSettings(row.key, "missing")), row.stored);
        var again = createTemporaryObject(settingsComponent, testCase);
        compare(again[row.key], row.value);
    }

    function test_nonNumericStoredValueKeepsDefault() {
        easyfunction.setValueByKeyFromSettings("fontSizePlus", "abc");
        var g = createTemporaryObject(settingsComponent, testCase);
        compare(g.fontSizePlus, 0);
    }

    function test_monthlyMapCount_data() {
        return [
            {tag: "new month resets", saved: "201906", times: 150, now: new Date(2026, 0, 5), offline: false,
             expSaved: "202601", expTimes: 0, allowed: 1},
            {tag: "same month keeps count", saved: "202601", times: 7, now: new Date(2026, 0, 20), offline: false,
             expSaved: "202601", expTimes: 7, allowed: 1},
            {tag: "offline search always allowed", saved: "202601", times: 500, now: new Date(2026, 0, 20), offline: true,
             expSaved: "202601", expTimes: 500, allowed: 1}
        ];
    }

    function test_monthlyMapCount(row) {
        var g = createTemporaryObject(settingsComponent, testCase);
        g.currentYYYYMMSaved = row.saved;
        g.timesOfUsingWebGLMap = row.times;
        g.deriveMapAllowance(row.now, row.offline);
        compare(g.currentYYYYMMSaved, row.expSaved);
        compare(g.timesOfUsingWebGLMap, row.expTimes);
        compare(g.allowToUsingGlobalMap, row.allowed);
    }
}
