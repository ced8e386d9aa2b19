// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library

// Rules of the root window, kept apart from the page so tests can reach them.

// The drawer footer's hidden switch: within every cycle of clicks, one count
// turns log saving on and a later one turns it off again.
var footerCycle = 16;
var footerAllowAt = 8;
var footerAvoidAt = 15;

// "allow", "avoid" or "" for the click with this running count (1, 2, ...).
function footerClickAction(clickCnt) {
    var k = clickCnt % footerCycle;
    if (k === footerAllowAt)
        return "allow";
    if (k === footerAvoidAt)
        return "avoid";
    return "";
}

// The developer page's hidden gesture: presses that reveal its further
// information, then switch on the signature entry, then the log entry.
var developerMoreAt = 12;
var developerVerifyFrom = 24;
var developerLogFrom = 36;

// The usage report leaves the machine only after the privacy policy was
// accepted, and only to a configured address.
function mayReportUsage(havingAgreePrivacy, endpoint) {
    return String(havingAgreePrivacy) === "1" && String(endpoint || "").trim().length > 0;
}

// Which warnings the data-path dialog shows for this database location.
function dataPathWarnings(userdatafile, inAppDir) {
    return {
        inMemory: String(userdatafile) === ":memory:",
        inAppDir: String(inAppDir) === "1"
    };
}
