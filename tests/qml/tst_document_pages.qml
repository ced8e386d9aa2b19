// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"
import "qrc:/qml/LeftSheet"

// The document pages show their files from datafiles/docs, in the chosen
// script; the e-mail page fills in the configured address.
TestCase {
    id: testCase
    name: "DocumentPages"
    when: windowShown
    width: 480
    height: 800

    Component { id: agreement; Agreement { } }
    Component { id: introduction; Introduction { } }
    Component { id: contributors; ContributorHonorList { } }
    Component { id: developer; DeveloperStar { } }
    Component { id: analyze; AnalizethePast { } }
    Component { id: credits; Credits { } }

    function cleanup() {
        AppState.language = 0;
        AppState.legalEmail = "";
    }

    function test_documents_data() {
        return [
            {tag: "agreement", page: agreement, simp: "晴曜命盘 许可与服务协议", trad: "晴曜命盤 許可與服務協議"},
            {tag: "introduction", page: introduction, simp: "<h3>功能介绍与版本更新说明</h3>", trad: "<h3>功能介紹與版本更新說明</h3>"},
            {tag: "contributors", page: contributors, simp: "<h3>贡献者荣誉榜</h3>", trad: "<h3>貢獻者榮譽榜</h3>"},
            {tag: "developer", page: developer, simp: "<h3>软件开发者温馨提示</h3>", trad: "<h3>軟體開發者溫馨提示</h3>"},
            {tag: "credits", page: credits, simp: "晴曜命盘 is licensed under the GNU General Public License",
             trad: "晴曜命盤 is licensed under the GNU General Public License"}
        ];
    }

    function test_documents(row) {
        var page = createTemporaryObject(row.page, testCase);
        verify(page.body.indexOf(row.simp) >= 0, page.body.substring(0, 80));
        AppState.language = 1;
        verify(page.body.indexOf(row.trad) >= 0, page.body.substring(0, 80));
    }

    function test_contact_address_data() {
        return [
            {tag: "not set", email: "", shown: "（尚未设置联系邮箱）", copyEnabled: false},
            {tag: "address", email: "mail@example.org", shown: "mail@example.org", copyEnabled: true},
            {tag: "markup is escaped", email: "a<b>@example.org", shown: "a&lt;b&gt;@example.org", copyEnabled: true}
        ];
    }

    function test_contact_address(row) {
        AppState.legalEmail = row.email;
        var page = createTemporaryObject(analyze, testCase);
        var body = findChild(page, "documentBody").text;
        compare(body.indexOf("CONTACT_EMAIL_ADDRESS"), -1);
        verify(body.indexOf("联系邮箱：" + row.shown) >= 0, body);
        var copyEmail = findChild(page, "copyEmailButton");
        compare(copyEmail.enabled, row.copyEnabled);
        if (row.copyEnabled) {
            copyEmail.clicked();
            compare(easyfunction.getHtmlFromClipboard(), row.email);
        }
    }

    function test_mail_template() {
        var page = createTemporaryObject(analyze, testCase);
        findChild(page, "copyTemplateButton").clicked();
        var text = String(easyfunction.getHtmlFromClipboard());
        compare(text.indexOf("主题：测算往年事情\n"), 0);
        verify(text.indexOf("希望核对的往年事情") > 0);
    }
}
