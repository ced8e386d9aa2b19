// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library

// Colours of the MyFusion style: warm paper, ink-dark text, one calm accent.
var paper = "#f6f3ec";
var paperDark = "#ebe6da";
var surface = "#fffdf8";
var ink = "#2a2926";
var inkSoft = "#6b665c";
var line = "#cfc7b6";
var accent = "#2f6e73";
var accentLight = "#dbe9e7";
var accentDark = "#1f4d51";
var warning = "#e41e25";
var help = "#FF9800";
var disabledInk = "#a8a294";

// Element colours of the stems and branches: wood green, fire red, earth
// sandy brown, metal steel blue, water blue; anything else black.
var elementOfChar = {
    "甲": "green", "乙": "green", "寅": "green", "卯": "green",
    "丙": "red", "丁": "red", "巳": "red", "午": "red",
    "戊": "sandybrown", "己": "sandybrown", "丑": "sandybrown", "辰": "sandybrown",
    "未": "sandybrown", "戌": "sandybrown",
    "庚": "SteelBlue", "辛": "SteelBlue", "申": "SteelBlue", "酉": "SteelBlue",
    "壬": "blue", "癸": "blue", "亥": "blue", "子": "blue"
};

function chacColor(ch) {
    return elementOfChar.hasOwnProperty(ch) ? elementOfChar[ch] : "black";
}
