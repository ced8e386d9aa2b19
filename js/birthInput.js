.pragma library

// Rules the start button applies to the form before a person record is stored.

// 2 leap lunar month, 1 lunar, 0 solar. The traditional spellings count too, so
// a form filled while the interface shows Traditional Chinese keeps its type.
function calendarTypeCode(timeText) {
    var t = String(timeText);
    if (/[闰閏]/.test(t))
        return 2;
    if (/农历|農曆/.test(t))
        return 1;
    return 0;
}

// "农历: 1993年闰4月9日3时30分" -> "1993 4 9 3 30": year, month, day, hour and
// minute separated by blanks, in the calendar of the entry.
function calculationText(timeText) {
    var t = String(timeText);
    t = t.replace(/公历|公曆|农历|農曆|[闰閏]/g, "");
    t = t.replace(/[年月日时時分]/g, " ");
    t = t.replace(/[:：]/g, "");
    return t.replace(/\s+/g, " ").trim();
}

// The name stored for a record; an absent name takes the given default.
function recordName(name, defaultName) {
    if (name === undefined || name === null || name === false)
        return defaultName;
    var n = String(name).trim();
    return n.length === 0 ? defaultName : n;
}

// The form's time text: "公历: 2019年2月25日15时16分",
// "农历: 1993年闰4月9日3时30分". Calendar words stay untranslated here because
// the calendar-type code is read from them.
function timeText(lunar, leap, y, m, d, h, mi) {
    return (lunar ? "农历: " : "公历: ") + y + "年" + (lunar && leap ? "闰" : "") + m + "月" + d + "日"
            + h + "时" + mi + "分";
}
