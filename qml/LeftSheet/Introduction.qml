import QtQuick 2.15
import "qrc:/qml"

DocumentPage {
    title: qsTr("功能介绍与版本更新说明")
    docFile: "introduction.html"
}
