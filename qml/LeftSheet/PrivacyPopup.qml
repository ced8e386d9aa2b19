// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"
import "qrc:/qml/MyFusion/Palette.js" as P

// The privacy summary with the consent buttons. Modal; only a button closes it.
Popup {
    id: privacyPopup
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    width: Math.min(parent.width * 0.92, 520)
    height: Math.min(parent.height * 0.85, 620)
    modal: true
    focus: true
    closePolicy: Popup.NoAutoClose

    signal agreed()
    signal declined()

    contentItem: ColumnLayout {
        spacing: 10

        Label {
            text: qsTr("隐私政策")
            font.bold: true
            font.pixelSize: 18
            color: P.accentDark
        }

        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true

            Label {
                width: privacyPopup.availableWidth
                wrapMode: Label.Wrap
                lineHeight: 1.2
                textFormat: privacyPopup.haveDocument ? Text.RichText : Text.StyledText
                text: privacyPopup.haveDocument ? privacyPopup.localised(String(documentPages["privacy.html"]))
                      : qsTr("<b>本机保存的数据</b><br>"
                           + "您输入的排盘记录（名字、性别、出生时间与地点、笔记）保存在本机的用户数据库文件中，"
                           + "界面设置保存在本机的系统设置中。这些数据不会上传。<br><br>"
                           + "<b>匿名使用统计</b><br>"
                           + "只有在您点击“同意”之后，本App才会在启动约十秒后发送一次匿名使用统计（版本号、平台、"
                           + "随机安装标识、语言、启动与各功能的使用次数），不含任何排盘记录。")
                      + "<p>" + qsTr("点击“不同意”后，本App不会发送任何使用统计，其余功能照常使用。") + "</p>"
                      + (privacyPopup.contact().length > 0 ? "<p>" + qsTr("联系方式：") + privacyPopup.contact() + "</p>" : "")
            }
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10

            Button {
                text: qsTr("不同意")
                onClicked: {
                    privacyPopup.declined();
                    privacyPopup.close();
                }
            }
            Button {
                text: qsTr("同意")
                highlighted: true
                onClicked: {
                    privacyPopup.agreed();
                    privacyPopup.close();
                }
            }
        }
    }

    readonly property bool haveDocument: documentPages["privacy.html"] !== undefined

    function localised(text) {
        return JsxfSingleton.shown(text, AppState.language);
    }

    function contact() {
        if (!AppState.legalEmail)
            return "";
        return (AppState.legalContactName ? AppState.legalContactName + " " : "") + AppState.legalEmail;
    }
}
