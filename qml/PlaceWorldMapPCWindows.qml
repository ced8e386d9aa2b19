// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/js/citySearch.js" as Cities
import "qrc:/qml/MyFusion/Palette.js" as P

// Birth place anywhere in the world, from the offline city table: longitude,
// time-zone meridian and summer-time type come with the city, no network.
Popup {
    id: dlg
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    width: Math.min(parent.width * 0.96, 520)
    height: Math.min(parent.height * 0.9, 680)
    modal: true
    focus: true

    signal placeChosen(var place)

    property var results: []

    function search(text) {
        results = Cities.search(text, 40, function (t) { return easyfunction.searchKey(t); });
        return results.length;
    }

    function offsetText(minutes) {
        var sign = minutes < 0 ? "-" : "+";
        var m = Math.abs(minutes);
        var mm = m % 60;
        return "UTC" + sign + Math.floor(m / 60) + (mm ? ":" + (mm < 10 ? "0" : "") + mm : "");
    }

    function choose(i) {
        var c = results[i];
        if (!c)
            return;
        if (AppState.settings)
            AppState.settings.totalTimeOfOpenGlobalMap += 1;
        placeChosen({name: c.name + ", " + c.country, lng: c.lng, lat: c.lat, timeZoneJv: c.timeZoneJv,
                     xslType: c.xslType, zone: c.zone});
        close();
    }

    onOpened: cityField.forceActiveFocus()

    function selfTestSample() {
        cityField.text = "Guang";
        search(cityField.text);
    }

    contentItem: ColumnLayout {
        spacing: 8

        RowLayout {
            spacing: 6
            Layout.fillWidth: true

            TextField {
                id: cityField
                objectName: "cityField"
                placeholderText: qsTr("出生城市(市或县)")
                inputMethodHints: Qt.ImhNoPredictiveText
                Layout.fillWidth: true
                onAccepted: dlg.search(text)
                onTextEdited: if (text.length >= 3) dlg.search(text)
            }
            Button {
                text: qsTr("搜索")
                onClicked: dlg.search(cityField.text)
            }
        }

        Label {
            text: qsTr("请输入城市的英文或拼音名称，如 Guangzhou、New York、Kuala Lumpur。")
            color: P.inkSoft
            font.pixelSize: 12
            wrapMode: Label.Wrap
            Layout.fillWidth: true
        }

        ListView {
            id: resultList
            objectName: "resultList"
            model: dlg.results
            clip: true
            Layout.fillWidth: true
            Layout.fillHeight: true
            delegate: ItemDelegate {
                width: resultList.width
                contentItem: Column {
                    spacing: 2
                    Label {
                        text: modelData.name + ", " + modelData.country
                        font.bold: true
                    }
                    Label {
                        text: qsTr("经度:") + modelData.lng.toFixed(2) + "  " + qsTr("纬度:") + modelData.lat.toFixed(2)
                              + "  " + modelData.zone + " (" + dlg.offsetText(modelData.standardOffsetMinutes) + ")"
                        color: P.inkSoft
                        font.pixelSize: 12
                    }
                }
                onClicked: dlg.choose(index)
            }
            ScrollIndicator.vertical: ScrollIndicator { }
        }

        Button {
            text: qsTr("取消")
            Layout.alignment: Qt.AlignRight
            onClicked: dlg.close()
        }
    }
}
