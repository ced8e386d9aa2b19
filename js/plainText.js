// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library

// User and file text that has to sit inside a rich-text string: its markup
// characters are written as entities, so it shows as typed and loads nothing.
function escaped(text) {
    return String(text === undefined || text === null ? "" : text)
        .replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
        .replace(/"/g, "&quot;").replace(/'/g, "&#39;");
}
