// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15

// A spinner of the date dialog that also answers the wheel, a click on an
// entry (its delegate calls pick) and the arrow keys, besides dragging.
Tumbler {
    id: spinner
    focusPolicy: Qt.StrongFocus

    function step(n) {
        if (count <= 0)
            return;
        var i = currentIndex + n;
        currentIndex = wrap ? ((i % count) + count) % count : Math.max(0, Math.min(count - 1, i));
    }

    Keys.onUpPressed: step(-1)
    Keys.onDownPressed: step(1)

    WheelHandler {
        onWheel: function (event) {
            spinner.step(event.angleDelta.y > 0 ? -1 : 1);
        }
    }
    // Delegates call this on a click: the clicked entry becomes current.
    function pick(index) {
        forceActiveFocus();
        currentIndex = index;
    }
}
