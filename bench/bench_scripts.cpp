// SPDX-License-Identifier: GPL-3.0-or-later
// Times the calls of the pages in the QML engine: the date dialog's solar-time
// correction per call and the numerology computation per name.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJSValue>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QtGlobal>
#include <cstdio>
#include <ctime>

#include "ServiceWiring.h"

static const char benchQml[] = R"(
import QtQml 2.15
import chattutorial 1.0
import "qrc:/qml"
QtObject {
    function solarTime(n) {
        var out = {}
        for (var i = 0; i < n; i++)
            out = CalendarRules.solarTimeCorrection(1950 + i % 100, 1 + i % 12, 1 + i % 28, i % 24, i % 60, 480, 0,
                                                    90 + i % 40, i % 2 ? "true" : "mean", 1)
        return out.pillars[2]
    }
    function names(n) {
        var list = ["张三", "欧阳修远", "王小明", "司马相如", "陈玲", "郑那胡江"]
        var r
        for (var i = 0; i < n; i++)
            r = JsxfSingleton.sxf_caige_calculate(true, false, list[i % list.length])
        return r.code
    }
})";

// The build machine is shared, so the thread's CPU time is printed beside
// the wall time; the CPU figure is the one that does not depend on load.
static double threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e9 + ts.tv_nsec;
}

static void perCall(const char *label, QJSValue fn, int n)
{
    fn.call({QJSValue(n / 10)}); // warm-up
    QElapsedTimer t;
    t.start();
    const double cpu0 = threadCpuNs();
    const QJSValue r = fn.call({QJSValue(n)});
    const double cpuUs = (threadCpuNs() - cpu0) / 1000.0 / n;
    const double wallUs = t.nsecsElapsed() / 1000.0 / n;
    if (r.isError())
        std::printf("error: %s\n", qPrintable(r.toString()));
    std::printf("%s: %.2f us CPU, %.2f us wall per call (%d calls)\n", label, cpuUs, wallUs, n);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ServiceWiring::registerTypes();
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    QQmlComponent component(&engine);
    component.setData(benchQml, QUrl(QStringLiteral("qrc:/bench_scripts.qml")));
    QObject *obj = component.create();
    if (!obj) {
        std::printf("%s\n", qPrintable(component.errorString()));
        return 1;
    }
    QJSValue root = engine.newQObject(obj);
    const int n = 20000;
    perCall("CalendarRules.solarTimeCorrection", root.property("solarTime"), n);
    perCall("calculate (sxf_caige_calculate), per name", root.property("names"), n / 4);
    return 0;
}
