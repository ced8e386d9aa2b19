// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import QtWebView 1.15
import "qrc:/js/timeZoneReply.js" as Zone
import "qrc:/qml/MyFusion/Palette.js" as P

// Birth place picked on the world map page; the page returns the chosen place
// through its title as {"place", "lng", "lat"}. The zone then comes from the
// time-zone service, or from the system zone when that fails.
Popup {
    id: dlg
    x: 0
    y: 0
    width: parent.width
    height: parent.height
    modal: true
    padding: 6

    signal placeChosen(var place)

    property string status: ""
    property var picked: null

    function gSet() {
        return AppState.settings;
    }

    // The access key is configuration (settings key "bingMapsKey").
    function serviceKey() {
        return String(easyfunction.getValueByKeyFromSettings("bingMapsKey", ""));
    }

    function systemZoneFallback(p) {
        var hours = Number(easyfunction.getStandardTimeOffsetHours());
        var zone = String(easyfunction.getSystemTimeZoneId());
        status = zone + " (UTC " + easyfunction.getStandardTimeOffset() + ")";
        finish(p, isNaN(hours) ? 120 : hours * 15, Zone.xslTypeOfZone(zone));
    }

    function finish(p, zoneJv, xsl) {
        var g = gSet();
        if (g) {
            g.timesOfUsingWebGLMap += 1;
            g.totalTimeOfOpenGlobalMap += 1;
        }
        placeChosen({name: p.place, lng: Number(p.lng), lat: Number(p.lat), timeZoneJv: zoneJv, xslType: xsl});
        close();
    }

    function askZone(p) {
        var key = serviceKey();
        if (key.length === 0) {
            systemZoneFallback(p);
            return;
        }
        var req = new XMLHttpRequest();
        var done = false;
        timeout.callback = function () {
            if (done)
                return;
            done = true;
            console.log("httpReq timeout");
            req.abort();
            systemZoneFallback(p);
        };
        timeout.restart();
        req.onreadystatechange = function () {
            if (req.readyState !== XMLHttpRequest.DONE || done)
                return;
            done = true;
            timeout.stop();
            var r = req.status === 200 ? Zone.parseReply(req.responseText) : null;
            if (r)
                finish(p, r.timeZoneJv, r.xslType);
            else
                systemZoneFallback(p);
        };
        req.open("GET", Zone.requestUrl(p.lat, p.lng, key));
        req.send();
    }

    Timer {
        id: timeout
        property var callback: null
        interval: 15000
        onTriggered: if (callback) callback()
    }

    contentItem: ColumnLayout {
        spacing: 6

        WebView {
            id: web
            Layout.fillWidth: true
            Layout.fillHeight: true
            onTitleChanged: {
                try {
                    var p = JSON.parse(title);
                    if (p && p.lng !== undefined && p.lat !== undefined) {
                        dlg.picked = p;
                        dlg.askZone(p);
                    }
                } catch (e) {
                }
            }
        }

        Label {
            text: dlg.status
            visible: text.length > 0
            color: P.inkSoft
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 8
            Button {
                text: qsTr("刷新")
                onClicked: web.loadHtml(webviewHtml_Geocoder)
            }
            Button {
                text: qsTr("取消")
                onClicked: dlg.close()
            }
        }
    }

    onOpened: web.loadHtml(webviewHtml_Geocoder)
}
