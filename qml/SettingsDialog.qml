// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml/MyFusion/Palette.js" as P

// Style chooser (applies at the next start) and the chart page's display
// choices (stored and applied at once, the same controls as on the page).
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

    property var styles: availableStyles
    // The window's shared settings, or the ones a caller passes.
    property QtObject settings: AppState.settings

    function currentStyleIndex() {
        var stored = String(easyfunction.getValueByKeyFromSettings("style", ""));
        var i = styleBox.findIgnoringCase(stored);
        return i >= 0 ? i : styleBox.findIgnoringCase("Default");
    }

    onAboutToShow: styleBox.currentIndex = Math.max(0, currentStyleIndex())
    onAccepted: easyfunction.setValueByKeyFromSettings("style", styleBox.displayText)
    onRejected: styleBox.currentIndex = Math.max(0, currentStyleIndex())

    contentItem: Flickable {
        // Scrolls once the display choices outgrow the window.
        implicitHeight: Math.min(contentHeight, settingsDialog.parent ? settingsDialog.parent.height * 0.62 : 500)
        contentHeight: settingsColumn.implicitHeight
        contentWidth: width
        clip: true
        ScrollIndicator.vertical: ScrollIndicator { }

        // A plain column: the pane's flows wrap to the width they are given.
        Column {
            id: settingsColumn
            width: settingsDialog.availableWidth
            spacing: 12

            RowLayout {
                width: parent.width
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
                text: qsTr("重启后生效")
                color: P.warning
                width: parent.width
                wrapMode: Label.Wrap
            }

            Label {
                text: qsTr("命盘显示")
                font.bold: true
            }
            DisplaySettingsPane {
                id: displayPane
                objectName: "displayPane"
                width: parent.width
            }
            // The window's settings, or the ones a caller passes.
            Binding {
                target: displayPane
                property: "settings"
                value: settingsDialog.settings
                when: !!settingsDialog.settings
            }
        }
    }
}
