// SPDX-License-Identifier: GPL-3.0-or-later
// The script ephemeris against the native solar-term table: at every term
// moment of 1900-2050 the script's apparent solar longitude must be the term's
// longitude, so script-side pillars and native terms cannot disagree.
#include <QJSValue>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtTest>
#include <cmath>

#include "CalendarTables.h"

static const char probeQml[] = R"(
import QtQml 2.15
import "qrc:/js/sxfunction.js" as Sxf
QtObject {
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

QTEST_GUILESS_MAIN(TestScriptSolarTerms)
#include "tst_script_solar_terms.moc"
