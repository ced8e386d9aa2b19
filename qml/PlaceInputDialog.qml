// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"
import "qrc:/qml/MyFusion/Palette.js" as P

// Birth place in China (and 港澳臺): a province-level name and a second-level
// name, or their pinyin initials typed as "gd gz".
Popup {
    id: dlg
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    width: Math.min(parent.width * 0.96, 480)
    height: Math.min(parent.height * 0.9, 600)
    modal: true
    focus: true

    signal placeChosen(var place)
    signal worldSearchRequested()

    property var provinces: []
    property var places: []            // [{name, lng, lat}] of the chosen province
    property int matchFrom: -1         // last pinyin match, for "有重复，换下一个"
    property string message: ""
    // The place table is Simplified; names are shown, and chosen, in the
    // window's script.
    readonly property int language: AppState.language

    // The place table lives in the script facade: sxf_JWv()[province] holds the
    // encoded places and sxf_JWdecode turns one into {name, lng, lat}.
    function loadPlaces(provinceIndex) {
        var list = [];
        var encoded = JsxfSingleton.sxf_JWv()[provinceIndex] || [];
        for (var i = 0; i < encoded.length; ++i)
            list.push(JsxfSingleton.sxf_JWdecode(encoded[i]));
        places = list;
    }

    function currentPlace() {
        var prov = provinces[provinceTumbler.currentIndex] || "";
        var p = places[placeTumbler.currentIndex];
        if (!p)
            return {name: JsxfSingleton.shown(prov, language), lng: 120, lat: 20};
        return {name: JsxfSingleton.shown(prov + p.name, language), lng: Number(p.lng), lat: Number(p.lat), xslType: p.xslType};
    }

    // Steps to the next place whose initials match; wraps around.
    function findByInitials(text, next) {
        var hit = JsxfSingleton.sxf_getIdxofPlacePinyin(text.trim(), next ? matchFrom : -1);
        if (!hit || hit.length < 2 || hit[0] < 0) {
            message = qsTr("没有找到该首字母的地名。");
            return false;
        }
        matchFrom = hit[2] !== undefined ? hit[2] : matchFrom + 1;
        provinceTumbler.currentIndex = hit[0];
        loadPlaces(hit[0]);
        placeTumbler.currentIndex = hit[1];
        message = "";
        return true;
    }

    function accept() {
        var p = currentPlace();
        // Hong Kong and Taiwan keep their own summer-time histories; the place
        // table knows which of its places are Taiwanese (台北市 names no 台湾).
        var xsl = p.xslType !== undefined ? p.xslType
                : p.name.indexOf("香港") >= 0 ? 1
                : (/台湾|臺灣|台灣/.test(p.name) ? 2 : 0);
        // Every place of the table keeps UTC+8, the 120° meridian.
        placeChosen({name: p.name, lng: p.lng, lat: p.lat, timeZoneJv: 120, xslType: xsl});
        close();
    }

    Component.onCompleted: provinces = easyfunction.getBigPlaceNameStrList()

    onOpened: {
        message = "";
        loadPlaces(provinceTumbler.currentIndex);
    }

    contentItem: ColumnLayout {
        spacing: 8

        RowLayout {
            Layout.fillWidth: true
            Layout.preferredHeight: 220
            spacing: 6

            Tumbler {
                id: provinceTumbler
                objectName: "provinceTumbler"
                model: dlg.provinces
                visibleItemCount: 5
                Layout.fillWidth: true
                Layout.fillHeight: true
                onCurrentIndexChanged: dlg.loadPlaces(currentIndex)
                delegate: Label {
                    text: JsxfSingleton.shown(modelData, dlg.language)
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    opacity: 1.0 - Math.abs(Tumbler.displacement) / 3
                }
            }
            Tumbler {
                id: placeTumbler
                objectName: "placeTumbler"
                model: dlg.places.length
                visibleItemCount: 5
                Layout.fillWidth: true
                Layout.fillHeight: true
                delegate: Label {
                    text: dlg.places[index] ? JsxfSingleton.shown(dlg.places[index].name, dlg.language) : ""
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    opacity: 1.0 - Math.abs(Tumbler.displacement) / 3
                }
            }
        }

        Label {
            readonly property var p: dlg.currentPlace()
            text: qsTr("经度:") + (p.lng >= 0 ? "+" : "") + p.lng + "    " + qsTr("纬度:") + (p.lat >= 0 ? "+" : "") + p.lat
            color: P.inkSoft
        }

        RowLayout {
            spacing: 6
            Layout.fillWidth: true

            TextField {
                id: initialsField
                objectName: "initialsField"
                placeholderText: qsTr("省级、和二级地名首字母，以空格分隔")
                inputMethodHints: Qt.ImhNoPredictiveText | Qt.ImhLatinOnly
                Layout.fillWidth: true
                onAccepted: dlg.findByInitials(text, false)
            }
            Button {
                objectName: "nextMatchButton"
                text: qsTr("有重复，换下一个")
                onClicked: dlg.findByInitials(initialsField.text, true)
            }
        }

        Label {
            text: dlg.message
            visible: text.length > 0
            color: P.warning
            wrapMode: Label.Wrap
            Layout.fillWidth: true
        }

        Item { Layout.fillHeight: true }

        Flow {
            spacing: 8
            Layout.fillWidth: true

            Button {
                text: qsTr("以全球地图定位出生地")
                onClicked: {
                    dlg.close();
                    dlg.worldSearchRequested();
                }
            }
            Button {
                text: qsTr("取消")
                onClicked: dlg.close()
            }
            Button {
                objectName: "placeConfirmButton"
                text: qsTr("确认")
                highlighted: true
                onClicked: dlg.accept()
            }
        }
    }
}
