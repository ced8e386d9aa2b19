// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15

// A short message near the bottom of the window that fades by itself.
ToolTip {
    id: notice
    timeout: 2500
    x: Math.round((parent.width - width) / 2)
    y: parent.height - height - 40

    function show(message) {
        text = message;
        open();
    }
}
