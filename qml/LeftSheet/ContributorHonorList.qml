// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import "qrc:/qml"

DocumentPage {
    title: qsTr("贡献者荣誉榜")
    documentFile: "contributors.html"
    fallback: qsTr("<h3>贡献者荣誉榜</h3>"
               + "<p>感谢所有提出建议、报告问题与核对排盘结果的用户。</p>"
               + "<p>历法数据依据公开的天文算法（VSOP87 太阳理论）计算；地名与坐标来自公开的地名数据集（GeoNames）。</p>")
}
