// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"

// Name numerology: the five grids and the three talents of a name.
Page {
    id: sanCaiPage
    title: qsTr("姓名之三才五格")

    property string calculateContentString: ""
    property bool suitableForCopy: false
    readonly property bool traditional: AppState.language === 1
    readonly property string helpText: shown(documentPages["sancai_help.html"]
                                             ? String(documentPages["sancai_help.html"]) : "")
    readonly property string promptText: qsTr("请在上面输入2个字、3个字或4个字的姓名。若为复姓（例如诸葛、欧阳等），则姓名至少为3个字。")
    // The rich text shown: the help text until a result, then result and help.
    property string resultText: helpText

    // The script facade; the shared one unless given.
    property var facadeObject: JsxfSingleton

    function facade() {
        return facadeObject;
    }

    // The result names the Traditional forms it counted, so 简体 keeps them.
    function shown(text) {
        return traditional ? JsxfSingleton.shown(text, 1) : text;
    }

    // -1 empty name, -2 too short, 1 refused by the grids (nothing changes), 0 shown.
    function calculate(autoFuXing, theNameText) {
        var r = facade().sxf_caige_calculate(autoFuXing, radioFuXing.checked, theNameText);
        if (r.code === -1)
            return -1;
        if (autoFuXing) {
            radioFuXing.checked = r.fuXing;
            radioDanXing.checked = !r.fuXing;
        }
        if (r.code !== 0)
            return r.code;
        calculateContentString = shown(r.contentString);
        resultText = shown(r.richText) + helpText;
        suitableForCopy = true;
        return 0;
    }

    function copyResult() {
        if (!suitableForCopy)
            return false;
        easyfunction.setTextToClipboard(calculateContentString);
        notice.show(qsTr("已复制到粘贴板"));
        suitableForCopy = false;
        return true;
    }

    // A shown result follows a change of script.
    onTraditionalChanged: {
        if (calculateContentString.length > 0 && calculate(false, txtName.text) !== 0)
            resultText = helpText;
    }

    function startButton() {
        if (calculate(false, txtName.text) < 0)
            resultText = promptText;
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            TextField {
                id: txtName
                objectName: "txtName"
                Layout.fillWidth: true
                placeholderText: qsTr("姓名")
                selectByMouse: true
                onTextEdited: {
                    var compact = text.replace(/\s+/g, "");
                    if (compact !== text)
                        text = compact;
                    sanCaiPage.calculate(true, text);
                }
            }
            Button {
                objectName: "clearButton"
                text: qsTr("清除")
                onClicked: {
                    txtName.clear();
                    txtName.forceActiveFocus();
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            RadioButton {
                id: radioDanXing
                objectName: "radioDanXing"
                text: qsTr("单姓")
                checked: true
            }
            RadioButton {
                id: radioFuXing
                objectName: "radioFuXing"
                text: qsTr("复姓")
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "startButton"
                text: qsTr("开始计算")
                highlighted: true
                onClicked: sanCaiPage.startButton()
            }
        }

        ScrollView {
            id: resultView
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true

            // A label keeps the help text's markup as written: its quoted
            // Traditional forms are marked with lang="zh-Hant".
            Label {
                id: textSanCai
                objectName: "textSanCai"
                width: resultView.availableWidth
                padding: 8
                wrapMode: Text.Wrap
                textFormat: Text.RichText
                text: sanCaiPage.resultText
                MouseArea {
                    anchors.fill: parent
                    onPressAndHold: sanCaiPage.copyResult()
                }
            }
        }
    }

    Notice {
        id: notice
    }
}
