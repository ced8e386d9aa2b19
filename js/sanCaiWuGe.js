// SPDX-License-Identifier: GPL-3.0-or-later
// Name numerology: stroke counts by traditional form, the five grids and the
// three talents, and the result text of the numerology page.
.pragma library
.import "strokeTables.js" as Strokes
.import "sanCaiReadings.js" as Readings

var charNumberStr = "一二三四五六七八九十";
var charstrSpec = Strokes.charstrSpec;
var charstr = Strokes.charstr;
var wuGeShuLiStr = Readings.wuGeShuLiStr;
var sanCaiTable = Readings.sanCaiTable;

// Full-form stroke counts of the twelve reduced radicals, by set index.
var charstrSpecCnt = [4, 4, 6, 6, 7, 8, 7, 5, 5, 6, 4, 4];
var charstrSpecTip = [
    "特殊部首按“氵”作【水】算为四画", "特殊部首按“扌”作【手】算为四画",
    "特殊部首按“月”作【肉】算为六画", "特殊部首按“艹”作【艸】算为六画",
    "特殊部首按“辶”作【辵】算为七画", "特殊部首按左“阝”作【阜】算为八画",
    "特殊部首按右“阝”作【邑】算为七画", "特殊部首按“王”作【玉】算为五画",
    "特殊部首按“礻”作【示】算为五画", "特殊部首按“衤”作【衣】算为六画",
    "特殊部首按“犭”作【犬】算为四画", "特殊部首按“忄”作【心】算为四画"
];

var doubleSurnamePattern = /((欧阳)|(皇甫)|(上官)|(闾丘)|(令狐)|(东方)|(夏侯)|(诸葛)|(尉迟)|(宇文)|(鲜于)|(西门)|(司马)|(独孤)|(公孙)|(慕容)|(轩辕)|(左丘)|(钟离)|(长孙)|(东郭))/;

// Stroke count of one character; Addcomment.tip gets the explanation.
function getOneChacCnt(str, Addcomment) {
    var cnt;
    var k = charNumberStr.indexOf(str);
    if (str.length === 1 && k >= 0) {
        cnt = k + 1;
        Addcomment.tip = str + "：" + "按数字算为" + cnt + "画";
        return cnt;
    }
    for (var i = 0; i < charstrSpec.length; i++) {
        var pos = str.length === 1 ? charstrSpec[i].indexOf(str) : -1;
        if (pos >= 0) {
            // The radical counts in its full form; the rest of the character
            // keeps its own strokes.
            cnt = charstrSpecCnt[i] + Strokes.charstrSpecRest[i][pos];
            Addcomment.tip = str + "：" + charstrSpecTip[i] + "，全字共" + cnt + "画";
            return cnt;
        }
    }
    for (var n = 1; n < charstr.length; n++) {
        if (str.length === 1 && charstr[n].indexOf(str) >= 0) {
            Addcomment.tip = str + "：" + "按原字(繁体字)算为" + n + "画";
            return n;
        }
    }
    Addcomment.tip = str + "：" + "暂未找到该字的笔画，暂按一画算；请向开发者反映。";
    return 1;
}

// Element number 1..5 (木火土金水) of a grid value by its last digit.
function elementOfNumber(v) {
    var d = v % 10;
    if (d === 0)
        d = 10;
    return Math.floor((d + 1) / 2);
}

// The five grids and three talents of surname str1 and given name str2;
// toTraditional converts a string. Returns 1 and leaves outCaige untouched
// when a part is empty or longer than two characters, else 0.
function caigeGet(str1, str2, outCaige, toTraditional) {
    if (!str1 || !str2 || str1.length > 2 || str2.length > 2)
        return 1;
    var sur = toTraditional(str1);
    var given = toTraditional(str2);
    var tips = [];
    function count(ch) {
        var note = {};
        var c = getOneChacCnt(ch, note);
        tips.push(note.tip);
        return c;
    }
    var s = [];
    var g = [];
    for (var i = 0; i < sur.length; i++)
        s.push(count(sur.charAt(i)));
    for (i = 0; i < given.length; i++)
        g.push(count(given.charAt(i)));

    var tiange, renge, dige, zongge, waige;
    if (s.length === 1) {
        tiange = s[0] + 1;
        renge = s[0] + g[0];
    } else {
        tiange = s[0] + s[1];
        renge = s[1] + g[0];
    }
    dige = g.length === 1 ? g[0] + 1 : g[0] + g[1];
    zongge = s.reduce(function (a, b) { return a + b; }, 0) + g.reduce(function (a, b) { return a + b; }, 0);
    if (s.length === 1 && g.length === 1)
        waige = 2;
    else if (s.length === 2 && g.length === 2)
        waige = zongge - renge;
    else
        waige = zongge - renge + 1;

    outCaige.zhengtiName = sur + " " + given;
    outCaige.commentTip = tips.join("\n");
    outCaige.tiancai = elementOfNumber(tiange);
    outCaige.rencai = elementOfNumber(renge);
    outCaige.dicai = elementOfNumber(dige);
    outCaige.tiange = Math.min(tiange, 81);
    outCaige.renge = Math.min(renge, 81);
    outCaige.dige = Math.min(dige, 81);
    outCaige.waige = Math.min(waige, 81);
    outCaige.zongge = Math.min(zongge, 81);
    outCaige.tiangeStr = wuGeShuLiStr[outCaige.tiange];
    outCaige.rengeStr = wuGeShuLiStr[outCaige.renge];
    outCaige.digeStr = wuGeShuLiStr[outCaige.dige];
    outCaige.waigeStr = wuGeShuLiStr[outCaige.waige];
    outCaige.zonggeStr = wuGeShuLiStr[outCaige.zongge];
    outCaige.sanCaiStr = sanCaiTable[outCaige.tiancai - 1][outCaige.rencai - 1][outCaige.dicai - 1];
    return 0;
}

// The numerology page's computation without the page: returns
// { code, fuXing, contentString, richText }. code -1 empty name, -2 too
// short, 1 refused by the grids (the page then changes nothing), 0 done.
// fuXing is the double-surname flag used (to be shown on the radio buttons).
function calculateName(autoFuXing, fuXingChecked, theNameText, caigeGetFn) {
    var name = String(theNameText === undefined || theNameText === null ? "" : theNameText).trim();
    var res = { code: -1, fuXing: !!fuXingChecked, contentString: "", richText: "" };
    if (name.length === 0)
        return res;
    if (autoFuXing)
        res.fuXing = doubleSurnamePattern.test(name);
    if (name.length === 1 || (name.length === 2 && res.fuXing)) {
        res.code = -2;
        return res;
    }
    if (name.length > 4)
        name = name.substring(0, 4);
    var cut = res.fuXing ? 2 : 1;
    var out = {};
    if (caigeGetFn(name.substring(0, cut), name.substring(cut), out) !== 0) {
        res.code = 1;
        return res;
    }
    var parts = [
        ["原始笔画计算：", out.commentTip], ["天格数理：", out.tiangeStr], ["人格数理：", out.rengeStr],
        ["地格数理：", out.digeStr], ["总格数理：", out.zonggeStr], ["外格数理：", out.waigeStr],
        ["三才数理：", out.sanCaiStr]
    ];
    var plain = "";
    var rich = "";
    for (var i = 0; i < parts.length; i++) {
        plain += parts[i][0] + "\n" + parts[i][1] + "\n";
        rich += "<p><b>" + parts[i][0] + "</b><br>" + parts[i][1].replace(/\n/g, "<br>") + "</p>";
    }
    res.code = 0;
    res.contentString = plain;
    res.richText = rich;
    return res;
}
