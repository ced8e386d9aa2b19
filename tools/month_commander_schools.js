// SPDX-License-Identifier: GPL-3.0-or-later
// Source of cpp/Calendar/MonthCommanderTable.h (tools/gen_month_commander.js):
// which stem commands the month (月令分日用事) on a given day after the Jie
// term, for the three schools the settings offer (intTypeOfYueDangLing 0..2).
//
// Sources, as tabulated here:
// 0 子平真诠: the 人元用事 day counts printed with 徐乐吾's annotated edition
//   (《子平真诠评注》, 论用神 / 论月令), which follow the older 人元司令 table.
// 1 网传盲派: the online 盲派 teaching takes the month branch's main qi as
//   commanding the whole month; no day split.
// 2 渊海子平: 《渊海子平》 卷一 “论人元司令分野”; it splits 申 month's first
//   ten days as 己土七日、戊土三日.
// Each row: month branch 0..11 (子..亥) -> [stem index, days] in order from the
// Jie term. Days add up to 30; the last stem also covers any day past 30.

var schoolNames = ["子平真诠", "网传盲派", "渊海子平"];

var ziPing = [
    [[8, 10], [9, 20]],            // 子: 壬10 癸20
    [[9, 9], [7, 3], [5, 18]],     // 丑: 癸9 辛3 己18
    [[4, 7], [2, 7], [0, 16]],     // 寅: 戊7 丙7 甲16
    [[0, 10], [1, 20]],            // 卯: 甲10 乙20
    [[1, 9], [9, 3], [4, 18]],     // 辰: 乙9 癸3 戊18
    [[4, 5], [6, 9], [2, 16]],     // 巳: 戊5 庚9 丙16
    [[2, 10], [5, 9], [3, 11]],    // 午: 丙10 己9 丁11
    [[3, 9], [1, 3], [5, 18]],     // 未: 丁9 乙3 己18
    [[4, 10], [8, 3], [6, 17]],    // 申: 戊(己)10 壬3 庚17
    [[6, 10], [7, 20]],            // 酉: 庚10 辛20
    [[7, 9], [3, 3], [4, 18]],     // 戌: 辛9 丁3 戊18
    [[4, 7], [0, 5], [8, 18]]      // 亥: 戊7 甲5 壬18
];

var mainQiOnly = [
    [[9, 30]], [[5, 30]], [[0, 30]], [[1, 30]], [[4, 30]], [[2, 30]],
    [[3, 30]], [[5, 30]], [[6, 30]], [[7, 30]], [[4, 30]], [[8, 30]]
];

var yuanHai = ziPing.slice(0, 8).concat([[[5, 7], [4, 3], [8, 3], [6, 17]]], ziPing.slice(9));

var tables = [ziPing, mainQiOnly, yuanHai];
