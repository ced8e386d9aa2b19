// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Which stem commands the month (月令分日用事) on the day of birth, by the
// school chosen in the settings (0 子平真诠, 1 网传盲派, 2 渊海子平).
namespace MonthCommander {

// School index, bad values read as 0.
int schoolIndex(int school);
QString schoolName(int school);
// Stem 0..9 commanding month `branch` on day `daysSinceJie` (0 = the Jie
// moment itself); -1 for a branch outside 0..11 or a negative day.
int commandingStem(int school, int branch, double daysSinceJie);
// "月令当令（子平真诠）：巳月 戊土五日、庚金九日、丙火十六日。生于节后第11天，庚金司令。";
// empty for bad arguments.
QString text(int school, int branch, double daysSinceJie);

} // namespace MonthCommander
