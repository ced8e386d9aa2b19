// SPDX-License-Identifier: GPL-3.0-or-later
#include "PillarSearch.h"

#include "TimePoints.h"

#include <algorithm>
#include <tuple>

namespace PillarSearch {
namespace {

constexpr int firstYear = 1800;

struct Target {
    int chacs[4];
    int switch11pm;
};

bool matches(TimePoints &tp, const Target &target, const QDate &date, int hour, int minute)
{
    if (tp.launchTimePointSets(0, date.year(), date.month(), date.day(), hour, minute, 0, 0, target.switch11pm)
        != TimePoints::Launched)
        return false;
    for (int i = 0; i < 4; ++i)
        if (tp.chacs[i] != target.chacs[i])
            return false;
    return true;
}

// Minute by minute through `count` minutes from `start` o'clock on `date`,
// noting the first minute of every run of matches. Outside such a window the
// hour branch differs, so no run reaches past its ends.
void scanWindow(TimePoints &tp, const Target &target, QDate date, int startHour, int count, const QDate &until,
                QVector<Moment> &found)
{
    bool previous = false;
    int hour = startHour;
    int minute = 0;
    for (int i = 0; i < count; ++i) {
        if (date > until)
            return;
        const bool now = date.year() >= firstYear && matches(tp, target, date, hour, minute);
        if (now && !previous)
            found.append({date.year(), date.month(), date.day(), hour, minute});
        previous = now;
        if (++minute == 60) {
            minute = 0;
            if (++hour == 24) {
                hour = 0;
                date = date.addDays(1);
            }
        }
    }
}

} // namespace

QVector<Moment> findMoments(int yearChac, int monthChac, int dayChac, int hourChac, int switch11pm,
                            const QDate &until)
{
    QVector<Moment> found;
    for (int chac : {yearChac, monthChac, dayChac, hourChac})
        if (chac < 0 || chac > 59)
            return found;
    const Target target{{yearChac, monthChac, dayChac, hourChac}, switch11pm};
    const int branch = hourChac % 12;
    TimePoints tp;
    // The sino years with this year pillar, each from its 立春 to the next;
    // a day a little before or after is scanned too, the launches decide.
    for (int sinoYear = firstYear - 1; sinoYear <= std::min(until.year(), 2099); ++sinoYear) {
        if (TimePoints::yearCycleIndex(sinoYear) != yearChac)
            continue;
        const double begin = TimePoints::termJd(sinoYear, 0);
        const double end = TimePoints::termJd(sinoYear + 1, 0);
        if (begin == 0 || end == 0)
            continue;
        for (qint64 noon = qint64(begin + 0.5) - 1; noon <= qint64(end + 0.5) + 1; ++noon) {
            const QDate date = QDate::fromJulianDay(noon);
            if (!date.isValid() || date > until)
                break;
            // The day pillar of the civil day; its 子 hours lie on either side
            // of it, depending on the day-change rule.
            if (((JulianDay::dayNumberOf(double(noon)) % 60) + 60) % 60 != dayChac)
                continue;
            if (branch == 0) {
                scanWindow(tp, target, date.addDays(-1), 23, 120, until, found);
                scanWindow(tp, target, date, 23, 120, until, found);
            } else {
                scanWindow(tp, target, date, 2 * branch - 1, 120, until, found);
            }
        }
    }
    std::sort(found.begin(), found.end(), [](const Moment &a, const Moment &b) {
        return std::tie(a.year, a.month, a.day, a.hour, a.minute) > std::tie(b.year, b.month, b.day, b.hour, b.minute);
    });
    return found;
}

} // namespace PillarSearch
