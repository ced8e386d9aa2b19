// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15

// Settings shared by all pages. Each property is stored in the settings store
// under its own name and written back whenever it changes.
QtObject {
    id: gset

    property int fontSizePlus: 0
    property int normalpxSize: 14
    property int normalMainChacpxSize: 28

    property int showMainZhuInfo: 1
    property int showMainZhuSs: 1
    property int showMainZhuEff: 1
    property int showYunZhuInfo: 1
    property int showYunZhuSs: 1
    property int showYunZhuEff: 1
    property int showYearZhuInfo: 1
    property int showYearZhuSs: 1
    property int showYearZhuEff: 1
    property int showYMonZhuInfo: 1
    property int showYMonZhuSs: 1
    property int showYMonZhuEff: 1
    property int showYdmnZhuInfo: 1
    property int showYdmnZhuSs: 1
    property int showYdmnZhuEff: 1

    property int firstPanelisShowRightToLeft: 1
    property int firstPanelMainZhuRightToLeft: 1

    property int toCntCalculateQingYao: 0
    property int toCntOpenSanCaiWuGe: 0
    property int toCntOpenBooks: 0
    property int toCntOpenCompare: 0
    property int toCntViewHistory: 0
    property int totalTimeOfOpenGlobalMap: 0

    property int intTypeOfYueDangLing: 0

    property int toUsingColorForChac: 1
    property int toShowGan10Shen: 1
    property int toShowZhiCang: 1
    property int toShowChangSheng12yun: 1
    property int toShowShiSuiXuSui: 1
    property int toShowRiZhuRight: 1
    property int showHorizontalYunSuiAndSSAtOpening: 0
    // Luck-start rule of new charts (LuckStart rule names); each record keeps its own.
    property string luckRule: "described"

    property int timesOfUsingWebGLMap: 0
    property string currentYYYYMMSaved: "201906"
    property int allowToUsingGlobalMap: 1

    property string havingNewZoltra: "0"
    property string havingAgreePrivacy: "0"

    // In memory only.
    property bool onlyShowMainZhuInfo: false
    property bool onlyShowMainYunInfo: false
    property bool onlyShowMainYunYearInfo: false
    property bool onlyShowMainYunYearYmonInfo: false

    // Which layers the chart page shows: 0 natal pillars only, 1 with the
    // luck pillar, 2 with the flow year, 3 with the flow month, 4 everything.
    readonly property int layerLimit: onlyShowMainZhuInfo ? 0 : onlyShowMainYunInfo ? 1
                                      : onlyShowMainYunYearInfo ? 2 : onlyShowMainYunYearYmonInfo ? 3 : 4
    function chooseLayerLimit(limit) {
        onlyShowMainZhuInfo = limit === 0;
        onlyShowMainYunInfo = limit === 1;
        onlyShowMainYunYearInfo = limit === 2;
        onlyShowMainYunYearYmonInfo = limit === 3;
    }

    // Font steps of the chart page and the pixel sizes derived from them.
    readonly property int minFontSteps: -3
    readonly property int maxFontSteps: 8
    function setFontSteps(steps) {
        fontSizePlus = Math.max(minFontSteps, Math.min(maxFontSteps, steps));
        normalpxSize = 14 + fontSizePlus;
        normalMainChacpxSize = 28 + 2 * fontSizePlus;
    }

    // Natal pillars and the luck and flow rows always run the same way.
    function setRightToLeft(on) {
        firstPanelMainZhuRightToLeft = on ? 1 : 0;
        firstPanelisShowRightToLeft = on ? 1 : 0;
    }

    // Monthly allowance of the web map, which costs a paid look-up per use.
    readonly property int webMapMonthlyAllowance: 100

    readonly property var storedKeys: [
        "fontSizePlus", "normalpxSize", "normalMainChacpxSize",
        "showMainZhuInfo", "showMainZhuSs", "showMainZhuEff",
        "showYunZhuInfo", "showYunZhuSs", "showYunZhuEff",
        "showYearZhuInfo", "showYearZhuSs", "showYearZhuEff",
        "showYMonZhuInfo", "showYMonZhuSs", "showYMonZhuEff",
        "showYdmnZhuInfo", "showYdmnZhuSs", "showYdmnZhuEff",
        "firstPanelisShowRightToLeft", "firstPanelMainZhuRightToLeft",
        "toCntCalculateQingYao", "toCntOpenSanCaiWuGe", "toCntOpenBooks", "toCntOpenCompare",
        "toCntViewHistory", "totalTimeOfOpenGlobalMap",
        "intTypeOfYueDangLing",
        "toUsingColorForChac", "toShowGan10Shen", "toShowZhiCang", "toShowChangSheng12yun",
        "toShowShiSuiXuSui", "toShowRiZhuRight", "showHorizontalYunSuiAndSSAtOpening",
        "timesOfUsingWebGLMap", "currentYYYYMMSaved", "allowToUsingGlobalMap",
        "havingNewZoltra", "havingAgreePrivacy", "luckRule"
    ]

    property bool loaded: false

    function readKey(key) {
        var current = gset[key];
        var v = easyfunction.getValueByKeyFromSettings(key, current);
        if (typeof current === "number") {
            var n = parseInt(v, 10);
            return isNaN(n) ? current : n;
        }
        return v === undefined || v === null ? current : String(v);
    }

    function writeKey(key) {
        if (loaded)
            easyfunction.setValueByKeyFromSettings(key, String(gset[key]));
    }

    // The year-month as the six-digit text the monthly count is kept under.
    function yearMonthText(date) {
        var m = date.getMonth() + 1;
        return String(date.getFullYear()) + (m < 10 ? "0" : "") + m;
    }

    function deriveMapAllowance(now, offlinePicker) {
        var ym = yearMonthText(now);
        if (currentYYYYMMSaved !== ym) {
            currentYYYYMMSaved = ym;
            timesOfUsingWebGLMap = 0;
        }
        var outsideChina = !easyfunction.isInDaZhongHuaArea();
        allowToUsingGlobalMap = (offlinePicker || outsideChina
                                 || timesOfUsingWebGLMap < webMapMonthlyAllowance) ? 1 : 0;
    }

    // Reads every key once; the window calls it before it relies on a value.
    function load() {
        if (loaded)
            return;
        for (var i = 0; i < storedKeys.length; ++i) {
            var key = storedKeys[i];
            gset[key] = readKey(key);
            gset[key + "Changed"].connect(writeKey.bind(gset, key));
        }
        loaded = true;
    }

    Component.onCompleted: load()
}
