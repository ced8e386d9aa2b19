import QtQuick 2.15
import QtQuick.Window 2.15

Window {
    id: windowRoot
    visible: true
    width: 420
    height: 760
    title: qsTr("晴曜命盘")

    Text {
        anchors.centerIn: parent
        text: qsTr("晴曜命盘") + " " + applicationVersion
        font.pixelSize: 24
    }
}
