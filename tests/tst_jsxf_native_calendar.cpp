// SPDX-License-Identifier: GPL-3.0-or-later
// The facade's lunar calls served by the real chart engine: the script side
// asks InSight, so its lunar dates are the native tables' dates.
#include "EasyFunction.h"
#include "ServiceWiring.h"

#include <QJSValue>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtTest>

static const char probeQml[] = R"(
import QtQml 2.15
import "qrc:/qml"
QtObject {
    function lunarInput(y, m, d, leap) {
        var out = {}
        var msg = {}
        var r = JsxfSingleton.sxf_checkAndGetLunarInput(y, m, d, leap, out, msg)
        return [r, r === 0 ? out.y + "-" + out.m + "-" + out.d : msg.str]
    }
    function lunarOf(y, m, d) {
        var out = {}
        var r = JsxfSingleton.sxf_myGetLunarBySolar(y, m, d, 12, 0, out)
        return r === 0 ? [out.y, out.m, out.d, out.leap, out.str] : [r]
    }
    function dayNames(y, m) { return JsxfSingleton.sxf_lun_lunDayStrs(y, m) }
    function dayDetails(y, m, d) { return JsxfSingleton.sxf_newShowMessD(y, m, d) }
})";

class TestJsxfNativeCalendar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void lunarInput_data();
    void lunarInput();
    void lunarOfSolar_data();
    void lunarOfSolar();
    void calendarTab();

private:
    QJSValue call(const char *fn, const QJSValueList &args)
    {
        return m_probe.property(QString::fromLatin1(fn)).call(args);
    }
    // The service object, as at start-up (term table, script conversion); it
    // outlives the engine, whose pages call it until they are gone.
    EasyFunction m_service{nullptr, nullptr};
    QQmlEngine m_engine;
    QScopedPointer<QObject> m_object;
    QJSValue m_probe;
};

void TestJsxfNativeCalendar::initTestCase()
{
    // The native types, as at start-up (the facade asks InSight and
    // CalendarRules).
    ServiceWiring::registerTypes();
    m_engine.rootContext()->setContextProperty(QStringLiteral("easyfunction"), &m_service);
    m_engine.addImportPath(QStringLiteral("qrc:/"));
    QQmlComponent component(&m_engine);
    component.setData(probeQml, QUrl(QStringLiteral("qrc:/tst_jsxf_native_calendar.qml")));
    m_object.reset(component.create());
    QVERIFY2(m_object, qPrintable(component.errorString()));
    QQmlEngine::setObjectOwnership(m_object.data(), QQmlEngine::CppOwnership);
    m_probe = m_engine.newQObject(m_object.data());
}

void TestJsxfNativeCalendar::lunarInput_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("leap");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");
    QTest::newRow("leap second month 2023") << 2023 << 2 << 1 << 1 << 0 << QStringLiteral("2023-3-22");
    QTest::newRow("leap sixth month 2025") << 2025 << 6 << 1 << 1 << 0 << QStringLiteral("2025-7-25");
    QTest::newRow("new year 2024") << 2024 << 1 << 1 << 0 << 0 << QStringLiteral("2024-2-10");
    QTest::newRow("no leap third month 2023") << 2023 << 3 << 1 << 1 << -1 << QStringLiteral("当年农历无闰三月。");
    QTest::newRow("no leap twelfth month 2023") << 2023 << 12 << 1 << 1 << -1 << QStringLiteral("当年农历无闰腊月。");
    QTest::newRow("day 30 of the 29-day leap month") << 2023 << 2 << 30 << 1 << -7 << QStringLiteral("无该农历日期。");
    QTest::newRow("leap flag on month 13") << 2023 << 13 << 1 << 1 << -4 << QStringLiteral("无该农历日期。");
}

void TestJsxfNativeCalendar::lunarInput()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(int, leap);
    QFETCH(int, result);
    QFETCH(QString, text);
    const QJSValue r = call("lunarInput", {y, m, d, leap});
    QCOMPARE(r.property(0).toInt(), result);
    QCOMPARE(r.property(1).toString(), text);
}

void TestJsxfNativeCalendar::lunarOfSolar_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("lunar");
    QTest::newRow("new year's eve 2024") << 2024 << 2 << 9 << QStringLiteral("2023/12/30/0 2023年腊月三十日");
    QTest::newRow("new year 2024") << 2024 << 2 << 10 << QStringLiteral("2024/1/1/0 2024年正月初一日");
    QTest::newRow("leap month 2023") << 2023 << 3 << 22 << QStringLiteral("2023/2/1/1 2023年闰二月初一日");
}

void TestJsxfNativeCalendar::lunarOfSolar()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(QString, lunar);
    const QJSValue r = call("lunarOf", {y, m, d});
    const QString got = QStringLiteral("%1/%2/%3/%4 %5")
                            .arg(r.property(0).toInt())
                            .arg(r.property(1).toInt())
                            .arg(r.property(2).toInt())
                            .arg(r.property(3).toInt())
                            .arg(r.property(4).toString());
    QCOMPARE(got, lunar);
}

void TestJsxfNativeCalendar::calendarTab()
{
    // February 2024: 腊月 ends on the 9th (三十), 正月 begins on the 10th.
    const QStringList days = call("dayNames", {2024, 2}).toVariant().toStringList();
    QCOMPARE(days.size(), 29);
    QCOMPARE(days.at(8), QStringLiteral("三十"));
    QCOMPARE(days.at(9), QStringLiteral("正月"));
    QCOMPARE(days.at(10), QStringLiteral("初二"));
    // 2024-02-10: a Saturday, 甲辰 year (after 立春), 丙寅 month, 甲辰 day.
    const QString details = call("dayDetails", {2024, 2, 10}).toString();
    QVERIFY2(details.startsWith(QStringLiteral("2024年2月10日 星期六<br>农历：2024年正月初一日<br>")), qPrintable(details));
    QVERIFY2(details.endsWith(QStringLiteral("甲辰年 丙寅月 甲辰日")), qPrintable(details));
}

QTEST_GUILESS_MAIN(TestJsxfNativeCalendar)
#include "tst_jsxf_native_calendar.moc"
