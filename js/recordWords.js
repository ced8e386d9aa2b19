// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library

// Choices kept with a person record as words in its extraColumn4, separated
// by spaces: "luck:RULE" (the luck-start rule), "hour-unknown". Other words
// in the column belong to other choices and are kept as they are.

function wordsOf(text) {
    var s = text === undefined || text === null ? "" : String(text);
    return s.split(" ").filter(function (w) { return w.length > 0 && w !== "undefined" && w !== "null"; });
}

// The record's luck-start rule, or `fallback` when it names none.
function luckRule(text, fallback) {
    var words = wordsOf(text);
    for (var i = 0; i < words.length; i++)
        if (words[i].indexOf("luck:") === 0)
            return words[i].substring(5);
    return fallback === undefined ? "" : String(fallback);
}

function hourUnknown(text) {
    return wordsOf(text).indexOf("hour-unknown") >= 0;
}

function withLuckRule(text, rule) {
    var words = wordsOf(text).filter(function (w) { return w.indexOf("luck:") !== 0; });
    if (rule && rule.length > 0)
        words.push("luck:" + rule);
    return words.join(" ");
}

function withHourUnknown(text, unknown) {
    var words = wordsOf(text).filter(function (w) { return w !== "hour-unknown"; });
    if (unknown)
        words.push("hour-unknown");
    return words.join(" ");
}
