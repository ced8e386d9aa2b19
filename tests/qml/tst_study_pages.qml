// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"
import "qrc:/qml/Study"
import "qrc:/js/bookReader.js" as Reader

// The study tab, the public-figure record, the daylight-saving list and the
// book reader's page loading.
TestCase {
    name: "StudyPages"
    when: windowShown
    width: 480
    height: 800

    Component { id: booksComponent; ListViewBooks { width: 480; height: 400 } }
    Component { id: zoltraComponent; Zoltra { width: 480; height: 600 } }
    Component { id: xslComponent; ZhongHuaXiaShiLing { width: 480; height: 600 } }
    Component { id: modelComponent; SqloneCustomerModel { } }
    Component {
        id: settingsComponent
        QtObject {
            property string havingNewZoltra: "0"
            property int toCntOpenBooks: 0
        }
    }

    function test_books_tab() {
        var settings = createTemporaryObject(settingsComponent, this);
        var tab = createTemporaryObject(booksComponent, this, {settingsObject: settings});
        var list = findChild(tab, "bookList");
        compare(list.count, 3);
        compare(tab.entries[0].title, "子平法入门（七卷，本程序自编）");
        compare(tab.entries[1].title, "中国大陆、香港以及台湾之夏令时实施时间");
        compare(tab.entries.map(function (e) { return e.page; }),
                ["qrc:/qml/ReadingBooks.qml", "qrc:/qml/Study/ZhongHuaXiaShiLing.qml", "qrc:/qml/Study/Zoltra.qml"]);
        tab.openEntry(0);
        tab.openEntry(2);
        compare(settings.toCntOpenBooks, 2);
    }

    function test_public_figure_added_once() {
        var settings = createTemporaryObject(settingsComponent, this);
        var model = createTemporaryObject(modelComponent, this);
        var page = createTemporaryObject(zoltraComponent, this, {settingsObject: settings, custModel: model});
        var before = model.rowCount();
        var id = page.addRecord();
        verify(id.length > 6, id);
        compare(settings.havingNewZoltra, "1");
        compare(page.addRecord(), "");
        model.refresh();
        compare(model.rowCount(), before + 1);
        var one = createTemporaryObject(modelComponent, this, {userid: id});
        compare(String(one.getCustInfoByStrName(id, "inputtime")), "公历：1961年8月4日19时24分");
        compare(String(one.getCustInfoByStrName(id, "simpenotes")), "贵客");
        compare(String(one.getCustInfoByStrName(id, "maintime")).indexOf("1961"), 0);
        // A later page (another start) still adds nothing.
        var again = createTemporaryObject(zoltraComponent, this, {settingsObject: settings, custModel: model});
        compare(again.addRecord(), "");
        model.refresh();
        compare(model.rowCount(), before + 1);
    }

    function test_daylight_saving_list_data() {
        return [
            {tag: "mainland", region: 0, count: 6, first: "1986-5-4 至 1986-9-14", last: "1991-4-14 至 1991-9-15", caption: "甲：中国大陆"},
            {tag: "Hong Kong", region: 1, count: 34, first: null, last: "1979-5-13 至 1979-10-21", caption: "乙：香港"},
            {tag: "Taiwan", region: 2, count: 20, first: "1945-5-1 至 1945-9-30", last: "1979-7-1 至 1979-9-30", caption: "丙：台湾"}
        ];
    }

    function test_daylight_saving_list(row) {
        var page = createTemporaryObject(xslComponent, this);
        var text = page.bodyText;
        var rows = CalendarRules.summerTimePeriods(row.region);
        compare(rows.length, row.count);
        verify(text.indexOf(row.caption + "（共" + rows.length + "段）") >= 0);
        if (row.first)
            verify(text.indexOf(row.first + "<br>") >= 0);
        verify(text.indexOf(row.last + "<br>") >= 0);
        // Every period of the table is listed.
        for (var i = 0; i < rows.length; i++)
            verify(text.indexOf(page.periodLine(rows[i])) >= 0, page.periodLine(rows[i]));
    }

    function test_frame_url_data() {
        return [
            {tag: "hash", html: "<p style='color:#ff0000'>a#b</p>"},
            {tag: "percent and plus", html: "100% + 1"},
            {tag: "Chinese", html: "<h2>卷一　天干地支</h2>"}
        ];
    }

    function test_frame_url(row) {
        var url = Reader.frameDataUrl(row.html);
        compare(url.indexOf("data:text/html;charset=UTF-8, "), 0);
        var body = url.substring("data:text/html;charset=UTF-8, ".length);
        compare(body.indexOf("#"), -1);
        compare(decodeURIComponent(body), row.html);
    }

    function test_paragraph_statements_data() {
        return [
            {tag: "plain", text: "<p>卷二</p>"},
            {tag: "quotes", text: "he said \"x\" and 'y'"},
            {tag: "line breaks", text: "a\nb\r\nc\u2028d"},
            {tag: "script end", text: "</script><script>alert(1)</script>"},
            {tag: "backslash", text: "a\\b"}
        ];
    }

    function test_paragraph_statements(row) {
        var statements = Reader.paragraphStatements(function (i) { return i === 3 ? row.text : "p" + i; });
        compare(statements.length, 6);
        var theParaArray = ["", "", "", "", "", "", ""];
        for (var i = 0; i < statements.length; i++) {
            compare(statements[i].indexOf("theParaArray[" + (i + 1) + "] = "), 0);
            eval(statements[i]);
        }
        compare(theParaArray[3], row.text);
        compare(theParaArray[1], "p1");
        compare(theParaArray[6], "p6");
        compare(theParaArray[0], "");
    }
}
