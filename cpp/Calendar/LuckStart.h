// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TimePoints.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

// How the distance from birth to the Jie term becomes the age at which the
// first luck pillar starts. Every rule counts from the same birth instant
// (TimePoints::jdBirth) to the same Jie of the term table.
enum class LuckRule {
    Described,    // days scaled to a 30-day month, 3 days = 1 year, age x 365.25 days
    PlainSeconds, // 259,200 s = 1 year, 21,600 s = 1 month, 720 s = 1 day, 30 s = 1 hour
    Minutes4320,  // whole minutes: 4,320 = 1 year, 360 = 1 month, 12 = 1 day, rest dropped
    DaysAndHours, // whole days and double-hours: 1 day = 4 months, 1 double-hour = 10 days
    Minutes2h,    // like Minutes4320, each remaining minute = 2 hours
};

// Which way the luck pillars run: 阳男阴女 forward (the program's rule), or
// 男顺女逆 (men forward, women backward) as some schools hold.
enum class LuckDirection { YangMaleYinFemale, MaleForward };

// The start of the first luck pillar under one rule, with the arithmetic that
// gave it. Ages are whole units; `age` is the same in decimal years.
class LuckStart
{
public:
    static constexpr std::array<LuckRule, 5> allRules = {LuckRule::Described, LuckRule::PlainSeconds,
                                                         LuckRule::Minutes4320, LuckRule::DaysAndHours,
                                                         LuckRule::Minutes2h};
    // Names used on the command line, in JSON and in stored records.
    static QString ruleName(LuckRule rule);
    static bool ruleFromName(const QString &name, LuckRule &rule);
    // The practitioner's name of a rule (simplified script), or the name itself if unknown.
    static QString ruleLabel(const QString &name);
    static QString directionName(LuckDirection direction);
    static bool directionFromName(const QString &name, LuckDirection &direction);

    static bool runsForward(int yearChac, int malefemale, LuckDirection direction);
    // The start for a launched time point; invalid for a reset one.
    static LuckStart compute(const TimePoints &tp, bool forward, LuckRule rule);

    // "YYYY-MM-DDTHH:MM:SS" of a JD in Beijing time, to the nearest second.
    static QString momentText(double jd);

    bool valid = false;
    LuckRule rule = LuckRule::Described;
    bool forward = true;
    double jdJie = 0;
    qint64 deltaSeconds = 0; // birth to the Jie after, or the Jie before to birth
    int ageYears = 0;
    int ageMonths = 0;
    int ageDays = 0;
    int ageHours = 0;
    double age = 0;
    double jdStart = 0;
    QString start;
    QStringList steps;
};
