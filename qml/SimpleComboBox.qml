// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15

// A combo box over a plain list of texts.
ComboBox {
    id: box
    font.pixelSize: 15

    // Index of the entry equal to `text`, ignoring case; -1 when none.
    function findIgnoringCase(text) {
        var wanted = String(text).toLowerCase();
        for (var i = 0; i < count; ++i) {
            if (String(textAt(i)).toLowerCase() === wanted)
                return i;
        }
        return -1;
    }
}
