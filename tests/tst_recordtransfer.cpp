// SPDX-License-Identifier: GPL-3.0-or-later
// Person records out to a JSON file and back in, and the records commands of
// qingyao-cli on the program's own user database file and on --db files.
#include "DatabaseConnections.h"
#include "RecordTransfer.h"
#include "SqloneCustomerModel.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

namespace {

QSqlDatabase userDb()
{
    return QSqlDatabase::database(QStringLiteral("userdataconnection"));
}

// Every stored row, every column, in seqno order; NULL shown as <null>.
QStringList dump(const QString &orderBy = QStringLiteral("seqno"))
{
    QStringList rows;
    QSqlQuery query(QStringLiteral("SELECT * FROM oneCustomer ORDER BY ") + orderBy, userDb());
    while (query.next()) {
        QStringList fields;
        for (int c = 0; c < query.record().count(); ++c)
            fields << (query.value(c).isNull() ? QStringLiteral("<null>") : query.value(c).toString());
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

QByteArray recordJson(const QString &userid, const QString &extra = QString())
{
    return QStringLiteral(R"({"userid":"%1","timestamp":"2020-01-01T00:00:00.000","gender":"0","caltype":"0",)"
                          R"("maintime":"2020/1/1/0/0","inputtime":"x","mainJvalue":"120"%2})")
            .arg(userid, extra).toUtf8();
}

} // namespace

class TestRecordTransfer : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_fileNo = 0;
    QStringList m_ids;

    // Three people with quotes, tabs, Chinese text and NULL columns.
    void fillThree()
    {
        SqloneCustomerModel model;
        const QDateTime t0(QDate(2024, 3, 1), QTime(8, 0));
        model.setCurrentDateTime(t0);
        m_ids.clear();
        m_ids << TestSupport::addPerson(&model, QStringLiteral("O'Brien"), QStringLiteral("同事"),
                                        QStringLiteral("line\nbreak"), QStringLiteral("Dublin"));
        model.setCurrentDateTime(t0.addMSecs(1));
        m_ids << TestSupport::addPerson(&model, QStringLiteral("张\t三"), QStringLiteral("家人"), QString(),
                                        QStringLiteral("北京"));
        model.setCurrentDateTime(t0.addMSecs(2));
        m_ids << TestSupport::addPerson(&model, QStringLiteral("李四"));
        model.setUserid(m_ids[2]);
        model.updateCustomer2(m_ids[2], 1, 2, 3, 4);
    }

private slots:
    void init()
    {
        TestSupport::openFreshUserDatabase(m_dir, QStringLiteral("transfer%1.db").arg(++m_fileNo));
    }

    void exportHasEveryColumn()
    {
        fillThree();
        int count = -1;
        const QJsonDocument doc = QJsonDocument::fromJson(RecordTransfer::exportJson(userDb(), &count));
        QCOMPARE(count, 3);
        QVERIFY(doc.isArray());
        const QJsonArray array = doc.array();
        QCOMPARE(array.size(), 3);
        const QJsonObject first = array.at(0).toObject();
        QCOMPARE(first.keys().size(), 26);
        QCOMPARE(first.value(QStringLiteral("userid")).toString(), m_ids[0]);
        QCOMPARE(first.value(QStringLiteral("seqno")).toString(), QStringLiteral("1"));
        QCOMPARE(first.value(QStringLiteral("gender")).toString(), QStringLiteral("0"));
        QCOMPARE(first.value(QStringLiteral("morenotes")).toString(), QStringLiteral("line\nbreak"));
        QVERIFY(first.value(QStringLiteral("yearChac")).isNull());
        QVERIFY(first.value(QStringLiteral("extraColumn5")).isNull());
        QCOMPARE(array.at(2).toObject().value(QStringLiteral("hourChac")).toString(), QStringLiteral("4"));
    }

    // The database writes each record's JSON text and export lays it out:
    // whatever a column holds, the file must be the bytes Qt's writer gives
    // for the values the driver reads, and it must import again.
    void exportIsQtsWriting_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value"); // SQL
        QTest::newRow("quotes, backslashes")     << "name"       << R"('a"b\c\\"\')";
        QTest::newRow("control characters")      << "morenotes"  << "char(1, 8, 9, 10, 12, 13, 31, 127, 120)";
        QTest::newRow("separators, astral")      << "name"       << "char(0x2028, 0x2029, 0x1F600, 0xE9, 0x4E2D)";
        QTest::newRow("U+0000 inside")           << "name"       << "'a' || char(0) || 'b'";
        QTest::newRow("leading U+FEFF")          << "name"       << "char(0xFEFF, 0x41)";
        QTest::newRow("empty text")              << "name"       << "''";
        QTest::newRow("U+FFFE")                  << "name"       << "char(0xFFFE, 0x41)";
        QTest::newRow("invalid byte")            << "name"       << "CAST(x'41ff42' AS TEXT)";
        QTest::newRow("surrogate bytes")         << "name"       << "CAST(x'eda080' AS TEXT)";
        QTest::newRow("overlong form")           << "name"       << "CAST(x'c0af' AS TEXT)";
        QTest::newRow("sequence cut short")      << "morenotes"  << "CAST(x'41e4b8' AS TEXT)";
        QTest::newRow("blob")                    << "simpenotes" << "x'e794b2'";
        QTest::newRow("whole number identifier") << "userid"     << "'12'";
        QTest::newRow("real number identifier")  << "userid"     << "0.1 + 0.2";
    }
    void exportIsQtsWriting()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        fillThree();
        QSqlQuery update(userDb());
        QVERIFY2(update.exec(QStringLiteral("UPDATE oneCustomer SET %1 = %2 WHERE seqno = 2").arg(column, value)),
                 qPrintable(update.lastError().text()));
        QJsonArray records;
        QSqlQuery query(QStringLiteral("SELECT * FROM oneCustomer ORDER BY seqno"), userDb());
        while (query.next()) {
            QJsonObject object;
            for (int c = 0; c < query.record().count(); ++c)
                object.insert(query.record().fieldName(c),
                              query.value(c).isNull() ? QJsonValue() : QJsonValue(query.value(c).toString()));
            records.append(object);
        }
        const QByteArray json = RecordTransfer::exportJson(userDb());
        QCOMPARE(json, QJsonDocument(records).toJson(QJsonDocument::Indented));

        TestSupport::openFreshUserDatabase(m_dir, QStringLiteral("transfer%1.db").arg(++m_fileNo));
        const RecordTransfer::ImportResult result = RecordTransfer::importJson(userDb(), json);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.added, 3);
    }

    // A record with every column, as export writes it, is read by a shorter
    // way than one with some: each value must still be checked and stored
    // as any other record's.
    void fullRecordCheckedAsAnyOther_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("renamed");  // the key written instead, if any
        QTest::addColumn<QByteArray>("value"); // JSON
        QTest::addColumn<QString>("outcome");  // what is stored (<null>), or the error
        QTest::newRow("text")           << "name"      << "" << QByteArray("\"甲\"") << "甲";
        QTest::newRow("null")           << "name"      << "" << QByteArray("null")  << "<null>";
        // Text bound as UTF-16 lost a leading U+FEFF (read as a byte-order mark).
        QTest::newRow("leading U+FEFF") << "name"      << "" << QByteArray("\"\\ufeffabc\"") << QString(QChar(0xfeff)) + "abc";
        QTest::newRow("whole number")   << "name"      << "" << QByteArray("5")     << "5";
        QTest::newRow("fraction")       << "name"      << "" << QByteArray("1.25")  << "1.25";
        QTest::newRow("boolean")        << "name"      << "" << QByteArray("true")  << R"(record 1: column "name" must be a text or null)";
        QTest::newRow("object")         << "morenotes" << "" << QByteArray("{}")    << R"(record 1: column "morenotes" must be a text or null)";
        QTest::newRow("past 2^63")      << "name"      << "" << QByteArray("1e300") << R"(record 1: column "name" holds a number outside the 64-bit range)";
        QTest::newRow("required null")  << "maintime"  << "" << QByteArray("null")  << R"(record 1: column "maintime" is missing or null)";
        QTest::newRow("seqno not whole") << "seqno"    << "" << QByteArray("\"abc\"") << R"(record 1: column "seqno" must be a whole number or null)";
        QTest::newRow("unknown key")    << "name"      << "nam" << QByteArray("\"x\"") << R"(record 1: unknown column "nam")";
    }
    void fullRecordCheckedAsAnyOther()
    {
        QFETCH(QString, key);
        QFETCH(QString, renamed);
        QFETCH(QByteArray, value);
        QFETCH(QString, outcome);
        fillThree();
        QJsonObject record = QJsonDocument::fromJson(RecordTransfer::exportJson(userDb())).array().at(0).toObject();
        QCOMPARE(record.size(), SqloneCustomerModel::columnNames().size());
        record.remove(key);
        record.insert(renamed.isEmpty() ? key : renamed, QStringLiteral("@@"));
        QByteArray json = QJsonDocument(QJsonArray{record}).toJson(QJsonDocument::Compact);
        json.replace("\"@@\"", value);
        // An import into an empty table builds its indexes after the rows.
        const auto indexes = [] {
            QStringList sql;
            QSqlQuery query(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' ORDER BY name"), userDb());
            while (query.next())
                sql << query.value(0).toString();
            return sql;
        };
        for (const bool streamed : {false, true}) {
            TestSupport::openFreshUserDatabase(m_dir, QStringLiteral("transfer%1.db").arg(++m_fileNo));
            QVERIFY(SqloneCustomerModel::ensureTable(userDb()));
            const QStringList indexesBefore = indexes();
            QVERIFY(!indexesBefore.isEmpty());
            QBuffer buffer(&json);
            buffer.open(QIODevice::ReadOnly);
            const RecordTransfer::ImportResult result = streamed ? RecordTransfer::importJsonFrom(userDb(), &buffer)
                                                                 : RecordTransfer::importJson(userDb(), json);
            QCOMPARE(indexes(), indexesBefore);
            if (outcome.startsWith(QLatin1String("record "))) {
                QCOMPARE(result.error, outcome);
                QCOMPARE(dump().size(), 0);
                continue;
            }
            QVERIFY2(result.ok, qPrintable(result.error));
            QSqlQuery query(QStringLiteral("SELECT %1 FROM oneCustomer").arg(key), userDb());
            QVERIFY(query.next());
            QCOMPARE(query.value(0).isNull() ? QStringLiteral("<null>") : query.value(0).toString(), outcome);
        }
    }

    void roundTrip()
    {
        fillThree();
        const QStringList before = dump();
        const QByteArray json = RecordTransfer::exportJson(userDb());

        TestSupport::openFreshUserDatabase(m_dir, QStringLiteral("transfer%1.db").arg(++m_fileNo));
        RecordTransfer::ImportResult result = RecordTransfer::importJson(userDb(), json);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.added, 3);
        QCOMPARE(result.skipped, 0);
        QCOMPARE(dump(), before);

        // Again: every identifier is there already.
        result = RecordTransfer::importJson(userDb(), json);
        QVERIFY(result.ok);
        QCOMPARE(result.added, 0);
        QCOMPARE(result.skipped, 3);
        QCOMPARE(dump(), before);

        // The program reads the imported records as its own.
        SqloneCustomerModel model;
        model.setUserid(m_ids[1]);
        QCOMPARE(model.getCustInfoByStrName(m_ids[1], QStringLiteral("name")).toString(), QStringLiteral("张\t三"));
    }

    void mergeKeepsFreeNumbers()
    {
        SqloneCustomerModel model;
        const QString mine = TestSupport::addPerson(&model, QStringLiteral("mine")); // seqno 1
        const QByteArray json = "[" + recordJson(QStringLiteral("a"), QStringLiteral(R"(,"seqno":"1")")) + ","
                                + recordJson(QStringLiteral("b"), QStringLiteral(R"(,"seqno":"7")")) + ","
                                + recordJson(mine) + ","
                                + recordJson(QStringLiteral("a")) + "]";
        const RecordTransfer::ImportResult result = RecordTransfer::importJson(userDb(), json);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(result.added, 2);
        QCOMPARE(result.skipped, 2); // "mine" is present, the second "a" came earlier in the file
        QSqlQuery query(QStringLiteral("SELECT userid, seqno FROM oneCustomer ORDER BY userid"), userDb());
        QMap<QString, int> seqnos;
        while (query.next())
            seqnos.insert(query.value(0).toString(), query.value(1).toInt());
        QCOMPARE(seqnos.size(), 3);
        QCOMPARE(seqnos.value(mine), 1);
        QCOMPARE(seqnos.value(QStringLiteral("b")), 7);
        QVERIFY(seqnos.value(QStringLiteral("a")) != 1); // taken: numbered anew
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");

        const QByteArray good = recordJson(QStringLiteral("good"));
        QTest::newRow("not JSON")         << QByteArray("userid,name\n1,x\n") << "not valid JSON";
        QTest::newRow("truncated")        << QByteArray("[") + good << "not valid JSON";
        QTest::newRow("object")           << good << "not a JSON array of records";
        QTest::newRow("number in array")  << QByteArray("[") + good + ",1]" << "record 2: not a JSON object";
        QTest::newRow("unknown column")   << "[" + recordJson("x", R"(,"colour":"red")") + "]" << R"(record 1: unknown column "colour")";
        QTest::newRow("boolean value")    << "[" + recordJson("x", R"(,"name":true)") + "]" << R"(record 1: column "name" must be a text or null)";
        QTest::newRow("array value")      << "[" + recordJson("x", R"(,"name":[])") + "]" << R"(record 1: column "name" must be a text or null)";
        QTest::newRow("no userid")        << QByteArray(R"([{"timestamp":"t","gender":"0","caltype":"0","maintime":"m","inputtime":"i","mainJvalue":"1"}])")
                                          << R"(record 1: column "userid" is missing or null)";
        QTest::newRow("null maintime")    << "[" + good + "," + recordJson("y").replace("\"2020/1/1/0/0\"", "null") + "]"
                                          << R"(record 2: column "maintime" is missing or null)";
        QTest::newRow("seqno not whole")  << "[" + recordJson("x", R"(,"seqno":"abc")") + "]" << R"(record 1: column "seqno" must be a whole number or null)";
        QTest::newRow("number past 2^63") << "[" + recordJson("x", R"(,"name":1e300)") + "]" << R"(record 1: column "name" holds a number outside the 64-bit range)";
        QTest::newRow("number below -2^63") << "[" + recordJson("x", R"(,"seqno":-1e19)") + "]" << R"(record 1: column "seqno" holds a number outside the 64-bit range)";
        QTest::newRow("refused by table") << "[" + recordJson("x", R"(,"extraColumn5":"same")") + ","
                                                 + recordJson("y", R"(,"extraColumn5":"same")") + "]"
                                          << "record 2: ";
    }

    void malformed()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        SqloneCustomerModel model;
        TestSupport::addPerson(&model, QStringLiteral("already here"));
        const QStringList before = dump();
        const RecordTransfer::ImportResult result = RecordTransfer::importJson(userDb(), json);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.startsWith(message), qPrintable(result.error));
        QCOMPARE(result.added, 0);
        QCOMPARE(dump(), before);
    }

    // The streamed import cuts the array itself before parsing each record;
    // text that looks like structure (brackets, commas, escaped quotes inside
    // values) or a file that goes wrong part way must give the same result as
    // the whole-file import, and a refused file must leave nothing behind.
    void streamedImportAgreesWithWholeFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        const QByteArray a = recordJson(QStringLiteral("a"), QStringLiteral(",\"name\":\"] }, [ {\",\"morenotes\":\"\\\\\\\"]\""));
        const QByteArray b = recordJson(QStringLiteral("b"), QStringLiteral(",\"name\":\"\\\"\\\\\",\"seqno\":\"3\""));
        QTest::newRow("values that look like structure") << "[" + a + " ,\n\t" + b + "]";
        QTest::newRow("empty array, spaced")              << QByteArray(" [ \r\n ] \n");
        QTest::newRow("same identifier twice")            << "[" + b + "," + b + "]";
        QTest::newRow("garbage after the array")          << "[" + a + "] x";
        QTest::newRow("missing comma")                    << "[" + a + " " + b + "]";
        QTest::newRow("trailing comma")                   << "[" + a + ",]";
        QTest::newRow("bad record after good ones")       << "[" + a + "," + b + ",{\"userid\":\"c\"}]";
        QTest::newRow("cut inside a text")                << "[" + a + "," + b.left(b.size() / 2);
        QTest::newRow("nested arrays")                    << QByteArray("[[[[]]]]");
    }
    void streamedImportAgreesWithWholeFile()
    {
        QFETCH(QByteArray, json);
        const auto importOnce = [&](bool streamed, QStringList *rows) {
            TestSupport::openFreshUserDatabase(m_dir, QStringLiteral("transfer%1.db").arg(++m_fileNo));
            RecordTransfer::ImportResult result;
            if (streamed) {
                QBuffer buffer(&json);
                buffer.open(QIODevice::ReadOnly);
                result = RecordTransfer::importJsonFrom(userDb(), &buffer);
            } else {
                result = RecordTransfer::importJson(userDb(), json);
            }
            *rows = dump();
            return result;
        };
        QStringList whole, streamed;
        const RecordTransfer::ImportResult expected = importOnce(false, &whole);
        const RecordTransfer::ImportResult actual = importOnce(true, &streamed);
        QCOMPARE(actual.ok, expected.ok);
        QCOMPARE(actual.error, expected.error);
        QCOMPARE(actual.added, expected.added);
        QCOMPARE(actual.skipped, expected.skipped);
        QCOMPARE(streamed, whole);
    }

    void listRows()
    {
        fillThree();
        QList<QStringList> rows = RecordTransfer::listRows(QString(), QString());
        QCOMPARE(rows.size(), 3);
        // Newest first; tabs and line breaks inside values become blanks.
        QCOMPARE(rows[0], (QStringList{"3", "李四", "公历 2019年7月16日 9时5分", "", m_ids[2]}));
        QCOMPARE(rows[1], (QStringList{"2", "张 三", "公历 2019年7月16日 9时5分", "北京", m_ids[1]}));
        rows = RecordTransfer::listRows(QStringLiteral("同事"), QString());
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].value(1), QStringLiteral("O'Brien"));
        rows = RecordTransfer::listRows(QString(), QStringLiteral("'"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(RecordTransfer::listRows(QStringLiteral("同事"), QStringLiteral("北京")).size(), 0);
    }

    void commandLine()
    {
        const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/../qingyao-cli");
        QVERIFY2(QFileInfo(cli).isExecutable(), qPrintable(cli));
        QTemporaryDir home;
        const auto run = [&](const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("HOME"), home.path());
            env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
            child.setProcessEnvironment(env);
            child.start(cli, QStringList{QStringLiteral("records")} + args);
            child.waitForFinished(30000);
            if (out)
                *out = child.readAllStandardOutput();
            if (err)
                *err = child.readAllStandardError();
            return child.exitCode();
        };

        const QString backup = home.filePath(QStringLiteral("backup.json"));
        QFile file(backup);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[" + recordJson(QStringLiteral("one"), QStringLiteral(R"(,"name":"甲","inputPlaceName":"上海")")) + ","
                   + recordJson(QStringLiteral("two"), QStringLiteral(R"(,"name":"乙","simpenotes":"同事")")) + "]");
        file.close();

        QByteArray out, err;
        QCOMPARE(run({QStringLiteral("import"), backup}, &out), 0);
        QCOMPARE(out, QByteArray("added 2 records, skipped 0 already present\n"));
        // The program's own file: the documents folder of this HOME.
        const QString programDb = home.filePath(QStringLiteral("Documents/Solquist.db"));
        QVERIFY(QFileInfo(programDb).size() > 0);
        QCOMPARE(run({QStringLiteral("import"), backup}, &out), 0);
        QCOMPARE(out, QByteArray("added 0 records, skipped 2 already present\n"));

        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--search"), QStringLiteral("上海")}, &out), 0);
        QCOMPARE(QString::fromUtf8(out), QStringLiteral("1\t甲\tx\t上海\tone\n"));
        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--class"), QStringLiteral("同事")}, &out), 0);
        QCOMPARE(QString::fromUtf8(out), QStringLiteral("2\t乙\tx\t\ttwo\n"));

        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--search"), QStringLiteral("' OR 1=1 --")}, &out), 0);
        QCOMPARE(out, QByteArray());
        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--class"), QStringLiteral("x' OR '1'='1")}, &out), 0);
        QCOMPARE(out, QByteArray());

        const QString other = home.filePath(QStringLiteral("other.db"));
        const QString exported = home.filePath(QStringLiteral("out.json"));
        QCOMPARE(run({QStringLiteral("import"), backup, QStringLiteral("--db"), other}, &out), 0);
        QCOMPARE(run({QStringLiteral("export"), exported, QStringLiteral("--db"), other}, &out), 0);
        QCOMPARE(out, QByteArray("exported 2 records to ") + exported.toUtf8() + "\n");
        QCOMPARE(QJsonDocument::fromJson([&] { QFile f(exported); f.open(QIODevice::ReadOnly); return f.readAll(); }())
                         .array().size(), 2);

        // A malformed file changes nothing and says why.
        const QString broken = home.filePath(QStringLiteral("broken.json"));
        QFile brokenFile(broken);
        QVERIFY(brokenFile.open(QIODevice::WriteOnly));
        brokenFile.write("[" + recordJson(QStringLiteral("three")) + ", 5]");
        brokenFile.close();
        QCOMPARE(run({QStringLiteral("import"), broken}, &out, &err), 1);
        // (Other parts of the program may log a line of their own before it.)
        QVERIFY2(QString::fromUtf8(err).endsWith(
                         QStringLiteral("qingyao-cli: %1: record 2: not a JSON object; nothing imported\n").arg(broken)),
                 err.constData());
        QCOMPARE(run({QStringLiteral("list")}, &out), 0);
        QCOMPARE(out.count('\n'), 2);

        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--db"), home.filePath(QStringLiteral("none.db"))}, &out, &err), 1);
        QVERIFY(!QFile::exists(home.filePath(QStringLiteral("none.db"))));
        QCOMPARE(run({QStringLiteral("export")}), 2);
        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("--class")}), 2);
        QCOMPARE(run({QStringLiteral("list"), QStringLiteral("extra")}), 2);
        QCOMPARE(run({QStringLiteral("delete")}), 2);
    }
};

QTEST_GUILESS_MAIN(TestRecordTransfer)
#include "tst_recordtransfer.moc"
