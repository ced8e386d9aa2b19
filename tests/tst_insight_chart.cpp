// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarTestSupport.h"
#include "InSight.h"
#include "InSightTestSupport.h"
#include "Vocabulary.h"

#include <QMetaMethod>
#include <QtTest>

#include <cmath>

using namespace InSightTestSupport;

// Records the names of the signals it receives, in order.
class SignalRecorder : public QObject
{
    Q_OBJECT
public:
    explicit SignalRecorder(InSight &s)
    {
        const QMetaObject *mo = s.metaObject();
        const QMetaMethod slot = metaObject()->method(metaObject()->indexOfSlot("record()"));
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
            if (mo->method(i).methodType() == QMetaMethod::Signal)
                connect(&s, mo->method(i), this, slot);
    }
    QStringList names;

public slots:
    void record() { names << QString::fromLatin1(sender()->metaObject()->method(senderSignalIndex()).name()); }
};

// One call on the engine: {"time", malefemale, solarlunar, y, m, d, h,
// minute, isleap}, {"chacs", year, month, day, hour}, {"write", property,
// value} or {"reinit"}.
using Step = QVariantList;
Q_DECLARE_METATYPE(QList<Step>)

void applyStep(InSight &s, const Step &step)
{
    const QString kind = step[0].toString();
    if (kind == QLatin1String("time"))
        s.beginWithTime(step[1].toInt(), step[2].toInt(), step[3].toInt(), step[4].toInt(), step[5].toInt(),
                        step[6].toInt(), step[7].toInt(), step[8].toInt());
    else if (kind == QLatin1String("chacs"))
        s.beginWithChacs(step[1].toInt(), step[2].toInt(), step[3].toInt(), step[4].toInt(), 0);
    else if (kind == QLatin1String("write"))
        s.setProperty(step[1].toByteArray().constData(), step[2]);
    else
        s.reinitAllTimepoints();
}

// Uses of the engine for the two tests of when properties are read and heard.
void addStepRows()
{
    QTest::addColumn<QList<Step>>("steps");
    const Step chart = {"time", 1, 0, 1990, 5, 17, 8, 0, 0};
    const Step leapChart = {"time", 0, 1, 2023, 2, 10, 6, 30, 1};
    QTest::newRow("nothing")                  << QList<Step>{};
    QTest::newRow("one chart")                << QList<Step>{chart};
    QTest::newRow("two charts")               << QList<Step>{chart, leapChart};
    QTest::newRow("lunar date past 2100 立春") << QList<Step>{chart, {"time", 0, 1, 2099, 12, 29, 12, 0, 0}};
    QTest::newRow("impossible solar date")    << QList<Step>{chart, {"time", 0, 0, 2001, 2, 29, 12, 0, 0}};
    QTest::newRow("text written, unread")     << QList<Step>{chart, {"write", "thisLunarDateStr", "x"}};
    QTest::newRow("written, then a chart")    << QList<Step>{chart, {"write", "thisSolarDateStrInt", "x"}, leapChart};
    QTest::newRow("search, then a chart")     << QList<Step>{{"chacs", 15, 12, 54, 54}, chart};
    QTest::newRow("reset")                    << QList<Step>{chart, {"reinit"}};
    QTest::newRow("chart after a reset")      << QList<Step>{chart, {"reinit"}, leapChart};
}

class TestInSightChart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void declarationOrder();
    void constructionState();
    void qmlWriteNotifiesOnlyOnChange();
    void pillars_data();
    void pillars();
    void offsetCrossesAJieButNotTheClock();
    void luckPillars_data();
    void luckPillars();
    void refreshSignalOrder();
    void derivedPillars_data();
    void derivedPillars();
    void failedCallChangesNothing_data();
    void failedCallChangesNothing();
    void reinitClearsTextsOnly();
    void sameMomentSolarAndLunar();
    void textsReadLateAreTextsReadAtOnce_data();
    void textsReadLateAreTextsReadAtOnce();
    void lateListenerHearsTheNextChart_data();
    void lateListenerHearsTheNextChart();
};

void TestInSightChart::initTestCase()
{
    TimePoints::setDiagnosticSink([](const char *) {}); // the failures below are meant
}

void TestInSightChart::declarationOrder()
{
    const QStringList properties = {
        "baseGan", "timepointCnt", "yearChac", "monthChac", "dayChac", "hourChac", "malefemale", "clockwise",
        "ageOfBegin", "solarYearOfBegin", "solarMonthOfBegin", "solarDayOfBegin", "sinoYearOfBegin",
        "sinoMonthOfBegin", "jiaziNianOfBegin", "dayunJiaZiofBegin", "jd_dateBeginDY", "thisSolarDateStr",
        "thisLunarDateStr", "thisSolarDateStrInt", "thisLunarDateStrInt", "alternativeSolarDateStr2",
        "alternativeLunarDateStr2", "alternativeSolarDateStr2Int", "alternativeLunarDateStr2Int",
        "alternativeSolarDateStr3", "alternativeLunarDateStr3", "alternativeSolarDateStr3Int",
        "alternativeLunarDateStr3Int", "totalReadyCalc", "ytgChengCnt", "isPassMiddleTerm", "jd_birthTime",
        "jd_JieTimeBefore", "jd_QiTimeMiddle", "jd_JieTimeAfter", "startAgeYears", "startAgeMonths",
        "startAgeDays", "hourOfBegin", "minuteOfBegin", "lifePalaceChac", "conceptionChac", "bodyPalaceChac"};
    const QStringList signalNames = {
        "baseGan", "malefemale", "clockwise", "ageOfBegin", "solarYearOfBegin", "solarMonthOfBegin",
        "solarDayOfBegin", "sinoYearOfBegin", "sinoMonthOfBegin", "jiaziNianOfBegin", "dayunJiaZiofBegin",
        "jd_dateBeginDY", "yearChac", "monthChac", "dayChac", "hourChac", "thisSolarDateStr", "thisLunarDateStr",
        "thisSolarDateStrInt", "thisLunarDateStrInt", "alternativeSolarDateStr2", "alternativeLunarDateStr2",
        "alternativeSolarDateStr2Int", "alternativeLunarDateStr2Int", "alternativeSolarDateStr3",
        "alternativeLunarDateStr3", "alternativeSolarDateStr3Int", "alternativeLunarDateStr3Int", "timepointCnt",
        "totalReadyCalc", "ytgChengCnt", "isPassMiddleTerm", "jd_birthTime", "jd_JieTimeBefore",
        "jd_QiTimeMiddle", "jd_JieTimeAfter", "startAgeYears", "startAgeMonths", "startAgeDays", "hourOfBegin",
        "minuteOfBegin", "lifePalaceChac", "conceptionChac", "bodyPalaceChac"};
    const QMetaObject &mo = InSight::staticMetaObject;
    QStringList actualProperties, actualSignals;
    for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i) {
        const QMetaProperty p = mo.property(i);
        QVERIFY(p.isReadable() && p.isWritable() && p.hasNotifySignal());
        QCOMPARE(QString::fromLatin1(p.notifySignal().name()), QString::fromLatin1(p.name()) + "Changed");
        actualProperties << QString::fromLatin1(p.name());
    }
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i)
        if (mo.method(i).methodType() == QMetaMethod::Signal)
            actualSignals << QString::fromLatin1(mo.method(i).name());
    QCOMPARE(actualProperties, properties);
    for (QString &name : const_cast<QStringList &>(signalNames))
        name += "Changed";
    QCOMPARE(actualSignals, signalNames);
    // QML may leave out the trailing arguments.
    QVERIFY(mo.indexOfMethod("beginWithTime(int,int,int,int,int,int,int)") >= 0);
    QVERIFY(mo.indexOfMethod("beginWithTime(int,int,int,int,int,int,int,int,double)") >= 0);
    QVERIFY(mo.indexOfMethod("beginWithChacs(int,int,int,int,int)") >= 0);
}

void TestInSightChart::constructionState()
{
    InSight s;
    QCOMPARE(s.ytgChengCnt(), 70);
    QCOMPARE(s.totalReadyCalc(), 0);
    QCOMPARE(s.thisSolarDateStr(), QString());
    QCOMPARE(s.alternativeLunarDateStr3Int(), QString());
    QCOMPARE(s.primaryTimePoint(), TimePoints());
    QCOMPARE(s.alternativeTimePoint(3), TimePoints());
}

void TestInSightChart::qmlWriteNotifiesOnlyOnChange()
{
    InSight s;
    QSignalSpy spy(&s, &InSight::yearChacChanged);
    QVERIFY(s.setProperty("yearChac", 5));
    QVERIFY(s.setProperty("yearChac", 5));
    QCOMPARE(spy.count(), 1);
    QSignalSpy textSpy(&s, &InSight::thisLunarDateStrChanged);
    s.setProperty("thisLunarDateStr", QStringLiteral("x"));
    s.setProperty("thisLunarDateStr", QStringLiteral("x"));
    QCOMPARE(textSpy.count(), 1);
}

void TestInSightChart::pillars_data()
{
    QTest::addColumn<int>("solarlunar");
    QTest::addColumn<TimePoints::Record>("input");
    QTest::addColumn<int>("switch11pm");
    QTest::addColumn<QList<int>>("chacs"); // year, month, day, hour
    QTest::addColumn<int>("baseGan");

    using CalendarTestSupport::record;
    //                                                                                               己卯 丙子 戊午 戊午
    QTest::newRow("2000-01-01 12:00")     << 0 << record(2000, 1, 1, 12, 0) << 1 << QList<int>{15, 12, 54, 54} << 4;
    //                                                                                               己未 甲子
    QTest::newRow("23:30, day changes")   << 0 << record(2000, 1, 1, 23, 30) << 1 << QList<int>{15, 12, 55, 0} << 5;
    QTest::newRow("23:30, day stays")     << 0 << record(2000, 1, 1, 23, 30) << 0 << QList<int>{15, 12, 54, 0} << 4;
    //                                                                              癸卯 乙丑 (January, before 立春)
    QTest::newRow("before 立春 2024")     << 0 << record(2024, 2, 4, 16, 0) << 1 << QList<int>{39, 1, 34, 56} << 4;
    //                                                                              己卯 丁丑 丁卯 甲辰 (小寒 month)
    QTest::newRow("January, after 小寒")  << 0 << record(2000, 1, 10, 8, 0) << 1 << QList<int>{15, 13, 3, 40} << 3;
    //                                                                              甲辰 丙寅 甲辰 庚午
    QTest::newRow("lunar new year 2024")  << 1 << record(2024, 1, 1, 12, 0) << 1 << QList<int>{40, 2, 40, 6} << 0;
}

void TestInSightChart::pillars()
{
    QFETCH(int, solarlunar);
    QFETCH(TimePoints::Record, input);
    QFETCH(int, switch11pm);
    QFETCH(QList<int>, chacs);
    QFETCH(int, baseGan);
    InSight s;
    QCOMPARE(s.beginWithTime(0, solarlunar, input[0], input[1], input[2], input[3], input[4], 0, 0.0, switch11pm).toInt(), 0);
    QCOMPARE((QList<int>{s.yearChac(), s.monthChac(), s.dayChac(), s.hourChac()}), chacs);
    QCOMPARE(s.baseGan(), baseGan);
    QCOMPARE(s.totalReadyCalc(), 1);
}

// A clock time a few minutes before 惊蛰 with -0.01 day of true solar time is
// placed after the term: the month pillar moves on, day and hour do not.
void TestInSightChart::offsetCrossesAJieButNotTheClock()
{
    TimePoints::Record clock(TimePoints::recordSize, 0);
    TimePoints::getSolarCalFromJulianDayUT(TimePoints::termJd(1990, 2) - 3.0 / 1440, clock);
    InSight plain, corrected;
    QCOMPARE(plain.beginWithTime(0, 0, clock[0], clock[1], clock[2], clock[3], clock[4]).toInt(), 0);
    QCOMPARE(corrected.beginWithTime(0, 0, clock[0], clock[1], clock[2], clock[3], clock[4], 0, -0.01).toInt(), 0);
    // 庚午 year: month 1 戊寅 (14), month 2 己卯 (15).
    QCOMPARE(plain.monthChac(), 14);
    QCOMPARE(corrected.monthChac(), 15);
    QCOMPARE(corrected.yearChac(), plain.yearChac());
    QCOMPARE(corrected.dayChac(), plain.dayChac());
    QCOMPARE(corrected.hourChac(), plain.hourChac());
    QCOMPARE(corrected.jd_birthTime(), plain.jd_birthTime()); // the offset moves nothing else
    QCOMPARE(corrected.jd_JieTimeBefore(), TimePoints::termJd(1990, 2));
    QVERIFY(corrected.primaryTimePoint().ageBackward < 0); // birth before B, not clamped
}

void TestInSightChart::luckPillars_data()
{
    QTest::addColumn<TimePoints::Record>("input");
    QTest::addColumn<int>("malefemale");
    QTest::addColumn<int>("clockwise");
    QTest::addColumn<int>("dayun");
    QTest::addColumn<int>("beginYear");
    QTest::addColumn<int>("beginMonth");
    QTest::addColumn<int>("sinoYear");
    QTest::addColumn<int>("sinoMonth");
    QTest::addColumn<int>("jiaziNian");
    QTest::addColumn<int>("isPassMiddle");

    using CalendarTestSupport::record;
    // 己卯 (yin) year, 丙子 month, about 4.9 days before 小寒: forward 1.64 years, backward 8.36.
    QTest::newRow("yin year, male: backward")  << record(2000, 1, 1, 12, 0) << 0 << -1 << 11 << 2008 << 5 << 2008 << 4 << 24 << 1;
    QTest::newRow("yin year, female: forward") << record(2000, 1, 1, 12, 0) << 1 << 1 << 13 << 2001 << 8 << 2001 << 7 << 17 << 1;
    // 戊子 (yang) year, 癸亥 month (立冬 month), 16.5 days before 大雪 in a month of
    // 29.7 days, before 小雪: male forward, 5.56 years, wraps to 甲子; mid-June 2014.
    QTest::newRow("癸亥 month forward")        << record(2008, 11, 20, 12, 0) << 0 << 1 << 0 << 2014 << 6 << 2014 << 5 << 30 << 0;
    // 戊子 year, 甲子 month (大雪 month), 13.5 days after 大雪 in a month of 29.5
    // days, before 冬至: female backward, 4.58 years, wraps to 癸亥; July 2013.
    QTest::newRow("甲子 month backward")       << record(2008, 12, 20, 12, 0) << 1 << -1 << 59 << 2013 << 7 << 2013 << 6 << 29 << 0;
}

void TestInSightChart::luckPillars()
{
    QFETCH(TimePoints::Record, input);
    QFETCH(int, malefemale);
    QFETCH(int, clockwise);
    QFETCH(int, dayun);
    QFETCH(int, beginYear);
    QFETCH(int, beginMonth);
    QFETCH(int, sinoYear);
    QFETCH(int, sinoMonth);
    QFETCH(int, jiaziNian);
    QFETCH(int, isPassMiddle);
    InSight s;
    QCOMPARE(s.beginWithTime(malefemale, 0, input[0], input[1], input[2], input[3], input[4]).toInt(), 0);
    QCOMPARE(s.malefemale(), malefemale);
    QCOMPARE(s.clockwise(), clockwise);
    QCOMPARE(s.dayunJiaZiofBegin(), dayun);
    const TimePoints &p = s.primaryTimePoint();
    const double age = clockwise == 1 ? p.ageForward : p.ageBackward;
    QCOMPARE(s.ageOfBegin(), std::floor(age * 100 + 0.5) / 100);
    QVERIFY(qAbs(s.ageOfBegin() - age) <= 0.005);
    QCOMPARE(s.jd_dateBeginDY(), clockwise == 1 ? p.jdBeginForward : p.jdBeginBackward);
    QCOMPARE(s.solarYearOfBegin(), beginYear);
    QCOMPARE(s.solarMonthOfBegin(), beginMonth);
    QCOMPARE(s.sinoYearOfBegin(), sinoYear);
    QCOMPARE(s.sinoMonthOfBegin(), sinoMonth);
    QCOMPARE(s.jiaziNianOfBegin(), jiaziNian);
    QCOMPARE(s.isPassMiddleTerm(), isPassMiddle);
    QCOMPARE(s.jd_QiTimeMiddle(), p.jdQiMiddle);
}

void TestInSightChart::refreshSignalOrder()
{
    InSight s;
    SignalRecorder recorder(s);
    QCOMPARE(s.beginWithTime(1, 0, 1990, 5, 17, 8, 0).toInt(), 0);
    const QStringList expected = {
        "baseGanChanged", "malefemaleChanged", "clockwiseChanged", "ageOfBeginChanged", "solarYearOfBeginChanged",
        "solarMonthOfBeginChanged", "solarDayOfBeginChanged", "sinoYearOfBeginChanged", "sinoMonthOfBeginChanged",
        "jiaziNianOfBeginChanged", "dayunJiaZiofBeginChanged", "jd_dateBeginDYChanged", "yearChacChanged",
        "monthChacChanged", "dayChacChanged", "hourChacChanged", "thisSolarDateStrChanged",
        "thisLunarDateStrChanged", "thisSolarDateStrIntChanged", "thisLunarDateStrIntChanged",
        "alternativeSolarDateStr2Changed", "alternativeLunarDateStr2Changed", "alternativeSolarDateStr2IntChanged",
        "alternativeLunarDateStr2IntChanged", "alternativeSolarDateStr3Changed", "alternativeLunarDateStr3Changed",
        "alternativeSolarDateStr3IntChanged", "alternativeLunarDateStr3IntChanged", "ytgChengCntChanged",
        "isPassMiddleTermChanged", "jd_birthTimeChanged", "jd_JieTimeBeforeChanged", "jd_QiTimeMiddleChanged",
        "jd_JieTimeAfterChanged", "startAgeYearsChanged", "startAgeMonthsChanged", "startAgeDaysChanged",
        "hourOfBeginChanged", "minuteOfBeginChanged", "lifePalaceChacChanged", "conceptionChacChanged",
        "bodyPalaceChacChanged", "totalReadyCalcChanged"};
    QCOMPARE(recorder.names, expected);
    // The same again: every signal is emitted whether or not its value changed.
    recorder.names.clear();
    QCOMPARE(s.beginWithTime(1, 0, 1990, 5, 17, 8, 0).toInt(), 0);
    QCOMPARE(recorder.names, expected);

    recorder.names.clear();
    QCOMPARE(s.reinitAllTimepoints().toInt(), 0);
    QCOMPARE(recorder.names, (QStringList{
        "thisSolarDateStrChanged", "thisLunarDateStrChanged", "thisSolarDateStrIntChanged",
        "thisLunarDateStrIntChanged", "alternativeSolarDateStr2Changed", "alternativeLunarDateStr2Changed",
        "alternativeSolarDateStr2IntChanged", "alternativeLunarDateStr2IntChanged",
        "alternativeSolarDateStr3Changed", "alternativeLunarDateStr3Changed", "alternativeSolarDateStr3IntChanged",
        "alternativeLunarDateStr3IntChanged", "timepointCntChanged", "ytgChengCntChanged",
        "totalReadyCalcChanged"}));
}

// 命宫 and 身宫 take the 卯 and 酉 hours from the month counted back from 子,
// their stems by the month-stem rule; 胎元 is one stem and three branches on.
void TestInSightChart::derivedPillars_data()
{
    QTest::addColumn<QList<int>>("birth"); // gender code, y, m, d, h, minute
    QTest::addColumn<QString>("lifePalace");
    QTest::addColumn<QString>("conception");
    QTest::addColumn<QString>("bodyPalace");
    QTest::addColumn<int>("startYears"); // -1: not checked
    QTest::addColumn<int>("startMonths");
    QTest::newRow("巳 month 辰 hour, before 小满") << QList<int>{0, 1990, 5, 17, 8, 30} << "甲申" << "壬申" << "戊寅" << 6 << 4;
    QTest::newRow("巳 month 巳 hour, past 小满")   << QList<int>{0, 1990, 5, 25, 10, 0} << "壬午" << "壬申" << "戊子" << -1 << -1;
    QTest::newRow("丑 month 子 hour, 己 year")     << QList<int>{1, 1990, 1, 10, 0, 30} << "戊辰" << "戊辰" << "甲戌" << -1 << -1;
}

void TestInSightChart::derivedPillars()
{
    QFETCH(QList<int>, birth);
    QFETCH(QString, lifePalace);
    QFETCH(QString, conception);
    QFETCH(QString, bodyPalace);
    QFETCH(int, startYears);
    QFETCH(int, startMonths);
    InSight s;
    QCOMPARE(s.lifePalaceChac(), -1);
    QCOMPARE(s.beginWithTime(birth[0], 0, birth[1], birth[2], birth[3], birth[4], birth[5]).toInt(), 0);
    QCOMPARE(Vocabulary::jiaziName(s.lifePalaceChac()), lifePalace);
    QCOMPARE(Vocabulary::jiaziName(s.conceptionChac()), conception);
    QCOMPARE(Vocabulary::jiaziName(s.bodyPalaceChac()), bodyPalace);
    // The branch named by the summary is the branch of the full pillar.
    QVERIFY(s.getEssentials().toString().contains(QStringLiteral("命宫在") + lifePalace.right(1)));
    QVERIFY(!s.getNaYinStr(s.lifePalaceChac()).toString().isEmpty());
    if (startYears >= 0) {
        QCOMPARE(s.startAgeYears(), startYears);
        QCOMPARE(s.startAgeMonths(), startMonths);
    }
    // Years, months of 30 days and days add up to the start moment, to a day.
    const double parts = s.startAgeYears() + s.startAgeMonths() / 12.0 + s.startAgeDays() / 360.0;
    QVERIFY2(std::fabs(s.jd_dateBeginDY() - s.jd_birthTime() - parts * 365.25) < 1.02,
             qPrintable(QString::number(s.jd_dateBeginDY() - s.jd_birthTime() - parts * 365.25)));
    QVERIFY(s.startAgeMonths() >= 0 && s.startAgeMonths() < 12 && s.startAgeDays() >= 0 && s.startAgeDays() < 30);
}

void TestInSightChart::failedCallChangesNothing_data()
{
    QTest::addColumn<QList<int>>("args"); // solarlunar, y, m, d, h, minute, isleap
    QTest::newRow("solarlunar 2")         << QList<int>{2, 2000, 1, 1, 12, 0, 0};
    QTest::newRow("solarlunar -1")        << QList<int>{-1, 2000, 1, 1, 12, 0, 0};
    QTest::newRow("year 1799")            << QList<int>{0, 1799, 6, 1, 12, 0, 0};
    QTest::newRow("year 2100")            << QList<int>{0, 2100, 6, 1, 12, 0, 0};
    QTest::newRow("month 13")             << QList<int>{0, 2000, 13, 1, 12, 0, 0};
    QTest::newRow("hour 24")              << QList<int>{0, 2000, 1, 1, 24, 0, 0};
    QTest::newRow("minute 60")            << QList<int>{0, 2000, 1, 1, 12, 60, 0};
    QTest::newRow("lunar day 31")         << QList<int>{1, 2000, 1, 31, 12, 0, 0};
    QTest::newRow("wrong leap flag")      << QList<int>{1, 2024, 6, 1, 12, 0, 1};
    QTest::newRow("leap on month before") << QList<int>{1, 2025, 5, 1, 12, 0, 1};
}

void TestInSightChart::failedCallChangesNothing()
{
    QFETCH(QList<int>, args);
    InSight s;
    QCOMPARE(s.beginWithTime(1, 0, 1990, 5, 17, 8, 0).toInt(), 0);
    const QVariantMap before = snapshot(s);
    AllSignals signalsSeen(s);
    QCOMPARE(s.beginWithTime(0, args[0], args[1], args[2], args[3], args[4], args[5], args[6], 0.3, 0).toInt(), -1);
    QCOMPARE(signalsSeen.total(), 0);
    QCOMPARE(snapshot(s), before);
}

void TestInSightChart::reinitClearsTextsOnly()
{
    InSight s;
    QCOMPARE(s.beginWithTime(1, 0, 1990, 5, 17, 8, 0).toInt(), 0);
    const int yearChac = s.yearChac();
    const double birth = s.jd_birthTime();
    s.reinitAllTimepoints();
    QCOMPARE(s.thisSolarDateStr(), QString());
    QCOMPARE(s.ytgChengCnt(), 70);
    QCOMPARE(s.totalReadyCalc(), 0);
    QCOMPARE(s.timepointCnt(), 0);
    QCOMPARE(s.yearChac(), yearChac);
    QCOMPARE(s.jd_birthTime(), birth);
    QCOMPARE(s.primaryTimePoint(), TimePoints());
}

// Entered as solar and as the equivalent lunar date, the birth JDs differ by
// the 20 seconds of the two biases.
void TestInSightChart::sameMomentSolarAndLunar()
{
    InSight solar, lunar;
    QCOMPARE(solar.beginWithTime(0, 0, 2024, 2, 10, 12, 0).toInt(), 0);
    QCOMPARE(lunar.beginWithTime(0, 1, 2024, 1, 1, 12, 0).toInt(), 0);
    QVERIFY(qAbs((solar.jd_birthTime() - lunar.jd_birthTime()) * 86400 - 20) < 1e-3);
    QCOMPARE(solar.thisSolarDateStr(), lunar.thisSolarDateStr());
    QCOMPARE(solar.thisLunarDateStrInt(), lunar.thisLunarDateStrInt());
    QCOMPARE(solar.hourChac(), lunar.hourChac());
}

// Date texts are written when first read: whenever that is, they are the
// texts of the chart the engine holds.
void TestInSightChart::textsReadLateAreTextsReadAtOnce_data()
{
    addStepRows();
}

void TestInSightChart::textsReadLateAreTextsReadAtOnce()
{
    QFETCH(QList<Step>, steps);
    InSight atOnce, late;
    for (const Step &step : steps) {
        applyStep(atOnce, step);
        snapshot(atOnce);
        applyStep(late, step);
    }
    QCOMPARE(snapshot(late), snapshot(atOnce));
}

// Signals of an engine nobody listened to are skipped; one connected later
// hears the next chart as one connected from the start does.
void TestInSightChart::lateListenerHearsTheNextChart_data()
{
    addStepRows();
}

void TestInSightChart::lateListenerHearsTheNextChart()
{
    QFETCH(QList<Step>, steps);
    InSight fromStart, late;
    SignalRecorder early(fromStart);
    for (const Step &step : steps) {
        applyStep(fromStart, step);
        applyStep(late, step);
    }
    SignalRecorder joined(late);
    early.names.clear();
    const Step next = {"time", 0, 0, 2008, 12, 20, 12, 0, 0};
    applyStep(fromStart, next);
    applyStep(late, next);
    QVERIFY(early.names.contains(QStringLiteral("totalReadyCalcChanged")));
    QCOMPARE(joined.names, early.names);
    QCOMPARE(snapshot(late), snapshot(fromStart));
}

QTEST_GUILESS_MAIN(TestInSightChart)
#include "tst_insight_chart.moc"
