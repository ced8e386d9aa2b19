// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the calendar-engine tests.

#include "TimePoints.h"

#include <QByteArray>
#include <QDate>

namespace CalendarTestSupport {

// Collects the engine's diagnostics for as long as it lives.
class DiagnosticCapture
{
public:
    DiagnosticCapture() { previous = TimePoints::setDiagnosticSink(collect); text().clear(); }
    ~DiagnosticCapture() { TimePoints::setDiagnosticSink(previous); }
    DiagnosticCapture(const DiagnosticCapture &) = delete;
    DiagnosticCapture &operator=(const DiagnosticCapture &) = delete;

    static QByteArray &text()
    {
        static QByteArray collected;
        return collected;
    }

private:
    static void collect(const char *line) { text() += line; }
    TimePoints::DiagnosticSink previous = nullptr;
};

inline TimePoints::Record record(int year, int month, int day, int hour = 0, int minute = 0, int leap = 0)
{
    TimePoints::Record r(TimePoints::recordSize, 0);
    r[0] = year;
    r[1] = month;
    r[2] = day;
    r[3] = hour;
    r[4] = minute;
    r[TimePoints::leapSlot] = leap;
    return r;
}

// Slots 0..4 as "Y-M-D h:m", readable in failure messages.
inline QByteArray show(const TimePoints::Record &r)
{
    return QByteArray::number(r[0]) + '-' + QByteArray::number(r[1]) + '-' + QByteArray::number(r[2]) + ' '
        + QByteArray::number(r[3]) + ':' + QByteArray::number(r[4]);
}

inline const QDate firstBirthDay(1800, 1, 1);
inline const QDate lastBirthDay(2099, 12, 31);

} // namespace CalendarTestSupport
