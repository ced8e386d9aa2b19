// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "Palette.js" as P

T.TextField {
    id: control
    implicitWidth: implicitBackgroundWidth + leftInset + rightInset
                   || Math.max(contentWidth, placeholder.implicitWidth) + leftPadding + rightPadding
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding,
                             placeholder.implicitHeight + topPadding + bottomPadding)
    padding: 8
    font.pixelSize: 15
    color: enabled ? P.ink : P.disabledInk
    selectionColor: P.accent
    selectedTextColor: "white"
    placeholderTextColor: P.inkSoft
    verticalAlignment: TextInput.AlignVCenter

    Text {
        id: placeholder
        x: control.leftPadding
        y: control.topPadding
        width: control.width - (control.leftPadding + control.rightPadding)
        height: control.height - (control.topPadding + control.bottomPadding)
        text: control.placeholderText
        font: control.font
        color: control.placeholderTextColor
        verticalAlignment: control.verticalAlignment
        elide: Text.ElideRight
        visible: !control.length && !control.preeditText
                 && (!control.activeFocus || control.horizontalAlignment !== Qt.AlignHCenter)
    }
    background: Rectangle {
        implicitWidth: 160
        implicitHeight: 36
        radius: 5
        color: control.enabled ? P.surface : P.paperDark
        border.color: control.activeFocus ? P.accent : P.line
        border.width: control.activeFocus ? 2 : 1
    }
}
