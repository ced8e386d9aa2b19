// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import chattutorial 1.0
import "qrc:/qml"

// The records tab over a real records model: keyword and class filters with
// hostile texts, and deletion of the right row under a filter.
TestCase {
    name: "RecordsTab"
    when: windowShown
    width: 480
    height: 700

    Component {
        id: tabComponent
        ListViewRecord {
            width: 480
            height: 600
        }
    }
    Component {
        id: modelComponent
        SqloneCustomerModel { }
    }

    // name, class, place, more notes, display time
    readonly property var people: [
        ["张三", "贵客", "北京", "", "公历：1985年3月2日8时0分"],
        ["O'Brien", "陌生人", "Dublin", "", "公历：1990年1月1日0时0分"],
        ["百分之100%", "亲朋", "上海", "", "公历：1977年5月5日5时5分"],
        ["王_五", "贵客", "广州", "", "公历：1985年8月8日8时8分"],
        ["back\\slash", "论坛网友", "台北", "注：一九八五", "公历：2001年9月9日9时9分"]
    ]

    property var tab: null
    property var model: null

    function add(p) {
        return String(model.newCustomer(0, 0, "2019年7月16日9时5分", p[4], "116.4", p[2], p[0], p[1], p[3],
                                        "1", "0", "0", "0", "2", "120"));
    }

    function init() {
        model = createTemporaryObject(modelComponent, this);
        // Each test starts from an empty table.
        model.setFilterMore1("不限");
        while (model.rowCount() > 0)
            verify(model.removeItem(0, String(model.data(model.index(0, 0)))));
        for (var i = 0; i < people.length; i++)
            verify(add(people[i]).length > 6);
        tab = createTemporaryObject(tabComponent, this, {custModel: model});
        verify(tab);
        waitForRendering(tab);
    }

    function shownNames() {
        var names = [];
        var list = findChild(tab, "recordList");
        compare(list.count, model.rowCount());
        for (var i = 0; i < list.count; i++)
            names.push(String(model.data(model.index(i, 9))));
        return names.sort();
    }

    function test_keyword_data() {
        return [
            {tag: "year", keyword: "1985", names: ["张三", "王_五"]},
            {tag: "quote", keyword: "O'Brien", names: ["O'Brien"]},
            {tag: "injection", keyword: "' OR '1'='1", names: []},
            {tag: "statement", keyword: "\"; DROP TABLE oneCustomer; --", names: []},
            {tag: "percent is a character", keyword: "%", names: ["百分之100%"]},
            {tag: "underscore is a character", keyword: "_", names: ["王_五"]},
            {tag: "backslash", keyword: "\\", names: ["back\\slash"]},
            {tag: "notes are searched", keyword: "一九八五", names: ["back\\slash"]},
            {tag: "place", keyword: "Dublin", names: ["O'Brien"]},
            {tag: "blank is everything", keyword: "   ", names: ["O'Brien", "back\\slash", "张三", "王_五", "百分之100%"].sort()}
        ];
    }

    function test_keyword(row) {
        var field = findChild(tab, "keywordField");
        field.text = row.keyword;
        findChild(tab, "searchButton").clicked();
        compare(shownNames(), row.names);
        compare(tab.rowCount, row.names.length);
    }

    function test_keyword_keeps_class() {
        tab.chooseClass(1); // 贵客
        compare(shownNames(), ["张三", "王_五"].sort());
        tab.search("王");
        compare(shownNames(), ["王_五"]);
        tab.search("O'Brien");
        compare(shownNames(), []);
    }

    function test_class_data() {
        return [
            {tag: "all", index: 0, count: 5},
            {tag: "guests", index: 1, count: 2},
            {tag: "forum", index: 2, count: 1},
            {tag: "friends", index: 3, count: 0},
            {tag: "family", index: 4, count: 1},
            {tag: "strangers", index: 5, count: 1}
        ];
    }

    function test_class(row) {
        tab.chooseClass(row.index);
        compare(tab.rowCount, row.count);
    }

    function test_remove_under_filter() {
        tab.search("1985");
        compare(shownNames(), ["张三", "王_五"]);
        // Row 1 of the filtered list; its id comes from that same row.
        var uid = String(model.data(model.index(1, 0)));
        var name = model.data(model.index(1, 9));
        verify(tab.removeRecord(1, uid));
        tab.search("");
        var left = shownNames();
        compare(left.length, 4);
        verify(left.indexOf(name) < 0);
    }

    function test_remove_refuses_mismatched_id() {
        tab.search("1985");
        var otherId = String(model.data(model.index(0, 0)));
        verify(!tab.removeRecord(1, otherId));
        tab.search("");
        compare(tab.rowCount, 5);
    }

    function test_multiselect_button() {
        var button = findChild(tab, "multiButton");
        compare(button.text, "多选");
        button.clicked();
        verify(tab.multiSelect);
        tab.toggleSelected("1", true);
        tab.toggleSelected("2", true);
        tab.toggleSelected("1", false);
        tab.toggleSelected("3", true);
        compare(button.text, "比较(2个)");
        findChild(tab, "cancelButton").clicked();
        verify(!tab.multiSelect);
        compare(tab.selectedIds.length, 0);
        compare(button.text, "多选");
    }
}
