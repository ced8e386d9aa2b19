// SPDX-License-Identifier: GPL-3.0-or-later
// The script ephemeris against the native engine: at every term moment of
// 1900-2050 the script's apparent solar longitude must be the term's
// longitude, and on every day of 1800-2099 the script's dates and the pillars
// of its solar-time correction must be the engine's.
#include <QDate>
#include <QJSValue>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>
#include <cmath>

#include "CalendarRules.h"
#include "CalendarTables.h"
#include "ServiceWiring.h"
#include "TimePoints.h"

static const char probeQml[] = R"(
import QtQml 2.15
import "qrc:/js/sxfunction.js" as Sxf
import "qrc:/js/sxfunction3.js" as Sxf3
QtObject {
    // Midnight's Julian day of a date, and the date and time of a moment.
    function julianDay(y, m, d) { return Sxf.JD(y, m, d) }
    function dateOf(jd) {
        var t = Sxf.DD(jd)
        return [t.Y, t.M, t.D, t.h, t.m]
    }
    // Pillars of a Beijing clock time at 120 degrees east by mean solar time
    // (the clock itself), 23:00 starting the next day.
    function pillarsAt(y, m, d, h, mi) {
        var out = {}
        if (Sxf3.myNewMingLiBaZi(y, m, d, h, mi, 120, out, 0, 1, 120) !== 0)
            return []
        return [out.bz_jni, out.bz_jyi, out.bz_jri, out.bz_jsi]
    }
    // Apparent solar longitude in degrees [0, 360) at a Beijing-time JD.
    function longitudeAt(jdBeijing) {
        var d = jdBeijing - 8 / 24 - Sxf.J2000
        d += Sxf.dt_T(d)
        return Sxf.rad2mrad(Sxf.S_aLon(d / 36525, -1)) * 180 / Math.PI
    }
})";

class TestScriptSolarTerms : public QObject
{
    Q_OBJECT
private slots:
    void termsAgreeWithNativeTable_data();
    void termsAgreeWithNativeTable();
    void everyDayAgreesWithTheEngine_data();
    void everyDayAgreesWithTheEngine();
};

void TestScriptSolarTerms::termsAgreeWithNativeTable_data()
{
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    for (int y = 1900; y <= 2050; y += 30)
        QTest::newRow(qPrintable(QStringLiteral("%1-%2").arg(y).arg(std::min(y + 29, 2050))))
            << y << std::min(y + 29, 2050);
}

void TestScriptSolarTerms::termsAgreeWithNativeTable()
{
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(probeQml, QUrl(QStringLiteral("qrc:/tst_script_solar_terms.qml")));
    QScopedPointer<QObject> probe(component.create());
    QVERIFY2(probe, qPrintable(component.errorString()));
    QJSValue longitudeAt = engine.newQObject(probe.data()).property(QStringLiteral("longitudeAt"));
    engine.setObjectOwnership(probe.data(), QQmlEngine::CppOwnership);

    double worst = 0;
    int checked = 0;
    for (int y = firstYear; y <= lastYear; ++y) {
        for (int p = 0; p < 24; ++p) {
            const double jd = CalendarTables::solarTerms[y - CalendarTables::firstYear][p];
            const double target = std::fmod(315.0 + 15.0 * p, 360.0);
            const double lon = longitudeAt.call({QJSValue(jd)}).toNumber();
            double diff = std::fmod(lon - target + 540.0, 360.0) - 180.0; // (-180, 180]
            diff *= 3600.0; // arcseconds
            worst = std::max(worst, std::abs(diff));
            ++checked;
            QVERIFY2(std::abs(diff) < 10.0,
                     qPrintable(QStringLiteral("year %1 term %2: %3\"").arg(y).arg(p).arg(diff)));
        }
    }
    qInfo("%d terms, largest difference %.2f\"", checked, worst);
}

void TestScriptSolarTerms::everyDayAgreesWithTheEngine_data()
{
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");
    for (int y = 1800; y < 2100; y += 50)
        QTest::newRow(qPrintable(QStringLiteral("%1-%2").arg(y).arg(y + 49))) << y << y + 49;
}

// One moment a day; the hour walks round the clock from day to day, so every
// hour branch and 23:00 with its day change is met in each month.
void TestScriptSolarTerms::everyDayAgreesWithTheEngine()
{
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);
    ServiceWiring::registerTypes(); // the script asks CalendarRules for the cycle rules
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(probeQml, QUrl(QStringLiteral("qrc:/tst_script_solar_terms.qml")));
    QScopedPointer<QObject> probe(component.create());
    QVERIFY2(probe, qPrintable(component.errorString()));
    engine.setObjectOwnership(probe.data(), QQmlEngine::CppOwnership);
    const QJSValue script = engine.newQObject(probe.data());
    QJSValue julianDay = script.property(QStringLiteral("julianDay"));
    QJSValue dateOf = script.property(QStringLiteral("dateOf"));
    QJSValue pillarsAt = script.property(QStringLiteral("pillarsAt"));

    TimePoints tp;
    int hour = 0;
    for (QDate date(firstYear, 1, 1); date.year() <= lastYear; date = date.addDays(1)) {
        const int y = date.year(), m = date.month(), d = date.day();
        hour = (hour + 5) % 24;
        const int minute = (d * 7) % 60;
        const QString when = date.toString(Qt::ISODate) + QStringLiteral(" %1:%2").arg(hour).arg(minute);
        QCOMPARE(julianDay.call({y, m, d}).toNumber(), CalendarRules::julianDay(y, m, d, 0, 0));
        QCOMPARE(tp.launchTimePointSets(0, y, m, d, hour, minute, 0, 0, 1), 0);
        // The engine's birth moment is half a minute past the clock time.
        const QJSValue shown = dateOf.call({tp.jdBirth});
        const QList<int> expectedDate{y, m, d, hour, minute};
        for (int i = 0; i < expectedDate.size(); ++i)
            QVERIFY2(shown.property(quint32(i)).toInt() == expectedDate[i], qPrintable(when));
        const QJSValue pillars = pillarsAt.call({y, m, d, hour, minute});
        QVERIFY2(pillars.property(QStringLiteral("length")).toInt() == 4, qPrintable(when));
        for (int i = 0; i < 4; ++i) {
            if (pillars.property(quint32(i)).toInt() != tp.chacs[i])
                QFAIL(qPrintable(QStringLiteral("%1 pillar %2: script %3, engine %4")
                                     .arg(when).arg(i).arg(pillars.property(quint32(i)).toInt()).arg(tp.chacs[i])));
        }
    }
}

QTEST_GUILESS_MAIN(TestScriptSolarTerms)
#include "tst_script_solar_terms.moc"
