// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import QtQuick.Controls.impl 2.15
import "Palette.js" as P

T.ToolButton {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    padding: 6
    spacing: 6
    icon.width: 22
    icon.height: 22
    icon.color: "white"
    font.pixelSize: 15

    contentItem: IconLabel {
        spacing: control.spacing
        display: control.display
        icon: control.icon
        text: control.text
        font: control.font
        color: "white"
    }
    background: Rectangle {
        implicitWidth: 40
        implicitHeight: 40
        radius: 20
        color: control.down ? Qt.rgba(1, 1, 1, 0.25) : (control.hovered ? Qt.rgba(1, 1, 1, 0.12) : "transparent")
    }
}
