import QtQuick 2.15
import QtTest 1.15
import "qrc:/qml"

// The comparison page with three records: one chart column per id, in
// order, separated by two separators.
TestCase {
    name: "ComparePage"
    when: windowShown
    width: 480
    height: 800

    Component { id: pageComponent; PeopleComparePage { width: 480; height: 700 } }

    function test_three_records() {
        var ids = ["1001", "1002", "1003"];
        var page = createTemporaryObject(pageComponent, this, {u1idArray: ids});
        var charts = findChild(page, "charts");
        compare(charts.count, 3);
        var loaders = [];
        var separators = 0;
        for (var i = 0; i < 3; i++) {
            var column = charts.itemAt(i);
            separators += column.children[0].width === 2 ? 1 : 0;
            loaders.push(column.children[1].userid);
            compare(column.children[1].width, page.columnWidth);
            if (page.chartComponent) {
                compare(column.children[1].item.isInComparedMode, true);
                compare(column.children[1].item.theuseridpage, ids[i]);
            }
        }
        compare(loaders, ids);
        compare(separators, 2);
        // The row scrolls sideways once the columns are wider than the page.
        verify(page.columnWidth * 3 > page.width);
    }
}
