.pragma library

// Rules of the root window, kept apart from the page so tests can reach them.

// True when `answer` names a newer version than `current`; both must be three
// integers joined by ".". Anything else counts as not newer.
function isNewerVersion(answer, current) {
    var a = String(answer).split("."), c = String(current).split(".");
    if (a.length !== 3 || c.length !== 3)
        return false;
    for (var i = 0; i < 3; ++i) {
        if (!/^\s*\d+\s*$/.test(a[i]) || !/^\s*\d+\s*$/.test(c[i]))
            return false;
    }
    for (i = 0; i < 3; ++i) {
        var x = parseInt(a[i], 10), y = parseInt(c[i], 10);
        if (x !== y)
            return x > y;
    }
    return false;
}

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
