import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
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
                textFormat: Text.StyledText
                lineHeight: 1.2
                text: qsTr("<b>本机保存的数据</b><br>"
                           + "您输入的排盘记录（名字、性别、出生时间与地点、笔记）保存在本机的用户数据库文件中，"
                           + "界面设置保存在本机的系统设置中。这些数据不会上传。删除该数据库文件即可删除全部记录；"
                           + "文件位置见侧栏“用户数据的文件路径”。<br><br>"
                           + "<b>匿名使用统计</b><br>"
                           + "只有在您点击“同意”之后，本App才会在启动约十秒后向开发者的服务器发送一次匿名使用统计，"
                           + "内容为：App版本号、平台名称与随机生成的安装标识、界面语言、启动次数及各功能的使用次数；"
                           + "不含任何排盘记录。服务器的回复只用于提示是否有新版本。<br>"
                           + "点击“不同意”后，本App不会发送任何使用统计，其余功能照常使用。<br><br>"
                           + "<b>联系方式</b><br>")
                      + (gSetOrNull() && gSetOrNull().legalEmail.length > 0
                         ? gSetOrNull().legalContactName + " " + gSetOrNull().legalEmail
                         : qsTr("见侧栏“软件开发者温馨提示”。"))
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

    function gSetOrNull() {
        return typeof windowRoot !== "undefined" && windowRoot ? windowRoot.gSet : null;
    }
}
