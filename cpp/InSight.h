// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LuckStart.h"
#include "TimePoints.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QVariant>

#include <array>
#include <atomic>
#include <vector>

// A getter, and a setter that stores and notifies only on a change (QML writes).
#define INSIGHT_ACCESSORS(Type, name, setter)                                                                \
    Type name() const { return m_##name; }                                                                 \
    void setter(const Type &value)                                                                         \
    {                                                                                                      \
        if (m_##name == value)                                                                             \
            return;                                                                                        \
        m_##name = value;                                                                                  \
        emit name##Changed();                                                                              \
    }

// The same for a date text of time point `which`, written on first read.
#define INSIGHT_TEXT_ACCESSORS(name, setter, which, part)                                                   \
    QString name() const { return datesOf(which).part; }                                                   \
    void setter(const QString &value)                                                                      \
    {                                                                                                      \
        if (datesOf(which).part == value)                                                                  \
            return;                                                                                        \
        m_dateTexts[which].part = value;                                                                   \
        emit name##Changed();                                                                              \
    }

// The chart engine: casts a chart for one birth moment (beginWithTime) or finds
// the moments of four pillars (beginWithChacs), and publishes the chart as
// properties. All calendar work is done by its three time points.
// Properties are read by the pages after totalReadyCalcChanged; QML may write
// them (a write stores and notifies only on a change). Pinyin names are
// explained in docs/GLOSSARY.md.
class InSight : public QObject
{
    Q_OBJECT
    // Day master: stem of the day pillar, 0..9 (0 甲 .. 9 癸).
    Q_PROPERTY(int baseGan READ baseGan WRITE setBaseGan NOTIFY baseGanChanged)
    // Moments found by the last beginWithChacs, 0..3.
    Q_PROPERTY(int timepointCnt READ timepointCnt WRITE setTimepointCnt NOTIFY timepointCntChanged)
    // Year pillar as a sixty-cycle index, 0..59 (0 甲子 .. 59 癸亥); likewise the next three.
    Q_PROPERTY(int yearChac READ yearChac WRITE setYearChac NOTIFY yearChacChanged)
    // Month pillar, 0..59.
    Q_PROPERTY(int monthChac READ monthChac WRITE setMonthChac NOTIFY monthChacChanged)
    // Day pillar, 0..59.
    Q_PROPERTY(int dayChac READ dayChac WRITE setDayChac NOTIFY dayChacChanged)
    // Hour pillar, 0..59.
    Q_PROPERTY(int hourChac READ hourChac WRITE setHourChac NOTIFY hourChacChanged)
    // Gender code: 0 male, 1 female.
    Q_PROPERTY(int malefemale READ malefemale WRITE setMalefemale NOTIFY malefemaleChanged)
    // Direction of the luck pillars: +1 forward, -1 backward.
    Q_PROPERTY(int clockwise READ clockwise WRITE setClockwise NOTIFY clockwiseChanged)
    // Age in years (two decimals) at which the first luck pillar starts.
    Q_PROPERTY(double ageOfBegin READ ageOfBegin WRITE setAgeOfBegin NOTIFY ageOfBeginChanged)
    // Gregorian year of that start moment; month 1..12 and day 1..31 follow.
    Q_PROPERTY(int solarYearOfBegin READ solarYearOfBegin WRITE setSolarYearOfBegin NOTIFY solarYearOfBeginChanged)
    // Gregorian month of the start moment, 1..12.
    Q_PROPERTY(int solarMonthOfBegin READ solarMonthOfBegin WRITE setSolarMonthOfBegin NOTIFY solarMonthOfBeginChanged)
    // Gregorian day of the start moment, 1..31.
    Q_PROPERTY(int solarDayOfBegin READ solarDayOfBegin WRITE setSolarDayOfBegin NOTIFY solarDayOfBeginChanged)
    // Sino year (beginning at 立春) of the start moment.
    Q_PROPERTY(int sinoYearOfBegin READ sinoYearOfBegin WRITE setSinoYearOfBegin NOTIFY sinoYearOfBeginChanged)
    // Sino month of the start moment, 1..12 (1 begins at 立春).
    Q_PROPERTY(int sinoMonthOfBegin READ sinoMonthOfBegin WRITE setSinoMonthOfBegin NOTIFY sinoMonthOfBeginChanged)
    // Sixty-cycle index of that sino year, 0..59.
    Q_PROPERTY(int jiaziNianOfBegin READ jiaziNianOfBegin WRITE setJiaziNianOfBegin NOTIFY jiaziNianOfBeginChanged)
    // First luck pillar (大运) as a sixty-cycle index, 0..59.
    Q_PROPERTY(int dayunJiaZiofBegin READ dayunJiaZiofBegin WRITE setDayunJiaZiofBegin NOTIFY dayunJiaZiofBeginChanged)
    // Start moment of the first luck pillar: Julian day, Beijing time (UTC+8).
    Q_PROPERTY(double jd_dateBeginDY READ jd_dateBeginDY WRITE setJd_dateBeginDY NOTIFY jd_dateBeginDYChanged)
    // Birth moment as a readable Gregorian date-time ("" until computed).
    Q_PROPERTY(QString thisSolarDateStr READ thisSolarDateStr WRITE setThisSolarDateStr NOTIFY thisSolarDateStrChanged)
    // Birth moment as a readable lunar date.
    Q_PROPERTY(QString thisLunarDateStr READ thisLunarDateStr WRITE setThisLunarDateStr NOTIFY thisLunarDateStrChanged)
    // The Gregorian date-time as slash-separated numbers, for the pages to split.
    Q_PROPERTY(QString thisSolarDateStrInt READ thisSolarDateStrInt WRITE setThisSolarDateStrInt NOTIFY thisSolarDateStrIntChanged)
    // The lunar date as slash-separated numbers (with the leap flag).
    Q_PROPERTY(QString thisLunarDateStrInt READ thisLunarDateStrInt WRITE setThisLunarDateStrInt NOTIFY thisLunarDateStrIntChanged)
    // The same four texts for the second moment found by beginWithChacs.
    Q_PROPERTY(QString alternativeSolarDateStr2 READ alternativeSolarDateStr2 WRITE setAlternativeSolarDateStr2 NOTIFY alternativeSolarDateStr2Changed)
    // Second moment, lunar text.
    Q_PROPERTY(QString alternativeLunarDateStr2 READ alternativeLunarDateStr2 WRITE setAlternativeLunarDateStr2 NOTIFY alternativeLunarDateStr2Changed)
    // Second moment, Gregorian numbers.
    Q_PROPERTY(QString alternativeSolarDateStr2Int READ alternativeSolarDateStr2Int WRITE setAlternativeSolarDateStr2Int NOTIFY alternativeSolarDateStr2IntChanged)
    // Second moment, lunar numbers.
    Q_PROPERTY(QString alternativeLunarDateStr2Int READ alternativeLunarDateStr2Int WRITE setAlternativeLunarDateStr2Int NOTIFY alternativeLunarDateStr2IntChanged)
    // The same four texts for the third moment found by beginWithChacs.
    Q_PROPERTY(QString alternativeSolarDateStr3 READ alternativeSolarDateStr3 WRITE setAlternativeSolarDateStr3 NOTIFY alternativeSolarDateStr3Changed)
    // Third moment, lunar text.
    Q_PROPERTY(QString alternativeLunarDateStr3 READ alternativeLunarDateStr3 WRITE setAlternativeLunarDateStr3 NOTIFY alternativeLunarDateStr3Changed)
    // Third moment, Gregorian numbers.
    Q_PROPERTY(QString alternativeSolarDateStr3Int READ alternativeSolarDateStr3Int WRITE setAlternativeSolarDateStr3Int NOTIFY alternativeSolarDateStr3IntChanged)
    // Third moment, lunar numbers.
    Q_PROPERTY(QString alternativeLunarDateStr3Int READ alternativeLunarDateStr3Int WRITE setAlternativeLunarDateStr3Int NOTIFY alternativeLunarDateStr3IntChanged)
    // 1 after a successful computation, 0 after construction or reset; its signal comes last.
    Q_PROPERTY(int totalReadyCalc READ totalReadyCalc WRITE setTotalReadyCalc NOTIFY totalReadyCalcChanged)
    // Bone weight (称骨) in tenths of a liang, 21..72 for real charts; 70 when unset.
    Q_PROPERTY(int ytgChengCnt READ ytgChengCnt WRITE setYtgChengCnt NOTIFY ytgChengCntChanged)
    // 1 when the birth is at or after the middle (Qi) term of its sino month, else 0.
    Q_PROPERTY(int isPassMiddleTerm READ isPassMiddleTerm WRITE setIsPassMiddleTerm NOTIFY isPassMiddleTermChanged)
    // Birth moment: Julian day, Beijing time (UTC+8).
    Q_PROPERTY(double jd_birthTime READ jd_birthTime WRITE setJd_birthTime NOTIFY jd_birthTimeChanged)
    // Jie term that began the birth's sino month: Julian day, UTC+8.
    Q_PROPERTY(double jd_JieTimeBefore READ jd_JieTimeBefore WRITE setJd_JieTimeBefore NOTIFY jd_JieTimeBeforeChanged)
    // Middle (Qi) term of that month: Julian day, UTC+8.
    Q_PROPERTY(double jd_QiTimeMiddle READ jd_QiTimeMiddle WRITE setJd_QiTimeMiddle NOTIFY jd_QiTimeMiddleChanged)
    // Next Jie term: Julian day, UTC+8.
    Q_PROPERTY(double jd_JieTimeAfter READ jd_JieTimeAfter WRITE setJd_JieTimeAfter NOTIFY jd_JieTimeAfterChanged)
    Q_PROPERTY(int startAgeYears READ startAgeYears WRITE setStartAgeYears NOTIFY startAgeYearsChanged)
    Q_PROPERTY(int startAgeMonths READ startAgeMonths WRITE setStartAgeMonths NOTIFY startAgeMonthsChanged)
    Q_PROPERTY(int startAgeDays READ startAgeDays WRITE setStartAgeDays NOTIFY startAgeDaysChanged)
    Q_PROPERTY(int hourOfBegin READ hourOfBegin WRITE setHourOfBegin NOTIFY hourOfBeginChanged)
    Q_PROPERTY(int minuteOfBegin READ minuteOfBegin WRITE setMinuteOfBegin NOTIFY minuteOfBeginChanged)
    Q_PROPERTY(int lifePalaceChac READ lifePalaceChac WRITE setLifePalaceChac NOTIFY lifePalaceChacChanged)
    Q_PROPERTY(int conceptionChac READ conceptionChac WRITE setConceptionChac NOTIFY conceptionChacChanged)
    Q_PROPERTY(int bodyPalaceChac READ bodyPalaceChac WRITE setBodyPalaceChac NOTIFY bodyPalaceChacChanged)

public:
    explicit InSight(QObject *parent = nullptr);

    Q_INVOKABLE QVariant beginWithTime(int malefemale, int solarlunar, int y, int m, int d, int h, int minute,
                                       int isleap = 0, double ztyJdPlus = 0.0, int switch11pm = 1);
    // The chart of a birth whose instant and pillar moment differ: y..minute
    // is the solar-date moment that decides the day and hour pillars (clock,
    // mean or true solar time, after any hour shift); instantOffset is that
    // moment minus the birth instant in the UTC+8 frame of the term table, in
    // days. Year and month pillars and the days to the Jie for the luck start
    // come from the instant. 0 on success, -1 on failure.
    Q_INVOKABLE QVariant beginWithMoment(int malefemale, int y, int m, int d, int h, int minute,
                                         double instantOffset, int switch11pm = 1);
    // A day of the calendar rather than a birth (the perpetual calendar):
    // as beginWithTime, for any year the tables cover (1800..2200).
    Q_INVOKABLE QVariant beginWithCalendarDay(int solarlunar, int y, int m, int d, int h, int minute,
                                              int isleap = 0);
    Q_INVOKABLE QVariant beginWithChacs(int chac1, int chac2, int chac3, int chac4, int malefemale, int nearfar = 0);
    Q_INVOKABLE QVariant reinitAllTimepoints();
    Q_INVOKABLE QVariant getEssentials();
    // NaYin of a sixty-cycle index (normalised), for the derived pillars and layers.
    Q_INVOKABLE QVariant getNaYinStr(int chac);

    // The luck-start rule and direction convention the begin properties follow
    // (names as LuckStart::ruleName / directionName); false for an unknown
    // name. A chart already cast is refreshed at once.
    Q_INVOKABLE bool setLuckRuleName(const QString &name);
    Q_INVOKABLE QString luckRuleName() const { return LuckStart::ruleName(m_luckRule); }
    Q_INVOKABLE bool setLuckDirectionName(const QString &name);
    Q_INVOKABLE QString luckDirectionName() const { return LuckStart::directionName(m_luckDirection); }
    // Every rule's start for the cast chart: a list of maps with rule, ageYears,
    // ageMonths, ageDays, ageHours, start, age, jd, steps.
    Q_INVOKABLE QVariant luckStarts() const;
    LuckStart luckStart(LuckRule rule) const;
    // Boundaries within the error budget of the cast chart (BoundaryWarnings):
    // maps with kind, minutesAway, budgetSeconds, alternative (four pillar
    // names), alternativeChacs, moment ([y, m, d, h, minute] to enter for the
    // other side, with the same ztyJdPlus) and, for an uncertain month,
    // alternativeMonthStart.
    Q_INVOKABLE QVariant boundaryWarnings(int switch11pm = 1, bool trueSolarTime = false) const;
    // The twelve double-hours of a birth day whose hour is unknown, each with
    // its pillars, the ten-gods of its hour pillar and its luck start under
    // the chosen rule, and the names of the relations touching the hour
    // column; an empty list when the date cannot be placed.
    // The true-solar-time offset (days) the cast chart was given.
    Q_INVOKABLE double solarTimeOffset() const { return m_timePoints[0].ztyJdPlus; }
    // Whether the lunar date of a solar day could be a day off: its month's
    // new moon lies within the table's error budget of midnight.
    Q_INVOKABLE bool uncertainLunarDay(int y, int m, int d) const;
    // Whether the day of a term moment (a JD of the term table) could be the
    // one before or after: the term lies within the table budget of midnight.
    Q_INVOKABLE bool uncertainTermDay(double termJd) const;
    // The flow months of a sino year whose first day the table's error budget
    // leaves open (BoundaryWarnings::ofFlowYear): maps with kind ("jie-day" or
    // "uncertain-month"), minutesAway, budgetSeconds, monthStart and
    // alternativeMonthStart (ISO dates), and for a Jie its term position.
    Q_INVOKABLE QVariant flowWarnings(int sinoYear) const;
    Q_INVOKABLE QVariant hourCandidates(int malefemale, int solarlunar, int y, int m, int d, int isleap = 0,
                                        double ztyJdPlus = 0.0, int switch11pm = 1) const;

    // The numbers of a chart that a batch prints, without display texts or
    // change signals.
    struct Numbers {
        int chacs[4] = {0, 0, 0, 0}; // year, month, day, hour pillars
        int clockwise = 0;
        double ageOfBegin = 0;       // rounded to two decimals
        double age = 0;              // unrounded
        double jd_dateBeginDY = 0;
        int dayunJiaZiofBegin = 0;
        int ytgChengCnt = 0;
        int isPassMiddleTerm = 0;
    };
    // A chart of a solar moment cast on a time point of its own, under this
    // engine's luck rule and direction; the properties stay as they are.
    // False when the moment cannot be placed. The time point of the cast is
    // leanTimePoint().
    bool castNumbers(int malefemale, int y, int m, int d, int h, int minute, double ztyJdPlus, int switch11pm,
                     Numbers &out);
    const TimePoints &leanTimePoint() const { return m_leanTimePoint; }
    // The numbers of the chart the properties show.
    Numbers numbers() const;
    // thisLunarDateStrInt of a time point, appended as UTF-8.
    static void appendLunarNumbers(QByteArray &text, const TimePoints &tp);

    // The moments of four pillars, newest first, at most three (the search of
    // beginWithChacs without touching any engine state).
    static std::vector<TimePoints> searchPillars(int yearChac, int monthChac, int dayChac, int hourChac);

    // The search walks back from today. Tests and benchmarks set a fixed day;
    // an invalid date returns to the system clock.
    static void setToday(const QDate &date);
    static QDate today();

    const TimePoints &primaryTimePoint() const { return m_timePoints[0]; }
    const TimePoints &alternativeTimePoint(int which) const { return m_timePoints[which == 3 ? 2 : 1]; }

    INSIGHT_ACCESSORS(int, baseGan, setBaseGan)
    INSIGHT_ACCESSORS(int, timepointCnt, setTimepointCnt)
    INSIGHT_ACCESSORS(int, yearChac, setYearChac)
    INSIGHT_ACCESSORS(int, monthChac, setMonthChac)
    INSIGHT_ACCESSORS(int, dayChac, setDayChac)
    INSIGHT_ACCESSORS(int, hourChac, setHourChac)
    INSIGHT_ACCESSORS(int, malefemale, setMalefemale)
    INSIGHT_ACCESSORS(int, clockwise, setClockwise)
    INSIGHT_ACCESSORS(double, ageOfBegin, setAgeOfBegin)
    INSIGHT_ACCESSORS(int, solarYearOfBegin, setSolarYearOfBegin)
    INSIGHT_ACCESSORS(int, solarMonthOfBegin, setSolarMonthOfBegin)
    INSIGHT_ACCESSORS(int, solarDayOfBegin, setSolarDayOfBegin)
    INSIGHT_ACCESSORS(int, sinoYearOfBegin, setSinoYearOfBegin)
    INSIGHT_ACCESSORS(int, sinoMonthOfBegin, setSinoMonthOfBegin)
    INSIGHT_ACCESSORS(int, jiaziNianOfBegin, setJiaziNianOfBegin)
    INSIGHT_ACCESSORS(int, dayunJiaZiofBegin, setDayunJiaZiofBegin)
    INSIGHT_ACCESSORS(double, jd_dateBeginDY, setJd_dateBeginDY)
    INSIGHT_TEXT_ACCESSORS(thisSolarDateStr, setThisSolarDateStr, 0, solar)
    INSIGHT_TEXT_ACCESSORS(thisLunarDateStr, setThisLunarDateStr, 0, lunar)
    INSIGHT_TEXT_ACCESSORS(thisSolarDateStrInt, setThisSolarDateStrInt, 0, solarInt)
    INSIGHT_TEXT_ACCESSORS(thisLunarDateStrInt, setThisLunarDateStrInt, 0, lunarInt)
    INSIGHT_TEXT_ACCESSORS(alternativeSolarDateStr2, setAlternativeSolarDateStr2, 1, solar)
    INSIGHT_TEXT_ACCESSORS(alternativeLunarDateStr2, setAlternativeLunarDateStr2, 1, lunar)
    INSIGHT_TEXT_ACCESSORS(alternativeSolarDateStr2Int, setAlternativeSolarDateStr2Int, 1, solarInt)
    INSIGHT_TEXT_ACCESSORS(alternativeLunarDateStr2Int, setAlternativeLunarDateStr2Int, 1, lunarInt)
    INSIGHT_TEXT_ACCESSORS(alternativeSolarDateStr3, setAlternativeSolarDateStr3, 2, solar)
    INSIGHT_TEXT_ACCESSORS(alternativeLunarDateStr3, setAlternativeLunarDateStr3, 2, lunar)
    INSIGHT_TEXT_ACCESSORS(alternativeSolarDateStr3Int, setAlternativeSolarDateStr3Int, 2, solarInt)
    INSIGHT_TEXT_ACCESSORS(alternativeLunarDateStr3Int, setAlternativeLunarDateStr3Int, 2, lunarInt)
    INSIGHT_ACCESSORS(int, totalReadyCalc, setTotalReadyCalc)
    INSIGHT_ACCESSORS(int, ytgChengCnt, setYtgChengCnt)
    INSIGHT_ACCESSORS(int, isPassMiddleTerm, setIsPassMiddleTerm)
    INSIGHT_ACCESSORS(double, jd_birthTime, setJd_birthTime)
    INSIGHT_ACCESSORS(double, jd_JieTimeBefore, setJd_JieTimeBefore)
    INSIGHT_ACCESSORS(double, jd_QiTimeMiddle, setJd_QiTimeMiddle)
    INSIGHT_ACCESSORS(double, jd_JieTimeAfter, setJd_JieTimeAfter)
    INSIGHT_ACCESSORS(int, startAgeYears, setStartAgeYears)
    INSIGHT_ACCESSORS(int, startAgeMonths, setStartAgeMonths)
    INSIGHT_ACCESSORS(int, startAgeDays, setStartAgeDays)
    INSIGHT_ACCESSORS(int, hourOfBegin, setHourOfBegin)
    INSIGHT_ACCESSORS(int, minuteOfBegin, setMinuteOfBegin)
    INSIGHT_ACCESSORS(int, lifePalaceChac, setLifePalaceChac)
    INSIGHT_ACCESSORS(int, conceptionChac, setConceptionChac)
    INSIGHT_ACCESSORS(int, bodyPalaceChac, setBodyPalaceChac)

signals:
    void baseGanChanged();
    void malefemaleChanged();
    void clockwiseChanged();
    void ageOfBeginChanged();
    void solarYearOfBeginChanged();
    void solarMonthOfBeginChanged();
    void solarDayOfBeginChanged();
    void sinoYearOfBeginChanged();
    void sinoMonthOfBeginChanged();
    void jiaziNianOfBeginChanged();
    void dayunJiaZiofBeginChanged();
    void jd_dateBeginDYChanged();
    void yearChacChanged();
    void monthChacChanged();
    void dayChacChanged();
    void hourChacChanged();
    void thisSolarDateStrChanged();
    void thisLunarDateStrChanged();
    void thisSolarDateStrIntChanged();
    void thisLunarDateStrIntChanged();
    void alternativeSolarDateStr2Changed();
    void alternativeLunarDateStr2Changed();
    void alternativeSolarDateStr2IntChanged();
    void alternativeLunarDateStr2IntChanged();
    void alternativeSolarDateStr3Changed();
    void alternativeLunarDateStr3Changed();
    void alternativeSolarDateStr3IntChanged();
    void alternativeLunarDateStr3IntChanged();
    void timepointCntChanged();
    void totalReadyCalcChanged();
    void ytgChengCntChanged();
    void isPassMiddleTermChanged();
    void jd_birthTimeChanged();
    void jd_JieTimeBeforeChanged();
    void jd_QiTimeMiddleChanged();
    void jd_JieTimeAfterChanged();
    void startAgeYearsChanged();
    void startAgeMonthsChanged();
    void startAgeDaysChanged();
    void hourOfBeginChanged();
    void minuteOfBeginChanged();
    void lifePalaceChacChanged();
    void conceptionChacChanged();
    void bodyPalaceChacChanged();

protected:
    void connectNotify(const QMetaMethod &signal) override;

private:
    void emitDateTextSignals();
    // What the date texts of a time point are written from, taken at refresh.
    struct DateFields {
        std::array<int, TimePoints::recordSize> solar{};
        std::array<int, TimePoints::recordSize> lunar{};
    };
    struct DateTexts {
        QString solar;
        QString lunar;
        QString solarInt;
        QString lunarInt;
    };
    static DateTexts dateTexts(const DateFields &fields);
    void takeDateFields(int which, const TimePoints &tp);
    const DateTexts &datesOf(int which) const;
    void refresh();
    Numbers numbersOf(const TimePoints &p, int malefemale) const;
    int palaceBranch(int anchorBranch) const;

    TimePoints m_timePoints[3]; // primary, alternative 2, alternative 3
    TimePoints m_leanTimePoint; // castNumbers
    // Texts are written on first read: most casts (batches, searches, the
    // summary) never read them. A set bit i means m_dateTexts[i] is still to
    // be written from m_dateFields[i].
    DateFields m_dateFields[3];
    mutable DateTexts m_dateTexts[3];
    mutable unsigned m_datesPending = 0;
    // Change signals cost a call each even when nothing listens; a chart cast
    // by an object nobody ever connected to skips them (QML bindings connect).
    std::atomic<bool> m_watched{false};
    LuckRule m_luckRule = LuckRule::Described;
    LuckDirection m_luckDirection = LuckDirection::YangMaleYinFemale;

    int m_baseGan = 0;
    int m_timepointCnt = 0;
    int m_yearChac = 0;
    int m_monthChac = 0;
    int m_dayChac = 0;
    int m_hourChac = 0;
    int m_malefemale = 0;
    int m_clockwise = 0;
    double m_ageOfBegin = 0;
    int m_solarYearOfBegin = 0;
    int m_solarMonthOfBegin = 0;
    int m_solarDayOfBegin = 0;
    int m_sinoYearOfBegin = 0;
    int m_sinoMonthOfBegin = 0;
    int m_jiaziNianOfBegin = 0;
    int m_dayunJiaZiofBegin = 0;
    double m_jd_dateBeginDY = 0;
    int m_totalReadyCalc = 0;
    int m_ytgChengCnt = 70;
    int m_isPassMiddleTerm = 0;
    double m_jd_birthTime = 0;
    double m_jd_JieTimeBefore = 0;
    double m_jd_QiTimeMiddle = 0;
    double m_jd_JieTimeAfter = 0;
    // The luck start as years, months and days (three days of distance to
    // the Jie term make a year, so a year of age is 12 months of 30 days).
    int m_startAgeYears = 0;
    int m_startAgeMonths = 0;
    int m_startAgeDays = 0;
    int m_hourOfBegin = 0;
    int m_minuteOfBegin = 0;
    // Derived pillars as sixty-cycle indices, -1 before a chart is cast.
    int m_lifePalaceChac = -1;
    int m_conceptionChac = -1;
    int m_bodyPalaceChac = -1;
};

#undef INSIGHT_ACCESSORS
#undef INSIGHT_TEXT_ACCESSORS
