// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// Style chooser; the choice applies at the next start.
Dialog {
    id: settingsDialog
    x: Math.round((parent.width - width) / 2)
    y: Math.round(parent.height / 6)
    width: Math.min(parent.width * 0.9, 420)
    modal: true
    focus: true
    title: qsTr("界面风格设置")

    footer: DialogButtonBox {
        Button {
            text: qsTr("取消")
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
        }
        Button {
            text: qsTr("确定")
            highlighted: true
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
        }
    }

    property var styles: typeof availableStyles !== "undefined" ? availableStyles : []

    function currentStyleIndex() {
        var stored = String(easyfunction.getValueByKeyFromSettings("style", ""));
        var i = styleBox.findIgnoringCase(stored);
        return i >= 0 ? i : styleBox.findIgnoringCase("Default");
    }

    onAboutToShow: styleBox.currentIndex = Math.max(0, currentStyleIndex())
    onAccepted: easyfunction.setValueByKeyFromSettings("style", styleBox.displayText)
    onRejected: styleBox.currentIndex = Math.max(0, currentStyleIndex())

    contentItem: ColumnLayout {
        spacing: 12

        RowLayout {
            spacing: 10
            Label {
                text: qsTr("风格:")
            }
            SimpleComboBox {
                id: styleBox
                model: settingsDialog.styles
                Layout.fillWidth: true
            }
        }

        Label {
            text: qsTr("Restart required")
            color: P.warning
            Layout.fillWidth: true
            wrapMode: Label.Wrap
        }
    }
}
