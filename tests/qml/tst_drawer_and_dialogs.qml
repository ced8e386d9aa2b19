// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The drawer's entries and the data-path dialog's warnings.
TestCase {
    id: testCase
    name: "DrawerAndDialogs"
    width: 480
    height: 800
    when: windowShown

    Component {
        id: entriesComponent
        DrawerEntries { }
    }

    Component {
        id: dataPathComponent
        DataPathDialog { }
    }

    readonly property var fixedTitles: ["软件许可及服务协议", "隐私政策", "功能介绍与版本更新说明", "用户数据的文件路径",
                                        "测算往年事情", "姓名之三才五格", "贡献者荣誉榜", "软件开发者温馨提示",
                                        "开源许可与数据来源"]
    readonly property var fixedSpecials: [1, 3, 1, 0, 1, 2, 1, 1, 1]

    function titles(model) {
        var list = [];
        for (var i = 0; i < model.count; ++i)
            list.push(model.get(i).title);
        return list;
    }

    function test_fixedEntries() {
        var m = createTemporaryObject(entriesComponent, testCase);
        compare(titles(m), fixedTitles);
        for (var i = 0; i < m.count; ++i)
            compare(m.get(i).special, fixedSpecials[i], fixedTitles[i]);
        compare(m.get(5).page, "LeftSheet/SanCaiWuGe");
        compare(m.get(1).page, "LeftSheet/PrivacyPopup");
    }

    function test_hiddenEntries_data() {
        return [
            {tag: "none", verify: [], log: [], added: []},
            {tag: "verify once", verify: [1], log: [], added: ["qrc:/qml/LeftSheet/PublicKeyVerifyMd5.qml"]},
            {tag: "verify pressed on", verify: [1, 2, 3, 4], log: [], added: ["qrc:/qml/LeftSheet/PublicKeyVerifyMd5.qml"]},
            {tag: "both", verify: [1, 2, 3], log: [1, 2], added: ["qrc:/qml/LeftSheet/PublicKeyVerifyMd5.qml",
                                                                 "qrc:/qml/LeftSheet/ShowLatestAppLog.qml"]},
            {tag: "log first", verify: [], log: [1], added: ["qrc:/qml/LeftSheet/ShowLatestAppLog.qml"]}
        ];
    }

    function test_hiddenEntries(row) {
        var m = createTemporaryObject(entriesComponent, testCase);
        var i;
        // The developer page raises both switches together once both are due.
        for (i = 0; i < Math.max(row.verify.length, row.log.length); ++i) {
            if (i < row.verify.length)
                m.verifySwitch = row.verify[i];
            if (i < row.log.length)
                m.logSwitch = row.log[i];
        }
        compare(m.count, fixedTitles.length + row.added.length);
        compare(titles(m).slice(0, fixedTitles.length), fixedTitles);
        for (i = 0; i < row.added.length; ++i) {
            var e = m.get(fixedTitles.length + i);
            compare(e.page, row.added[i]);
            compare(e.special, 1);
            compare(e.title, row.added[i].indexOf("ShowLatestAppLog") >= 0 ? "AppLog" : "晴曜命盘公钥验证数字签名");
        }
    }

    function test_dataPathWarnings_data() {
        return [
            {tag: "in memory", file: ":memory:", inApp: "0", memory: true, app: false, browse: false},
            {tag: "application folder", file: "/data/app/Solquist.db", inApp: "1", memory: false, app: true, browse: true},
            {tag: "documents folder", file: "/home/u/Documents/Solquist.db", inApp: "0", memory: false, app: false, browse: true},
            {tag: "memory path but not literal", file: "/tmp/:memory:.db", inApp: "0", memory: false, app: false, browse: true}
        ];
    }

    function test_dataPathWarnings(row) {
        var d = createTemporaryObject(dataPathComponent, testCase, {dataFile: row.file, inAppDir: row.inApp});
        d.open();
        tryCompare(d, "opened", true);
        compare(d.memoryWarningShown, row.memory);
        compare(d.appDirWarningShown, row.app);
        verify(d.memoryWarningText.indexOf("内存") >= 0);
        verify(d.appDirWarningText.indexOf("卸载") >= 0);
        // The folder page is offered for a database on disk.
        var browse = findChild(d.contentItem, "browseFolderButton");
        compare(browse.enabled, row.browse);
        var asked = 0;
        d.folderBrowseRequested.connect(function () { asked += 1; });
        if (row.browse) {
            browse.clicked();
            compare(asked, 1);
            tryCompare(d, "opened", false);
        }
        d.close();
    }
}
