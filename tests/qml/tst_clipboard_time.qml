// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick 2.15
import QtTest 1.15
import "qrc:/js/clipboardTime.js" as Clip

// The clipboard recogniser of the date dialog. Expected moments worked by hand
// from the normalisation rules and the four patterns.
TestCase {
    name: "ClipboardTime"

    function test_recognised_data() {
        return [
            {tag: "lunar worked example", text: "农历一九九三年腊月初九 3点30分",
             y: 1993, m: 12, d: 9, h: 3, mi: 30, lunar: true, leap: false, century: 1},
            {tag: "weekday and afternoon worked example", text: "公历2019年2月25日星期一下午3点16分",
             y: 2019, m: 2, d: 25, h: 15, mi: 16, lunar: false, leap: false, century: 2},
            {tag: "full-width digits", text: "公历１９９３年１１月１２日１３时１６分",
             y: 1993, m: 11, d: 12, h: 13, mi: 16, lunar: false, leap: false, century: 1},
            {tag: "nian for twenty", text: "农历2001年三月廿三 8点5分",
             y: 2001, m: 3, d: 23, h: 8, mi: 5, lunar: true, leap: false, century: 2},
            {tag: "zheng month", text: "农历1984年正月十五 20点00分",
             y: 1984, m: 1, d: 15, h: 20, mi: 0, lunar: true, leap: false, century: 1},
            {tag: "leap month", text: "农历2020年闰四月初八 10点10分",
             y: 2020, m: 4, d: 8, h: 10, mi: 10, lunar: true, leap: true, century: 2},
            {tag: "weekday with evening", text: "2020年1月1日星期三晚上8点30分",
             y: 2020, m: 1, d: 1, h: 20, mi: 30, lunar: false, leap: false, century: 2},
            {tag: "afternoon hour already 24h", text: "2018年6月5日下午13点20分",
             y: 2018, m: 6, d: 5, h: 13, mi: 20, lunar: false, leap: false, century: 2},
            {tag: "dusk word", text: "1999年12月31日傍晚6时0分",
             y: 1999, m: 12, d: 31, h: 18, mi: 0, lunar: false, leap: false, century: 1},
            {tag: "twilight word with blank", text: "2005年5月5日黄昏 7点45分",
             y: 2005, m: 5, d: 5, h: 19, mi: 45, lunar: false, leap: false, century: 2},
            {tag: "all Chinese numerals", text: "二〇〇八年八月八日晚上八点零八分",
             y: 2008, m: 8, d: 8, h: 20, mi: 8, lunar: false, leap: false, century: 2},
            {tag: "gap-less digits", text: "199312030300",
             y: 1993, m: 12, d: 3, h: 3, mi: 0, lunar: false, leap: false, century: 1},
            {tag: "gap-less after words", text: "出生于198806151230",
             y: 1988, m: 6, d: 15, h: 12, mi: 30, lunar: false, leap: false, century: 1},
            {tag: "dashes and colon", text: "1993-12-03 03:00",
             y: 1993, m: 12, d: 3, h: 3, mi: 0, lunar: false, leap: false, century: 1},
            {tag: "nineteenth century", text: "1850年7月4日6时5分",
             y: 1850, m: 7, d: 4, h: 6, mi: 5, lunar: false, leap: false, century: 0},
            {tag: "last accepted year", text: "2090年1月2日3时4分",
             y: 2090, m: 1, d: 2, h: 3, mi: 4, lunar: false, leap: false, century: 2},
            {tag: "weekday as zhou", text: "2019年2月27日 周三 下午3点16分",
             y: 2019, m: 2, d: 27, h: 15, mi: 16, lunar: false, leap: false, century: 2},
            {tag: "weekday as libai with colon", text: "2019年2月27日 礼拜三 15:16",
             y: 2019, m: 2, d: 27, h: 15, mi: 16, lunar: false, leap: false, century: 2},
            {tag: "weekday Sunday", text: "2019年3月3日星期日 9点5分",
             y: 2019, m: 3, d: 3, h: 9, mi: 5, lunar: false, leap: false, century: 2},
            {tag: "afternoon with colon", text: "2019年2月27日 下午3:16",
             y: 2019, m: 2, d: 27, h: 15, mi: 16, lunar: false, leap: false, century: 2},
            {tag: "hour with dian and no minutes", text: "1990年5月17日8点",
             y: 1990, m: 5, d: 17, h: 8, mi: 0, lunar: false, leap: false, century: 1},
            {tag: "winter month, hour with shi", text: "农历一九五六年冬月初二 6时",
             y: 1956, m: 11, d: 2, h: 6, mi: 0, lunar: true, leap: false, century: 1},
            {tag: "Chinese hour without minute", text: "1990年十二月二十五日十点",
             y: 1990, m: 12, d: 25, h: 10, mi: 0, lunar: false, leap: false, century: 1},
            {tag: "leap word in brackets", text: "公历2020年(闰年)2月29日 10点",
             y: 2020, m: 2, d: 29, h: 10, mi: 0, lunar: false, leap: false, century: 2},
            {tag: "moment before a megabyte of text", text: "2019年2月27日15点16分" + Array(1 << 20).join("x"),
             y: 2019, m: 2, d: 27, h: 15, mi: 16, lunar: false, leap: false, century: 2}
        ];
    }

    function test_recognised(row) {
        var r = Clip.recognise(row.text);
        verify(r !== null, "not recognised: " + row.text);
        compare(r.year, row.y);
        compare(r.month, row.m);
        compare(r.day, row.d);
        compare(r.hasTime, true);
        compare(r.hour, row.h);
        compare(r.minute, row.mi);
        compare(r.lunar, row.lunar);
        compare(r.leap, row.leap);
        compare(r.century, row.century);
    }

    function test_dateOnly_data() {
        return [
            {tag: "date with dashes", text: "生日 2003-04-05", y: 2003, m: 4, d: 5, lunar: false},
            {tag: "gap-less date", text: "20100709", y: 2010, m: 7, d: 9, lunar: false}
        ];
    }

    function test_dateOnly(row) {
        var r = Clip.recognise(row.text);
        verify(r !== null, "not recognised: " + row.text);
        compare(r.hasTime, false);
        compare(r.year, row.y);
        compare(r.month, row.m);
        compare(r.day, row.d);
        compare(r.hour, -1);
        compare(r.minute, -1);
        compare(r.lunar, row.lunar);
    }

    function test_ignored_data() {
        return [
            {tag: "year after 2090", text: "2091年3月4日5时6分"},
            {tag: "year 2099", text: "2099-01-01 00:00"},
            {tag: "no date at all", text: "今天天气很好，适合出门"},
            {tag: "shorter than six", text: "2019年"},
            {tag: "empty", text: ""},
            {tag: "month thirteen", text: "2019年13月5日"},
            {tag: "month zero with time", text: "2019年0月10日 10:00"},
            {tag: "day 32 with time", text: "2019年1月32日 10:00"},
            {tag: "moment after 1,000 characters", text: Array(1001).join("啊") + "2019年2月27日15点16分"},
            {tag: "year before 1800", text: "1799年1月1日1时1分"},
            {tag: "undefined", text: undefined}
        ];
    }

    function test_ignored(row) {
        compare(Clip.recognise(row.text), null);
    }

    // The weekday word must go before the numerals turn into digits; read in
    // the other order "星期一" leaves a "1" that the hour pattern takes.
    function test_normaliseRemovesWeekdayBeforeDigits() {
        compare(Clip.normalise("2019年2月25日星期一下午3点16分"), "2019年2月25日下午15点16分");
    }

    function test_chineseRun_data() {
        return [
            {tag: "digit by digit", run: "一九九三", value: "1993"},
            {tag: "ling as zero digit", run: "二零零八", value: "2008"},
            {tag: "ten alone", run: "十", value: "10"},
            {tag: "ten first", run: "十二", value: "12"},
            {tag: "tens", run: "二十五", value: "25"},
            {tag: "thousand with zero", run: "一千零五", value: "1005"},
            {tag: "wan section", run: "三万二千", value: "32000"}
        ];
    }

    function test_chineseRun(row) {
        compare(Clip.chineseRunToNumber(row.run), row.value);
    }
}
