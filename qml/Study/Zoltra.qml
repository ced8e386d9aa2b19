// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml"

// A study record of a public figure, added to the records once.
ScrollablePage {
    id: page
    title: qsTr("公众人物命例：美国第44任总统")

    property var custModel: null
    readonly property string solarText: "1961 8 4 19 24"
    property string addedUserid: ""

    // The shared settings; the window's unless given.
    property var settingsObject: null

    function gSet() {
        if (settingsObject)
            return settingsObject;
        return AppState.settings;
    }

    // The first page's records model, so its records tab shows the new row.
    function ensureModel() {
        if (!custModel && AppState.stack) {
            var first = AppState.stack.get(0);
            if (first && first.oneCustModelAll)
                custModel = first.oneCustModelAll;
        }
        if (!custModel)
            custModel = recordsComponent.createObject(page);
        return custModel;
    }

    // Not a child: the page's children are its content.
    property Component recordsComponent: Component {
        SqloneCustomerModel { }
    }

    // Adds the record unless it was added before; answers the new id or "".
    function addRecord() {
        var g = gSet();
        if (g && g.havingNewZoltra === "1") {
            notice.show(qsTr("该命例已加入收藏。"));
            return "";
        }
        var id = String(ensureModel().newCustomer(0, 0, solarText, "公历：1961年8月4日19时24分", "-157.86",
                                              "美国 夏威夷州 檀香山", "奥巴马", "贵客", "",
                                              "1", "0", "0", "0", "3", "-150"));
        if (id.length <= 6)
            return "";
        addedUserid = id;
        if (g)
            g.havingNewZoltra = "1";
        return id;
    }

    function addAndOpen() {
        var id = addRecord();
        if (id === "" || !AppState.stack)
            return;
        AppState.stack.push("qrc:/qml/ComeInNext.qml", {theuseridpage: id});
    }

    ColumnLayout {
        spacing: 12

        Label {
            Layout.fillWidth: true
            wrapMode: Label.Wrap
            textFormat: Text.RichText
            text: qsTr("<h3>巴拉克·奥巴马（美国第44任总统）</h3>"
                       + "<p>性别：男<br>出生：公历1961年8月4日19时24分（当地时间）<br>"
                       + "出生地：美国夏威夷州檀香山（西经157.86度）</p>"
                       + "<p>出生时间为公开资料中的出生证明所载。按下面的按钮，此命例加入收藏并打开命盘，"
                       + "可对照其生平学习排盘与论命。</p>")
        }
        Button {
            objectName: "addButton"
            text: qsTr("加入收藏并排盘")
            onClicked: page.addAndOpen()
        }

        Notice {
            id: notice
        }
    }
}
