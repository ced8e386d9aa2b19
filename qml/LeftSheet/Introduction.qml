// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import "qrc:/qml"

DocumentPage {
    title: qsTr("功能介绍与版本更新说明")
    documentFile: "introduction.html"
    fallback: qsTr("<h3>功能介绍</h3>"
               + "<p>· 公历或农历（含闰月）输入，支持粘贴文字自动识别时间。<br>"
               + "· 真太阳时、平太阳时与钟表时间，子时换日或零点换日，中国大陆、香港、台湾的夏令时。<br>"
               + "· 四柱、十神、藏干、十二长生，大运、流年、流月、流日，命宫与胎元。<br>"
               + "· 神煞与干支作用关系，五行统计与称骨。<br>"
               + "· 排盘记录的分类、搜索、笔记与多人比较。<br>"
               + "· 以四柱反查出生时间，万年历，姓名三才五格。</p>"
               + "<h3>版本更新说明</h3>"
               + "<p>%1：桌面版的出生地可用离线全球城市表搜索，自动得到经度、时区与夏令时类型；"
               + "使用统计只在同意隐私政策后发送。</p>").arg(AppState.version)
}
