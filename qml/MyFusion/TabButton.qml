// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "Palette.js" as P

T.TabButton {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 8
    font.pixelSize: 15
    contentItem: Text {
        text: control.text
        font: control.font
        color: control.checked ? P.accentDark : P.inkSoft
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        implicitHeight: 40
        color: control.checked ? P.surface : (control.down ? P.accentLight : P.paperDark)
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 3
            color: P.accent
            visible: control.checked
        }
    }
}
