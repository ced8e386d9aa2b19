// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClockCorrection.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariantMap>

class InSight;

// The whole chain from a stored birth record to a cast chart, shared by the
// chart page and qingyao-cli: switches, lunar conversion, summer time, the
// birth instant from the tz database, mean and true solar time from the
// instant and the hour shift (ClockCorrection::chain), the engine, and the luck rows, life palace,
// conception pillar and day void. Year and month pillars and the days to the
// Jie come from the instant; day and hour pillars from the chosen kind of time.
class ChartCalculation : public QObject
{
    Q_OBJECT

public:
    using TimeKind = ClockCorrection::TimeKind;
    enum class DstMode { Auto, On, Off };
    enum class LocalTime { Ok, Gap, Ambiguous };

    struct Input {
        int gender = 0;  // gender code: 0 or 1
        int caltype = 0; // 0 solar date, 1 lunar, 2 lunar leap month
        int fields[5] = {0, 0, 0, 0, 0}; // year, month, day, hour, minute as entered
        QByteArray zone = "Asia/Shanghai";
        double longitude = 120; // degrees east
        TimeKind timeKind = TimeKind::Clock;
        DstMode dst = DstMode::Auto;
        // China, Hong Kong, Taiwan: the record says the time was summer time.
        bool recordedSummerTime = false;
        // A gap or doubled local time is read as standard time unless this is set.
        bool daylightReading = false;
        int switch11pm = 1;
        int hourShift = 0; // double-hours
    };

    struct Moment {
        QByteArray zone;
        bool tableRegion = false; // summer time by the switch, not by the tz database
        int utcOffsetMinutes = 0;
        int dstMinutes = 0;
        LocalTime localTime = LocalTime::Ok;
        TimeKind timeKind = TimeKind::Clock;
        int clockFields[5] = {0, 0, 0, 0, 0}; // solar date and time as entered, before summer time
        int standardFields[5] = {0, 0, 0, 0, 0}; // the clock with summer time taken off
        double jdUtc = 0;
        double jdBeijing = 0;
        double jdMeanSolar = 0;
        double jdTrueSolar = 0;
        double jdPillars = 0; // chosen kind of time after the hour shift
        double equationOfTimeMinutes = 0;
    };

    struct Result {
        bool ok = false;
        QString reason;  // log line of a failure
        QString message; // text for the user, when there is one
        Moment moment;
        int pillarFields[5] = {0, 0, 0, 0, 0}; // the moment handed to the engine
        double instantOffset = 0;
        bool isIn23clock = false;
        bool isIn23clockAfterShift = false;
    };

    explicit ChartCalculation(QObject *parent = nullptr);

    static Result calculate(const Input &input, InSight &engine);

    // The record's stored values (as getCustInfoByStrName answers them) and the
    // page's switches (recal, toUseZhenTaiYangShiTransit, isUsingJingDuTransit,
    // itoChangeDay23clock, itoUsingXiaShiLing, hourBackOrForward,
    // daylightReading) to an input. False with a reason when the time is unreadable.
    static bool inputFromRecord(const QVariantMap &record, const QVariantMap &page, Input &input, QString &reason);

    // The chain of a result as the "moment" object of the command line.
    static QVariantMap momentMap(const Moment &m);
    // Luck rows, life palace, conception pillar and day void from a cast engine.
    static QVariantMap chartMap(InSight &engine);

    static QString timeKindName(TimeKind kind);
    static bool timeKindFromName(const QString &name, TimeKind &kind);
    static bool dstModeFromName(const QString &name, DstMode &mode);
    // "YYYY-MM-DDTHH:MM:SS" of a Julian day, to the nearest second.
    static QString isoText(double jd);

    // The record's chart: { ok, reason, message, moment, chart, ... } (see
    // js/chartCalculation.js for the page's use).
    Q_INVOKABLE QVariantMap calculateRecord(const QVariantMap &record, const QVariantMap &page, InSight *engine);
    // UTC offset of a zone at an instant (a Julian day of UTC), summer time
    // included, from the tz database; 0 for a zone it does not know.
    // Pillars, luck rows, summary and palaces of the chart an engine holds
    // (the chart part of calculateRecord), e.g. after casting the other side
    // of a boundary.
    Q_INVOKABLE QVariantMap chartOf(InSight *engine) { return engine ? chartMap(*engine) : QVariantMap(); }
    Q_INVOKABLE int utcOffsetMinutes(const QString &zone, double jdUtc);
};
