// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"

// Checks that an announcement was signed with the developer's key.
ScrollablePage {
    id: verifyPage
    title: qsTr("晴曜命盘公钥验证数字签名")

    property string resultMessage: ""
    property var rsa: RsaSingleton

    // The dialog text for a check result (1..4, see RsaSingleton).
    function messageFor(code) {
        switch (code) {
        case 1:
            return qsTr("尚未完整输入，请核对检查后，修正或补充输入内容。");
        case 2:
            return qsTr("数字摘要码与原文不对应，请检查原文、以及数字摘要码是否完整正确。");
        case 4:
            return qsTr("数字签名验证通过。<br/>\n“原通告、声明、文书或信息”应为晴曜命盘软件开发者本人所发表。");
        default:
            return qsTr("数字签名验证不通过，可能原因：<br/>\n1. 数字签名不完整；<br/>\n2. “原通告、声明、文书或信息”为伪造。");
        }
    }

    function verify() {
        var code = rsa ? rsa.verifyAnnouncement(textField.text, digestField.text, signatureField.text) : 3;
        resultMessage = messageFor(code);
        resultDialog.open();
        return code;
    }

    ColumnLayout {
        spacing: 8

        Repeater {
            id: fields
            model: [QT_TR_NOOP("以下为原完整文字:"), QT_TR_NOOP("以下为数字摘要码（依SHA256算法）:"),
                QT_TR_NOOP("以下为用于验证的数字签名:")]

            ColumnLayout {
                Layout.fillWidth: true
                property alias area: area
                RowLayout {
                    Layout.fillWidth: true
                    Label {
                        Layout.fillWidth: true
                        text: qsTr(modelData)
                        font.bold: true
                    }
                    Button {
                        text: qsTr("清除")
                        onClicked: area.clear()
                    }
                }
                TextArea {
                    id: area
                    Layout.fillWidth: true
                    Layout.preferredHeight: index === 0 ? 120 : 70
                    wrapMode: TextArea.WrapAnywhere
                    selectByMouse: true
                    textFormat: TextArea.PlainText
                }
            }
        }

        Button {
            objectName: "verifyButton"
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("开始验证电子签名")
            highlighted: true
            onClicked: verifyPage.verify()
        }

        Dialog {
            id: resultDialog
            objectName: "resultDialog"
            parent: Overlay.overlay
            anchors.centerIn: parent
            width: Math.min(parent ? parent.width - 40 : 400, 440)
            modal: true
            title: qsTr("数字签名验证提示")
            footer: DialogButtonBox {
                Button {
                    text: qsTr("确定")
                    DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
                }
            }
            Label {
                width: parent.width
                wrapMode: Label.Wrap
                textFormat: Text.RichText
                text: verifyPage.resultMessage
            }
        }
    }

    readonly property var textField: fields.count > 0 ? fields.itemAt(0).area : null
    readonly property var digestField: fields.count > 1 ? fields.itemAt(1).area : null
    readonly property var signatureField: fields.count > 2 ? fields.itemAt(2).area : null
}
