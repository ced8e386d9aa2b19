// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "Palette.js" as P

T.ItemDelegate {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 10
    horizontalPadding: 14
    font.pixelSize: 15
    contentItem: Text {
        text: control.text
        font: control.font
        color: control.enabled ? P.ink : P.disabledInk
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        implicitHeight: 42
        color: control.down ? P.accentLight : (control.highlighted ? P.paperDark : "transparent")
        Rectangle {
            anchors.bottom: parent.bottom
            x: control.leftPadding
            width: parent.width - x
            height: 1
            color: P.paperDark
        }
    }
}
