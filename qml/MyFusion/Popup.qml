// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "Palette.js" as P

T.Popup {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding)
    padding: 14
    font.pixelSize: 15
    background: Rectangle {
        color: P.surface
        radius: 8
        border.color: P.line
    }
    T.Overlay.modal: Rectangle {
        color: Qt.rgba(0.1, 0.1, 0.08, 0.45)
    }
    T.Overlay.modeless: Rectangle {
        color: Qt.rgba(0.1, 0.1, 0.08, 0.15)
    }
}
