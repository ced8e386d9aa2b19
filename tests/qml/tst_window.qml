// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/js/windowRules.js" as Rules

// The root window as a whole: consent popup, the footer's log switch, and the
// developer page's hidden gesture adding the drawer entries once.
TestCase {
    id: testCase
    name: "Window"

    property var win: null

    function init() {
        easyfunction.setValueByKeyFromSettings("havingAgreePrivacy", "1");
        easyfunction.setValueByKeyFromSettings("allowtosavelog", "0");
        var c = Qt.createComponent("qrc:/gallery.qml");
        verify(c.status === Component.Ready, c.errorString());
        win = c.createObject(null, {width: 480, height: 860});
        verify(win !== null);
        waitForRendering(win.contentItem);
    }

    function cleanup() {
        win.destroy();
        win = null;
        wait(0);
    }

    function test_consentPopupOnlyWithoutConsent() {
        verify(!findChild(win, "privacyPopup").opened);
        win.destroy();
        easyfunction.setValueByKeyFromSettings("havingAgreePrivacy", "0");
        win = Qt.createComponent("qrc:/gallery.qml").createObject(null, {width: 480, height: 860});
        tryCompare(findChild(win, "privacyPopup"), "opened", true);
        // Declining keeps the report at home.
        verify(!win.sendUsageReport());
        verify(!win.usageReportSent);
    }

    function test_footerClicksSwitchLogSaving() {
        var drawer = findChild(win, "drawer");
        drawer.open();
        tryCompare(drawer, "opened", true);
        var footer = findChild(win, "drawerFooter");
        var states = [];
        for (var click = 1; click <= 2 * Rules.footerCycle; ++click) {
            mouseClick(footer);
            var action = Rules.footerClickAction(click);
            if (action !== "")
                states.push(String(easyfunction.getValueByKeyFromSettings("allowtosavelog", "?"))
                            + footer.text.charAt(footer.text.indexOf(win.thisVersionNumber) + win.thisVersionNumber.length));
        }
        compare(states, ["1+", "0-", "1+", "0-"]);
        drawer.close();
    }

    function test_developerGestureAddsEntriesOnce() {
        var list = findChild(win, "drawerList");
        compare(list.count, 9);
        win.openDrawerEntry(7);
        tryCompare(win.mainstackView, "depth", 2);
        tryCompare(win.mainstackView, "busy", false);
        var page = win.mainstackView.currentItem;
        // Laid out, so the clicks land on the text (a frame may never come:
        // nothing changes once the push has finished).
        verify(waitForItemPolished(page));
        var body = findChild(page, "documentBody");
        for (var i = 1; i < Rules.developerVerifyFrom; ++i)
            mouseClick(body);
        compare(page.pressCnt, Rules.developerVerifyFrom - 1);
        verify(page.showMore);
        compare(win.toViewTheVerifySignPage, 0);
        compare(list.count, 9);
        mouseClick(body);
        compare(win.toViewTheVerifySignPage, 1);
        compare(list.count, 10);
        for (i = Rules.developerVerifyFrom + 1; i <= Rules.developerLogFrom + 5; ++i)
            mouseClick(body);
        verify(win.toViewTheLatestAppLogPage > 1);
        compare(list.count, 11);
        compare(list.model.get(9).page, "qrc:/qml/LeftSheet/PublicKeyVerifyMd5.qml");
        compare(list.model.get(10).title, "AppLog");
    }

    function test_missingPageLeavesStack() {
        // The numerology entry pushes its page and counts the visit (a page
        // that failed to load would leave the stack where it is).
        var installed = Qt.createComponent("qrc:/qml/LeftSheet/SanCaiWuGe.qml").status === Component.Ready;
        var before = win.gSet.toCntOpenSanCaiWuGe;
        win.openDrawerEntry(5);
        compare(win.mainstackView.depth, installed ? 2 : 1);
        compare(win.gSet.toCntOpenSanCaiWuGe, before + (installed ? 1 : 0));
    }
}
