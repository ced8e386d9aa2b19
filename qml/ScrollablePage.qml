// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15

// A page whose single content item scrolls vertically.
Page {
    id: page
    default property alias content: pane.contentItem

    Flickable {
        anchors.fill: parent
        contentHeight: pane.implicitHeight
        flickableDirection: Flickable.AutoFlickIfNeeded
        clip: true

        Pane {
            id: pane
            width: parent.width
            padding: 16
        }

        ScrollIndicator.vertical: ScrollIndicator { }
    }
}
