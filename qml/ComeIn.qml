import QtQuick 2.15
import QtQuick.Controls 2.15
Page { title: qsTr("晴曜命盘") }
