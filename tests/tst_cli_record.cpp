// SPDX-License-Identifier: GPL-3.0-or-later
// A stored record charted the way the chart page does it (the record's
// columns read through the model, then ChartCalculation::calculateRecord) and
// by `qingyao-cli chart --record`: both must give the same chart.
#include "ChartCalculation.h"
#include "InSight.h"
#include "SqloneCustomerModel.h"
#include "TestSupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

class TestCliRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageAndCommandLineAgree_data();
    void pageAndCommandLineAgree();

private:
    QTemporaryDir m_dir;
    QString m_db;
    QString m_cli;
};

void TestCliRecord::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_db = TestSupport::openFreshUserDatabase(m_dir);
    m_cli = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../qingyao-cli"));
    QVERIFY2(QFile::exists(m_cli), qPrintable(m_cli));
}

void TestCliRecord::pageAndCommandLineAgree_data()
{
    // caltype, maintime, longitude, usingZty, usingPty, day23, xsl switch,
    // xsl type, zone longitude, zone (extraColumn3), words (extraColumn4)
    QTest::addColumn<QStringList>("r");
    QTest::newRow("New York summer, true time")
        << QStringList{"0", "1985/7/4/10/0", "-74.006", "1", "0", "1", "0", "-1", "-75", "America/New_York", ""};
    QTest::newRow("New York gap, summer reading")
        << QStringList{"0", "2021/3/14/2/30", "-74.006", "0", "0", "1", "0", "-1", "-75", "America/New_York", "daylight"};
    QTest::newRow("London, override off")
        << QStringList{"0", "1990/7/1/23/30", "-0.13", "0", "1", "0", "0", "-1", "0", "Europe/London", "off"};
    QTest::newRow("old record abroad, no zone")
        << QStringList{"0", "1990/7/1/9/15", "-73.9", "0", "1", "1", "1", "-1", "-75", "", ""};
    QTest::newRow("Ürümqi on Beijing time")
        << QStringList{"0", "2024/2/4/17/30", "87.6", "1", "0", "1", "0", "0", "120", "", ""};
    QTest::newRow("mainland 1988, switch on")
        << QStringList{"1", "1988/5/18/11/30", "116.4", "0", "0", "1", "1", "0", "120", "Asia/Shanghai", ""};
    QTest::newRow("lunar leap month, Taipei")
        << QStringList{"2", "2020/4/1/10/30", "121.5", "1", "0", "1", "0", "2", "120", "Asia/Taipei", ""};
}

void TestCliRecord::pageAndCommandLineAgree()
{
    QFETCH(QStringList, r);
    SqloneCustomerModel model;
    const QString id = model.newCustomer(0, r[0].toInt(), r[1], QStringLiteral("公历"), r[2], QStringLiteral("测试地"),
                                         QStringLiteral("测试"), QString(), QString(), r[3], r[4], r[5], r[6], r[7],
                                         r[8]).toString();
    QVERIFY2(id.size() > 6, qPrintable(id));
    model.setUserid(id);
    QVERIFY(model.updateCustInfoByStrName(id, QStringLiteral("extraColumn3"), r[9]));
    QVERIFY(model.updateCustInfoByStrName(id, QStringLiteral("extraColumn4"), r[10]));

    // The columns the chart page reads (js/chartCalculation.js readRecord).
    QVariantMap record;
    for (const char *f : {"maintime", "gender", "caltype", "usingZty", "usingPty", "toChangeDay23clock",
                          "usingXiaShiLingclock", "extraColumn1", "mainJvalue", "extraColumn2", "extraColumn3",
                          "extraColumn4"})
        record.insert(QLatin1String(f), model.getCustInfoByStrName(id, QLatin1String(f)));
    ChartCalculation calc;
    InSight page;
    const QVariantMap result = calc.calculateRecord(record, QVariantMap{{QStringLiteral("recal"), 0}}, &page);
    QVERIFY2(result.value(QStringLiteral("ok")).toBool(), qPrintable(result.value(QStringLiteral("reason")).toString()));

    QProcess p;
    p.start(m_cli, {QStringLiteral("chart"), QStringLiteral("--record"), id, QStringLiteral("--db"), m_db,
                    QStringLiteral("--json")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QJsonObject cli = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    QVERIFY(!cli.isEmpty());

    for (const char *key : {"yearChac", "monthChac", "dayChac", "hourChac", "clockwise", "ageOfBegin",
                            "jd_dateBeginDY", "dayunJiaZiofBegin", "solarYearOfBegin", "solarMonthOfBegin",
                            "solarDayOfBegin", "sinoYearOfBegin", "jiaziNianOfBegin", "thisSolarDateStr"})
        QCOMPARE(cli.value(QLatin1String(key)).toVariant(), page.property(key));
    // Every luck row of the page from the command line's start values.
    const QVariantList luck = result.value(QStringLiteral("luck")).toList();
    QCOMPARE(luck.size(), 10);
    for (int i = 0; i < luck.size(); ++i) {
        const QVariantMap row = luck.at(i).toMap();
        const int chac = ((cli.value(QStringLiteral("dayunJiaZiofBegin")).toInt()
                           + cli.value(QStringLiteral("clockwise")).toInt() * i) % 60 + 60) % 60;
        QCOMPARE(row.value(QStringLiteral("chac")).toInt(), chac);
        QCOMPARE(row.value(QStringLiteral("solarYear")).toInt(), cli.value(QStringLiteral("solarYearOfBegin")).toInt() + 10 * i);
    }
    // The same chain.
    const QVariantMap chain = result.value(QStringLiteral("chain")).toMap();
    const QJsonObject moment = cli.value(QStringLiteral("moment")).toObject();
    for (const QString &key : moment.keys())
        QCOMPARE(moment.value(key).toVariant(), chain.value(key));
}

QTEST_GUILESS_MAIN(TestCliRecord)
#include "tst_cli_record.moc"
