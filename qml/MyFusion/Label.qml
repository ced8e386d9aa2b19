// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Templates 2.15 as T
import "Palette.js" as P

T.Label {
    color: enabled ? P.ink : P.disabledInk
    linkColor: P.accent
    font.pixelSize: 15
}
