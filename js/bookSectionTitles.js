// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library
// Titles of the book sections on the chart page, by book key of the book
// database. The paragraphs are this program's own commentary; where a section
// follows the arrangement of a classic, its title says so.

var titles = {
    "baojian": "调候参考（依《穷通宝鉴》体例，本程序整理）",
    "WQLTiYao": "月令与时支强弱参考（依《八字提要》体例，本程序整理）",
    "YuanTianGCheng": "称骨参考（依袁天罡称骨法分档，本程序撰文）",
    "SanMingRiShiOne": "日时参考（依《三命通会》日时体例，本程序按干支关系整理）",
    "SanMingRiShiTwo": "日干与时柱参考（本程序按干支关系整理）",
    "JinBuHuan": "月令取格参考（本程序按子平取格法整理）",
    "ShiGanTiXiang": "十干简述（本程序撰文）",
    "ShiErZhiYong": "十二支简述（本程序撰文）"
};

// Title of a book section; the key itself for an unknown book.
function titleOf(bookname) {
    return titles.hasOwnProperty(bookname) ? titles[bookname] : String(bookname);
}
