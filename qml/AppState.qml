// SPDX-License-Identifier: GPL-3.0-or-later
pragma Singleton
import QtQuick 2.15

// What the window shares with its pages. The window fills it in when it
// starts (and keeps language, layout and contact current); a page made on
// its own, as in the page tests, sees these defaults: Simplified, no
// settings, no page stack.
QtObject {
    // 0 Simplified, 1 Traditional (the window's appLanguage).
    property int language: 0
    // The window's GlobalSettings, or null.
    property QtObject settings: null
    // The window's page stack, or null; pages push other pages onto it.
    property QtObject stack: null
    // The chart page shows its two panels side by side.
    property bool doublePanel: false
    readonly property bool mobile: Qt.platform.os === "android" || Qt.platform.os === "ios"
    // The running version, and the configured contact ("" when not set).
    property string version: ""
    property string legalEmail: ""
    property string legalContactName: ""
    // Presses on the developer page that unlock the drawer's signature and
    // log entries (the window's toViewTheVerifySignPage and
    // toViewTheLatestAppLogPage follow these).
    property int verifySignTaps: 0
    property int logTaps: 0
}
