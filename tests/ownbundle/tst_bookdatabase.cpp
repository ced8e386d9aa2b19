// SPDX-License-Identifier: GPL-3.0-or-later
// The book database: built in memory from a script (cut at ";", failing
// pieces skipped), its result codes, and the paragraph look-up of
// SqlBookDataModel by book name and up to three indexes.
#include "DatabaseConnections.h"
#include "SqlBookDataModel.h"
#include "TestSupport.h"

#include <QAbstractItemModelTester>
#include <QSqlQuery>
#include <QtTest>

using TestSupport::LogCapture;

namespace {

const QString kNotApplicable = QStringLiteral("不适用");
const char *const kCreate =
        "CREATE TABLE `bookData` (`seqid` INTEGER NOT NULL, `bookname` TEXT NOT NULL, `idx01` TEXT NOT NULL, "
        "`idx02` TEXT, `idx03` TEXT, `idx04` TEXT, `idx05` TEXT, `content01` TEXT, `content02` TEXT, "
        "`content03` TEXT, `content04` TEXT, `content05` TEXT, PRIMARY KEY(`seqid`));\n";

QSqlDatabase bookDb()
{
    return QSqlDatabase::database(QStringLiteral("funcdataconnection"));
}

int bookRows()
{
    QSqlQuery query(QStringLiteral("SELECT count(*) FROM bookData"), bookDb());
    return query.next() ? query.value(0).toInt() : -1;
}

QString insert(int seqid, const QString &book, const QString &i1, const QString &i2, const QString &i3,
               const QString &content)
{
    const auto text = [](const QString &v) { return v.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + v + QLatin1Char('\''); };
    return QStringLiteral("INSERT INTO `bookData` (`seqid`,`bookname`,`idx01`,`idx02`,`idx03`,`idx04`,`idx05`,"
                          "`content01`,`content02`,`content03`,`content04`,`content05`) "
                          "VALUES (%1,%2,%3,%4,%5,NULL,NULL,%6,NULL,NULL,NULL,NULL);\n")
            .arg(seqid).arg(text(book), text(i1), text(i2), text(i3), text(content));
}

// Some of the program's books with their index schemes, each paragraph naming
// its own indexes so a look-up shows which row it found.
QString booksScript()
{
    QString script = QString::fromLatin1(kCreate);
    int seq = 1;
    for (int stem = 0; stem < 10; ++stem)
        script += insert(seq++, QStringLiteral("ShiGanTiXiang"), QString::number(stem), QString(), QString(),
                         QStringLiteral("stem %1").arg(stem));
    for (int stem = 0; stem < 10; ++stem)
        for (int month = 0; month < 12; ++month)
            script += insert(seq++, QStringLiteral("baojian"), QString::number(stem), QString::number(month), QString(),
                             stem == 0 && month == 0 ? QStringLiteral("s1p1甲木生于寅月p2s2")
                                                     : QStringLiteral("baojian %1 %2").arg(stem).arg(month));
    for (int stem = 0; stem < 10; ++stem)
        for (int month = 0; month < 12; ++month)
            for (int hour = 0; hour < 12; ++hour)
                script += insert(seq++, QStringLiteral("WQLTiYao"), QString::number(stem), QString::number(month),
                                 QString::number(hour), QStringLiteral("wql %1 %2 %3").arg(stem).arg(month).arg(hour));
    script += insert(seq++, QStringLiteral("YuanTianGCheng"), QStringLiteral("4"), QStringLiteral("3"), QString(),
                     QStringLiteral("<s1><p1>四两三钱<p2><s2>"));
    script += insert(seq++, QStringLiteral("ShiErZhiYong"), QStringLiteral("0"), QString(), QString(), QString());
    script += QStringLiteral("CREATE INDEX `idxbookname` ON `bookData` (`bookname`);\n"
                             "CREATE INDEX `idxidx01` ON `bookData` (`idx01`);\n");
    return script;
}

} // namespace

class TestBookDatabase : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString writeScript(const QString &name, const QString &text)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        file.write(text.toUtf8());
        return path;
    }

private slots:
    void bundledScript()
    {
        LogCapture log;
        QCOMPARE(DatabaseConnections::buildBookDatabase(), 0);
        QCOMPARE(log.lines(), QStringList{QStringLiteral("open database at: :memory:")});
        QCOMPARE(bookDb().databaseName(), QStringLiteral(":memory:"));
        // The piece that is not SQL and the white space after the last ";"
        // were skipped; the statements after them still ran.
        QCOMPARE(bookRows(), 2);
        QSqlQuery indexes(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name"), bookDb());
        QStringList names;
        while (indexes.next())
            names << indexes.value(0).toString();
        QCOMPARE(names, (QStringList{QStringLiteral("idxbookname"), QStringLiteral("idxidx01")}));
    }

    void pieces_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("rows");

        const QString create = QString::fromLatin1(kCreate);
        const QString one = insert(1, QStringLiteral("b"), QStringLiteral("0"), QString(), QString(), QStringLiteral("c"));
        const QString two = insert(2, QStringLiteral("b"), QStringLiteral("1"), QString(), QString(), QStringLiteral("d"));
        QTest::newRow("final line break")     << create + one + two << 2;
        QTest::newRow("no final separator")   << create + one + two.trimmed().chopped(1) << 2;
        QTest::newRow("empty pieces")         << create + QStringLiteral(";;;") + one + QStringLiteral(";") + two << 2;
        QTest::newRow("failing piece skipped") << create + one + QStringLiteral("NOT SQL AT ALL;\n") + two << 2;
        QTest::newRow("duplicate key skipped") << create + one + one + two << 2;
        QTest::newRow("white space only")     << QStringLiteral("  \n\t ;\n") << -1;
    }

    void pieces()
    {
        QFETCH(QString, script);
        QFETCH(int, rows);
        QCOMPARE(DatabaseConnections::buildBookDatabaseFrom(writeScript(QStringLiteral("pieces.sql"), script)), 0);
        QCOMPARE(bookRows(), rows);
    }

    void missingOrUnreadable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("code");
        QTest::newRow("missing resource")  << QStringLiteral(":/datafiles/none.sql") << -21;
        QTest::newRow("missing file")      << QStringLiteral("/nonexistent/bookData.sql") << -21;
        QTest::newRow("resource folder")    << QStringLiteral(":/datafiles/html") << -22;
        QTest::newRow("file system folder") << QDir::tempPath() << -22;
    }

    void missingOrUnreadable()
    {
        QFETCH(QString, path);
        QFETCH(int, code);
        LogCapture log;
        QCOMPARE(DatabaseConnections::buildBookDatabaseFrom(path), code);
        QVERIFY(log.lines().isEmpty());
        // The connection is open and empty; the model then makes an empty table.
        QVERIFY(bookDb().isOpen());
        QVERIFY(bookDb().tables().isEmpty());
        SqlBookDataModel model;
        QVERIFY(bookDb().tables().contains(QStringLiteral("bookData")));
        QCOMPARE(model.getContentByFieldFilter(QStringLiteral("ShiGanTiXiang"), QStringLiteral("0")).toString(),
                 kNotApplicable);
    }

    void rebuildStartsFresh()
    {
        const QString path = writeScript(QStringLiteral("books.sql"), booksScript());
        QCOMPARE(DatabaseConnections::buildBookDatabaseFrom(path), 0);
        const int rows = bookRows();
        QCOMPARE(rows, 10 + 120 + 1440 + 2);
        QCOMPARE(DatabaseConnections::buildBookDatabaseFrom(path), 0);
        QCOMPARE(bookRows(), rows);
        QCOMPARE(QSqlDatabase::connectionNames().count(QStringLiteral("funcdataconnection")), 1);
    }

    void lookUp_data()
    {
        QTest::addColumn<QStringList>("args"); // book, then one to three indexes
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<int>("rowsFound");

        const QVariant na(kNotApplicable);
        QTest::newRow("one index")            << QStringList{"ShiGanTiXiang", "0"} << QVariant("stem 0") << 1;
        QTest::newRow("two indexes")          << QStringList{"baojian", "0", "0"} << QVariant("s1p1甲木生于寅月p2s2") << 1;
        QTest::newRow("two indexes, other")   << QStringList{"baojian", "9", "11"} << QVariant("baojian 9 11") << 1;
        QTest::newRow("three indexes")        << QStringList{"WQLTiYao", "0", "2", "0"} << QVariant("wql 0 2 0") << 1;
        QTest::newRow("empty third index")    << QStringList{"WQLTiYao", "0", "2", ""} << na << 12;
        QTest::newRow("one index, 12 rows")   << QStringList{"baojian", "3"} << na << 12;
        QTest::newRow("one index, 144 rows")  << QStringList{"WQLTiYao", "3"} << na << 144;
        QTest::newRow("bone weight")          << QStringList{"YuanTianGCheng", "4", "3"} << QVariant("<s1><p1>四两三钱<p2><s2>") << 1;
        QTest::newRow("null paragraph")       << QStringList{"ShiErZhiYong", "0"} << QVariant() << 1;
        QTest::newRow("unknown book")         << QStringList{"NoSuchBook", "0"} << na << 0;
        QTest::newRow("index out of range")   << QStringList{"ShiGanTiXiang", "10"} << na << 0;
        QTest::newRow("single quote")         << QStringList{"ShiGanTiXiang'", "0"} << na << 0;
        QTest::newRow("hostile book name")    << QStringList{"x' OR (seqid = 5) OR '1' = '2", "0"} << na << 0;
        QTest::newRow("hostile index")        << QStringList{"ShiGanTiXiang", "0' OR '1' = '1"} << na << 0;
        QTest::newRow("comment")              << QStringList{"ShiGanTiXiang') --", "0"} << na << 0;
    }

    void lookUp()
    {
        QFETCH(QStringList, args);
        QFETCH(QVariant, expected);
        QFETCH(int, rowsFound);
        QCOMPARE(DatabaseConnections::buildBookDatabaseFrom(writeScript(QStringLiteral("books.sql"), booksScript())), 0);

        SqlBookDataModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        LogCapture log;
        QVariant result;
        if (args.size() == 2)
            result = model.getContentByFieldFilter(args[0], args[1]);
        else if (args.size() == 3)
            result = model.getContentByFieldFilter(args[0], args[1], args[2]);
        else
            result = model.getContentByFieldFilter(args[0], args[1], args[2], args[3]);

        if (expected.isValid())
            QCOMPARE(result.toString(), expected.toString());
        else
            QVERIFY(result.isNull());
        if (rowsFound == 1) {
            QVERIFY(log.lines().isEmpty());
        } else {
            QCOMPARE(log.lines(), QStringList{QStringLiteral("rowCount() != 1 (%1), need to re-select by filter.")
                                                      .arg(rowsFound)});
        }
        // The filter stays on the model.
        QVERIFY(!model.filter().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBookDatabase)
#include "tst_bookdatabase.moc"
