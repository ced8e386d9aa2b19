// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import "qrc:/qml"
import "qrc:/js/windowRules.js" as Rules

// Developer tips. Pressing the text many times reveals more and, later, the
// hidden drawer entries.
DocumentPage {
    id: dev
    title: qsTr("软件开发者温馨提示")
    property int pressCnt: 0
    property bool showMore: false

    documentFile: "developer_tips.html"
    fallback: qsTr("<h3>软件开发者温馨提示</h3>"
               + "<p>命理是传统文化的一部分，排盘只是起点。请理性看待命盘，善待自己与他人。</p>"
               + "<p>若发现排盘有误，请记下出生时间、出生地与所选设置，告知开发者。</p>")
    extra: (showMore ? qsTr("<p>开发者联系方式：%1</p>").arg(AppState.legalEmail.length > 0
                                                              ? AppState.legalContactName + " " + AppState.legalEmail
                                                              : qsTr("（尚未设置）")) : "")

    onTextPressed: {
        pressCnt += 1;
        if (pressCnt >= Rules.developerMoreAt)
            showMore = true;
        if (pressCnt >= Rules.developerVerifyFrom)
            AppState.verifySignTaps += 1;
        if (pressCnt >= Rules.developerLogFrom)
            AppState.logTaps += 1;
    }
}
