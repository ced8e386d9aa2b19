import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"
import "qrc:/js/documents.js" as Docs

// The request-by-e-mail service; the address comes from configuration
// (settings key legalEmail).
ScrollablePage {
    id: page
    title: qsTr("测算往年事情")

    readonly property string contactEmail: windowRoot.legalEmail
    readonly property bool traditional: windowRoot.appLanguage === 1
    readonly property string mailTemplate: shown(Docs.readResource("qrc:/datafiles/docs/analyze_past_mail.txt"))

    function shown(text) {
        return traditional && windowRoot.jsxf ? windowRoot.jsxf.sxf_getTranBySimp(text) : text;
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
            textFormat: Text.RichText
            lineHeight: 1.25
            text: page.shown(Docs.bodyOf(Docs.readResource("qrc:/datafiles/docs/analyze_past.html")))
                  .replace("CONTACT_EMAIL_ADDRESS", page.contactEmail.length > 0 ? page.escaped(page.contactEmail)
                                                                                : qsTr("（尚未设置联系邮箱）"))
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
