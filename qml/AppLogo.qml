// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15

// The product mark: a sun disc over a night-blue field with the character 曜.
Item {
    id: logo
    implicitWidth: 84
    implicitHeight: 84

    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: "#1d3b52"
        border.color: "#f3d27a"
        border.width: Math.max(2, width / 28)
    }
    Rectangle {
        width: parent.width * 0.34
        height: width
        radius: width / 2
        x: parent.width * 0.56
        y: parent.height * 0.12
        color: "#f3b33d"
    }
    Text {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: parent.height * 0.06
        text: "曜"
        color: "white"
        font.pixelSize: parent.height * 0.46
        font.bold: true
    }
}
