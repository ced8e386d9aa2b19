// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Controls 2.15

// The in-memory log as plain text; pulling past the end reloads it.
Page {
    id: logPage
    title: qsTr("AppLog")

    function reload() {
        var log = String(easyfunction.getTheLatestAppLog());
        logText.text = log.length > 0 ? log : "no log yet...";
    }

    Flickable {
        id: flick
        anchors.fill: parent
        contentHeight: logText.implicitHeight
        clip: true
        onDragEnded: {
            if (contentY + height > contentHeight + 60 || contentY < -60)
                logPage.reload();
        }

        TextEdit {
            id: logText
            width: flick.width
            padding: 10
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.WrapAnywhere
            textFormat: TextEdit.PlainText
            font.pixelSize: 12
        }
        ScrollIndicator.vertical: ScrollIndicator { }
    }

    Component.onCompleted: reload()
}
