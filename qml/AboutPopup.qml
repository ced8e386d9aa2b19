// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// Product description and the usage instructions.
Popup {
    id: aboutPopup
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    width: Math.min(parent.width * 0.92, 520)
    height: Math.min(parent.height * 0.85, 640)
    modal: true
    focus: true

    signal styleSettingsRequested()

    contentItem: ColumnLayout {
        spacing: 10

        Label {
            text: qsTr("关于晴曜命盘")
            font.bold: true
            font.pixelSize: 18
            color: P.accentDark
        }

        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true

            Label {
                width: aboutPopup.availableWidth
                wrapMode: Label.Wrap
                textFormat: Text.StyledText
                lineHeight: 1.2
                text: qsTr("晴曜命盘是一款子平八字排盘软件：依出生时间与出生地，排出年、月、日、时四柱，"
                           + "大运与流年、流月、流日，命宫、胎元、神煞与干支作用关系，并附古籍参考。"
                           + "排盘记录只保存在本机。")
                      + "<br><br><b>" + qsTr("排盘使用说明") + "</b><br>"
                      + qsTr("1. 在首页填写名字，选择性别。<br>"
                             + "2. 点击出生时间，选择公历或农历，转动选择年、月、日、时、分；也可手工输入，"
                             + "或复制含有时间的文字后打开时间对话框，自动识别。<br>"
                             + "3. 在时间对话框的设置中，选择采用真太阳时、平太阳时或钟表时间，"
                             + "以及子时换日或零点换日；处于夏令时期间时可选择扣除夏令时。<br>"
                             + "4. 点击出生地，以省级、二级地名选择，或输入拼音首字母（如“gd gz”）；"
                             + "海外出生可用全球城市搜索。<br>"
                             + "5. 点击“开始计算”，命盘即保存到“收藏”，并打开命盘页。<br>"
                             + "6. 只知四柱时，可在时间对话框中以四柱反查时间。")
                      + (AppState.mobile
                         ? "<br><br>" + qsTr("手机版与电脑版的界面与功能相同。") : "")
            }
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10

            Button {
                text: qsTr("界面风格设置")
                onClicked: {
                    aboutPopup.close();
                    aboutPopup.styleSettingsRequested();
                }
            }
            Button {
                text: qsTr("关闭")
                highlighted: true
                onClicked: aboutPopup.close()
            }
        }
    }
}
