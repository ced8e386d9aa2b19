// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15

// The world place picker: the offline city search on desktops, the map page
// on phones. The chosen dialog is created on first use.
Item {
    id: picker
    signal placeChosen(var place)

    readonly property bool useMap: Qt.platform.os === "android" || Qt.platform.os === "ios"
    property var dialog: null

    function open() {
        if (!dialog) {
            var c = Qt.createComponent(useMap ? "qrc:/qml/PlaceWorldMapNotWindows.qml"
                                              : "qrc:/qml/PlaceWorldMapPCWindows.qml");
            if (c.status !== Component.Ready) {
                console.warn("world place picker: " + c.errorString());
                return null;
            }
            dialog = c.createObject(picker.parent);
            dialog.placeChosen.connect(picker.placeChosen);
        }
        dialog.open();
        return dialog;
    }

    function close() {
        if (dialog)
            dialog.close();
    }

    // The dialog lives beside the picker (on its parent); it goes with it.
    Component.onDestruction: if (dialog) dialog.destroy()
}
