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
export const corrections = [
];
