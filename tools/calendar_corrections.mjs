// Months where the calendar in use before 1929 differs from the modern UTC+8 computation.
//
// Until 1912 the Qing court calendar (时宪历) was computed by the methods of its time, and until
// 1929 months were reckoned in Beijing local time (116°25′E, UTC+7:45:40). Each entry is a
// historical fact taken from the npm package lunar-javascript (its month tables reproduce the
// calendar that was issued), and gen_calendar_tables.mjs applies it after computing.
// Fields:
//   lunarYear, month, leap  - the month as the computation labels it
//   computed                - what the computation gives (first day, noon-form JD number)
//   inUse                   - what was in use
// A "leapMonth" entry moves the leap month of a lunar year instead: computed and inUse are the
// numbers of the month repeated. No entry may fall on or after lunar year 1929.
//
// Beijing local time is 14 min 20 s behind UTC+8, so a new moon in the first 14 min 20 s of a
// UTC+8 day fell on the previous day in the calendar of 1912-1928 and, the Qing calendar being
// reckoned for Beijing too, before 1912. Two Qing months (1841-12, 1880-10) differ beyond that:
// the Qing theory put those new moons more than the margin away from the modern moment.
// New-moon moments below are the generator's (UTC+8, then Beijing local time).
export const corrections = [
    // new moon 1804-08-06 00:05:09 UTC+8 = 1804-08-05 23:50:49 local
    { lunarYear: 1804, month: 7, leap: false, computed: 2380175, inUse: 2380174 },
    // new moon 1831-04-13 00:01:02 UTC+8 = 1831-04-12 23:46:42 local
    { lunarYear: 1831, month: 3, leap: false, computed: 2389921, inUse: 2389920 },
    // new moon 1842-01-12 00:15:01 UTC+8 = 00:00:41 local; the Qing calendar began the month on 1842-01-11
    { lunarYear: 1841, month: 12, leap: false, computed: 2393848, inUse: 2393847 },
    // new moon 1863-01-20 00:01:50 UTC+8 = 1863-01-19 23:47:30 local
    { lunarYear: 1862, month: 12, leap: false, computed: 2401526, inUse: 2401525 },
    // new moon 1880-11-02 23:55:14 UTC+8 = 23:40:54 local; the Qing calendar began the month on 1880-11-03
    { lunarYear: 1880, month: 10, leap: false, computed: 2408022, inUse: 2408023 },
    // new moon 1896-02-14 00:12:30 UTC+8 = 1896-02-13 23:58:10 local (the lunar new year of 1896)
    { lunarYear: 1896, month: 1, leap: false, computed: 2413604, inUse: 2413603 },
    // new moon 1914-11-18 00:01:41 UTC+8 = 1914-11-17 23:47:21 local
    { lunarYear: 1914, month: 10, leap: false, computed: 2420455, inUse: 2420454 },
    // new moon 1916-02-04 00:05:14 UTC+8 = 1916-02-03 23:50:54 local (the lunar new year of 1916)
    { lunarYear: 1916, month: 1, leap: false, computed: 2420898, inUse: 2420897 },
    // new moon 1920-11-11 00:04:48 UTC+8 = 1920-11-10 23:50:28 local
    { lunarYear: 1920, month: 10, leap: false, computed: 2422640, inUse: 2422639 },
];
