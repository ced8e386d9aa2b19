// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library
.import "chartCalculation.js" as Calc
.import "bookSectionTitles.js" as Titles
.import chattutorial 1.0 as Native

// The book tab of the chart page: the overview section and the book sections
// chosen by the chart, as rich text.

var shortLimit = 2; // paragraphs of a section shown before "...显示全部"

// Paragraph markers (plain, or in angle brackets) to HTML, split into parts.
function rewriteMarkers(text) {
    var s = String(text === undefined || text === null ? "" : text);
    s = s.replace(/<s1>|s1/g, "<div style='margin-top:14px'>")
         .replace(/<s2>|s2/g, "</div>Seperator")
         .replace(/<p1>|p1/g, "<p class='one'>")
         .replace(/<p2>|p2/g, "</p>");
    return s.split("Seperator").filter(function (p) { return p.trim().length > 0; });
}

var paragraphOpen = "<p class='one'>";

// The parts of a section, cut after the first paragraphs unless expanded.
function sectionHtml(parts, key, expanded) {
    var units = [];
    for (var i = 0; i < parts.length; i++) {
        // Cut before each paragraph but the first; the section's opening
        // tag stays with its first paragraph.
        var text = parts[i], start = 0;
        var at = text.indexOf(paragraphOpen, text.indexOf(paragraphOpen) + 1);
        while (at > 0) {
            units.push(text.slice(start, at));
            start = at;
            at = text.indexOf(paragraphOpen, at + 1);
        }
        units.push(text.slice(start));
    }
    if (units.length <= shortLimit)
        return units.join("");
    if (!expanded)
        return units.slice(0, shortLimit).join("") + "<p class='one'><a href='showMore" + key + "'>...显示全部</a></p>";
    return units.join("") + "<p class='one'><a href='showLess" + key + "'>收起...</a></p>";
}

// Books in display order with their index values for the chart.
function bookQueries(c) {
    var rules = Native.CalendarRules;
    var dayStem = rules.stemOf(c.dayChac), monthBranch = rules.branchOf(c.monthChac), hourBranch = rules.branchOf(c.hourChac);
    var weight = c.ytgChengCnt;
    return [
        { key: "Baojian", book: "baojian", idx: [dayStem, rules.sinoMonth(monthBranch) - 1] },
        { key: "WQLTiYao", book: "WQLTiYao", idx: [dayStem, monthBranch, hourBranch] },
        { key: "YuanTianGCheng", book: "YuanTianGCheng", idx: [Math.floor(weight / 10), weight % 10] },
        { key: "SanMingRiShiOne", book: "SanMingRiShiOne", idx: [c.dayChac, c.hourChac] },
        { key: "SanMingRiShiTwo", book: "SanMingRiShiTwo", idx: [dayStem, c.hourChac] },
        { key: "JinBuHuan", book: "JinBuHuan", idx: [dayStem, monthBranch] },
        { key: "ShiGanTiXiang", book: "ShiGanTiXiang", idx: [dayStem] },
        { key: "ShiErZhiYong", book: "ShiErZhiYong", idx: [rules.branchOf(c.dayChac)] }
    ];
}

// The overview: element counts, month commander, terms, signs.
// `c`: dayChac, monthChac, yearChac, essentials, birthJd, jieBefore, qiMiddle,
// jieAfter, school, termNames (24, 立春 first).
function overviewHtml(c) {
    var sec = String(c.essentials).split("#");
    var rules = Native.CalendarRules;
    var monthBranch = rules.branchOf(c.monthChac);
    var m = rules.sinoMonth(monthBranch);
    var names = c.termNames;
    var h = "<p>四柱五行个数总计：<br>" + (sec[2] || "") + "<br>" + (sec[3] || "") + "<br>" + (sec[4] || "") + "</p>";
    h += "<p>" + Native.CalendarRules.monthCommanderText(c.school, monthBranch, c.birthJd - c.jieBefore) + "</p>";
    h += "<p>" + names[rules.termIndex(m, false)] + "：" + Calc.jdText(c.jieBefore) + "<br>"
       + names[rules.termIndex(m, true)] + "：" + Calc.jdText(c.qiMiddle) + "<br>"
       + names[rules.termIndex(m + 1, false)] + "：" + Calc.jdText(c.jieAfter) + "</p>";
    h += "<p>星座：" + Calc.westernSign(c.birthJd, c.qiMiddle, monthBranch)
       + "<br>十二生肖：属" + Calc.zodiacAnimal(c.yearChac) + "</p>";
    return h;
}

// Whole tab text. `fetch(book, idx)` answers a stored paragraph; `expanded`
// maps section keys to true; `toTrad` converts when the language is 1.
function bookHtml(c, fetch, expanded, toTrad) {
    var html = "<h3>原局概览</h3>" + overviewHtml(c);
    var qs = bookQueries(c);
    for (var i = 0; i < qs.length; i++) {
        var text = String(fetch(qs[i].book, qs[i].idx.map(String)) || "");
        if (text.length === 0)
            continue;
        html += "<h3>" + Titles.titleOf(qs[i].book) + "</h3>"
              + sectionHtml(rewriteMarkers(text), qs[i].key, expanded[qs[i].key] === true);
    }
    return toTrad ? toTrad(html) : html;
}
