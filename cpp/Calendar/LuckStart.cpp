// SPDX-License-Identifier: GPL-3.0-or-later
#include "LuckStart.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 secondsPerDay = 86400;
// Seconds of the 3-days-to-a-year scale.
constexpr qint64 secondsPerYear = 259200;
constexpr qint64 secondsPerMonth = 21600;
constexpr qint64 secondsPerAgeDay = 720;
constexpr qint64 secondsPerAgeHour = 30;
// Minutes of the same scale.
constexpr qint64 minutesPerYear = 4320;
constexpr qint64 minutesPerMonth = 360;
constexpr qint64 minutesPerAgeDay = 12;
// Hours of the described rule's decimal age: 12 months of 30 days of 24 hours.
constexpr double ageHoursPerYear = 8640;

constexpr qint64 floorDiv(qint64 a, qint64 b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

QString tr(const char *text) { return QCoreApplication::translate("LuckStart", text); }

// JDs whose whole numbers fall at noon, as whole seconds.
qint64 secondsOf(double jd) { return std::llround(jd * secondsPerDay); }
double jdOf(qint64 seconds) { return double(seconds) / secondsPerDay; }

QDateTime dateTimeOf(qint64 seconds)
{
    const qint64 shifted = seconds + secondsPerDay / 2; // from the midnight that begins the day
    const qint64 day = floorDiv(shifted, secondsPerDay);
    const int second = int(shifted - day * secondsPerDay); // [0, 86399]
    return QDateTime(QDate::fromJulianDay(day), QTime(0, 0).addSecs(second), Qt::UTC);
}

qint64 secondsOf(const QDateTime &t)
{
    return t.date().toJulianDay() * secondsPerDay - secondsPerDay / 2 + t.time().msecsSinceStartOfDay() / 1000;
}

QString text(qint64 seconds) { return dateTimeOf(seconds).toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")); }

// Double-hour of a clock hour counted within the civil day: 子 of the early
// morning is 0, and 23:xx stays in the day's last double-hour (亥, 11) so the
// count never jumps a day ahead.
constexpr int doubleHourOf(int hour) { return hour == 23 ? 11 : (hour + 1) / 2; }

// Double-hours since the epoch: civil day x 12 + double-hour of the day.
qint64 doubleHourCount(qint64 seconds)
{
    const qint64 shifted = seconds + secondsPerDay / 2;
    const qint64 day = floorDiv(shifted, secondsPerDay);
    const int hour = int((shifted - day * secondsPerDay) / 3600);
    return day * 12 + doubleHourOf(hour);
}

QString ageText(const LuckStart &s)
{
    return tr("%1年%2月%3日%4时").arg(s.ageYears).arg(s.ageMonths).arg(s.ageDays).arg(s.ageHours);
}

// Adds the age to the birth moment the way a calendar does: years, then
// months (a day past the month's end becomes its last day), days, hours.
void addByCalendar(LuckStart &s, qint64 birth)
{
    const QDateTime b = dateTimeOf(birth);
    QDateTime t(b.date().addYears(s.ageYears).addMonths(s.ageMonths).addDays(s.ageDays), b.time(), Qt::UTC);
    t = t.addSecs(qint64(s.ageHours) * 3600);
    const qint64 start = secondsOf(t);
    s.jdStart = jdOf(start);
    s.start = text(start);
    s.steps << tr("交运：%1 + %2 = %3").arg(text(birth), ageText(s), s.start);
}

} // namespace

QString LuckStart::ruleName(LuckRule rule)
{
    switch (rule) {
    case LuckRule::Described: return QStringLiteral("described");
    case LuckRule::PlainSeconds: return QStringLiteral("plain-seconds");
    case LuckRule::Minutes4320: return QStringLiteral("minutes-4320");
    case LuckRule::DaysAndHours: return QStringLiteral("days-and-hours");
    case LuckRule::Minutes2h: return QStringLiteral("minutes-2h");
    }
    return QString();
}

bool LuckStart::ruleFromName(const QString &name, LuckRule &rule)
{
    for (LuckRule r : allRules) {
        if (ruleName(r) == name) {
            rule = r;
            return true;
        }
    }
    return false;
}

QString LuckStart::ruleLabel(const QString &name)
{
    LuckRule rule;
    if (!ruleFromName(name, rule))
        return name;
    switch (rule) {
    case LuckRule::Described: return QStringLiteral("节月折三十日");
    case LuckRule::PlainSeconds: return QStringLiteral("按秒");
    case LuckRule::Minutes4320: return QStringLiteral("四千三百二十分");
    case LuckRule::DaysAndHours: return QStringLiteral("按日与时辰");
    case LuckRule::Minutes2h: return QStringLiteral("一分作两时");
    }
    return name;
}

QString LuckStart::directionName(LuckDirection direction)
{
    return direction == LuckDirection::MaleForward ? QStringLiteral("male-forward") : QStringLiteral("yang-male");
}

bool LuckStart::directionFromName(const QString &name, LuckDirection &direction)
{
    for (LuckDirection d : {LuckDirection::YangMaleYinFemale, LuckDirection::MaleForward}) {
        if (directionName(d) == name) {
            direction = d;
            return true;
        }
    }
    return false;
}

bool LuckStart::runsForward(int yearChac, int malefemale, LuckDirection direction)
{
    if (direction == LuckDirection::MaleForward)
        return malefemale == 0;
    // A yang year stem (even index) runs forward for gender code 0, a yin one for code 1.
    return yearChac % 2 == malefemale;
}

QString LuckStart::momentText(double jd)
{
    return text(secondsOf(jd));
}

LuckStart LuckStart::compute(const TimePoints &tp, bool forward, LuckRule rule)
{
    LuckStart s;
    s.rule = rule;
    s.forward = forward;
    if (tp.solarCal.empty() || tp.solarCal[0] == 0 || tp.jdJieAfter <= tp.jdJieBefore)
        return s;
    s.valid = true;
    s.jdJie = forward ? tp.jdJieAfter : tp.jdJieBefore;
    const qint64 birth = secondsOf(tp.jdBirth);
    const qint64 jie = secondsOf(s.jdJie);
    // True solar time can place a birth just past a Jie its clock time has not
    // reached; the counting rules then count nothing.
    const qint64 delta = forward ? jie - birth : birth - jie;
    s.deltaSeconds = delta;
    const qint64 d = std::max<qint64>(0, delta);
    s.steps << tr("节：%1；出生：%2").arg(text(jie), text(birth))
            << tr("Δ = %1 秒（%2日%3时%4分%5秒）")
                   .arg(delta)
                   .arg(d / secondsPerDay)
                   .arg(d % secondsPerDay / 3600)
                   .arg(d % 3600 / 60)
                   .arg(d % 60);

    switch (rule) {
    case LuckRule::Described: {
        const double monthDays = tp.jdJieAfter - tp.jdJieBefore;
        s.age = forward ? tp.ageForward : tp.ageBackward;
        const qint64 hours = std::max<qint64>(0, qint64(std::floor(s.age * ageHoursPerYear + 1e-6)));
        s.ageYears = int(hours / 8640);
        s.ageMonths = int(hours % 8640 / 720);
        s.ageDays = int(hours % 720 / 24);
        s.ageHours = int(hours % 24);
        s.jdStart = forward ? tp.jdBeginForward : tp.jdBeginBackward;
        s.start = momentText(s.jdStart);
        s.steps << tr("节月 %1 日折作 30 日：Δ × 30 ÷ %1 = %2 日；3 日 = 1 年：%3 年（%4）")
                       .arg(monthDays, 0, 'f', 6)
                       .arg(s.age * 3, 0, 'f', 6)
                       .arg(s.age, 0, 'f', 6)
                       .arg(ageText(s))
                << tr("交运：%1 + %2 年 × 365.25 日 = %3").arg(text(birth)).arg(s.age, 0, 'f', 6).arg(s.start);
        return s;
    }
    case LuckRule::PlainSeconds: {
        s.ageYears = int(d / secondsPerYear);
        s.ageMonths = int(d % secondsPerYear / secondsPerMonth);
        s.ageDays = int(d % secondsPerMonth / secondsPerAgeDay);
        s.ageHours = int(d % secondsPerAgeDay / secondsPerAgeHour);
        s.steps << tr("%1 秒：259200 秒 = 1 年，21600 秒 = 1 月，720 秒 = 1 日，30 秒 = 1 时（余 %2 秒不计）→ %3")
                       .arg(d)
                       .arg(d % secondsPerAgeHour)
                       .arg(ageText(s));
        break;
    }
    case LuckRule::Minutes4320:
    case LuckRule::Minutes2h: {
        const qint64 minutes = d / 60;
        s.ageYears = int(minutes / minutesPerYear);
        s.ageMonths = int(minutes % minutesPerYear / minutesPerMonth);
        s.ageDays = int(minutes % minutesPerMonth / minutesPerAgeDay);
        const qint64 rest = minutes % minutesPerAgeDay; // [0, 11]
        if (rule == LuckRule::Minutes2h) {
            s.ageHours = int(rest * 2);
            s.steps << tr("%1 分：4320 分 = 1 年，360 分 = 1 月，12 分 = 1 日，余 1 分 = 2 时 → %2")
                           .arg(minutes)
                           .arg(ageText(s));
        } else {
            s.steps << tr("%1 分：4320 分 = 1 年，360 分 = 1 月，12 分 = 1 日（余 %2 分不计）→ %3")
                           .arg(minutes)
                           .arg(rest)
                           .arg(ageText(s));
        }
        break;
    }
    case LuckRule::DaysAndHours: {
        const qint64 count = std::max<qint64>(
            0, forward ? doubleHourCount(jie) - doubleHourCount(birth) : doubleHourCount(birth) - doubleHourCount(jie));
        const qint64 days = count / 12;
        const qint64 doubleHours = count % 12;
        s.ageYears = int(days / 3);
        s.ageMonths = int(days % 3 * 4 + doubleHours / 3);
        s.ageDays = int(doubleHours % 3 * 10);
        s.steps << tr("按日与时辰数：%1 日 %2 时辰（23 时属亥时）；3 日 = 1 年，1 日 = 4 月，1 时辰 = 10 日 → %3")
                       .arg(days)
                       .arg(doubleHours)
                       .arg(ageText(s));
        break;
    }
    }
    s.age = s.ageYears + s.ageMonths / 12.0 + s.ageDays / 360.0 + s.ageHours / ageHoursPerYear;
    addByCalendar(s, birth);
    return s;
}
