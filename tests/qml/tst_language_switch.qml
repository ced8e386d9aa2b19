// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/qml/LeftSheet"

// Switching to Traditional Chinese changes the texts of open pages at once,
// is stored for the next start, and switching back restores them.
TestCase {
    name: "LanguageSwitch"
    when: windowShown
    width: 480
    height: 800

    Component { id: recordsComponent; ListViewRecord { width: 480; height: 600 } }
    Component { id: numerologyComponent; SanCaiWuGe { width: 480; height: 600 } }
    Component { id: verifyComponent; PublicKeyVerifyMd5 { width: 480; height: 600 } }
    Component { id: calendarComponent; Wnlmini { width: 480; height: 600 } }

    function switchTo(n) {
        easyfunction.changLanguageIndex(n);
        compare(easyfunction.changLanguage(), 0);
    }

    function cleanup() {
        switchTo(0);
    }

    function test_switch_data() {
        return [
            {tag: "records search", page: recordsComponent, name: "searchButton", simp: "搜索", trad: "搜尋"},
            {tag: "records keyword", page: recordsComponent, name: "keywordField", prop: "placeholderText",
             simp: "输入年份等关键字", trad: "輸入年份等關鍵字"},
            {tag: "records multi", page: recordsComponent, name: "multiButton", simp: "多选", trad: "多選"},
            {tag: "numerology start", page: numerologyComponent, name: "startButton", simp: "开始计算", trad: "開始計算"},
            {tag: "numerology single", page: numerologyComponent, name: "radioDanXing", simp: "单姓", trad: "單姓"},
            {tag: "numerology name", page: numerologyComponent, name: "txtName", prop: "placeholderText", simp: "姓名", trad: "姓名"},
            {tag: "signature button", page: verifyComponent, name: "verifyButton", simp: "开始验证电子签名", trad: "開始驗證電子簽名"},
            {tag: "signature dialog", page: verifyComponent, name: "resultDialog", prop: "title",
             simp: "数字签名验证提示", trad: "數字簽名驗證提示"}
        ];
    }

    function test_switch(row) {
        var page = createTemporaryObject(row.page, this);
        var item = findChild(page, row.name);
        verify(item, row.name);
        var prop = row.prop ? row.prop : "text";
        compare(item[prop], row.simp);
        switchTo(1);
        compare(item[prop], row.trad);
        compare(String(easyfunction.getValueByKeyFromSettings("appLanguage", "")), "1");
        switchTo(0);
        compare(item[prop], row.simp);
        compare(String(easyfunction.getValueByKeyFromSettings("appLanguage", "")), "0");
    }

    function test_page_titles() {
        var page = createTemporaryObject(numerologyComponent, this);
        switchTo(1);
        compare(page.title, "姓名之三才五格");
        var verifyPage = createTemporaryObject(verifyComponent, this);
        compare(verifyPage.title, "晴曜命盤公鑰驗證數字簽名");
    }
}
