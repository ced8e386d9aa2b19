// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "Palette.js" as P

T.TextArea {
    id: control
    implicitWidth: Math.max(contentWidth + leftPadding + rightPadding,
                            implicitBackgroundWidth + leftInset + rightInset,
                            placeholder.implicitWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(contentHeight + topPadding + bottomPadding,
                             implicitBackgroundHeight + topInset + bottomInset,
                             placeholder.implicitHeight + topPadding + bottomPadding)
    padding: 8
    font.pixelSize: 15
    color: enabled ? P.ink : P.disabledInk
    selectionColor: P.accent
    selectedTextColor: "white"
    placeholderTextColor: P.inkSoft
    wrapMode: TextEdit.Wrap

    Text {
        id: placeholder
        x: control.leftPadding
        y: control.topPadding
        width: control.width - (control.leftPadding + control.rightPadding)
        text: control.placeholderText
        font: control.font
        color: control.placeholderTextColor
        wrapMode: Text.Wrap
        textFormat: Text.StyledText
        visible: !control.length && !control.preeditText
    }
    background: Rectangle {
        implicitWidth: 200
        implicitHeight: 40
        radius: 5
        color: P.surface
        border.color: control.activeFocus ? P.accent : P.line
    }
}
