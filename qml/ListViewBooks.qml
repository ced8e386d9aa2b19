// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// The study tab: the program's own guide, the daylight-saving periods and a
// study record of a public figure.
Item {
    id: booksTab

    readonly property var entries: [
        {title: QT_TR_NOOP("子平法入门（七卷，本程序自编）"), page: "qrc:/qml/ReadingBooks.qml"},
        {title: QT_TR_NOOP("中国大陆、香港以及台湾之夏令时实施时间"), page: "qrc:/qml/Study/ZhongHuaXiaShiLing.qml"},
        {title: QT_TR_NOOP("公众人物命例：美国第44任总统"), page: "qrc:/qml/Study/Zoltra.qml"}
    ]

    signal entryOpened(int index)

    // The shared settings; the window's unless given.
    property var settingsObject: null

    function openEntry(index) {
        var g = settingsObject ? settingsObject : AppState.settings;
        if (g)
            g.toCntOpenBooks += 1;
        entryOpened(index);
        if (AppState.stack)
            AppState.stack.push(entries[index].page);
    }

    ListView {
        id: list
        objectName: "bookList"
        anchors.fill: parent
        clip: true
        model: booksTab.entries
        delegate: ItemDelegate {
            width: list.width
            text: qsTr(modelData.title)
            onClicked: booksTab.openEntry(index)
        }
    }
}
