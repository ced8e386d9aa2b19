// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelfTest.h"

#include "SqloneCustomerModel.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlError>
#include <QQuickWindow>
#include <QTimer>
#include <cstdio>

namespace {
// Long enough for transitions (popups, stack pushes) to settle.
constexpr int kSettleMs = 1500;
constexpr int kQuickSettleMs = 60;

// The chart page is shown with a stored sample record, once per view.
const QStringList kChartViews = {QStringLiteral("chart-book"), QStringLiteral("chart-notes"),
                                 QStringLiteral("chart-shensha"), QStringLiteral("chart-display"),
                                 QStringLiteral("chart-layers"), QStringLiteral("chart-boundaries")};

QString storeSampleRecord()
{
    SqloneCustomerModel model;
    return model
        .newCustomer(0, 0, QStringLiteral("1990/6/15/10/30"), QStringLiteral("公历: 1990年6月15日10时30分"),
                     QStringLiteral("116.4"), QStringLiteral("北京市 东城区"), QStringLiteral("样例"), QString(),
                     QString(), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("120"))
        .toString();
}
// A birth by the clock in the last minute of the 午 double-hour, hour marked
// unknown: the chart shows a boundary warning, the rules table and the twelve
// candidates.
QString storeBoundarySampleRecord()
{
    SqloneCustomerModel model;
    const QString id = model
        .newCustomer(0, 0, QStringLiteral("2024/3/5/12/59"), QStringLiteral("公历: 2024年3月5日12时59分"),
                     QStringLiteral("116.4"), QStringLiteral("北京市 东城区"), QStringLiteral("时辰边界"), QString(),
                     QString(), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"),
                     QStringLiteral("0"), QStringLiteral("120"))
        .toString();
    model.setUserid(id);
    model.updateCustInfoByStrName(id, QStringLiteral("extraColumn4"), QStringLiteral("hour-unknown"));
    return id;
}
} // namespace

SelfTest::SelfTest(QQmlApplicationEngine *engine, bool check, const QString &screenshotDir)
    : QObject(engine), m_engine(engine), m_check(check), m_dir(screenshotDir)
{
    connect(engine, &QQmlEngine::warnings, this, [this](const QList<QQmlError> &warnings) {
        for (const QQmlError &w : warnings) {
            m_problems << w.toString();
            std::fprintf(stderr, "self-test: %s\n", qPrintable(w.toString()));
        }
    });
    connect(engine, &QQmlApplicationEngine::objectCreated, this, [this](QObject *obj) {
        if (obj)
            QTimer::singleShot(kSettleMs, this, &SelfTest::start);
    });
}

QStringList SelfTest::pageFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(":/qml"), {QStringLiteral("*.qml")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Style controls load with every page; singletons cannot be created.
        if (path.contains(QLatin1String("/MyFusion/")))
            continue;
        QFile f(path);
        if (f.open(QIODevice::ReadOnly) && f.readAll().contains("pragma Singleton"))
            continue;
        files << QStringLiteral("qrc") + path;
    }
    files.sort();
    return files;
}

void SelfTest::start()
{
    QObject *root = m_engine->rootObjects().value(0);
    if (!root) {
        QGuiApplication::exit(2);
        return;
    }
    m_steps << Step{QStringLiteral("main"), QStringLiteral("main")};
    QVariant dialogs;
    QMetaObject::invokeMethod(root, "selfTestDialogs", Q_RETURN_ARG(QVariant, dialogs));
    for (const QString &d : dialogs.toStringList())
        m_steps << Step{QStringLiteral("dialog"), d};
    for (const QString &p : pageFiles())
        m_steps << Step{QStringLiteral("page"), p};
    for (const QString &v : kChartViews)
        m_steps << Step{QStringLiteral("chart"), v};
    showNext();
}

void SelfTest::showNext()
{
    QObject *root = m_engine->rootObjects().value(0);
    if (m_shown) {
        QMetaObject::invokeMethod(root, "selfTestClose", Q_ARG(QVariant, QVariant::fromValue(m_shown)));
        m_shown = nullptr;
    }
    if (++m_index >= m_steps.size()) {
        QTimer::singleShot(kQuickSettleMs, this, &SelfTest::finish);
        return;
    }
    const Step &step = m_steps.at(m_index);
    QVariant shown;
    if (step.kind == QLatin1String("dialog"))
        QMetaObject::invokeMethod(root, "selfTestShowDialog", Q_RETURN_ARG(QVariant, shown),
                                  Q_ARG(QVariant, step.name));
    else if (step.kind == QLatin1String("page"))
        QMetaObject::invokeMethod(root, "selfTestShowPage", Q_RETURN_ARG(QVariant, shown),
                                  Q_ARG(QVariant, step.name));
    else if (step.kind == QLatin1String("chart"))
        shown = showChart(root, step.name);
    m_shown = shown.value<QObject *>();
    if ((step.kind == QLatin1String("page") || step.kind == QLatin1String("chart")) && !m_shown)
        m_problems << QStringLiteral("page not shown: ") + step.name;
    QTimer::singleShot(m_dir.isEmpty() ? kQuickSettleMs : kSettleMs, this, [this] {
        capture();
        showNext();
    });
}

QVariant SelfTest::showChart(QObject *root, const QString &view)
{
    if (m_sampleUserid.isEmpty())
        m_sampleUserid = storeSampleRecord();
    QVariant shown;
    QMetaObject::invokeMethod(root, "selfTestShowPage", Q_RETURN_ARG(QVariant, shown),
                              Q_ARG(QVariant, QStringLiteral("qrc:/qml/ComeInNext.qml")));
    QObject *page = shown.value<QObject *>();
    if (!page)
        return shown;
    const bool boundaries = view == QLatin1String("chart-boundaries");
    if (boundaries && m_boundarySampleUserid.isEmpty())
        m_boundarySampleUserid = storeBoundarySampleRecord();
    page->setProperty("theuseridpage", boundaries ? m_boundarySampleUserid : m_sampleUserid);
    page->setProperty("showShenSha", view == QLatin1String("chart-shensha"));
    if (view == QLatin1String("chart-book") || view == QLatin1String("chart-notes"))
        QMetaObject::invokeMethod(page, "showTab", Q_ARG(QVariant, view == QLatin1String("chart-notes") ? 1 : 0));
    QObject *chart = page->property("first").value<QObject *>();
    if (!chart || !chart->property("thisTotalReady").toBool())
        m_problems << QStringLiteral("chart not calculated: ") + view;
    else if (boundaries)
        chart->setProperty("showLuckRules", true);
    else if (view == QLatin1String("chart-display")) {
        chart->setProperty("showDisplay", true);
    } else if (view == QLatin1String("chart-layers")) {
        // The luck and flow lists with the navigator of all luck pillars.
        chart->setProperty("showAllWalking", true);
        QMetaObject::invokeMethod(page, "showLists", Qt::QueuedConnection);
    }
    return shown;
}

void SelfTest::capture()
{
    if (m_dir.isEmpty())
        return;
    auto *window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().value(0));
    if (!window)
        return;
    const Step &step = m_steps.at(m_index);
    QString name = step.name;
    if (step.kind == QLatin1String("page"))
        name = name.mid(QStringLiteral("qrc:/qml/").size()).chopped(4).replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString file = QDir(m_dir).filePath(QStringLiteral("%1-%2-%3.png")
                                                  .arg(m_index, 2, 10, QLatin1Char('0'))
                                                  .arg(step.kind, name));
    if (!window->grabWindow().save(file))
        m_problems << QStringLiteral("screenshot not saved: ") + file;
}

void SelfTest::finish()
{
    std::fprintf(stderr, "self-test: %d states shown, %d problems\n", int(m_steps.size()), int(m_problems.size()));
    for (const QString &p : qAsConst(m_problems))
        std::fprintf(stderr, "  %s\n", qPrintable(p));
    QGuiApplication::exit(m_check && !m_problems.isEmpty() ? 1 : 0);
}
