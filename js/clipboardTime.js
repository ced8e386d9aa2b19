// SPDX-License-Identifier: GPL-3.0-or-later
.pragma library

// Recognises a birth moment in free text taken from the clipboard
// ("公历2019年2月25日星期一下午3点16分", "农历一九九三年腊月初九 3点30分",
// "199312030300"). Pure: text in, result object (or null) out.

var cnDigits = {"零": 0, "〇": 0, "一": 1, "二": 2, "两": 2, "兩": 2, "三": 3, "四": 4,
                "五": 5, "六": 6, "七": 7, "八": 8, "九": 9};
var cnUnits = {"十": 10, "拾": 10, "百": 100, "千": 1000};
var cnSections = {"万": 10000, "萬": 10000, "亿": 100000000, "億": 100000000};

// The four patterns, tried in this order: full moment with separators, full
// moment without gaps, date only with separators, date only without gaps.
var patterns = [
    {re: /((18|19|20)\d{2})\D+?([01]{0,1}\d{1})\D+?([0123]{0,1}\d{1})\D+?([012]{0,1}\d{1})\D+?([012345]{0,1}\d{1})/, withTime: true},
    {re: /((18|19|20)\d{2}).*?([01]{1}\d{1}).*?([0123]{1}\d{1}).*?([012]{1}\d{1}).*?([012345]{1}\d{1})/, withTime: true},
    {re: /((18|19|20)\d{2})\D+?([01]{0,1}\d{1})\D+?([0123]{0,1}\d{1})/, withTime: false},
    {re: /((18|19|20)\d{2}).*?([01]{1}\d{1}).*?([0123]{1}\d{1})/, withTime: false}
];

var lastYear = 2090;

// A run of Chinese numerals as a number: "一九九三" digit by digit, "二十五",
// "一千零五" and "三万" by place value.
function chineseRunToNumber(run) {
    var i, ch;
    if (!/[十拾百千万萬亿億]/.test(run)) {
        var digits = "";
        for (i = 0; i < run.length; ++i)
            digits += cnDigits[run.charAt(i)];
        return digits;
    }
    var total = 0, section = 0, digit = 0, seenDigit = false;
    for (i = 0; i < run.length; ++i) {
        ch = run.charAt(i);
        if (cnDigits.hasOwnProperty(ch)) {
            digit = cnDigits[ch];
            seenDigit = true;
        } else if (cnUnits.hasOwnProperty(ch)) {
            // "十二" starts with its unit: one ten.
            section += (seenDigit ? digit : 1) * cnUnits[ch];
            digit = 0;
            seenDigit = false;
        } else {
            total = (total + section + digit) * cnSections[ch];
            section = 0;
            digit = 0;
            seenDigit = false;
        }
    }
    return String(total + section + digit);
}

function normalise(text) {
    var s = String(text);
    s = s.replace(/[０-９]/g, function (c) {
        return String.fromCharCode(c.charCodeAt(0) - 0xFF10 + 0x30);
    });
    // Weekday words go before the numerals turn into digits: afterwards
    // "星期一" would read "星期1" and its digit would be taken for the hour.
    s = s.replace(/(星期|礼拜|禮拜|周|週)[一二三四五六日天]/g, "");
    s = s.replace(/廿/g, "二十");
    s = s.replace(/正月/g, "1月").replace(/冬月/g, "11月").replace(/[腊臘]月/g, "12月");
    s = s.replace(/[零〇一二两兩三四五六七八九十拾百千万萬亿億]+/g, chineseRunToNumber);
    // An afternoon or evening word moves a 12-hour clock reading to 24 hours;
    // "下午13点" already is one.
    s = s.replace(/((下午)|(傍晚)|(晚上)|(黄昏))(\s*)(\d{1,2})([点點时時:：])/g,
                  function (all, word, a, b, c, d, gap, hour, unit) {
                      var h = parseInt(hour, 10);
                      if (h < 12)
                          h += 12;
                      return word + gap + h + unit;
                  });
    // "8点" alone is eight o'clock sharp, not a date without time.
    s = s.replace(/(\d{1,2})([点點时時])(?!\s*\d)/g, "$1$20分");
    return s;
}

function dateInRange(r) {
    return r.month >= 1 && r.month <= 12 && r.day >= 1 && r.day <= 31;
}

function timeInRange(r) {
    return !r.hasTime || (r.hour <= 23 && r.minute <= 59);
}

// Longer texts are cut: a birth moment is near the start of what is copied,
// and the patterns would take seconds over a long text.
var maxLength = 1000;

// Returns null when nothing usable is found (short text, no pattern, a year
// after 2090), else {year, month, day, hour, minute, hasTime, lunar, leap,
// century}; hour and minute are -1 for a date without time. century is the
// century spinner's index: 0 for 1800-1899, 1 for 1900-1999, 2 for 2000-2090.
function recognise(text) {
    if (text === undefined || text === null)
        return null;
    var raw = String(text).substring(0, maxLength);
    if (raw.length < 6)
        return null;
    // "(闰年)" says something about the year, not that the month is a leap month.
    var unbracketed = raw.replace(/[(（\[【][^)）\]】]*[)）\]】]/g, "");
    var s = normalise(raw);
    for (var p = 0; p < patterns.length; ++p) {
        var m = patterns[p].re.exec(s);
        if (!m)
            continue;
        var r = {
            year: parseInt(m[1], 10),
            month: parseInt(m[3], 10),
            day: parseInt(m[4], 10),
            hasTime: patterns[p].withTime,
            hour: patterns[p].withTime ? parseInt(m[5], 10) : -1,
            minute: patterns[p].withTime ? parseInt(m[6], 10) : -1,
            lunar: /农历|農曆|阴历|陰曆/.test(raw),
            leap: /闰|閏/.test(unbracketed),
            pattern: p
        };
        // A month or day that cannot be is refused, not read again by a
        // looser pattern as some other date; a bad time only drops the time.
        if (!dateInRange(r))
            return null;
        if (!timeInRange(r))
            continue;
        if (r.year > lastYear)
            return null;
        r.century = r.year < 1900 ? 0 : (r.year < 2000 ? 1 : 2);
        return r;
    }
    return null;
}
