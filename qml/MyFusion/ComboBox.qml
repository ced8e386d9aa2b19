// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import "Palette.js" as P

T.ComboBox {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)
    leftPadding: 10
    rightPadding: 30
    font.pixelSize: 15

    delegate: ItemDelegate {
        width: parent ? parent.width : 0
        text: control.textRole ? (Array.isArray(control.model) ? modelData[control.textRole] : model[control.textRole])
                               : modelData
        highlighted: control.highlightedIndex === index
    }

    indicator: Text {
        x: control.width - width - 10
        y: control.topPadding + (control.availableHeight - height) / 2
        text: "▾"
        color: P.accentDark
        font.pixelSize: 16
    }

    contentItem: Text {
        text: control.displayText
        font: control.font
        color: control.enabled ? P.ink : P.disabledInk
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        implicitWidth: 120
        implicitHeight: 36
        radius: 5
        color: control.down ? P.accentLight : P.surface
        border.color: control.visualFocus ? P.accent : P.line
    }

    popup: T.Popup {
        y: control.height
        width: control.width
        height: Math.min(contentItem.implicitHeight, control.Window.height - topMargin - bottomMargin)
        topMargin: 6
        bottomMargin: 6
        padding: 1

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.delegateModel
            currentIndex: control.highlightedIndex
            highlightMoveDuration: 0
            ScrollIndicator.vertical: ScrollIndicator { }
        }
        background: Rectangle {
            color: P.surface
            border.color: P.line
            radius: 4
        }
    }
}
