// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15
import chattutorial 1.0
import "qrc:/qml"

// Every daylight-saving period that the date dialog applies, by region.
ScrollablePage {
    id: page
    title: qsTr("中国大陆、香港以及台湾之夏令时实施时间")

    function periodLine(r) {
        return r[0] + "-" + r[1] + "-" + r[2] + qsTr(" 至 ") + r[3] + "-" + r[4] + "-" + r[5];
    }

    function tableHtml(caption, rows) {
        var s = "<h3>" + caption + qsTr("（共") + rows.length + qsTr("段）") + "</h3><p>";
        for (var i = 0; i < rows.length; i++)
            s += periodLine(rows[i]) + "<br>";
        return s + "</p>";
    }

    readonly property string bodyText: qsTr("<p>夏令时期间，钟表比标准时间拨快一小时。排盘输入时间若在下列时段内，"
                                            + "且在“时间设定”中选择按夏令时处理，程序会先减去一小时再计算。</p>")
        + tableHtml(qsTr("甲：中国大陆"), CalendarRules.summerTimePeriods(0))
        + tableHtml(qsTr("乙：香港"), CalendarRules.summerTimePeriods(1))
        + tableHtml(qsTr("丙：台湾"), CalendarRules.summerTimePeriods(2))

    Label {
        objectName: "periodText"
        textFormat: Text.RichText
        wrapMode: Label.Wrap
        text: page.bodyText
    }
}
