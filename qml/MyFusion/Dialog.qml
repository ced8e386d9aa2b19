// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "Palette.js" as P

T.Dialog {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding,
                            implicitHeaderWidth, implicitFooterWidth)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding
                             + (implicitHeaderHeight > 0 ? implicitHeaderHeight + spacing : 0)
                             + (implicitFooterHeight > 0 ? implicitFooterHeight + spacing : 0))
    padding: 14
    font.pixelSize: 15
    background: Rectangle {
        color: P.surface
        radius: 8
        border.color: P.line
    }
    header: Text {
        text: control.title
        visible: control.title
        elide: Text.ElideRight
        font.bold: true
        font.pixelSize: 17
        color: P.accentDark
        padding: 14
        bottomPadding: 0
    }
    footer: DialogButtonBox {
        visible: count > 0
    }
    T.Overlay.modal: Rectangle {
        color: Qt.rgba(0.1, 0.1, 0.08, 0.45)
    }
    T.Overlay.modeless: Rectangle {
        color: Qt.rgba(0.1, 0.1, 0.08, 0.15)
    }
}
