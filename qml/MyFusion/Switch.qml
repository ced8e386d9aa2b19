// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "Palette.js" as P

T.Switch {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)
    padding: 6
    spacing: 8
    font.pixelSize: 15

    indicator: Rectangle {
        implicitWidth: 44
        implicitHeight: 24
        x: control.text ? (control.mirrored ? control.width - width - control.rightPadding : control.leftPadding)
                        : control.leftPadding + (control.availableWidth - width) / 2
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: 12
        color: control.checked ? P.accent : P.paperDark
        border.color: control.checked ? P.accentDark : P.line

        Rectangle {
            x: Math.max(2, Math.min(parent.width - width - 2, control.visualPosition * parent.width - width / 2))
            y: 2
            width: 20
            height: 20
            radius: 10
            color: control.down ? P.paperDark : "white"
            border.color: P.line
            Behavior on x { enabled: !control.down; SmoothedAnimation { velocity: 200 } }
        }
    }
    contentItem: Text {
        leftPadding: control.indicator && !control.mirrored ? control.indicator.width + control.spacing : 0
        rightPadding: control.indicator && control.mirrored ? control.indicator.width + control.spacing : 0
        text: control.text
        font: control.font
        color: control.enabled ? P.ink : P.disabledInk
        verticalAlignment: Text.AlignVCenter
    }
}
