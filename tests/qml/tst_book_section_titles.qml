// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/js/bookSectionTitles.js" as Titles

// Every book of the book database has a section title, and a title that
// names a classic says that the text only follows its arrangement.
TestCase {
    name: "BookSectionTitles"

    function test_title_data() {
        return [
            { tag: "baojian", book: "baojian" },
            { tag: "WQLTiYao", book: "WQLTiYao" },
            { tag: "YuanTianGCheng", book: "YuanTianGCheng" },
            { tag: "SanMingRiShiOne", book: "SanMingRiShiOne" },
            { tag: "SanMingRiShiTwo", book: "SanMingRiShiTwo" },
            { tag: "JinBuHuan", book: "JinBuHuan" },
            { tag: "ShiGanTiXiang", book: "ShiGanTiXiang" },
            { tag: "ShiErZhiYong", book: "ShiErZhiYong" }
        ]
    }

    function test_title(data) {
        var title = Titles.titleOf(data.book)
        verify(title !== data.book, title)
        verify(title.indexOf("本程序") >= 0, title)
        if (title.indexOf("《") >= 0)
            verify(title.indexOf("体例") >= 0, title)
    }

    function test_unknownBookGivesItsKey() {
        compare(Titles.titleOf("noSuchBook"), "noSuchBook")
    }
}
