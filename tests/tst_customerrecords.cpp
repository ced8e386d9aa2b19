// SPDX-License-Identifier: GPL-3.0-or-later
// The person-records model on real SQLite files: the table, the roles, storing
// a person, reading and updating one person, removing, and every refusal.
#include "SqloneCustomerModel.h"
#include "TestSupport.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

using TestSupport::LogCapture;

namespace {

const QString kNotApplicable = QStringLiteral("不适用");
const QString kRowCountTwo = QStringLiteral("rowCount() != 1(is 2), need to re-select by filter.");
const QString kUidMismatch = QStringLiteral("nor uid != null && uid == userid.");

QSqlDatabase userDb()
{
    return QSqlDatabase::database(QStringLiteral("userdataconnection"));
}

// One column of the stored row, read straight from the file.
QVariant stored(const QString &userid, const QString &column)
{
    QSqlQuery query(userDb());
    query.prepare(QStringLiteral("SELECT %1 FROM oneCustomer WHERE userid = ?").arg(column));
    query.addBindValue(userid);
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

int storedCount()
{
    QSqlQuery query(QStringLiteral("SELECT count(*) FROM oneCustomer"), userDb());
    return query.next() ? query.value(0).toInt() : -1;
}

void refuseInDatabase(const char *operation)
{
    QSqlQuery query(userDb());
    QVERIFY(query.exec(QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %1 ON oneCustomer "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(QLatin1String(operation))));
}

} // namespace

class TestCustomerRecords : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_fileNo = 0;
    QString m_path;

private slots:
    void init()
    {
        // A file of its own for every test function and data row.
        m_path = TestSupport::openFreshUserDatabase(m_dir, QStringLiteral("records%1.db").arg(++m_fileNo));
    }

    void createsTableWithItsText()
    {
        QVERIFY(!userDb().tables().contains(QStringLiteral("oneCustomer")));
        SqloneCustomerModel model;
        QSqlQuery query(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'oneCustomer'"), userDb());
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(),
                 QStringLiteral("CREATE TABLE 'oneCustomer' ('userid' INTEGER NOT NULL UNIQUE,'seqno' INTEGER PRIMARY KEY,"
                                "'timestamp' TEXT NOT NULL,'gender' TEXT NOT NULL,'caltype' TEXT NOT NULL,'maintime' TEXT NOT NULL,"
                                "'inputtime' TEXT NOT NULL,'mainJvalue' TEXT NOT NULL,'inputPlaceName' TEXT,'name' TEXT,"
                                "'simpenotes' TEXT,'morenotes' TEXT,'usingZty' TEXT,'usingPty' TEXT,'toChangeDay23clock' TEXT,"
                                "'usingXiaShiLingclock' TEXT,'yearChac' TEXT,'monthChac' TEXT,'dayChac' TEXT,'hourChac' TEXT,"
                                "'updateTimestamp' TEXT,'extraColumn1' TEXT,'extraColumn2' TEXT,'extraColumn3' TEXT,"
                                "'extraColumn4' TEXT,'extraColumn5' TEXT UNIQUE)"));
        QCOMPARE(model.editStrategy(), QSqlTableModel::OnManualSubmit);
    }

    void opensExistingRecords()
    {
        {
            SqloneCustomerModel creator;
        }
        QSqlQuery insert(userDb());
        QVERIFY(insert.exec(QStringLiteral(
                "INSERT INTO oneCustomer (userid, timestamp, gender, caltype, maintime, inputtime, mainJvalue, name) "
                "VALUES ('old', '2018-01-01T00:00:00.000', '1', '0', '1990/1/1/0/0', 'x', '120', '旧人')")));
        SqloneCustomerModel model;
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0, 0), Qt::UserRole + 9).toString(), QStringLiteral("旧人"));
    }

    void roleNames_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QByteArray>("name");
        const char *names[] = {"userid", "seqno", "timestamp", "gender", "caltype", "maintime", "inputtime",
                               "mainJvalue", "inputPlaceName", "name", "simpenotes", "morenotes", "usingZty",
                               "usingPty", "toChangeDay23clock", "usingXiaShiLingclock", "yearChac", "monthChac",
                               "dayChac", "hourChac", "updateTimestamp", "extraColumn1", "extraColumn2",
                               "extraColumn3", "extraColumn4", "extraColumn5"};
        int role = 256;
        for (const char *name : names)
            QTest::newRow(name) << role++ << QByteArray(name);
    }

    void roleNames()
    {
        QFETCH(int, role);
        QFETCH(QByteArray, name);
        SqloneCustomerModel model;
        const QHash<int, QByteArray> roles = model.roleNames();
        QCOMPARE(roles.size(), 26);
        QCOMPARE(roles.value(role), name);
    }

    void roleDataReadsItsColumn()
    {
        SqloneCustomerModel model;
        const QString id = TestSupport::addPerson(&model, QStringLiteral("张三"), QStringLiteral("同事"),
                                                  QStringLiteral("长注"), QStringLiteral("北京"));
        QCOMPARE(model.rowCount(), 1);
        const QModelIndex row0 = model.index(0, 5); // any column of the row
        QCOMPARE(model.data(row0, 256).toString(), id);
        QCOMPARE(model.data(row0, 264).toString(), QStringLiteral("北京"));
        QCOMPARE(model.data(row0, 265).toString(), QStringLiteral("张三"));
        QVERIFY(!model.data(row0, 256 + 26).isValid());
        QCOMPARE(model.data(model.index(0, 9), Qt::DisplayRole).toString(), QStringLiteral("张三"));
    }

    void inputTime_data()
    {
        QTest::addColumn<QString>("inputtime");
        QTest::addColumn<QString>("maintime"); // empty: refused

        QTest::newRow("hour only")       << QStringLiteral("2019年7月16日9时") << QStringLiteral("2019/7/16/9/0");
        QTest::newRow("slashes, blanks") << QStringLiteral("2019/07/16 09 05") << QStringLiteral("2019/7/16/9/5");
        QTest::newRow("minute with 分")  << QStringLiteral("2019年7月16日9时5分") << QStringLiteral("2019/7/16/9/5");
        QTest::newRow("outer blanks")    << QStringLiteral("  2019 7 16 23 59  ") << QStringLiteral("2019/7/16/23/59");
        QTest::newRow("not a number")    << QStringLiteral("abc/7/16/9") << QStringLiteral("0/7/16/9/0");
        QTest::newRow("three pieces")    << QStringLiteral("2019年7月16日") << QString();
        QTest::newRow("six pieces")      << QStringLiteral("2019 7 16 9 5 6") << QString();
        QTest::newRow("empty")           << QString() << QString();
        QTest::newRow("blanks only")     << QStringLiteral("   ") << QString();
    }

    void inputTime()
    {
        QFETCH(QString, inputtime);
        QFETCH(QString, maintime);
        SqloneCustomerModel model;
        LogCapture log;
        const QString result = model.newCustomer(1, 0, inputtime, QStringLiteral("shown"), QStringLiteral("120"),
                                                 QString(), QString(), QString(), QString(), QStringLiteral("0"),
                                                 QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                                 QString(), QString()).toString();
        if (maintime.isEmpty()) {
            QCOMPARE(result, QStringLiteral("-1"));
            QCOMPARE(storedCount(), 0);
            QCOMPARE(model.rowCount(), 0);
            QVERIFY(log.lines().join(QLatin1Char('\n')).contains(QStringLiteral(",-1")));
        } else {
            QCOMPARE(stored(result, QStringLiteral("maintime")).toString(), maintime);
            QCOMPARE(stored(result, QStringLiteral("inputtime")).toString(), QStringLiteral("shown"));
        }
    }

    void newCustomerStoresEveryField()
    {
        SqloneCustomerModel model;
        LogCapture log;
        const QString id = model.newCustomer(1, 2, QStringLiteral("2019年7月16日9时"), QStringLiteral("农历 己亥年"),
                                             QStringLiteral("116.4"), QStringLiteral("北京"), QStringLiteral("李四"),
                                             QStringLiteral("家人"), QStringLiteral("备注"), QStringLiteral("1"),
                                             QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                             QStringLiteral("3"), QStringLiteral("120")).toString();
        QVERIFY(log.contains(QStringLiteral("ok new .")));

        const QString timestamp = stored(id, QStringLiteral("timestamp")).toString();
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}$"))
                        .match(timestamp).hasMatch());
        QVERIFY(id.startsWith(QLatin1Char('{')));
        QCOMPARE(id.indexOf(QLatin1Char('}')), 37);
        QCOMPARE(id.mid(38), QLatin1Char('_') + timestamp);

        const QList<QPair<const char *, QString>> expected = {
            {"gender", "1"}, {"caltype", "2"}, {"maintime", "2019/7/16/9/0"}, {"inputtime", "农历 己亥年"},
            {"mainJvalue", "116.4"}, {"inputPlaceName", "北京"}, {"name", "李四"}, {"simpenotes", "家人"},
            {"morenotes", "备注"}, {"usingZty", "1"}, {"usingPty", "0"}, {"toChangeDay23clock", "1"},
            {"usingXiaShiLingclock", "2"}, {"extraColumn1", "3"}, {"extraColumn2", "120"}};
        for (const auto &pair : expected)
            QCOMPARE(stored(id, QLatin1String(pair.first)).toString(), pair.second);
        for (const char *empty : {"yearChac", "updateTimestamp", "extraColumn3", "extraColumn5"})
            QVERIFY(stored(id, QLatin1String(empty)).isNull());
        QVERIFY(stored(id, QStringLiteral("seqno")).toInt() > 0);
    }

    void newestFirst()
    {
        SqloneCustomerModel model;
        const QDateTime t0(QDate(2024, 3, 1), QTime(8, 0));
        model.setCurrentDateTime(t0);
        TestSupport::addPerson(&model, QStringLiteral("first"));
        model.setCurrentDateTime(t0.addMSecs(1));
        const QString second = TestSupport::addPerson(&model, QStringLiteral("second"));
        QCOMPARE(stored(second, QStringLiteral("timestamp")).toString(), t0.addMSecs(1).toString(Qt::ISODateWithMs));
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.data(model.index(0, 0), 265).toString(), QStringLiteral("second"));
        QCOMPARE(model.data(model.index(1, 0), 265).toString(), QStringLiteral("first"));
    }

    // Sound behaviour: an identifier only for a record that reached the file.
    void newCustomerRefusedByDatabase()
    {
        SqloneCustomerModel model;
        refuseInDatabase("INSERT");
        LogCapture log;
        QCOMPARE(TestSupport::addPerson(&model, QStringLiteral("nobody")), QStringLiteral("-3"));
        QCOMPARE(storedCount(), 0);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.isDirty());
        QVERIFY(!log.contains(QStringLiteral("ok new .")));
    }

    void useridProperty()
    {
        SqloneCustomerModel model;
        const QString a = TestSupport::addPerson(&model, QStringLiteral("a"));
        TestSupport::addPerson(&model, QStringLiteral("b"));
        QCOMPARE(model.rowCount(), 2);

        QSignalSpy changed(&model, &SqloneCustomerModel::useridChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setProperty("userid", a);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.rowCount(), 1);
        const int resetsAfterFirst = reset.count();
        QVERIFY(resetsAfterFirst >= 1);

        for (const QString &ignored : {a, QStringLiteral("undefined"), QString(), QStringLiteral("  \t ")}) {
            model.setUserid(ignored);
            QCOMPARE(model.userid(), a);
        }
        QCOMPARE(changed.count(), 1);
        QCOMPARE(reset.count(), resetsAfterFirst);
        QCOMPARE(model.rowCount(), 1);
    }

    void getCustInfoByStrName()
    {
        SqloneCustomerModel model;
        const QString a = TestSupport::addPerson(&model, QStringLiteral("王五"));
        TestSupport::addPerson(&model, QStringLiteral("赵六"));

        LogCapture log;
        QCOMPARE(model.getCustInfoByStrName(a, QStringLiteral("name")).toString(), kNotApplicable);
        QVERIFY(log.contains(kRowCountTwo));

        model.setUserid(a);
        QCOMPARE(model.getCustInfoByStrName(a, QStringLiteral("name")).toString(), QStringLiteral("王五"));
        QCOMPARE(model.getCustInfoByStrName(a, QStringLiteral("maintime")).toString(), QStringLiteral("2019/7/16/9/5"));
        QVERIFY(!model.getCustInfoByStrName(a, QStringLiteral("noSuchColumn")).isValid());

        log.clear();
        QCOMPARE(model.getCustInfoByStrName(QStringLiteral("other"), QStringLiteral("name")).toString(), kNotApplicable);
        QVERIFY(log.contains(kUidMismatch));
    }

    void updateCustInfoByStrName()
    {
        SqloneCustomerModel model;
        const QString a = TestSupport::addPerson(&model, QStringLiteral("甲"));
        TestSupport::addPerson(&model, QStringLiteral("乙"));

        LogCapture log;
        QVERIFY(!model.updateCustInfoByStrName(a, QStringLiteral("name"), QStringLiteral("x")));
        QVERIFY(log.contains(kRowCountTwo));

        model.setUserid(a);
        log.clear();
        QVERIFY(model.updateCustInfoByStrName(a, QStringLiteral("name"), QStringLiteral("甲改")));
        QVERIFY(log.contains(QStringLiteral("update record successfully.")));
        QCOMPARE(stored(a, QStringLiteral("name")).toString(), QStringLiteral("甲改"));
        QCOMPARE(model.getCustInfoByStrName(a, QStringLiteral("name")).toString(), QStringLiteral("甲改"));
        QCOMPARE(stored(a, QStringLiteral("inputPlaceName")).toString(), QString()); // untouched

        for (const QString &guarded : {QStringLiteral("maintime"), QStringLiteral("inputtime")}) {
            log.clear();
            QVERIFY(!model.updateCustInfoByStrName(a, guarded, QStringLiteral("2000/1/1/0/0")));
            QVERIFY(log.contains(QStringLiteral("to use other function instead.")));
        }
        QCOMPARE(stored(a, QStringLiteral("maintime")).toString(), QStringLiteral("2019/7/16/9/5"));

        log.clear();
        QVERIFY(!model.updateCustInfoByStrName(QStringLiteral("other"), QStringLiteral("name"), QStringLiteral("x")));
        QVERIFY(log.contains(kUidMismatch));
        // Sound behaviour: a column that does not exist is a refusal, not a success.
        QVERIFY(!model.updateCustInfoByStrName(a, QStringLiteral("noSuchColumn"), QStringLiteral("x")));
        QCOMPARE(stored(a, QStringLiteral("name")).toString(), QStringLiteral("甲改"));
    }

    void updateCustInputTime()
    {
        SqloneCustomerModel model;
        const QString a = TestSupport::addPerson(&model, QStringLiteral("甲"));
        model.setUserid(a);
        QVERIFY(model.updateCustInputTime(a, QStringLiteral("2020年1月2日3时4分")));
        QCOMPARE(stored(a, QStringLiteral("maintime")).toString(), QStringLiteral("2020/1/2/3/4"));
        QCOMPARE(stored(a, QStringLiteral("inputtime")).toString(), QStringLiteral("2020年1月2日3时4分"));

        QVERIFY(!model.updateCustInputTime(a, QStringLiteral("2020年1月2日")));
        QVERIFY(!model.updateCustInputTime(QStringLiteral("other"), QStringLiteral("2021/1/1/1/1")));
        QCOMPARE(stored(a, QStringLiteral("maintime")).toString(), QStringLiteral("2020/1/2/3/4"));
    }

    void updateCustomer_data()
    {
        QTest::addColumn<QString>("zty");
        QTest::addColumn<QString>("pty");
        QTest::addColumn<QString>("day23");
        QTest::addColumn<QString>("xsl");
        QTest::addColumn<QString>("refusal"); // empty: accepted

        const QString length = QStringLiteral("usingZty.length() != 1 || usingPty.length() != 1");
        const QString legal = QStringLiteral("usingZty or usingPty not legal.");
        QTest::newRow("accepted")          << "1" << "0" << "1" << "0" << QString();
        QTest::newRow("any daylight text") << "0" << "1" << "0" << "夏令时 任意文字" << QString();
        QTest::newRow("day23 unchecked")   << "0" << "0" << "7" << "" << QString();
        QTest::newRow("zty two chars")     << "10" << "0" << "0" << "0" << length;
        QTest::newRow("pty empty")         << "1" << "" << "0" << "0" << length;
        QTest::newRow("day23 two chars")   << "1" << "1" << "11" << "0" << length;
        QTest::newRow("zty 2")             << "2" << "0" << "0" << "0" << legal;
        QTest::newRow("pty letter")        << "0" << "x" << "0" << "0" << legal;
    }

    void updateCustomer()
    {
        QFETCH(QString, zty);
        QFETCH(QString, pty);
        QFETCH(QString, day23);
        QFETCH(QString, xsl);
        QFETCH(QString, refusal);
        SqloneCustomerModel model;
        const QString a = TestSupport::addPerson(&model, QStringLiteral("甲")); // stored 1,0,0,0
        model.setUserid(a);
        LogCapture log;
        const bool accepted = model.updateCustomer(a, zty, pty, day23, xsl);
        QCOMPARE(accepted, refusal.isEmpty());
        if (accepted) {
            QCOMPARE(stored(a, QStringLiteral("usingZty")).toString(), zty);
            QCOMPARE(stored(a, QStringLiteral("usingPty")).toString(), pty);
            QCOMPARE(stored(a, QStringLiteral("toChangeDay23clock")).toString(), day23);
            QCOMPARE(stored(a, QStringLiteral("usingXiaShiLingclock")).toString(), xsl);
        } else {
            QVERIFY(log.contains(refusal));
            QCOMPARE(stored(a, QStringLiteral("usingZty")).toString(), QStringLiteral("1"));
            QCOMPARE(stored(a, QStringLiteral("usingPty")).toString(), QStringLiteral("0"));
        }
    }

    void updateCustomer2_data()
    {
        QTest::addColumn<QList<int>>("chacs");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("lowest")       << QList<int>{0, 0, 0, 0} << true;
        QTest::newRow("highest")      << QList<int>{59, 59, 59, 59} << true;
        QTest::newRow("mixed")        << QList<int>{35, 2, 17, 44} << true;
        QTest::newRow("year 60")      << QList<int>{60, 0, 0, 0} << false;
        QTest::newRow("month -1")     << QList<int>{0, -1, 0, 0} << false;
        QTest::newRow("day 60")       << QList<int>{0, 0, 60, 0} << false;
        QTest::newRow("hour -1")      << QList<int>{0, 0, 0, -1} << false;
    }

    void updateCustomer2()
    {
        QFETCH(QList<int>, chacs);
        QFETCH(bool, accepted);
        SqloneCustomerModel model;
        const QString a = TestSupport::addPerson(&model, QStringLiteral("甲"));
        model.setUserid(a);
        LogCapture log;
        QCOMPARE(model.updateCustomer2(a, chacs[0], chacs[1], chacs[2], chacs[3]), accepted);
        const char *columns[] = {"yearChac", "monthChac", "dayChac", "hourChac"};
        for (int i = 0; i < 4; ++i) {
            const QVariant value = stored(a, QLatin1String(columns[i]));
            if (accepted)
                QCOMPARE(value.toString(), QString::number(chacs[i]));
            else
                QVERIFY(value.isNull());
        }
        if (!accepted)
            QVERIFY(log.lines().isEmpty()); // refused without a log line
    }

    // Sound behaviour: an update the database refuses reports false.
    void updateRefusedByDatabase()
    {
        SqloneCustomerModel model;
        const QString a = TestSupport::addPerson(&model, QStringLiteral("甲"));
        model.setUserid(a);
        refuseInDatabase("UPDATE");
        QVERIFY(!model.updateCustomer2(a, 1, 2, 3, 4));
        QVERIFY(!model.updateCustInfoByStrName(a, QStringLiteral("name"), QStringLiteral("乙")));
        QVERIFY(!model.isDirty());
        QCOMPARE(stored(a, QStringLiteral("name")).toString(), QStringLiteral("甲"));
        QCOMPARE(model.getCustInfoByStrName(a, QStringLiteral("name")).toString(), QStringLiteral("甲"));
    }

    void removeItem()
    {
        SqloneCustomerModel model;
        const QDateTime t0(QDate(2024, 3, 1), QTime(8, 0));
        model.setCurrentDateTime(t0);
        const QString a = TestSupport::addPerson(&model, QStringLiteral("a"));
        model.setCurrentDateTime(t0.addMSecs(1));
        const QString b = TestSupport::addPerson(&model, QStringLiteral("b")); // row 0, the newest

        LogCapture log;
        QVERIFY(!model.removeItem(0, a));
        QVERIFY(log.contains(kUidMismatch));
        QVERIFY(!model.removeItem(7, a));
        QVERIFY(!model.removeItem(-1, a));
        QCOMPARE(storedCount(), 2);

        log.clear();
        QVERIFY(model.removeItem(0, b));
        QVERIFY(log.contains(QStringLiteral("submitAll()")));
        QCOMPARE(storedCount(), 1);
        QVERIFY(stored(b, QStringLiteral("name")).isNull());
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0, 0), 256).toString(), a);
    }

    // Sound behaviour: a deletion the database refuses reports false.
    void removeRefusedByDatabase()
    {
        SqloneCustomerModel model;
        const QString a = TestSupport::addPerson(&model, QStringLiteral("a"));
        refuseInDatabase("DELETE");
        LogCapture log;
        QVERIFY(!model.removeItem(0, a));
        QVERIFY(log.lines().join(QLatin1Char('\n')).contains(QStringLiteral("del error")));
        QCOMPARE(storedCount(), 1);
        QCOMPARE(model.rowCount(), 1);
    }

    // Sound behaviour: text is stored as typed. Qt's driver binds UTF-16, in
    // which SQLite reads a leading U+FEFF or U+FFFE as a byte-order mark.
    void textStoredAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // the text the file holds (as UTF-8)
        // What Qt's driver reads back: SQLite's UTF-16 reader turns the
        // noncharacters U+FFFE and U+FFFF into U+FFFD.
        QTest::addColumn<QString>("shown");
        const QString name = QStringLiteral("张三");
        const QString bom = QChar(0xFEFF) + name;
        const QString swapped = QChar(0xFFFE) + name;
        const QString astral = QStringLiteral("𠀀明") + QChar(0x20BB7);
        const QString lone = QChar(0xD800) + name;
        const QString replaced = QLatin1Char('?') + name; // as the records import stores it
        QTest::newRow("leading U+FEFF")             << bom     << bom      << bom;
        QTest::newRow("leading U+FFFE")             << swapped << swapped  << QChar(0xFFFD) + name;
        QTest::newRow("CJK with astral characters") << astral  << astral   << astral;
        QTest::newRow("ordinary name")              << name    << name     << name;
        QTest::newRow("lone surrogate")             << lone    << replaced << replaced;
    }

    void textStoredAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const QStringList columns = {QStringLiteral("name"), QStringLiteral("inputPlaceName"),
                                     QStringLiteral("simpenotes"), QStringLiteral("morenotes")};
        SqloneCustomerModel model;
        const QString id = TestSupport::addPerson(&model, typed, typed, QString(), typed);
        model.setUserid(id);
        QVERIFY(model.updateCustInfoByStrName(id, QStringLiteral("morenotes"), typed));
        for (const QString &column : columns)
            QCOMPARE(model.getCustInfoByStrName(id, column).toString(), shown);

        const QString connection = QStringLiteral("fresh");
        {
            QSqlDatabase fresh = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            fresh.setDatabaseName(m_path);
            QVERIFY(fresh.open());
            for (const QString &column : columns) {
                QSqlQuery query(fresh);
                QVERIFY(query.exec(QStringLiteral("SELECT typeof(%1), CAST(%1 AS BLOB), %1 FROM oneCustomer").arg(column)));
                QVERIFY(query.next());
                QCOMPARE(query.value(0).toString(), QStringLiteral("text"));
                QCOMPARE(query.value(1).toByteArray(), stored.toUtf8());
                QCOMPARE(query.value(2).toString(), shown);
            }
        }
        QSqlDatabase::removeDatabase(connection);
    }

    void modelStaysConsistent()
    {
        SqloneCustomerModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList ids;
        for (int i = 0; i < 5; ++i)
            ids << TestSupport::addPerson(&model, QStringLiteral("p%1").arg(i), QStringLiteral("同事"));
        model.setFilterMore2(QStringLiteral("同事"), QStringLiteral("p3"));
        QCOMPARE(model.rowCount(), 1);
        model.setFilterMore1(QStringLiteral("不限"));
        QCOMPARE(model.rowCount(), 5);
        QVERIFY(model.removeItem(2, model.data(model.index(2, 0), 256).toString()));
        model.setUserid(ids[0]);
        QVERIFY(model.updateCustomer2(ids[0], 1, 2, 3, 4));
        model.refresh();
        QCOMPARE(model.rowCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCustomerRecords)
#include "tst_customerrecords.moc"
