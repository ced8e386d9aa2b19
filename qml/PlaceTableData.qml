// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml 2.15
import "../js/placeTable.js" as Places

// The place table, made by JsxfSingleton on first use: loading it costs some
// 50 ms that the window's start need not pay.
QtObject {
    readonly property var regions: Places.regions
}
