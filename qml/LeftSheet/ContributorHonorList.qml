import QtQuick 2.15
import "qrc:/qml"

DocumentPage {
    title: qsTr("贡献者荣誉榜")
    docFile: "contributors.html"
}
