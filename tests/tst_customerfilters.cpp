// SPDX-License-Identifier: GPL-3.0-or-later
// The class and search filters of the person records, with texts that would
// change the meaning of a spliced query: they must match only themselves.
#include "SqloneCustomerModel.h"
#include "TestSupport.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {

// name, class note (simpenotes), long note (morenotes), place, shown time
struct Person {
    const char *name;
    const char *simpleNotes;
    const char *moreNotes;
    const char *place;
    const char *shownTime;
};

const Person kPeople[] = {
    {"张三",        "同事", "爱下棋",     "北京",   "公历 1990年1月2日 3时"},
    {"李四",        "家人", "",           "上海",   "农历 庚午年"},
    {"王五",        "同事", "家在上海",   "广州",   "公历 1985年5月6日 7时"},
    {"Alice",       "",     "likes chess", "London", "公历 2001年"},
    {"100% sure",   "测试", "",           "",       "x"},
    {"a_b",         "测试", "",           "",       "x"},
    {"O'Brien",     "测试", "",           "",       "x"},
    {"back\\slash", "测试", "",           "",       "x"},
    {"x -- y",      "测试", "",           "",       "x"},
    {"' OR 1=1 --", "' OR 1=1 --", "",    "",       "x"},
    {"陳麗華",      "",     "",           "臺北",   "公曆 1970年"},
};

QStringList namesIn(SqloneCustomerModel &model)
{
    while (model.canFetchMore())
        model.fetchMore();
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.data(model.index(row, 0), Qt::UserRole + 9).toString();
    names.sort();
    return names;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class TestCustomerFilters : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QStringList m_everyone;

private slots:
    void initTestCase()
    {
        TestSupport::openFreshUserDatabase(m_dir);
        SqloneCustomerModel model;
        for (const Person &p : kPeople) {
            const QString id = TestSupport::addPerson(&model, QString::fromUtf8(p.name), QString::fromUtf8(p.simpleNotes),
                                                      QString::fromUtf8(p.moreNotes), QString::fromUtf8(p.place),
                                                      QString::fromUtf8(p.shownTime));
            QVERIFY(id.startsWith(QLatin1Char('{')));
            m_everyone << QString::fromUtf8(p.name);
        }
        m_everyone.sort();
    }

    void classFilter_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QStringList>("expected"); // empty list: everyone

        QTest::newRow("colleagues")      << QStringLiteral("同事") << QStringList{"张三", "王五"};
        QTest::newRow("trimmed note")    << QStringLiteral("  家人 ") << QStringList{"李四"};
        QTest::newRow("all classes")     << QStringLiteral("不限") << QStringList();
        QTest::newRow("empty")           << QString() << QStringList();
        QTest::newRow("blanks only")     << QStringLiteral("   ") << QStringList();
        QTest::newRow("unknown class")   << QStringLiteral("朋友") << QStringList{QStringLiteral("<none>")};
        QTest::newRow("hostile class")   << QStringLiteral("' OR 1=1 --") << QStringList{"' OR 1=1 --"};
        QTest::newRow("quote alone")     << QStringLiteral("'") << QStringList{QStringLiteral("<none>")};
    }

    void classFilter()
    {
        QFETCH(QString, note);
        QFETCH(QStringList, expected);
        if (expected.isEmpty())
            expected = m_everyone;
        else if (expected == QStringList{QStringLiteral("<none>")})
            expected.clear();

        SqloneCustomerModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFilterMore1(note);
        QCOMPARE(namesIn(model), sorted(expected));
        model.setFilterMore2(note, QString());
        QCOMPARE(namesIn(model), sorted(expected));
    }

    void search_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("by name")             << QString() << QStringLiteral("三") << QStringList{"张三"};
        QTest::newRow("by shown time")       << QString() << QStringLiteral("1985") << QStringList{"王五"};
        QTest::newRow("by place")            << QString() << QStringLiteral("上海") << QStringList{"李四", "王五"};
        QTest::newRow("by long note")        << QString() << QStringLiteral("下棋") << QStringList{"张三"};
        QTest::newRow("ASCII ignores case")  << QString() << QStringLiteral("CHESS") << QStringList{"Alice"};
        QTest::newRow("trimmed search")      << QString() << QStringLiteral("  alice ") << QStringList{"Alice"};
        QTest::newRow("class not searched")  << QString() << QStringLiteral("家人") << QStringList{};
        QTest::newRow("class and search")    << QStringLiteral("同事") << QStringLiteral("上海") << QStringList{"王五"};
        QTest::newRow("all classes, search") << QStringLiteral("不限") << QStringLiteral("上海") << QStringList{"李四", "王五"};
        QTest::newRow("percent literally")   << QString() << QStringLiteral("%") << QStringList{"100% sure"};
        QTest::newRow("underscore literally") << QString() << QStringLiteral("_") << QStringList{"a_b"};
        QTest::newRow("quote literally")     << QString() << QStringLiteral("'") << QStringList{"O'Brien", "' OR 1=1 --"};
        QTest::newRow("O'Brien")             << QString() << QStringLiteral("O'Brien") << QStringList{"O'Brien"};
        QTest::newRow("backslash literally") << QString() << QStringLiteral("\\") << QStringList{"back\\slash"};
        QTest::newRow("comment dashes")      << QString() << QStringLiteral("--") << QStringList{"x -- y", "' OR 1=1 --"};
        QTest::newRow("hostile search")      << QString() << QStringLiteral("' OR 1=1 --") << QStringList{"' OR 1=1 --"};
        QTest::newRow("hostile, no match")   << QString() << QStringLiteral("zz' OR 'a'='a") << QStringList{};
        QTest::newRow("hostile in both")     << QStringLiteral("' OR 1=1 --") << QStringLiteral("' OR 1=1 --")
                                             << QStringList{"' OR 1=1 --"};
        QTest::newRow("Traditional finds Simplified") << QString() << QStringLiteral("張三") << QStringList{"张三"};
        QTest::newRow("Simplified finds Traditional") << QString() << QStringLiteral("陈丽华") << QStringList{"陳麗華"};
        QTest::newRow("place, other script") << QString() << QStringLiteral("台北") << QStringList{"陳麗華"};
        QTest::newRow("shown time, both scripts") << QString() << QStringLiteral("公历") << QStringList{"Alice", "张三", "王五", "陳麗華"};
        QTest::newRow("statement end")       << QString() << QStringLiteral("'); DROP TABLE oneCustomer; --")
                                             << QStringList{};
    }

    void search()
    {
        QFETCH(QString, note);
        QFETCH(QString, search);
        QFETCH(QStringList, expected);
        SqloneCustomerModel model;
        model.setFilterMore2(note, search);
        QCOMPARE(namesIn(model), sorted(expected));
        // Nothing was dropped or changed on the way.
        model.setFilterMore2(QString(), QString());
        QCOMPARE(namesIn(model), m_everyone);
    }

    void hostileUserid()
    {
        SqloneCustomerModel model;
        model.setUserid(QStringLiteral("' OR 1=1 --"));
        QCOMPARE(model.rowCount(), 0);
        model.setUserid(QStringLiteral("x') OR ('1'='1"));
        QCOMPARE(model.rowCount(), 0);
    }

    void filtersReplaceEachOther()
    {
        SqloneCustomerModel model;
        model.setFilterMore1(QStringLiteral("同事"));
        const QString id = model.data(model.index(0, 0), Qt::UserRole).toString();
        model.setUserid(id);
        QCOMPARE(model.rowCount(), 1);
        model.setFilterMore2(QStringLiteral("不限"), QString());
        QCOMPARE(namesIn(model), m_everyone);
        model.setFilterMore2(QStringLiteral("家人"), QString());
        model.refresh();
        QCOMPARE(namesIn(model), QStringList{"李四"});
    }
};

QTEST_GUILESS_MAIN(TestCustomerFilters)
#include "tst_customerfilters.moc"
