import QtQuick 2.15
import "qrc:/qml"

DocumentPage {
    title: qsTr("软件许可及服务协议")
    docFile: "agreement.html"
}
