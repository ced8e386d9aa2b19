// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "Palette.js" as P

T.Button {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 8
    horizontalPadding: 14
    font.pixelSize: 15

    contentItem: Text {
        text: control.text
        font: control.font
        color: !control.enabled ? P.disabledInk
               : (control.highlighted || control.checked) ? "white" : P.accentDark
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        implicitWidth: 72
        implicitHeight: 36
        visible: !control.flat || control.down || control.hovered
        radius: 6
        color: (control.highlighted || control.checked)
               ? (control.down ? P.accentDark : P.accent)
               : (control.down ? P.accentLight : (control.flat ? "transparent" : P.surface))
        border.color: control.enabled ? (control.visualFocus ? P.accent : P.line) : P.paperDark
        border.width: control.visualFocus ? 2 : 1
    }
}
