// SPDX-License-Identifier: GPL-3.0-or-later
// The relation engine as the pages see it: argument checks, the change counter,
// signals and their order, property writes, the QML call forms and the log line.
#include "ShenShaTestSupport.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QtTest>

using namespace ShenShaTest;

namespace {

QStringList allNotifySignals()
{
    QStringList names;
    for (int column = 0; column < 10; ++column)
        names << QStringLiteral("zhu%1Changed").arg(column);
    for (int column = 0; column < 10; ++column)
        names << QStringLiteral("zhu%1_basicChanged").arg(column);
    names << QStringLiteral("tagForChangedCntChanged");
    return names;
}

} // namespace

class TestShenShaObject : public QObject
{
    Q_OBJECT
private:
    // Emission order of all notify signals during one call.
    QStringList m_order;
    void record(GetShenShaRelations &relations)
    {
        for (const QString &name : allNotifySignals()) {
            const QByteArray signature = "2" + name.toLatin1() + "()";
            connect(&relations, signature.constData(), this, SLOT(noted()));
        }
    }

public slots: // not a test function
    void noted()
    {
        const int index = senderSignalIndex();
        m_order << QString::fromLatin1(sender()->metaObject()->method(index).name());
    }

private slots:
    void initTestCase() { quietLog(); }
    void init() { m_order.clear(); }
    void cleanup() { AppLog::setSaving(0); }

    void signalsDeclaredInOrder()
    {
        const QMetaObject &meta = GetShenShaRelations::staticMetaObject;
        QStringList declared;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
            if (meta.method(i).methodType() == QMetaMethod::Signal)
                declared << QString::fromLatin1(meta.method(i).name());
        }
        QCOMPARE(declared, allNotifySignals());
    }

    // Basic rows first, then the relation lists, the counter last.
    void signalsEmittedInOrder()
    {
        GetShenShaRelations relations;
        record(relations);
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲子 丙寅 丁卯 庚子"))), 0);
        QStringList expected;
        for (int column = 0; column < 10; ++column)
            expected << QStringLiteral("zhu%1_basicChanged").arg(column);
        for (int column = 0; column < 10; ++column)
            expected << QStringLiteral("zhu%1Changed").arg(column);
        expected << QStringLiteral("tagForChangedCntChanged");
        QCOMPARE(m_order, expected);
    }

    void sameCallTwiceGivesSameListsAndAllSignals()
    {
        GetShenShaRelations relations;
        record(relations);
        const QVector<int> chart = pillars(QStringLiteral("甲子 丙寅 戊辰 庚申 丁卯 癸亥"));
        QCOMPARE(compute(relations, chart), 0);
        const QStringList first = snapshot(relations);
        QCOMPARE(compute(relations, chart), 0);
        QCOMPARE(snapshot(relations), first);
        QCOMPARE(m_order.size(), 42);
        QCOMPARE(relations.tagForChangedCnt(), 2);
    }

    void counterWrapsAtHundred()
    {
        GetShenShaRelations relations;
        QVERIFY(relations.setProperty("tagForChangedCnt", 98));
        QCOMPARE(relations.updateShenShaRel(0, 1, 2, 3).toInt(), 0);
        QCOMPARE(relations.tagForChangedCnt(), 99);
        QCOMPARE(relations.updateShenShaRel(0, 1, 2, 3).toInt(), 0);
        QCOMPARE(relations.tagForChangedCnt(), 0);
        QCOMPARE(relations.property("tagForChangedCnt").toInt(), 0);
        QCOMPARE(relations.updateShenShaRel(0, 1, 2, 3).toInt(), 0);
        QCOMPARE(relations.tagForChangedCnt(), 1);
    }

    void refused_data()
    {
        QTest::addColumn<QVector<int>>("args");
        QTest::newRow("year -1") << QVector<int>{-1, 2, 4, 56};
        QTest::newRow("month 60") << QVector<int>{0, 60, 4, 56};
        QTest::newRow("day -5") << QVector<int>{0, 2, -5, 56};
        QTest::newRow("hour 60") << QVector<int>{0, 2, 4, 60};
        QTest::newRow("luck 60") << QVector<int>{0, 2, 4, 56, 60};
        QTest::newRow("flow year -2") << QVector<int>{0, 2, 4, 56, 3, -2};
        QTest::newRow("flow month 100") << QVector<int>{0, 2, 4, 56, 3, 59, 100};
        QTest::newRow("flow day -60") << QVector<int>{0, 2, 4, 56, 3, 59, 55, -60};
        QTest::newRow("life palace -2") << QVector<int>{0, 2, 4, 56, -1, -1, -1, -1, -2};
        QTest::newRow("conception 60") << QVector<int>{0, 2, 4, 56, -1, -1, -1, -1, 13, 60};
    }
    void refused()
    {
        QFETCH(QVector<int>, args);
        GetShenShaRelations relations;
        QCOMPARE(compute(relations, pillars(QStringLiteral("甲子 丙寅 戊辰 庚申 丁卯 癸亥 己未 辛酉 丁丑 丁巳"))), 0);
        const QStringList before = snapshot(relations);
        record(relations);
        AppLog::clear();
        AppLog::setSaving(1);
        QCOMPARE(compute(relations, args), -1);
        AppLog::setSaving(0);
        QCOMPARE(snapshot(relations), before);
        QCOMPARE(relations.tagForChangedCnt(), 1);
        QCOMPARE(m_order, QStringList());
        QCOMPARE(AppLog::buffer(), QString()); // not even the warning line
    }

    // QML may pass 4 to 10 arguments; the missing ones are absent columns.
    void callableWithFourToTenArguments()
    {
        GetShenShaRelations relations;
        QVariant result;
        QVERIFY(QMetaObject::invokeMethod(&relations, "updateShenShaRel", Q_RETURN_ARG(QVariant, result),
                                          Q_ARG(int, 0), Q_ARG(int, 2), Q_ARG(int, 4), Q_ARG(int, 56)));
        QCOMPARE(result.toInt(), 0);
        QCOMPARE(relations.basic(4), QStringList());
        QVERIFY(QMetaObject::invokeMethod(&relations, "updateShenShaRel", Q_RETURN_ARG(QVariant, result),
                                          Q_ARG(int, 0), Q_ARG(int, 2), Q_ARG(int, 4), Q_ARG(int, 56),
                                          Q_ARG(int, 3), Q_ARG(int, -1), Q_ARG(int, 55)));
        QCOMPARE(result.toInt(), 0);
        QCOMPARE(relations.basic(4).first(), QStringLiteral("大<br>运|丁|卯|4"));
        QCOMPARE(relations.basic(5), QStringList());
        QCOMPARE(relations.basic(6).first(), QStringLiteral("流<br>月|己|未|6"));
        QVERIFY(QMetaObject::invokeMethod(&relations, "updateShenShaRel", Q_RETURN_ARG(QVariant, result),
                                          Q_ARG(int, 0), Q_ARG(int, 2), Q_ARG(int, 4), Q_ARG(int, 56),
                                          Q_ARG(int, 60)));
        QCOMPARE(result.toInt(), -1);
    }

    // A write stores and announces only a different value.
    void propertyWritesAnnounceChangesOnly_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("zhu3") << QByteArray("zhu3") << QVariant(QStringList{"0|23|2"});
        QTest::newRow("zhu9_basic") << QByteArray("zhu9_basic") << QVariant(QStringList{"a", "b"});
        QTest::newRow("tagForChangedCnt") << QByteArray("tagForChangedCnt") << QVariant(42);
    }
    void propertyWritesAnnounceChangesOnly()
    {
        QFETCH(QByteArray, property);
        QFETCH(QVariant, value);
        GetShenShaRelations relations;
        record(relations);
        QVERIFY(relations.setProperty(property.constData(), value));
        QVERIFY(relations.setProperty(property.constData(), value));
        QCOMPARE(relations.property(property.constData()), value);
        QCOMPARE(m_order, QStringList{QString::fromLatin1(property) + QStringLiteral("Changed")});
    }

    void warningLineNamesFlowMonthAndDay_data()
    {
        QTest::addColumn<QVector<int>>("args");
        QTest::addColumn<QString>("line");
        QTest::newRow("four arguments") << QVector<int>{0, 2, 4, 56} << "n6,n7: -1 , -1";
        QTest::newRow("flow month and day") << QVector<int>{0, 2, 4, 56, 3, 59, 55, 57} << "n6,n7: 55 , 57";
    }
    void warningLineNamesFlowMonthAndDay()
    {
        QFETCH(QVector<int>, args);
        QFETCH(QString, line);
        GetShenShaRelations relations;
        AppLog::clear();
        AppLog::setSaving(1);
        QCOMPARE(compute(relations, args), 0);
        AppLog::setSaving(0);
        const QStringList lines = AppLog::buffer().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().section(QLatin1String(" ("), 0, 0), line);
    }
};

QTEST_GUILESS_MAIN(TestShenShaObject)
#include "tst_shensha_object.moc"
