// SPDX-License-Identifier: GPL-3.0-or-later
// Months where the calendar in use before 1929 differs from the modern UTC+8 computation.
//
// Until 1912 the Qing court calendar (时宪历) was computed by the methods of its time, and until
// 1929 months were reckoned in Beijing local time (116°25′E, UTC+7:45:40). Each entry is a
// historical fact taken from the npm package lunar-javascript 1.7.7 (its month tables reproduce the
// calendar that was issued), and gen_calendar_tables.mjs applies it after computing.
// Fields:
//   lunarYear, month, leap  - the month as the computation labels it
//   computed                - what the computation gives (first day, noon-form JD number)
//   inUse                   - what was in use
// No entry may fall on or after lunar year 1929.
//
// From 1912 to 1928 months were reckoned in Beijing local time, 14 min 20 s behind UTC+8, so a new
// moon in the first 14 min 20 s of a UTC+8 day began the month on the previous day (1914-10,
// 1916-1, 1920-10, and no other month of those years). Before 1912 the Qing calendar followed its
// own theory, whose new moons differ from the modern ones by minutes either way; its entries are
// facts of that calendar, not a rule: other new moons just after midnight (1817-10-11 00:02,
// 1856-11-28 00:01, 1906-04-24 00:06 UTC+8) kept the computed day.
// New-moon moments below are the generator's (UTC+8, then Beijing local time).
// Leap months need no entry: the computation gives every leap month that was in use, including
// leap 4 of 1800 (夏至 1800-06-22 01:51 UTC+8 lies in the month from 06-22, leaving the month from
// 05-24 without a principal term); coarser computations such as ICU's give leap 5 there.
export const corrections = [
    // Qing: new moon 1804-08-06 00:05:09 UTC+8 (1804-08-05 23:50:49 Beijing local time), month began 08-05
    { lunarYear: 1804, month: 7, leap: false, computed: 2380175, inUse: 2380174 },
    // Qing: new moon 1831-04-13 00:01:02 UTC+8 (1831-04-12 23:46:42 local), month began 04-12
    { lunarYear: 1831, month: 3, leap: false, computed: 2389921, inUse: 2389920 },
    // Qing: new moon 1842-01-12 00:15:01 UTC+8 (00:00:41 local), month began 1842-01-11
    { lunarYear: 1841, month: 12, leap: false, computed: 2393848, inUse: 2393847 },
    // Qing: new moon 1863-01-20 00:01:50 UTC+8 (1863-01-19 23:47:30 local), month began 01-19
    { lunarYear: 1862, month: 12, leap: false, computed: 2401526, inUse: 2401525 },
    // Qing: new moon 1880-11-02 23:55:14 UTC+8 (23:40:54 local), month began a day later, 11-03
    { lunarYear: 1880, month: 10, leap: false, computed: 2408022, inUse: 2408023 },
    // Qing: new moon 1896-02-14 00:12:30 UTC+8 (1896-02-13 23:58:10 local), lunar new year 1896 on 02-13
    { lunarYear: 1896, month: 1, leap: false, computed: 2413604, inUse: 2413603 },
    // local time: new moon 1914-11-18 00:01:41 UTC+8 = 1914-11-17 23:47:21 Beijing local time
    { lunarYear: 1914, month: 10, leap: false, computed: 2420455, inUse: 2420454 },
    // local time: new moon 1916-02-04 00:05:14 UTC+8 = 1916-02-03 23:50:54 (lunar new year 1916)
    { lunarYear: 1916, month: 1, leap: false, computed: 2420898, inUse: 2420897 },
    // local time: new moon 1920-11-11 00:04:48 UTC+8 = 1920-11-10 23:50:28 Beijing local time
    { lunarYear: 1920, month: 10, leap: false, computed: 2422640, inUse: 2422639 },
];
