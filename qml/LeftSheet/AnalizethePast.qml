// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"

// The request-by-e-mail service; the address comes from configuration.
ScrollablePage {
    id: page
    title: qsTr("测算往年事情")

    readonly property string contactEmail: AppState.legalEmail
    readonly property bool haveDocs: documentPages["analyze_past.html"] !== undefined
    readonly property string mailTemplate: shown(documentPages["analyze_past_mail.txt"]
                                                 ? documentPages["analyze_past_mail.txt"]
                                                 : qsTr("名字：\n性别：\n出生时间（公历或农历）：\n出生地：\n想了解的年份与事情：\n"))

    // The documents follow the chosen script.
    function shown(text) {
        return JsxfSingleton.shown(text, AppState.language);
    }

    // The address goes into rich text, so its markup characters are escaped.
    function escaped(text) {
        return String(text).replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");
    }

    ColumnLayout {
        spacing: 14

        Label {
            objectName: "documentBody"
            Layout.fillWidth: true
            wrapMode: Label.Wrap
            textFormat: page.haveDocs ? Text.RichText : Text.StyledText
            lineHeight: 1.25
            text: page.haveDocs
                  ? page.shown(documentPages["analyze_past.html"]).replace(/CONTACT_EMAIL_ADDRESS/g,
                        page.contactEmail.length > 0 ? page.escaped(page.contactEmail) : qsTr("（尚未设置联系邮箱）"))
                  : qsTr("如想请人依命盘分析往年发生的事情，可发电子邮件说明。"
                       + "请复制下面的待填格式，填好后发到以下地址：")
                  + "<br><b>" + (page.contactEmail.length > 0 ? page.contactEmail : qsTr("（尚未设置联系邮箱）")) + "</b>"
        }
        Button {
            objectName: "copyEmailButton"
            text: qsTr("复制电子邮箱地址")
            enabled: page.contactEmail.length > 0
            onClicked: easyfunction.setTextToClipboard(page.contactEmail)
        }
        Button {
            objectName: "copyTemplateButton"
            text: qsTr("复制发邮件待填格式内容")
            onClicked: easyfunction.setTextToClipboard(page.mailTemplate)
        }
    }
}
