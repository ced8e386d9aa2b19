// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtQuick.Window 2.15
import QtQuick.Layouts 1.15
import QtQuick.Controls 2.15
import "qrc:/qml"
import "qrc:/qml/LeftSheet"
import "qrc:/js/windowRules.js" as Rules
import "qrc:/qml/MyFusion/Palette.js" as P

ApplicationWindow {
    id: windowRoot
    visible: true
    width: Screen.desktopAvailableWidth
    height: Screen.desktopAvailableHeight
    flags: Qt.Window | Qt.MaximizeUsingFullscreenGeometryHint
    title: qsTr("晴曜命盘")
    font.family: isAndroidiOS ? MI_LANTING : "微软雅黑"
    color: P.paper

    readonly property bool isAndroidiOS: Qt.platform.os === "android" || Qt.platform.os === "ios"
    // Copies of the start-up snapshots, taken once.
    property int appLanguage: 0
    property string thisVersionNumber: ""
    property string newerVerStr: ""
    property var jsxf: null
    property var rsajs: null
    property alias gSet: gset
    property alias mainstackView: stackView
    property alias mainToolbar: toolBar
    property int mainToolbarTopSpace: toolBar.height
    // Counted on the developer page, through AppState.
    readonly property int toViewTheVerifySignPage: AppState.verifySignTaps
    readonly property int toViewTheLatestAppLogPage: AppState.logTaps
    property bool isShowingDoublePanelInComeInNext: width > height && width > 900
    property string theverifyListdisplayText: qsTr("晴曜命盘公钥验证数字签名")

    // Contact and server values come from configuration (settings keys
    // legalEmail, legalPubKeyInner, legalContactName and usageReportUrl); an
    // empty report address means no report is ever sent.
    property string legalEmail: ""
    property string legalPubKeyInner: ""
    property string legalContactName: ""
    property string legalEchoServerUrl: ""

    function readConfiguration() {
        legalEmail = String(easyfunction.getValueByKeyFromSettings("legalEmail", ""));
        legalPubKeyInner = String(easyfunction.getValueByKeyFromSettings("legalPubKeyInner", ""));
        legalContactName = String(easyfunction.getValueByKeyFromSettings("legalContactName", ""));
        legalEchoServerUrl = String(easyfunction.getValueByKeyFromSettings("usageReportUrl", "")).trim();
    }

    // Whether the last due usage report was sent (false after "不同意").
    property bool usageReportSent: false
    // Milliseconds from start to the usage report; tests shorten it.
    property int usageReportDelay: 10000

    GlobalSettings {
        id: gset
    }

    // The pages read the window's shared state through AppState.
    Binding { target: AppState; property: "language"; value: windowRoot.appLanguage }
    Binding { target: AppState; property: "settings"; value: gset }
    Binding { target: AppState; property: "stack"; value: stackView }
    Binding { target: AppState; property: "doublePanel"; value: windowRoot.isShowingDoublePanelInComeInNext }
    Binding { target: AppState; property: "version"; value: windowRoot.thisVersionNumber }
    Binding { target: AppState; property: "legalEmail"; value: windowRoot.legalEmail }
    Binding { target: AppState; property: "legalContactName"; value: windowRoot.legalContactName }

    // The script facades: the singletons of qrc:/qml/qmldir, by name.
    function loadFacade(typeName) {
        return {JsxfSingleton: JsxfSingleton, RsaSingleton: RsaSingleton}[typeName] || null;
    }

    function pageUrl(source) {
        return source.indexOf("qrc:") === 0 ? source : "qrc:/qml/" + source + ".qml";
    }

    function openDrawerEntry(index) {
        var entry = drawerEntries.get(index);
        drawer.close();
        if (entry.special === 0) {
            dataPathDialog.open();
            drawerList.currentIndex = -1;
        } else if (entry.special === 3) {
            privacyPopup.open();
            drawerList.currentIndex = -1;
        } else {
            if (entry.special === 2)
                gset.toCntOpenSanCaiWuGe += 1;
            stackView.push(pageUrl(entry.page));
        }
    }

    function switchLanguage(n) {
        if (n === appLanguage)
            return;
        appLanguage = n;
        easyfunction.changLanguageIndex(n);
        easyfunction.changLanguage();
    }

    function checkNewerVersion() {
        var answer = easyfunction.getCurVerAvailable();
        if (easyfunction.isNewerVersion(answer, thisVersionNumber))
            newerVerStr = qsTr("\n当前最新版本号为：") + answer + qsTr("，建议下载更新。");
    }

    function sendUsageReport() {
        if (!Rules.mayReportUsage(gset.havingAgreePrivacy, legalEchoServerUrl))
            return false;
        easyfunction.sendMsgToServer(legalEchoServerUrl);
        usageReportSent = true;
        return true;
    }

    // Self-test and screenshot mode: the dialogs of this window by name.
    // The two language steps end in the language the walk started with, so
    // the pages after them show in that language.
    function selfTestDialogs() {
        var languages = appLanguage === 1 ? ["drawer-simplified", "drawer-traditional"]
                                          : ["drawer-traditional", "drawer-simplified"];
        return ["privacy", "settings", "about", "datapath", "drawer"].concat(languages);
    }

    function selfTestShowDialog(name) {
        if (name === "drawer-traditional" || name === "drawer-simplified") {
            switchLanguage(name === "drawer-traditional" ? 1 : 0);
            drawer.open();
            return drawer;
        }
        var d = {settings: settingsDialog, about: aboutPopup, datapath: dataPathDialog,
                 privacy: privacyPopup, drawer: drawer}[name];
        if (d)
            d.open();
        return d;
    }

    // Loads one page file: items go on the stack, popups open over the window.
    function selfTestShowPage(url) {
        var component = Qt.createComponent(url);
        if (component.status !== Component.Ready) {
            console.warn("self-test: " + url + ": " + component.errorString());
            return null;
        }
        var obj = component.createObject(windowRoot.contentItem);
        if (!obj) {
            console.warn("self-test: " + url + ": not created");
            return null;
        }
        // Popups open over the window; anything else is a page for the stack
        // (instanceof does not tell QML item types apart, and an item left on
        // the content item would cover every later state).
        if (typeof obj.open === "function") {
            obj.open();
        } else {
            obj.destroy();
            // Without the slide: the walk looks at the page where it stops.
            obj = stackView.push(component, {}, StackView.Immediate);
        }
        // A page may put sample input on show, so the walk exercises it too.
        if (obj && typeof obj.selfTestSample === "function")
            obj.selfTestSample();
        var popup = obj;
        return popup;
    }

    function selfTestClose(obj) {
        if (!obj)
            return;
        if (obj === drawer || typeof obj.close === "function") {
            obj.close();
            if (obj === drawer || obj === settingsDialog || obj === aboutPopup || obj === dataPathDialog
                    || obj === privacyPopup)
                return;
            obj.destroy();
        } else {
            stackView.pop(null, StackView.Immediate);
        }
    }

    Shortcut {
        sequences: ["Esc", "Back"]
        enabled: stackView.depth > 1
        onActivated: stackView.pop()
    }

    Shortcut {
        sequence: "Menu"
        onActivated: optionsMenu.open()
    }

    header: ToolBar {
        id: toolBar

        RowLayout {
            anchors.fill: parent
            spacing: 4

            ToolButton {
                icon.name: stackView.depth > 1 ? "back" : "menu"
                onClicked: {
                    if (stackView.depth > 1)
                        stackView.pop();
                    else
                        drawer.open();
                }
            }

            Label {
                id: titleLabel
                text: stackView.currentItem && stackView.currentItem.title ? stackView.currentItem.title
                                                                          : qsTr("晴曜命盘")
                font.pixelSize: 19
                font.bold: true
                color: "white"
                elide: Label.ElideRight
                horizontalAlignment: Qt.AlignHCenter
                verticalAlignment: Qt.AlignVCenter
                Layout.fillWidth: true
            }

            ToolButton {
                icon.name: "question-circle"
                icon.color: P.help
                onClicked: aboutPopup.open()

                Menu {
                    id: optionsMenu
                    x: parent.width - width
                    transformOrigin: Menu.TopRight

                    MenuItem {
                        text: qsTr("界面风格设置")
                        onTriggered: settingsDialog.open()
                    }
                    MenuItem {
                        text: qsTr("关于")
                        onTriggered: aboutPopup.open()
                    }
                }
            }
        }
    }

    DrawerEntries {
        id: drawerEntries
        verifySwitch: windowRoot.toViewTheVerifySignPage
        logSwitch: windowRoot.toViewTheLatestAppLogPage
    }

    Drawer {
        id: drawer
        objectName: "drawer"
        width: Math.min(windowRoot.width, windowRoot.height) * 3 / 4
        height: windowRoot.height
        interactive: stackView.depth === 1

        onAboutToShow: windowRoot.checkNewerVersion()

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            Rectangle {
                Layout.fillWidth: true
                Layout.preferredHeight: 150
                color: P.accent

                RowLayout {
                    anchors.fill: parent
                    anchors.margins: 14
                    spacing: 14

                    AppLogo {
                        Layout.preferredWidth: 84
                        Layout.preferredHeight: 84
                        Layout.alignment: Qt.AlignVCenter
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 8

                        Label {
                            text: '<a href="0">简体</a>'
                            textFormat: Text.StyledText
                            linkColor: windowRoot.appLanguage === 0 ? "#ffe082" : "white"
                            font.pixelSize: 17
                            font.underline: windowRoot.appLanguage === 0
                            onLinkActivated: windowRoot.switchLanguage(0)
                        }
                        Label {
                            text: '<a href="1">繁體</a>'
                            textFormat: Text.StyledText
                            linkColor: windowRoot.appLanguage === 1 ? "#ffe082" : "white"
                            font.pixelSize: 17
                            font.underline: windowRoot.appLanguage === 1
                            onLinkActivated: windowRoot.switchLanguage(1)
                        }
                    }

                    Label {
                        // The product title, written top to bottom.
                        text: qsTr("晴曜命盘").split("").join("\n")
                        color: "white"
                        font.pixelSize: 22
                        font.bold: true
                        lineHeight: 0.95
                        Layout.alignment: Qt.AlignVCenter
                    }
                }
            }

            ListView {
                id: drawerList
                objectName: "drawerList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                currentIndex: -1
                model: drawerEntries
                delegate: ItemDelegate {
                    width: drawerList.width
                    text: qsTranslate("DrawerEntries", model.title)
                    highlighted: ListView.isCurrentItem
                    onClicked: {
                        drawerList.currentIndex = index;
                        windowRoot.openDrawerEntry(index);
                    }
                }
                ScrollIndicator.vertical: ScrollIndicator { }
            }

            Label {
                id: drawerFooter
                objectName: "drawerFooter"
                property int clickCnt: 0
                property string mark: ""
                Layout.fillWidth: true
                padding: 12
                wrapMode: Text.Wrap
                color: P.inkSoft
                font.pixelSize: 13
                text: qsTr("版本号:") + windowRoot.thisVersionNumber + mark + windowRoot.newerVerStr

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        drawerFooter.clickCnt += 1;
                        var action = Rules.footerClickAction(drawerFooter.clickCnt);
                        if (action === "allow") {
                            drawerFooter.mark = "+";
                            easyfunction.allowtosavelog();
                        } else if (action === "avoid") {
                            drawerFooter.mark = "-";
                            easyfunction.avoidtosavelog();
                        }
                    }
                }
            }
        }
    }

    StackView {
        id: stackView
        anchors.fill: parent
        initialItem: "qrc:/qml/ComeIn.qml"
    }

    Notice {
        id: notice
    }

    SettingsDialog {
        id: settingsDialog
    }

    AboutPopup {
        id: aboutPopup
        onStyleSettingsRequested: settingsDialog.open()
    }

    DataPathDialog {
        id: dataPathDialog
        onFolderBrowseRequested: stackView.push("qrc:/qml/LeftSheet/FolderListView.qml")
    }

    PrivacyPopup {
        id: privacyPopup
        objectName: "privacyPopup"
        onAgreed: gset.havingAgreePrivacy = "1"
        onDeclined: gset.havingAgreePrivacy = "0"
    }

    // The usage report goes out once, ten seconds after start, and only with
    // the user's consent (checked when the timer fires).
    Timer {
        id: timerSendMsg
        objectName: "usageReportTimer"
        interval: windowRoot.usageReportDelay
        repeat: false
        running: false
        onTriggered: windowRoot.sendUsageReport()
    }

    Component.onCompleted: {
        // The size is a starting value, not a binding: a language switch
        // re-evaluates every binding and would put the window back to the
        // screen's size.
        width = width;
        height = height;
        // The first-start rule may have switched the stored language after the
        // snapshot was taken; follow the stored one so the links match the
        // translation that changLanguage() loads below.
        var storedLanguage = parseInt(easyfunction.getValueByKeyFromSettings("appLanguage", applicationLanguage), 10);
        appLanguage = isNaN(storedLanguage) ? applicationLanguage : storedLanguage;
        thisVersionNumber = applicationVersion;
        gset.load();
        readConfiguration();
        jsxf = loadFacade("JsxfSingleton");
        rsajs = loadFacade("RsaSingleton");
        gset.deriveMapAllowance(new Date(), !isAndroidiOS);
        if (gset.havingAgreePrivacy !== "1")
            privacyPopup.open();
        timerSendMsg.start();
        easyfunction.changLanguage();
    }
}
