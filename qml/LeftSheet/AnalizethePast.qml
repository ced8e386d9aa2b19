import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"

// The request-by-e-mail service; the address comes from configuration.
ScrollablePage {
    id: page
    title: qsTr("测算往年事情")

    readonly property string contactEmail: windowRoot.legalEmail
    readonly property bool haveDocs: typeof documentPages !== "undefined" && documentPages["analyze_past.html"] !== undefined
    readonly property string mailTemplate: typeof documentPages !== "undefined" && documentPages["analyze_past_mail.txt"]
                                           ? documentPages["analyze_past_mail.txt"]
                                           : qsTr("名字：\n性别：\n出生时间（公历或农历）：\n出生地：\n想了解的年份与事情：\n")

    ColumnLayout {
        spacing: 14

        Label {
            Layout.fillWidth: true
            wrapMode: Label.Wrap
            textFormat: page.haveDocs ? Text.RichText : Text.StyledText
            lineHeight: 1.25
            text: page.haveDocs
                  ? String(documentPages["analyze_past.html"]).replace(/CONTACT_EMAIL_ADDRESS/g,
                        page.contactEmail.length > 0 ? page.contactEmail : qsTr("（尚未设置联系邮箱）"))
                  : qsTr("如想请人依命盘分析往年发生的事情，可发电子邮件说明。"
                       + "请复制下面的待填格式，填好后发到以下地址：")
                  + "<br><b>" + (page.contactEmail.length > 0 ? page.contactEmail : qsTr("（尚未设置联系邮箱）")) + "</b>"
        }
        Button {
            text: qsTr("复制电子邮箱地址")
            enabled: page.contactEmail.length > 0
            onClicked: easyfunction.setTextToClipboard(page.contactEmail)
        }
        Button {
            text: qsTr("复制发邮件待填格式内容")
            onClicked: easyfunction.setTextToClipboard(page.mailTemplate)
        }
    }
}
