// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library

// The book reader's page loading: the frame page goes in as a data URL, the
// later volumes are put into the page's theParaArray one statement each.

function frameDataUrl(frameHtml) {
    // encodeURIComponent also turns "#" into "%23", which would otherwise
    // end the URL at the first colour value or anchor.
    return "data:text/html;charset=UTF-8, " + encodeURIComponent(String(frameHtml));
}

// The statement that puts paragraph text at index i of theParaArray; the
// text travels as a JSON string literal, so quotes and line breaks in it
// cannot end the statement early.
function paragraphStatement(i, text) {
    var literal = JSON.stringify(String(text)).replace(/\u2028/g, "\\u2028").replace(/\u2029/g, "\\u2029")
        .replace(/<\/script/gi, "<\\/script");
    return "theParaArray[" + Number(i) + "] = " + literal + ";";
}

// Statements for paragraphs 1..6, fetched by getParagraph(i).
function paragraphStatements(getParagraph) {
    var out = [];
    for (var i = 1; i <= 6; i++)
        out.push(paragraphStatement(i, getParagraph(i)));
    return out;
}
