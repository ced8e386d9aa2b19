// SPDX-License-Identifier: GPL-3.0-or-later
import QtQml 2.15
import "../js/sanCaiWuGe.js" as Sancai5ge
import "../js/sim2tradTable.js" as S2T

// The numerology and character tables, made by JsxfSingleton on first use
// (see PlaceTableData.qml).
QtObject {
    readonly property var simCodes: S2T.simCodes
    readonly property var tradCodes: S2T.tradCodes

    function caigeGet(str1, str2, outCaige, toTraditional) {
        return Sancai5ge.caigeGet(str1, str2, outCaige, toTraditional)
    }

    function calculateName(autoFuXing, fuXingChecked, theNameText, caigeGetFn) {
        return Sancai5ge.calculateName(autoFuXing, fuXingChecked, theNameText, caigeGetFn)
    }
}
